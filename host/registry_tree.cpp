#include "registry_tree.h"

namespace {

std::string describeKey(const std::string &path) {
    return path.empty() ? std::string("HKEY_CURRENT_USER") : "HKEY_CURRENT_USER\\" + path;
}

std::string statusText(LSTATUS status) {
    return "error " + std::to_string(status);
}

// A handle to HKEY_CURRENT_USER\path, created when missing. The root itself is used as it is.
bool createKey(const std::string &path, HKEY *key, std::string *error) {
    if (path.empty()) {
        *key = HKEY_CURRENT_USER;
        return true;
    }
    LSTATUS status =
        RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_ALL_ACCESS, nullptr, key, nullptr);
    if (status != ERROR_SUCCESS) {
        *error = "cannot create registry key " + describeKey(path) + ": " + statusText(status);
        return false;
    }
    return true;
}

void closeKey(HKEY key) {
    if (key != HKEY_CURRENT_USER) RegCloseKey(key);
}

bool setValue(HKEY key, const std::string &path, const RegistryValue &value, std::string *error) {
    static const BYTE none = 0;
    LSTATUS status = RegSetValueExA(key, value.name.c_str(), 0, value.type,
                                    value.data.empty() ? &none : value.data.data(),
                                    static_cast<DWORD>(value.data.size()));
    if (status != ERROR_SUCCESS) {
        *error = "cannot set value \"" + value.name + "\" of " + describeKey(path) + ": " +
                 statusText(status);
        return false;
    }
    return true;
}

// Reads every value of key, in enumeration order.
bool readValues(HKEY key, const std::string &path, std::vector<RegistryValue> *values,
                std::string *error) {
    std::vector<char> name(16384);
    std::vector<BYTE> data(1024);
    for (DWORD index = 0;; ++index) {
        DWORD nameSize = static_cast<DWORD>(name.size());
        DWORD dataSize = static_cast<DWORD>(data.size());
        DWORD type = REG_NONE;
        LSTATUS status = RegEnumValueA(key, index, name.data(), &nameSize, nullptr, &type,
                                       data.data(), &dataSize);
        if (status == ERROR_MORE_DATA && dataSize > data.size()) {
            // The data did not fit: enlarge to the size the call asked for and read it again.
            data.resize(dataSize);
            nameSize = static_cast<DWORD>(name.size());
            status = RegEnumValueA(key, index, name.data(), &nameSize, nullptr, &type, data.data(),
                                   &dataSize);
        }
        if (status == ERROR_NO_MORE_ITEMS) return true;
        if (status != ERROR_SUCCESS) {
            *error = "cannot read the values of " + describeKey(path) + ": " + statusText(status);
            return false;
        }
        RegistryValue value;
        value.name.assign(name.data(), nameSize);
        value.type = type;
        value.data.assign(data.begin(), data.begin() + dataSize);
        values->push_back(std::move(value));
    }
}

bool exportKey(HKEY key, const std::string &path, std::vector<RegistryKeyRecord> *keys,
               std::string *error) {
    RegistryKeyRecord record{path, {}};
    if (!readValues(key, path, &record.values, error)) return false;
    // Reserve this key's place before its subkeys; drop it afterwards when it only leads on.
    size_t place = keys->size();
    keys->push_back(std::move(record));
    bool hasSubkeys = false;
    for (DWORD index = 0;; ++index) {
        char name[256];
        DWORD nameSize = sizeof name;
        LSTATUS status =
            RegEnumKeyExA(key, index, name, &nameSize, nullptr, nullptr, nullptr, nullptr);
        if (status == ERROR_NO_MORE_ITEMS) break;
        if (status != ERROR_SUCCESS) {
            *error = "cannot read the keys of " + describeKey(path) + ": " + statusText(status);
            return false;
        }
        hasSubkeys = true;
        std::string childPath =
            path.empty() ? std::string(name, nameSize) : path + "\\" + std::string(name, nameSize);
        HKEY child = nullptr;
        status = RegOpenKeyExA(key, std::string(name, nameSize).c_str(), 0, KEY_READ, &child);
        if (status != ERROR_SUCCESS) {
            *error =
                "cannot open registry key " + describeKey(childPath) + ": " + statusText(status);
            return false;
        }
        bool ok = exportKey(child, childPath, keys, error);
        RegCloseKey(child);
        if (!ok) return false;
    }
    if (hasSubkeys && (*keys)[place].values.empty()) keys->erase(keys->begin() + place);
    return true;
}

} // namespace

bool storeRegistryValue(const std::string &keyPath, const RegistryValue &value,
                        std::string *error) {
    HKEY key = nullptr;
    if (!createKey(keyPath, &key, error)) return false;
    bool ok = setValue(key, keyPath, value, error);
    closeKey(key);
    return ok;
}

bool importRegistryKeys(const std::vector<RegistryKeyRecord> &keys, std::string *error) {
    for (const auto &record : keys) {
        HKEY key = nullptr;
        if (!createKey(record.path, &key, error)) return false;
        bool ok = true;
        for (const auto &value : record.values)
            if (ok) ok = setValue(key, record.path, value, error);
        closeKey(key);
        if (!ok) return false;
    }
    return true;
}

bool exportRegistryKeys(std::vector<RegistryKeyRecord> *keys, std::string *error) {
    keys->clear();
    if (!exportKey(HKEY_CURRENT_USER, "", keys, error)) return false;
    // HKEY_CURRENT_USER itself is listed only when it holds values: an empty registry is an
    // empty file, not a file with one empty section.
    if (!keys->empty() && keys->front().path.empty() && keys->front().values.empty())
        keys->erase(keys->begin());
    return true;
}
