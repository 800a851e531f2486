// Registry values: query, set and delete, with the documented size rules. Values hold any
// type and exactly the bytes they were given; nothing is added on the way in or out.
#include "registry_tree.h"

#include <string.h>

namespace {

RegValue *findValue(RegNode &node, LPCSTR name) {
    if (name == nullptr) name = ""; // the default value
    for (RegValue &value : node.values) {
        if (w32RegSameName(value.name, name)) return &value;
    }
    return nullptr;
}

} // namespace

LSTATUS RegQueryValueExA(HKEY key, LPCSTR valueName, LPDWORD reserved, LPDWORD type, LPBYTE data,
                         LPDWORD dataSize) {
    if (reserved != nullptr) return ERROR_INVALID_PARAMETER;
    if (data != nullptr && dataSize == nullptr) return ERROR_INVALID_PARAMETER;
    std::lock_guard<std::mutex> lock(w32Registry().lock);
    std::shared_ptr<RegNode> node;
    LSTATUS status = w32RegKeyOf(key, KEY_QUERY_VALUE, node);
    if (status != ERROR_SUCCESS) return status;
    const RegValue *value = findValue(*node, valueName);
    if (value == nullptr) return ERROR_FILE_NOT_FOUND; // nothing is written

    DWORD size = static_cast<DWORD>(value->data.size());
    if (type != nullptr) *type = value->type;
    if (data != nullptr) {
        // Too small a buffer is left as it was; the caller learns the size it needs.
        if (size > *dataSize) {
            *dataSize = size;
            return ERROR_MORE_DATA;
        }
        if (size > 0) memcpy(data, value->data.data(), size);
    }
    if (dataSize != nullptr) *dataSize = size;
    return ERROR_SUCCESS;
}

LSTATUS RegSetValueExA(HKEY key, LPCSTR valueName, DWORD reserved, DWORD type, const BYTE *data,
                       DWORD dataSize) {
    (void)reserved;
    if (data == nullptr && dataSize != 0) return ERROR_INVALID_PARAMETER;
    if (valueName != nullptr && strlen(valueName) > w32RegMaxValueName) {
        return ERROR_INVALID_PARAMETER;
    }
    std::lock_guard<std::mutex> lock(w32Registry().lock);
    std::shared_ptr<RegNode> node;
    LSTATUS status = w32RegKeyOf(key, KEY_SET_VALUE, node);
    if (status != ERROR_SUCCESS) return status;
    std::vector<BYTE> bytes(data, data + dataSize);
    RegValue *value = findValue(*node, valueName);
    if (value != nullptr) {
        // An existing value keeps its name as first written and its place in the key.
        value->type = type;
        value->data.swap(bytes);
    } else {
        node->values.push_back(RegValue{valueName != nullptr ? valueName : "", type, bytes});
    }
    node->lastWrite = w32RegNow();
    return ERROR_SUCCESS;
}

LSTATUS RegDeleteValueA(HKEY key, LPCSTR valueName) {
    std::lock_guard<std::mutex> lock(w32Registry().lock);
    std::shared_ptr<RegNode> node;
    LSTATUS status = w32RegKeyOf(key, KEY_SET_VALUE, node);
    if (status != ERROR_SUCCESS) return status;
    const RegValue *value = findValue(*node, valueName);
    if (value == nullptr) return ERROR_FILE_NOT_FOUND;
    node->values.erase(node->values.begin() + (value - node->values.data()));
    node->lastWrite = w32RegNow();
    return ERROR_SUCCESS;
}
