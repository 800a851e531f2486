// Builds listing trees of host records in memory for the plug-in tests:
//   Listing root;  root.file("a.mp3");  Listing &dir = root.directory("Dir");
// Entries of a listing are kept contiguous, as the host lays them out; call finish() on the
// root after building to fix up the entries and children pointers.
#pragma once

#include "frame/filefilter.h"

#include <cstring>
#include <deque>
#include <string>
#include <vector>

struct Listing {
    std::vector<FileEntry> entries;
    std::deque<Listing> subdirectories; // stable addresses
    std::vector<int> childOf;           // per entry: index into subdirectories, or -1
    FileList list{};

    static FileEntry makeEntry(const std::string &name, const char *comment, int64_t size) {
        FileEntry entry;
        std::memset(&entry, 0, sizeof entry);
        std::strncpy(entry.name, name.c_str(), sizeof entry.name - 1);
        std::strncpy(entry.comment, comment, sizeof entry.comment - 1);
        entry.size = size;
        return entry;
    }
    FileEntry &file(const std::string &name, const char *comment = "1.43MB", int64_t size = 0) {
        entries.push_back(makeEntry(name, comment, size));
        childOf.push_back(-1);
        return entries.back();
    }
    // A directory entry with its own listing; isDirectory may be cleared to build an entry that
    // has a listing without being flagged as a directory.
    Listing &directory(const std::string &name, bool isDirectory = true) {
        entries.push_back(makeEntry(name, "", 0));
        entries.back().isDirectory = isDirectory ? 1 : 0;
        subdirectories.emplace_back();
        childOf.push_back(static_cast<int>(subdirectories.size() - 1));
        return subdirectories.back();
    }
    FileList *finish() {
        for (size_t i = 0; i < entries.size(); ++i)
            entries[i].children = childOf[i] < 0 ? nullptr : subdirectories[childOf[i]].finish();
        list.count = static_cast<uint32_t>(entries.size());
        list.entries = entries.empty() ? nullptr : entries.data();
        return &list;
    }
};
