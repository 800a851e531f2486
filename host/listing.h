// The scanned tree as the host owns it: one FileList per directory, its entries in one
// contiguous vector, as the plug-ins expect them. The memory stays put for the tree's whole
// life (the deque never moves its elements), so the entries and children pointers that the
// plug-ins follow stay valid while any plug-in runs.
#pragma once

#include "frame/filefilter.h"

#include <deque>
#include <vector>

struct DirectoryListing {
    FileList list{};
    std::vector<FileEntry> entries;
};

struct ScannedTree {
    std::deque<DirectoryListing> directories; // the root's listing first

    FileList *root() { return directories.empty() ? nullptr : &directories.front().list; }
    const FileList *root() const {
        return directories.empty() ? nullptr : &directories.front().list;
    }
};
