// Enumeration of a key's subkeys and values by index, in the order they were created. Name
// sizes are counted in characters: the caller gives the buffer's size, the terminating NUL
// included, and gets back the name's length without it. A buffer too small for the name or
// the data returns ERROR_MORE_DATA and is left as it was.
#include "registry_tree.h"

#include <string.h>

namespace {

// Copies a name with its NUL when it fits in *size characters.
bool copyName(const std::string &name, LPSTR buffer, LPDWORD size) {
    if (name.size() + 1 > *size) return false;
    memcpy(buffer, name.c_str(), name.size() + 1);
    *size = static_cast<DWORD>(name.size());
    return true;
}

} // namespace

LSTATUS RegEnumKeyExA(HKEY key, DWORD index, LPSTR name, LPDWORD nameSize, LPDWORD reserved,
                      LPSTR keyClass, LPDWORD classSize, PFILETIME lastWrite) {
    if (name == nullptr || nameSize == nullptr || reserved != nullptr) {
        return ERROR_INVALID_PARAMETER;
    }
    if (keyClass != nullptr && classSize == nullptr) return ERROR_INVALID_PARAMETER;
    std::lock_guard<std::mutex> lock(w32Registry().lock);
    std::shared_ptr<RegNode> node;
    LSTATUS status = w32RegKeyOf(key, KEY_ENUMERATE_SUB_KEYS, node);
    if (status != ERROR_SUCCESS) return status;
    if (index >= node->subkeys.size()) return ERROR_NO_MORE_ITEMS;
    const RegNode &subkey = *node->subkeys[index];
    // Keys here have no class: an empty one is returned, which needs room for its NUL.
    if (keyClass != nullptr && *classSize < 1) return ERROR_MORE_DATA;
    if (!copyName(subkey.name, name, nameSize)) return ERROR_MORE_DATA;
    if (keyClass != nullptr) keyClass[0] = '\0';
    if (classSize != nullptr) *classSize = 0;
    if (lastWrite != nullptr) *lastWrite = subkey.lastWrite;
    return ERROR_SUCCESS;
}

LSTATUS RegEnumValueA(HKEY key, DWORD index, LPSTR valueName, LPDWORD valueNameSize,
                      LPDWORD reserved, LPDWORD type, LPBYTE data, LPDWORD dataSize) {
    if (valueName == nullptr || valueNameSize == nullptr || reserved != nullptr) {
        return ERROR_INVALID_PARAMETER;
    }
    if (data != nullptr && dataSize == nullptr) return ERROR_INVALID_PARAMETER;
    std::lock_guard<std::mutex> lock(w32Registry().lock);
    std::shared_ptr<RegNode> node;
    LSTATUS status = w32RegKeyOf(key, KEY_QUERY_VALUE, node);
    if (status != ERROR_SUCCESS) return status;
    if (index >= node->values.size()) return ERROR_NO_MORE_ITEMS;
    const RegValue &value = node->values[index];
    DWORD size = static_cast<DWORD>(value.data.size());
    if (value.name.size() + 1 > *valueNameSize) return ERROR_MORE_DATA;
    if (data != nullptr && size > *dataSize) {
        *dataSize = size; // the size the data needs; nothing else is written
        return ERROR_MORE_DATA;
    }
    copyName(value.name, valueName, valueNameSize);
    if (type != nullptr) *type = value.type;
    if (data != nullptr && size > 0) memcpy(data, value.data.data(), size);
    if (dataSize != nullptr) *dataSize = size;
    return ERROR_SUCCESS;
}
