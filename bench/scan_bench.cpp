// disclist's scan of a 100,000-entry tree (100 directories of 999 files each below the root),
// against a plain std::filesystem recursive walk of the same tree in the same run; the figure
// to read is the ratio of their entries per second. The tree is made once in the temporary
// directory and removed at exit; every pass after the first runs on a warm cache.
#include "print_json.h"
#include "scan.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

const int directoryCount = 100;
const int filesPerDirectory = 999;
const int64_t entryCount = directoryCount + int64_t(directoryCount) * filesPerDirectory;

struct BenchTree {
    fs::path root;
    BenchTree() {
        std::random_device random;
        root = fs::temp_directory_path() / ("disclist-scan-bench-" + std::to_string(random()));
        fs::create_directories(root);
        for (int d = 0; d < directoryCount; ++d) {
            fs::path directory = root / ("Directory " + std::to_string(d));
            fs::create_directory(directory);
            for (int f = 0; f < filesPerDirectory; ++f) {
                fs::path file = directory / ("Track " + std::to_string(f) + " - a file name.mp3");
                std::ofstream(file, std::ios::binary).put('x');
                // Sizes of all kinds for the size texts, without writing the bytes.
                fs::resize_file(file, uintmax_t(f) * uintmax_t(f) * 997);
            }
        }
    }
    ~BenchTree() {
        std::error_code ec;
        fs::remove_all(root, ec);
    }
};

const BenchTree &benchTree() {
    static BenchTree tree;
    return tree;
}

void BM_DisclistScan(benchmark::State &state) {
    const std::string root = benchTree().root.string();
    for (auto _ : state) {
        ScannedTree tree;
        std::vector<std::string> warnings;
        std::string error;
        if (!scanTree(root, &tree, &warnings, &error)) state.SkipWithError(error.c_str());
        benchmark::DoNotOptimize(tree.root());
    }
    state.SetItemsProcessed(state.iterations() * entryCount);
}
BENCHMARK(BM_DisclistScan)->Unit(benchmark::kMillisecond);

// The baseline: the standard library's own walk, reading what the scan needs of every entry
// (its type without following links, and a file's size).
void BM_FilesystemWalkWithSizes(benchmark::State &state) {
    const fs::path root = benchTree().root;
    for (auto _ : state) {
        int64_t entries = 0;
        uintmax_t bytes = 0;
        std::error_code ec;
        for (fs::recursive_directory_iterator it(root, ec), end; !ec && it != end;
             it.increment(ec)) {
            fs::file_status status = it->symlink_status(ec);
            if (fs::is_regular_file(status)) bytes += it->file_size(ec);
            ++entries;
        }
        if (entries != entryCount) state.SkipWithError("the walk missed entries");
        benchmark::DoNotOptimize(bytes);
    }
    state.SetItemsProcessed(state.iterations() * entryCount);
}
BENCHMARK(BM_FilesystemWalkWithSizes)->Unit(benchmark::kMillisecond);

// The walk alone, names and types only: what a directory read costs without any stat.
void BM_FilesystemWalkNamesOnly(benchmark::State &state) {
    const fs::path root = benchTree().root;
    for (auto _ : state) {
        int64_t entries = 0;
        std::error_code ec;
        for (fs::recursive_directory_iterator it(root, ec), end; !ec && it != end;
             it.increment(ec)) {
            benchmark::DoNotOptimize(it->path().filename().native().size());
            ++entries;
        }
        if (entries != entryCount) state.SkipWithError("the walk missed entries");
    }
    state.SetItemsProcessed(state.iterations() * entryCount);
}
BENCHMARK(BM_FilesystemWalkNamesOnly)->Unit(benchmark::kMillisecond);

// Scanning and writing the JSON listing: the whole of a run without plug-ins.
void BM_DisclistScanAndJson(benchmark::State &state) {
    const std::string root = benchTree().root.string();
    for (auto _ : state) {
        ScannedTree tree;
        std::vector<std::string> warnings;
        std::string error;
        if (!scanTree(root, &tree, &warnings, &error)) state.SkipWithError(error.c_str());
        std::string out;
        printJson(out, tree.root(), root);
        benchmark::DoNotOptimize(out.data());
    }
    state.SetItemsProcessed(state.iterations() * entryCount);
}
BENCHMARK(BM_DisclistScanAndJson)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
