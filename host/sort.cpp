#include "sort.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

// Names are NUL-terminated within their 64 bytes; strncmp compares as unsigned char, which is
// byte order.
bool nameBefore(const FileEntry &a, const FileEntry &b) {
    return std::strncmp(a.name, b.name, sizeof a.name) < 0;
}

bool sizeBefore(const FileEntry &a, const FileEntry &b) {
    return a.size < b.size;
}

} // namespace

void sortTree(FileList *root, SortOrder order) {
    if (!root || order == SortOrder::none) return;
    // An explicit stack of listings rather than recursion; every listing is reached once, since
    // only the host's scan built the tree.
    std::vector<FileList *> pending{root};
    while (!pending.empty()) {
        FileList *list = pending.back();
        pending.pop_back();
        if (list->count == 0 || !list->entries) continue;
        FileEntry *begin = list->entries;
        FileEntry *end = begin + list->count;
        if (order == SortOrder::name)
            std::stable_sort(begin, end, nameBefore);
        else
            std::stable_sort(begin, end, sizeBefore);
        for (FileEntry *entry = begin; entry != end; ++entry)
            if (entry->children) pending.push_back(entry->children);
    }
}
