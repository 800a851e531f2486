// The contract between the cataloguing host and a file-filter plug-in: the records that cross
// the boundary and the four entry points every plug-in exports. Host and plug-ins include this
// one header, so both sides always agree on the layout.
#pragma once

#include <windows.h>

#include <stddef.h>
#include <stdint.h>

struct FileList;

// One file or subdirectory of a listing; entries of a listing lie 96 bytes apart on 32-bit
// Windows. Plug-ins change only name, comment and size, in place.
struct FileEntry {
    char name[64];    // display name; holds the on-disk name when a pass starts
    char comment[16]; // short text printed beside the name, a size text such as "1.43MB"
    int64_t size;     // the value the host sorts by; low half at 80, high half at 84
    uint8_t isDirectory;
    uint8_t reserved[3]; // nobody reads or writes these
    FileList *children;  // the listing of a subdirectory, null for a file
};

// One directory's listing: count contiguous entries.
struct FileList {
    uint32_t count;
    FileEntry *entries;
};

// The host's record for one loaded plug-in, passed to all four entry points.
struct FileFilterInfo {
    int32_t version;       // interface version; only 2 is accepted, written back on accepting
    void *pluginData;      // the plug-in's settings block; the host only keeps the pointer
    HKEY settingsKey;      // a key the host opened for the plug-in; only values are used
    char displayName[260]; // NUL-terminated, at most 259 characters
};

enum { FILEFILTER_VERSION = 2 };

// The text, number and flag fields keep their order and widths on every platform; on 32-bit
// Windows every offset is the one hosts were built against.
static_assert(sizeof(FileEntry::name) == 64 && sizeof(FileEntry::comment) == 16, "text fields");
static_assert(offsetof(FileEntry, name) == 0, "FileEntry.name");
static_assert(offsetof(FileEntry, comment) == 64, "FileEntry.comment");
static_assert(offsetof(FileEntry, size) == 80, "FileEntry.size");
static_assert(offsetof(FileEntry, isDirectory) == 88, "FileEntry.isDirectory");
static_assert(sizeof(FileEntry::size) == 8 && sizeof(FileEntry::isDirectory) == 1, "widths");
static_assert(offsetof(FileList, count) == 0, "FileList.count");
static_assert(offsetof(FileFilterInfo, version) == 0, "FileFilterInfo.version");
static_assert(sizeof(FileFilterInfo::displayName) == 260, "FileFilterInfo.displayName");
#if defined(_WIN32) && !defined(_WIN64)
static_assert(offsetof(FileEntry, children) == 92, "FileEntry.children");
static_assert(sizeof(FileEntry) == 96, "FileEntry is 96 bytes");
static_assert(offsetof(FileList, entries) == 4, "FileList.entries");
static_assert(sizeof(FileList) == 8, "FileList is 8 bytes");
static_assert(offsetof(FileFilterInfo, pluginData) == 4, "FileFilterInfo.pluginData");
static_assert(offsetof(FileFilterInfo, settingsKey) == 8, "FileFilterInfo.settingsKey");
static_assert(offsetof(FileFilterInfo, displayName) == 12, "FileFilterInfo.displayName");
static_assert(sizeof(FileFilterInfo) == 272, "FileFilterInfo is 272 bytes");
#endif

// On Windows the export list (.def) of each plug-in names the four entry points; on POSIX the
// plug-ins are built with hidden visibility and these four are made visible.
#if defined(_WIN32)
#define FILEFILTER_EXPORT
#else
#define FILEFILTER_EXPORT __attribute__((visibility("default")))
#endif

extern "C" {
// 1 when the plug-in accepts the record, 0 when it refuses it (null record, other version).
FILEFILTER_EXPORT int32_t __cdecl FileFilterInitialize(FileFilterInfo *info);
// Runs the modal settings dialog: 1 after OK, 0 after Cancel, -1 when it cannot be shown.
FILEFILTER_EXPORT int32_t __cdecl FileFilterUserInterface(FileFilterInfo *info, HWND parent);
// Runs the plug-in's pass over list and everything below it; always returns list.
FILEFILTER_EXPORT FileList *__cdecl FileFilterExecute(FileFilterInfo *info, FileList *list,
                                                      uint32_t passA, uint32_t passB,
                                                      const char *path);
// Writes the settings back under settingsKey and releases what initialization allocated.
FILEFILTER_EXPORT int32_t __cdecl FileFilterUninitialize(FileFilterInfo *info);
}

// The same entry points as the host sees them through GetProcAddress.
typedef int32_t(__cdecl *FileFilterInitializeProc)(FileFilterInfo *info);
typedef int32_t(__cdecl *FileFilterUserInterfaceProc)(FileFilterInfo *info, HWND parent);
typedef FileList *(__cdecl *FileFilterExecuteProc)(FileFilterInfo *info, FileList *list,
                                                   uint32_t passA, uint32_t passB,
                                                   const char *path);
typedef int32_t(__cdecl *FileFilterUninitializeProc)(FileFilterInfo *info);
