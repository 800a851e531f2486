// The real brenvo plug-in, loaded by bare name and initialized on a scratch registry key, over
// scratch directories of byte-built MP3 files.
#pragma once

#include "mpeg_fixtures.h"
#include "scratch_file.h"
#include "support/listing_builder.h"
#include "support/plugin_module.h"
#include "support/scratch_directory.h"
#include "support/scratch_key.h"

#include <gtest/gtest.h>

#include <string.h>

#include <string>

// RenamerSettings as the host sees it through pluginData.
struct Templates {
    char nameTemplate[256];
    char commentTemplate[256];
};

// A constant-bitrate stream of 16000 bytes at 128 kbps: "128Kbps", "0:01".
inline Bytes audioFrames() {
    return twoFrames(mpeg1Layer3At128, mpeg1Layer3At128, 0, 417, 16000);
}

// bytes followed by an ID3v1.1 tag.
inline Bytes withId3v1(Bytes bytes, const std::string &title, const std::string &artist,
                       const std::string &album, const std::string &year, uint8_t track) {
    Bytes tag(128);
    putText(tag, 0, "TAG");
    putBytes(tag, 3, textBytes(title.substr(0, 30)));
    putBytes(tag, 33, textBytes(artist.substr(0, 30)));
    putBytes(tag, 63, textBytes(album.substr(0, 30)));
    putBytes(tag, 93, textBytes(year.substr(0, 4)));
    tag[126] = track;
    putBytes(bytes, bytes.size(), tag);
    return bytes;
}

// An ID3v2.3 tag with the given text frames ({"TIT2", "Title"}, ...) in front of bytes.
inline Bytes withId3v2(const Bytes &bytes,
                       std::initializer_list<std::pair<const char *, std::string>> frames) {
    Bytes body;
    for (const auto &frame : frames) {
        size_t at = body.size();
        putText(body, at, frame.first);
        putBigEndian32(body, at + 4, uint32_t(frame.second.size() + 1));
        putBytes(body, at + 8, {0, 0, 0}); // flags, then the encoding byte
        putBytes(body, at + 11, textBytes(frame.second));
    }
    uint32_t size = uint32_t(body.size());
    Bytes tag = {'I',
                 'D',
                 '3',
                 3,
                 0,
                 0,
                 uint8_t(size >> 21 & 0x7F),
                 uint8_t(size >> 14 & 0x7F),
                 uint8_t(size >> 7 & 0x7F),
                 uint8_t(size & 0x7F)};
    putBytes(tag, tag.size(), body);
    putBytes(tag, tag.size(), bytes);
    return tag;
}

class Brenvo : public ::testing::Test {
  protected:
    PluginModule plugin{"brenvo"};
    ScratchKey key{"brenvo"};
    ScratchDirectory directory{"brenvo"};
    FileFilterInfo info{};
    bool initialized = false;

    void SetUp() override {
        ASSERT_TRUE(plugin.loaded()) << "brenvo could not be loaded from the program's directory";
        info.version = 2;
        info.settingsKey = key.key;
    }
    void TearDown() override {
        if (initialized) plugin.uninitialize(&info);
    }

    void setTemplate(const char *value, const std::string &text) {
        Bytes bytes = textBytes(text);
        bytes.push_back(0);
        key.setBinary(value, bytes, REG_SZ);
    }
    // Initializes from the key with renaming switched on or off; templates as stored, else the
    // defaults.
    void initialize(bool enabled = true) {
        key.setDword("enabled", enabled ? 1 : 0);
        ASSERT_EQ(plugin.initialize(&info), 1);
        initialized = true;
    }
    void initializeWith(const char *nameTemplate, const char *commentTemplate) {
        setTemplate("string", nameTemplate);
        setTemplate("commstring", commentTemplate);
        initialize();
    }
    Templates *templates() const { return static_cast<Templates *>(info.pluginData); }

    std::string root() const { return directory.path().string(); }
    void write(const std::string &name, const Bytes &bytes) const { directory.write(name, bytes); }
    FileList *run(FileList *list, const std::string &path) {
        return plugin.execute(&info, list, 0, 0, path.c_str());
    }
    FileList *run(Listing &listing) {
        FileList *list = listing.finish();
        return run(list, root());
    }
    // Whether a pass renames a tagged file: what the switch shows.
    bool renamesTaggedFile() {
        write("probe.mp3", withId3v1(audioFrames(), "Renamed", "A", "", "", 0));
        Listing listing;
        listing.file("probe.mp3");
        run(listing);
        return strcmp(listing.entries[0].name, "probe.mp3") != 0;
    }
};
