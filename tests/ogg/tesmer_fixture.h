// The real tesmer plug-in, loaded by bare name, initialized on a scratch registry key, over a
// temporary directory of byte-built Ogg files.
#pragma once

#include "ogg/ogg_builder.h"
#include "support/listing_builder.h"
#include "support/plugin_module.h"
#include "support/scratch_directory.h"
#include "support/scratch_key.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

// A 216-second stream (the default templates make "... - ..." and "3:36" of it).
inline Bytes songFile(const std::vector<std::string> &comments) {
    return vorbisFile(44100, 128000, comments, 9525600);
}

// A REG_SZ template value: the text and a NUL in a 256-byte field, as the plug-in stores it.
inline std::vector<BYTE> templateValue(const std::string &text) {
    std::vector<BYTE> bytes(256, 0);
    std::memcpy(bytes.data(), text.data(), text.size());
    return bytes;
}

class Tesmer : public ::testing::Test {
  protected:
    PluginModule plugin{"tesmer"};
    ScratchKey key{"tesmer"};
    ScratchDirectory dir{"tesmer"};
    FileFilterInfo info{};
    bool initialized = false;
    static constexpr char separator = static_cast<char>(std::filesystem::path::preferred_separator);

    void SetUp() override {
        ASSERT_TRUE(plugin.loaded()) << "tesmer could not be loaded from the program's directory";
        info.version = 2;
        info.settingsKey = key.key;
    }
    void TearDown() override {
        if (initialized) plugin.uninitialize(&info);
    }
    // Switches renaming on, stores the templates that are given, and initializes the plug-in.
    void start(const char *nameTemplate = nullptr, const char *commentTemplate = nullptr) {
        key.setDword("enabled", 1);
        if (nameTemplate) key.setBinary("string", templateValue(nameTemplate), REG_SZ);
        if (commentTemplate) key.setBinary("commstring", templateValue(commentTemplate), REG_SZ);
        ASSERT_EQ(plugin.initialize(&info), 1);
        initialized = true;
    }
    std::string write(const std::string &relative, const Bytes &bytes) {
        return dir.write(relative, bytes).string();
    }
    FileList *run(FileList *list, const std::string &path, uint32_t passA = 0, uint32_t passB = 0) {
        return plugin.execute(&info, list, passA, passB, path.c_str());
    }
    FileList *run(FileList *list) { return run(list, dir.path().string()); }
};
