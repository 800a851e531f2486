// Resources of a module: found in the resource data that the module registered when it was
// loaded (resource_data.h gives the layout).
#include "resource_data.h"

#include <windows.h>

#include <stdlib.h>

namespace {

// A resource name or type as a number: MAKEINTRESOURCE, or a string "#number".
bool resourceNumber(LPCSTR name, uint32_t *number) {
    if (IS_INTRESOURCE(name)) {
        *number = static_cast<uint32_t>(reinterpret_cast<uintptr_t>(name));
        return true;
    }
    if (name[0] != '#' || name[1] < '0' || name[1] > '9') return false;
    char *end = nullptr;
    unsigned long value = strtoul(name + 1, &end, 10);
    if (*end != '\0' || value > 0xFFFF) return false;
    *number = static_cast<uint32_t>(value);
    return true;
}

const unsigned char *resourceData(HMODULE module, uint32_t *count) {
    const unsigned char *data = static_cast<const unsigned char *>(w32ModuleResources(module));
    if (!data || w32resources::read32(data) != w32resources::magic) return nullptr;
    *count = w32resources::read32(data + 8);
    return data;
}

// The entry of `resource` if it lies in the module's directory.
const unsigned char *entryOf(HMODULE module, HRSRC resource, const unsigned char **data) {
    uint32_t count = 0;
    *data = resourceData(module, &count);
    if (!*data || !resource) return nullptr;
    const unsigned char *entry = reinterpret_cast<const unsigned char *>(resource);
    const unsigned char *first = *data + w32resources::headerSize;
    if (entry < first || entry >= first + count * w32resources::entrySize ||
        (entry - first) % w32resources::entrySize != 0) {
        return nullptr;
    }
    return entry;
}

} // namespace

namespace {

// The first resource of that type and name, in the given language unless `anyLanguage`.
HRSRC findResource(HMODULE module, LPCSTR name, LPCSTR type, bool anyLanguage, WORD language) {
    uint32_t wantedName = 0;
    uint32_t wantedType = 0;
    uint32_t count = 0;
    const unsigned char *data = resourceData(module, &count);
    if (!data || !name || !type || !resourceNumber(type, &wantedType)) {
        SetLastError(ERROR_RESOURCE_TYPE_NOT_FOUND);
        return nullptr;
    }
    if (!resourceNumber(name, &wantedName)) {
        SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
        return nullptr;
    }
    DWORD error = ERROR_RESOURCE_TYPE_NOT_FOUND;
    for (uint32_t i = 0; i < count; ++i) {
        const unsigned char *entry = data + w32resources::headerSize + i * w32resources::entrySize;
        if (w32resources::read32(entry) != wantedType) continue;
        if (error == ERROR_RESOURCE_TYPE_NOT_FOUND) error = ERROR_RESOURCE_NAME_NOT_FOUND;
        if (w32resources::read32(entry + 4) != wantedName) continue;
        if (anyLanguage || w32resources::read32(entry + 8) == language) {
            return reinterpret_cast<HRSRC>(const_cast<unsigned char *>(entry));
        }
        error = ERROR_RESOURCE_LANG_NOT_FOUND;
    }
    SetLastError(error);
    return nullptr;
}

} // namespace

HRSRC FindResourceA(HMODULE module, LPCSTR name, LPCSTR type) {
    return findResource(module, name, type, true, 0);
}

HRSRC FindResourceExA(HMODULE module, LPCSTR type, LPCSTR name, WORD language) {
    return findResource(module, name, type, false, language);
}

HGLOBAL LoadResource(HMODULE module, HRSRC resource) {
    const unsigned char *data = nullptr;
    const unsigned char *entry = entryOf(module, resource, &data);
    if (!entry) {
        SetLastError(ERROR_RESOURCE_DATA_NOT_FOUND);
        return nullptr;
    }
    return const_cast<unsigned char *>(data + w32resources::read32(entry + 12));
}

LPVOID LockResource(HGLOBAL data) {
    return data;
}

DWORD SizeofResource(HMODULE module, HRSRC resource) {
    const unsigned char *data = nullptr;
    const unsigned char *entry = entryOf(module, resource, &data);
    return entry ? w32resources::read32(entry + 16) : 0;
}
