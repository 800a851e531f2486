// A plug-in loaded by bare name and initialized on a scratch registry key, whose settings
// dialog the tests open and act in (dialog_driver.h).
#pragma once

#include "dialog_driver.h"
#include "support/plugin_module.h"
#include "support/scratch_key.h"

#include <gtest/gtest.h>

#include <cstring>
#include <ostream>

struct DialogPlugin {
    PluginModule plugin;
    ScratchKey key;
    FileFilterInfo info{};
    bool initialized = false; // FileFilterInitialize accepted the record, not yet undone

    explicit DialogPlugin(const char *name) : plugin(name), key(name) {}
    ~DialogPlugin() {
        if (initialized) uninitialize();
    }
    DialogPlugin(const DialogPlugin &) = delete;
    DialogPlugin &operator=(const DialogPlugin &) = delete;

    bool initialize() {
        if (initialized) uninitialize();
        info = FileFilterInfo{};
        info.version = 2;
        info.settingsKey = key.key;
        initialized = plugin.loaded() && plugin.initialize(&info) == 1;
        return initialized;
    }
    int32_t uninitialize() {
        initialized = false;
        return plugin.uninitialize(&info);
    }
    int32_t open(HWND parent, std::vector<DialogStep> steps) {
        return runDialog([&] { return plugin.userInterface(&info, parent); }, std::move(steps));
    }

    void storePosition(LONG x, LONG y) {
        int32_t value[2] = {static_cast<int32_t>(x), static_cast<int32_t>(y)};
        std::vector<BYTE> bytes(8);
        std::memcpy(bytes.data(), value, 8);
        key.setBinary("position", bytes);
    }
    // The "position" value as FileFilterUninitialize wrote it.
    POINT storedPosition() const {
        std::vector<BYTE> bytes;
        int32_t value[2] = {0, 0};
        if (key.get("position", &bytes) && bytes.size() == 8) std::memcpy(value, bytes.data(), 8);
        return POINT{value[0], value[1]};
    }
};

// Every dialog test runs on a screen of 800 by 600 pixels where the screen can be set (the
// POSIX subset); on Windows the screen is the real one, and the tests read its size.
class DialogTest : public ::testing::Test {
  protected:
    void SetUp() override {
#if !defined(_WIN32)
        w32SetScreenSize(800, 600);
#endif
    }
};

inline bool operator==(const POINT &a, const POINT &b) {
    return a.x == b.x && a.y == b.y;
}
inline std::ostream &operator<<(std::ostream &out, const POINT &p) {
    return out << "(" << p.x << ", " << p.y << ")";
}
inline POINT topLeft(const RECT &rect) {
    return POINT{rect.left, rect.top};
}
// Where a dialog of rectangle `dialog` goes when centred over `owner`, halves toward zero.
inline POINT centredOver(const RECT &owner, const RECT &dialog) {
    LONG width = dialog.right - dialog.left, height = dialog.bottom - dialog.top;
    return POINT{owner.left + (owner.right - owner.left - width) / 2,
                 owner.top + (owner.bottom - owner.top - height) / 2};
}
