// Registry keys: the predefined roots, opening, creating, closing and deleting keys.
#include "registry_tree.h"

#include <chrono>

namespace {

// Generic and maximum-allowed rights, mapped to the key rights they stand for.
const REGSAM genericRead = 0x80000000, genericWrite = 0x40000000, genericAll = 0x10000000,
             maximumAllowed = 0x02000000;

REGSAM mapAccess(REGSAM desired) {
    if (desired & genericRead) desired |= KEY_READ;
    if (desired & genericWrite) desired |= KEY_WRITE;
    if (desired & (genericAll | maximumAllowed)) desired |= KEY_ALL_ACCESS;
    return desired;
}

std::shared_ptr<RegNode> makeNode(const std::string &name, RegNode *parent) {
    return std::shared_ptr<RegNode>(new RegNode{name, parent, {}, {}, false, w32RegNow()});
}

std::shared_ptr<RegNode> findSubkey(const RegNode &node, const std::string &name) {
    for (const std::shared_ptr<RegNode> &subkey : node.subkeys) {
        if (w32RegSameName(subkey->name, name.c_str())) return subkey;
    }
    return nullptr;
}

// Splits a path of key names separated by '\'. A path may not start with '\'; empty names
// between separators are skipped, so a trailing '\' is harmless.
LSTATUS splitPath(LPCSTR subKey, std::vector<std::string> &names) {
    names.clear();
    if (subKey == nullptr) return ERROR_SUCCESS;
    if (*subKey == '\\') return ERROR_BAD_PATHNAME;
    std::string name;
    for (const char *p = subKey;; ++p) {
        if (*p == '\\' || *p == '\0') {
            if (name.size() > w32RegMaxKeyName) return ERROR_INVALID_PARAMETER;
            if (!name.empty()) names.push_back(name);
            name.clear();
            if (*p == '\0') break;
        } else {
            name += *p;
        }
    }
    return ERROR_SUCCESS;
}

// Follows existing keys down a path; null when one of them is missing.
std::shared_ptr<RegNode> walk(std::shared_ptr<RegNode> node,
                              const std::vector<std::string> &names) {
    for (const std::string &name : names) {
        node = findSubkey(*node, name);
        if (node == nullptr) break;
    }
    return node;
}

HKEY newHandle(const std::shared_ptr<RegNode> &node, REGSAM desired) {
    RegHandle *handle = new RegHandle{node, mapAccess(desired)};
    w32Registry().handles.insert(handle);
    return reinterpret_cast<HKEY>(handle);
}

// Marks a key and everything below it deleted; handles to them fail from now on.
void markDeleted(RegNode &node) {
    node.deleted = true;
    node.parent = nullptr;
    for (std::shared_ptr<RegNode> &subkey : node.subkeys) markDeleted(*subkey);
    node.subkeys.clear();
    node.values.clear();
}

void unlinkFromParent(const std::shared_ptr<RegNode> &node) {
    RegNode *parent = node->parent;
    if (parent == nullptr) return;
    for (size_t i = 0; i < parent->subkeys.size(); ++i) {
        if (parent->subkeys[i] == node) {
            parent->subkeys.erase(parent->subkeys.begin() + static_cast<std::ptrdiff_t>(i));
            break;
        }
    }
    parent->lastWrite = w32RegNow();
}

} // namespace

Registry &w32Registry() {
    static Registry *registry = [] {
        Registry *r = new Registry;
        r->classesRoot = makeNode("HKEY_CLASSES_ROOT", nullptr);
        r->currentUser = makeNode("HKEY_CURRENT_USER", nullptr);
        r->localMachine = makeNode("HKEY_LOCAL_MACHINE", nullptr);
        return r;
    }();
    return *registry;
}

bool w32RegSameName(const std::string &a, const char *b) {
    size_t i = 0;
    for (; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (y == '\0') return false;
        if (x >= 'A' && x <= 'Z') x = static_cast<char>(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z') y = static_cast<char>(y - 'A' + 'a');
        if (x != y) return false;
    }
    return b[i] == '\0';
}

FILETIME w32RegNow() {
    // 11644473600 seconds lie between 1601-01-01 and 1970-01-01.
    using namespace std::chrono;
    uint64_t ticks =
        static_cast<uint64_t>(
            duration_cast<nanoseconds>(system_clock::now().time_since_epoch()).count() / 100) +
        11644473600ULL * 10000000ULL;
    return FILETIME{static_cast<DWORD>(ticks), static_cast<DWORD>(ticks >> 32)};
}

LSTATUS w32RegKeyOf(HKEY key, REGSAM needed, std::shared_ptr<RegNode> &node) {
    Registry &registry = w32Registry();
    if (key == HKEY_CLASSES_ROOT) {
        node = registry.classesRoot;
        return ERROR_SUCCESS;
    }
    if (key == HKEY_CURRENT_USER) {
        node = registry.currentUser;
        return ERROR_SUCCESS;
    }
    if (key == HKEY_LOCAL_MACHINE) {
        node = registry.localMachine;
        return ERROR_SUCCESS;
    }
    const RegHandle *handle = reinterpret_cast<const RegHandle *>(key);
    if (registry.handles.count(handle) == 0) return ERROR_INVALID_HANDLE;
    if (handle->node->deleted) return ERROR_KEY_DELETED;
    if ((handle->access & needed) != needed) return ERROR_ACCESS_DENIED;
    node = handle->node;
    return ERROR_SUCCESS;
}

LSTATUS RegCreateKeyExA(HKEY key, LPCSTR subKey, DWORD reserved, LPSTR keyClass, DWORD options,
                        REGSAM desired, LPSECURITY_ATTRIBUTES security, PHKEY result,
                        LPDWORD disposition) {
    (void)reserved;
    (void)keyClass;
    (void)options; // every key lives as long as the process; the host saves what it wants
    (void)security;
    if (result == nullptr || subKey == nullptr) return ERROR_INVALID_PARAMETER;
    std::vector<std::string> names;
    LSTATUS status = splitPath(subKey, names);
    if (status != ERROR_SUCCESS) return status;

    std::lock_guard<std::mutex> lock(w32Registry().lock);
    std::shared_ptr<RegNode> node;
    status = w32RegKeyOf(key, 0, node);
    if (status != ERROR_SUCCESS) return status;
    std::shared_ptr<RegNode> existing = walk(node, names);
    if (existing != nullptr) {
        *result = newHandle(existing, desired);
        if (disposition != nullptr) *disposition = REG_OPENED_EXISTING_KEY;
        return ERROR_SUCCESS;
    }
    // Creating keys below this one needs the right to create subkeys.
    status = w32RegKeyOf(key, KEY_CREATE_SUB_KEY, node);
    if (status != ERROR_SUCCESS) return status;
    for (const std::string &name : names) {
        std::shared_ptr<RegNode> subkey = findSubkey(*node, name);
        if (subkey == nullptr) {
            subkey = makeNode(name, node.get());
            node->subkeys.push_back(subkey);
            node->lastWrite = w32RegNow();
        }
        node = subkey;
    }
    *result = newHandle(node, desired);
    if (disposition != nullptr) *disposition = REG_CREATED_NEW_KEY;
    return ERROR_SUCCESS;
}

LSTATUS RegOpenKeyExA(HKEY key, LPCSTR subKey, DWORD options, REGSAM desired, PHKEY result) {
    (void)options;
    if (result == nullptr) return ERROR_INVALID_PARAMETER;
    *result = nullptr;
    std::vector<std::string> names;
    LSTATUS status = splitPath(subKey, names);
    if (status != ERROR_SUCCESS) return status;

    std::lock_guard<std::mutex> lock(w32Registry().lock);
    std::shared_ptr<RegNode> node;
    status = w32RegKeyOf(key, 0, node);
    if (status != ERROR_SUCCESS) return status;
    node = walk(node, names);
    if (node == nullptr) return ERROR_FILE_NOT_FOUND;
    *result = newHandle(node, desired);
    return ERROR_SUCCESS;
}

LSTATUS RegCloseKey(HKEY key) {
    if (key == HKEY_CLASSES_ROOT || key == HKEY_CURRENT_USER || key == HKEY_LOCAL_MACHINE) {
        return ERROR_SUCCESS;
    }
    Registry &registry = w32Registry();
    std::lock_guard<std::mutex> lock(registry.lock);
    const RegHandle *handle = reinterpret_cast<const RegHandle *>(key);
    if (registry.handles.erase(handle) == 0) return ERROR_INVALID_HANDLE;
    delete handle;
    return ERROR_SUCCESS;
}

LSTATUS RegDeleteKeyA(HKEY key, LPCSTR subKey) {
    if (subKey == nullptr) return ERROR_INVALID_PARAMETER;
    std::vector<std::string> names;
    LSTATUS status = splitPath(subKey, names);
    if (status != ERROR_SUCCESS) return status;

    std::lock_guard<std::mutex> lock(w32Registry().lock);
    std::shared_ptr<RegNode> node;
    status = w32RegKeyOf(key, 0, node); // the rights of the handle do not matter here
    if (status != ERROR_SUCCESS) return status;
    node = walk(node, names);
    if (node == nullptr) return ERROR_FILE_NOT_FOUND;
    if (node->parent == nullptr) return ERROR_ACCESS_DENIED; // a root
    if (!node->subkeys.empty()) return ERROR_ACCESS_DENIED;
    unlinkFromParent(node);
    markDeleted(*node);
    return ERROR_SUCCESS;
}

LSTATUS RegDeleteTreeA(HKEY key, LPCSTR subKey) {
    std::vector<std::string> names;
    LSTATUS status = splitPath(subKey, names);
    if (status != ERROR_SUCCESS) return status;

    std::lock_guard<std::mutex> lock(w32Registry().lock);
    std::shared_ptr<RegNode> node;
    status = w32RegKeyOf(key, KEY_ENUMERATE_SUB_KEYS | KEY_QUERY_VALUE, node);
    if (status != ERROR_SUCCESS) return status;
    if (names.empty()) {
        // No subkey named: the key itself stays, emptied of its subkeys and values.
        for (std::shared_ptr<RegNode> &subkey : node->subkeys) markDeleted(*subkey);
        node->subkeys.clear();
        node->values.clear();
        node->lastWrite = w32RegNow();
        return ERROR_SUCCESS;
    }
    node = walk(node, names);
    if (node == nullptr) return ERROR_FILE_NOT_FOUND;
    unlinkFromParent(node);
    markDeleted(*node);
    return ERROR_SUCCESS;
}
