// The numbering pass over a listing of 1,000,000 entries in nested directories, through the
// real quorrel plug-in. The baseline does the same walk and the same text work with the
// standard library's snprintf, so the figure to read is the ratio of the two.
//
// Every heap allocation in the process is counted while a pass runs: the pass must make none.
#include "support/plugin_module.h"

#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <new>
#include <vector>

#if !defined(_WIN32)
// Counts every malloc of the process, the plug-in's included (glibc's own entry points stay
// reachable as __libc_*).
extern "C" void *__libc_malloc(size_t);
extern "C" void *__libc_calloc(size_t, size_t);
extern "C" void *__libc_realloc(void *, size_t);
static std::atomic<long> allocations{0};
extern "C" void *malloc(size_t size) {
    allocations.fetch_add(1, std::memory_order_relaxed);
    return __libc_malloc(size);
}
extern "C" void *calloc(size_t count, size_t size) {
    allocations.fetch_add(1, std::memory_order_relaxed);
    return __libc_calloc(count, size);
}
extern "C" void *realloc(void *block, size_t size) {
    allocations.fetch_add(1, std::memory_order_relaxed);
    return __libc_realloc(block, size);
}
#else
static std::atomic<long> allocations{0};
#endif

namespace {

// 1,000,000 entries: 1000 directories of 999 files below the root, three levels deep for a
// tenth of them.
struct BigTree {
    std::deque<std::vector<FileEntry>> storage;
    std::deque<FileList> lists;
    FileList *root = nullptr;
    size_t entries = 0;

    FileList *makeList(size_t files, int depth) {
        storage.emplace_back();
        std::vector<FileEntry> &items = storage.back();
        items.resize(files + (depth > 0 ? 1 : 0));
        for (size_t i = 0; i < items.size(); ++i) {
            FileEntry &entry = items[i];
            std::memset(&entry, 0, sizeof entry);
            std::snprintf(entry.name, sizeof entry.name, "Track %05zu - Some Artist.mp3", i);
        }
        if (depth > 0) {
            FileEntry &dir = items.back();
            std::snprintf(dir.name, sizeof dir.name, "Disc %d", depth);
            dir.isDirectory = 1;
            dir.children = makeList(9, depth - 1);
        }
        entries += items.size();
        lists.push_back(FileList{static_cast<uint32_t>(items.size()), items.data()});
        return &lists.back();
    }

    BigTree() {
        storage.emplace_back();
        std::vector<FileEntry> &top = storage.back();
        top.resize(1000);
        for (size_t d = 0; d < top.size(); ++d) {
            FileEntry &dir = top[d];
            std::memset(&dir, 0, sizeof dir);
            std::snprintf(dir.name, sizeof dir.name, "Album %04zu", d);
            dir.isDirectory = 1;
            dir.children = (d % 10 == 0) ? makeList(972, 3) : makeList(999, 0);
        }
        entries += top.size();
        lists.push_back(FileList{static_cast<uint32_t>(top.size()), top.data()});
        root = &lists.back();
    }

    // Names back to what they were, so every iteration numbers fresh names.
    void resetNames(FileList *list) {
        for (uint32_t i = 0; i < list->count; ++i) {
            FileEntry &entry = list->entries[i];
            char *dot = std::strstr(entry.name, ". ");
            if (dot) std::memmove(entry.name, dot + 2, std::strlen(dot + 2) + 1);
            if (entry.children) resetNames(entry.children);
        }
    }
};

BigTree &tree() {
    static BigTree instance;
    return instance;
}

void numberWithSnprintf(FileList *list, int32_t &number, int32_t &index) {
    char text[128];
    for (uint32_t i = 0; i < list->count; ++i) {
        FileEntry &entry = list->entries[i];
        std::snprintf(text, sizeof text, "%d. %s", number++, entry.name);
        std::strncpy(entry.name, text, sizeof entry.name);
        entry.name[sizeof entry.name - 1] = '\0';
        entry.size = index++;
        if (entry.isDirectory) numberWithSnprintf(entry.children, number, index);
    }
}

void BM_Baseline_SnprintfWalk(benchmark::State &state) {
    BigTree &big = tree();
    for (auto _ : state) {
        state.PauseTiming();
        big.resetNames(big.root);
        state.ResumeTiming();
        int32_t number = 1, index = 1;
        numberWithSnprintf(big.root, number, index);
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(big.entries));
}

void BM_QuorrelPass(benchmark::State &state) {
    BigTree &big = tree();
    static PluginModule plugin("quorrel");
    if (!plugin.loaded()) {
        state.SkipWithError("quorrel could not be loaded from the program's directory");
        return;
    }
    // Numbering on, directories numbered: every entry's name is rewritten.
    static HKEY key = nullptr;
    RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\disclist-bench\\quorrel", 0, nullptr, 0,
                    KEY_ALL_ACCESS, nullptr, &key, nullptr);
    const BYTE prefs[16] = {1, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0};
    RegSetValueExA(key, "prefs", 0, REG_BINARY, prefs, sizeof prefs);
    FileFilterInfo info{};
    info.version = 2;
    info.settingsKey = key;
    plugin.initialize(&info);
    long allocationsInPasses = 0;
    for (auto _ : state) {
        state.PauseTiming();
        big.resetNames(big.root);
        long before = allocations.load();
        state.ResumeTiming();
        plugin.execute(&info, big.root, 0, 0, "");
        benchmark::ClobberMemory();
        state.PauseTiming();
        allocationsInPasses += allocations.load() - before;
        state.ResumeTiming();
    }
    plugin.uninitialize(&info);
    RegCloseKey(key);
    RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\disclist-bench");
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(big.entries));
    state.counters["allocations"] = static_cast<double>(allocationsInPasses);
    if (allocationsInPasses != 0) state.SkipWithError("the numbering pass allocated");
}

BENCHMARK(BM_Baseline_SnprintfWalk)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_QuorrelPass)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
