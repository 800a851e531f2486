// Scanning a directory tree into the host records.
#pragma once

#include "listing.h"

#include <string>
#include <vector>

// Scans directory into tree: one listing per directory, entries in the order the directory
// yields them. A file gets its size in bytes and a size text as comment; a directory gets size
// 0, an empty comment and its own listing; a symbolic link is listed as a file with size 0 and
// the comment "link", and is never followed. A name longer than 63 bytes is cut (on a character
// boundary) and gets a warning; a subdirectory that cannot be read is listed empty and gets a
// warning. Returns false with *error when directory itself cannot be listed.
bool scanTree(const std::string &directory, ScannedTree *tree, std::vector<std::string> *warnings,
              std::string *error);

// Copies name into an entry's 64-byte name field: at most 63 bytes, cut before a UTF-8
// sequence that would not fit whole, and terminated. Returns false when the name was cut.
bool copyEntryName(char (&field)[64], const std::string &name);
