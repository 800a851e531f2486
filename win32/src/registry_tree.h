// The subset's registry: an in-memory tree of keys below the predefined roots. Each key holds
// its subkeys and its values in the order they were created; names are compared without
// regard to ASCII case and kept as they were first written. An open key handle (HKEY) is a
// RegHandle that shares ownership of its key, so a handle whose key was deleted stays safe to
// use: every call on it fails with ERROR_KEY_DELETED.
#pragma once

#include <windows.h>

#include <memory>
#include <mutex>
#include <string>
#include <unordered_set>
#include <vector>

struct RegValue {
    std::string name; // "" is the key's default value
    DWORD type;
    std::vector<BYTE> data; // exactly the bytes that were set
};

struct RegNode {
    std::string name;
    RegNode *parent; // null for a root and for a deleted key
    std::vector<std::shared_ptr<RegNode>> subkeys;
    std::vector<RegValue> values;
    bool deleted;
    FILETIME lastWrite;
};

struct RegHandle {
    std::shared_ptr<RegNode> node;
    REGSAM access; // the rights the key was opened with, generic rights mapped
};

struct Registry {
    std::mutex lock;
    std::shared_ptr<RegNode> classesRoot, currentUser, localMachine;
    std::unordered_set<const RegHandle *> handles; // the open handles, to reject stale ones
};

// The process's registry; never destroyed, so that code running at exit can still use it.
Registry &w32Registry();

// The key behind a handle, checked to have been opened with every right in `needed`.
// ERROR_INVALID_HANDLE, ERROR_KEY_DELETED or ERROR_ACCESS_DENIED otherwise. The registry must
// be locked.
LSTATUS w32RegKeyOf(HKEY key, REGSAM needed, std::shared_ptr<RegNode> &node);

// ASCII case-insensitive equality of names.
bool w32RegSameName(const std::string &a, const char *b);

// The current time as a FILETIME: 100-nanosecond intervals since 1601-01-01 UTC.
FILETIME w32RegNow();

// The longest key name and value name the registry accepts, in characters.
const size_t w32RegMaxKeyName = 255;
const size_t w32RegMaxValueName = 16383;
