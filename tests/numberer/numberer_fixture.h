// The real quorrel plug-in, loaded by bare name and initialized on a scratch registry key.
#pragma once

#include "support/listing_builder.h"
#include "support/plugin_module.h"
#include "support/scratch_key.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

struct Prefs {
    int32_t enabled, startAtZero, numberDirectories, resetPerDirectory;
};

inline std::vector<BYTE> prefsBytes(const Prefs &prefs) {
    std::vector<BYTE> bytes(16);
    std::memcpy(bytes.data(), &prefs, 16);
    return bytes;
}

class Numberer : public ::testing::Test {
  protected:
    PluginModule plugin{"quorrel"};
    ScratchKey key{"quorrel"};
    FileFilterInfo info{};

    void SetUp() override {
        ASSERT_TRUE(plugin.loaded()) << "quorrel could not be loaded from the program's directory";
        info.version = 2;
        info.settingsKey = key.key;
    }
    // Stores prefs under the key, then initializes the plug-in from it.
    void initializeWith(const Prefs &prefs) {
        key.setBinary("prefs", prefsBytes(prefs));
        ASSERT_EQ(plugin.initialize(&info), 1);
    }
    FileList *run(FileList *list) { return plugin.execute(&info, list, 0, 0, "unused"); }
};
