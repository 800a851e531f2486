// A registry key of its own for one test, below HKEY_CURRENT_USER\Software\disclist-tests,
// removed with everything in it when the test ends. Works the same on the real registry and
// on the POSIX subset.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

struct ScratchKey {
    HKEY key = nullptr;
    std::string path;

    explicit ScratchKey(const char *name) {
        static int serial = 0;
        path = std::string("Software\\disclist-tests\\") + name + "-" + std::to_string(++serial);
        RegDeleteTreeA(HKEY_CURRENT_USER, path.c_str());
        RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                        KEY_ALL_ACCESS, nullptr, &key, nullptr);
    }
    ~ScratchKey() {
        if (key) RegCloseKey(key);
        RegDeleteTreeA(HKEY_CURRENT_USER, path.c_str());
    }
    ScratchKey(const ScratchKey &) = delete;
    ScratchKey &operator=(const ScratchKey &) = delete;

    void setBinary(const char *name, const std::vector<BYTE> &bytes, DWORD type = REG_BINARY) {
        RegSetValueExA(key, name, 0, type, bytes.data(), static_cast<DWORD>(bytes.size()));
    }
    void setDword(const char *name, DWORD value) {
        RegSetValueExA(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE *>(&value),
                       sizeof value);
    }
    void remove(const char *name) { RegDeleteValueA(key, name); }

    // The stored bytes and type of a value; false when it is missing.
    bool get(const char *name, std::vector<BYTE> *bytes, DWORD *type = nullptr) const {
        DWORD size = 0;
        DWORD valueType = 0;
        if (RegQueryValueExA(key, name, nullptr, &valueType, nullptr, &size) != ERROR_SUCCESS)
            return false;
        bytes->assign(size, 0);
        if (RegQueryValueExA(key, name, nullptr, &valueType, bytes->data(), &size) != ERROR_SUCCESS)
            return false;
        bytes->resize(size);
        if (type) *type = valueType;
        return true;
    }
};
