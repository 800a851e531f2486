// The registry: a tree of keys below HKEY_CURRENT_USER, each a set of named, typed byte values.
// The calls keep the documented size rules: a query of a missing value leaves the buffer
// untouched and returns ERROR_FILE_NOT_FOUND; a value larger than the buffer returns
// ERROR_MORE_DATA with the needed size in *dataSize.
#pragma once

#include "types.h"

#define HKEY_CLASSES_ROOT ((HKEY)(ULONG_PTR)0x80000000)
#define HKEY_CURRENT_USER ((HKEY)(ULONG_PTR)0x80000001)
#define HKEY_LOCAL_MACHINE ((HKEY)(ULONG_PTR)0x80000002)

#define REG_NONE 0
#define REG_SZ 1
#define REG_EXPAND_SZ 2
#define REG_BINARY 3
#define REG_DWORD 4
#define REG_MULTI_SZ 7
#define REG_QWORD 11

#define REG_OPTION_NON_VOLATILE 0
#define REG_CREATED_NEW_KEY 1
#define REG_OPENED_EXISTING_KEY 2

#define KEY_QUERY_VALUE 0x0001
#define KEY_SET_VALUE 0x0002
#define KEY_CREATE_SUB_KEY 0x0004
#define KEY_ENUMERATE_SUB_KEYS 0x0008
#define KEY_READ 0x20019
#define KEY_WRITE 0x20006
#define KEY_ALL_ACCESS 0xF003F

struct SECURITY_ATTRIBUTES;
typedef SECURITY_ATTRIBUTES *LPSECURITY_ATTRIBUTES;
struct FILETIME {
    DWORD dwLowDateTime;
    DWORD dwHighDateTime;
};
typedef FILETIME *PFILETIME;

W32API LSTATUS RegCreateKeyExA(HKEY key, LPCSTR subKey, DWORD reserved, LPSTR keyClass,
                               DWORD options, REGSAM desired, LPSECURITY_ATTRIBUTES security,
                               PHKEY result, LPDWORD disposition);
W32API LSTATUS RegOpenKeyExA(HKEY key, LPCSTR subKey, DWORD options, REGSAM desired,
                             PHKEY result);
W32API LSTATUS RegCloseKey(HKEY key);
W32API LSTATUS RegQueryValueExA(HKEY key, LPCSTR valueName, LPDWORD reserved, LPDWORD type,
                                LPBYTE data, LPDWORD dataSize);
W32API LSTATUS RegSetValueExA(HKEY key, LPCSTR valueName, DWORD reserved, DWORD type,
                              const BYTE *data, DWORD dataSize);
W32API LSTATUS RegDeleteValueA(HKEY key, LPCSTR valueName);
// Deletes a key that has no subkeys.
W32API LSTATUS RegDeleteKeyA(HKEY key, LPCSTR subKey);
// Deletes a key with all its subkeys and values (subKey null: empties the key itself).
W32API LSTATUS RegDeleteTreeA(HKEY key, LPCSTR subKey);
// Subkeys and values in the order they were created.
W32API LSTATUS RegEnumKeyExA(HKEY key, DWORD index, LPSTR name, LPDWORD nameSize,
                             LPDWORD reserved, LPSTR keyClass, LPDWORD classSize,
                             PFILETIME lastWrite);
W32API LSTATUS RegEnumValueA(HKEY key, DWORD index, LPSTR valueName, LPDWORD valueNameSize,
                             LPDWORD reserved, LPDWORD type, LPBYTE data, LPDWORD dataSize);
