#include "scan.h"

#include "size_text.h"
#include "utf8_escape.h"

#include <cstring>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace {

// The file name as the plug-ins see it: on POSIX the bytes on disk; on Windows the name in the
// narrow (ANSI) encoding that the plug-ins open files with, or UTF-8 when it has no such form.
std::string narrowName(const fs::path &path) {
#if defined(_WIN32)
    try {
        return path.string();
    } catch (...) {
        std::string utf8;
        for (auto c : path.u8string()) utf8 += static_cast<char>(c);
        return utf8;
    }
#else
    return path.native();
#endif
}

std::string describe(const fs::path &path) {
    return escaped(narrowName(path), EscapeStyle::message);
}

struct PendingDirectory {
    fs::path path;
    DirectoryListing *listing;
};

} // namespace

bool copyEntryName(char (&field)[64], const std::string &name) {
    const size_t limit = sizeof field - 1;
    size_t length = name.size();
    bool cut = length > limit;
    if (cut) {
        // Back up to the start of a sequence that ends within the limit: a valid sequence
        // straddling the limit is left out whole; invalid bytes count one by one.
        const unsigned char *bytes = reinterpret_cast<const unsigned char *>(name.data());
        size_t at = 0;
        while (at < limit) {
            size_t sequence = utf8SequenceLength(bytes + at, name.size() - at);
            if (sequence == 0) sequence = 1;
            if (at + sequence > limit) break;
            at += sequence;
        }
        length = at;
    }
    std::memcpy(field, name.data(), length);
    std::memset(field + length, 0, sizeof field - length);
    return !cut;
}

bool scanTree(const std::string &directory, ScannedTree *tree, std::vector<std::string> *warnings,
              std::string *error) {
    tree->directories.clear();
    fs::path rootPath(directory);
    std::error_code ec;
    fs::file_status rootStatus = fs::status(rootPath, ec);
    if (ec || !fs::exists(rootStatus)) {
        *error = "no such directory: " + escaped(directory, EscapeStyle::message);
        return false;
    }
    if (!fs::is_directory(rootStatus)) {
        *error = "not a directory: " + escaped(directory, EscapeStyle::message);
        return false;
    }

    // Breadth first with a queue instead of recursion, so that a deep tree cannot exhaust the
    // stack; each directory's entries still stand in the order its directory yields them.
    tree->directories.emplace_back();
    std::vector<PendingDirectory> queue;
    queue.push_back({rootPath, &tree->directories.front()});
    for (size_t next = 0; next < queue.size(); ++next) {
        fs::path path = std::move(queue[next].path);
        DirectoryListing &listing = *queue[next].listing;
        fs::directory_iterator it(path, ec);
        if (ec) {
            if (next == 0) {
                *error = "cannot read directory " + describe(path) + ": " + ec.message();
                return false;
            }
            warnings->push_back("cannot read directory " + describe(path) + ": " + ec.message() +
                                "; it is listed empty");
        }
        for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
            const fs::directory_entry &item = *it;
            FileEntry entry;
            std::memset(&entry, 0, sizeof entry);
            if (!copyEntryName(entry.name, narrowName(item.path().filename())))
                warnings->push_back("name longer than 63 bytes cut: " + describe(item.path()));

            std::error_code statusError;
            fs::file_status status = item.symlink_status(statusError);
            if (fs::is_symlink(status)) {
                std::strcpy(entry.comment, "link");
            } else if (fs::is_directory(status)) {
                entry.isDirectory = 1;
                tree->directories.emplace_back();
                DirectoryListing &child = tree->directories.back();
                entry.children = &child.list;
                queue.push_back({item.path(), &child});
            } else {
                std::error_code sizeError;
                uintmax_t size = fs::is_regular_file(status) ? item.file_size(sizeError) : 0;
                if (sizeError) size = 0;
                entry.size = static_cast<int64_t>(size);
                formatSizeText(entry.size, entry.comment, sizeof entry.comment);
            }
            listing.entries.push_back(entry);
        }
        if (ec && !listing.entries.empty())
            warnings->push_back("reading directory " + describe(path) +
                                " stopped: " + ec.message());
        ec.clear();
        listing.list.count = static_cast<uint32_t>(listing.entries.size());
        listing.list.entries = listing.entries.empty() ? nullptr : listing.entries.data();
    }
    return true;
}
