// The scan, in process: records as the plug-ins expect them.
#include "scan.h"

#include "support/scratch_directory.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

const FileEntry *findEntry(const FileList *list, const std::string &name) {
    for (uint32_t i = 0; i < list->count; ++i)
        if (name == list->entries[i].name) return &list->entries[i];
    return nullptr;
}

} // namespace

TEST(Scan, EveryDirectoryBecomesAListingInTheOrderItsDirectoryYields) {
    ScratchDirectory scratch("scan");
    scratch.file("a.mp3", 1500000);
    scratch.file("Album/01.ogg", 2048);
    scratch.file("Album/Disc 2/02.ogg", 1);
    scratch.directory("Empty");
    for (int i = 0; i < 20; ++i) scratch.file("Album/many" + std::to_string(i), i);

    ScannedTree tree;
    std::vector<std::string> warnings;
    std::string error;
    ASSERT_TRUE(scanTree(scratch.path().string(), &tree, &warnings, &error)) << error;
    EXPECT_TRUE(warnings.empty());

    const FileList *root = tree.root();
    ASSERT_EQ(3u, root->count);
    // The order is the directory's own, whatever it is.
    std::vector<std::string> expected;
    for (const auto &item : fs::directory_iterator(scratch.path() / "Album"))
        expected.push_back(item.path().filename().string());
    const FileEntry *album = findEntry(root, "Album");
    ASSERT_NE(nullptr, album);
    ASSERT_EQ(expected.size(), album->children->count);
    for (size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ(expected[i], album->children->entries[i].name);

    const FileEntry *file = findEntry(root, "a.mp3");
    ASSERT_NE(nullptr, file);
    EXPECT_EQ(1500000, file->size);
    EXPECT_STREQ("1.43MB", file->comment);
    EXPECT_EQ(0, file->isDirectory);
    EXPECT_EQ(nullptr, file->children);

    EXPECT_EQ(1, album->isDirectory);
    EXPECT_EQ(0, album->size);
    EXPECT_STREQ("", album->comment);
    const FileEntry *disc = findEntry(album->children, "Disc 2");
    ASSERT_NE(nullptr, disc);
    ASSERT_EQ(1u, disc->children->count);
    EXPECT_STREQ("1 byte", disc->children->entries[0].comment);

    const FileEntry *empty = findEntry(root, "Empty");
    ASSERT_NE(nullptr, empty);
    ASSERT_NE(nullptr, empty->children); // an empty directory still has a listing
    EXPECT_EQ(0u, empty->children->count);
}

TEST(Scan, AMissingDirectoryOrAFileIsAnError) {
    ScratchDirectory scratch("scan-errors");
    fs::path file = scratch.file("plain.txt", 3);
    ScannedTree tree;
    std::vector<std::string> warnings;
    std::string error;
    EXPECT_FALSE(scanTree((scratch.path() / "nothing").string(), &tree, &warnings, &error));
    EXPECT_EQ("no such directory: " + (scratch.path() / "nothing").string(), error);
    EXPECT_FALSE(scanTree(file.string(), &tree, &warnings, &error));
    EXPECT_EQ("not a directory: " + file.string(), error);
}

TEST(Scan, LongNamesAreCutOnACharacterBoundaryAndKeepTheirListing) {
    ScratchDirectory scratch("scan-long");
    std::string longDirectory(80, 'd');
    scratch.file(longDirectory + "/inside.txt", 5);
    ScannedTree tree;
    std::vector<std::string> warnings;
    std::string error;
    ASSERT_TRUE(scanTree(scratch.path().string(), &tree, &warnings, &error)) << error;
    ASSERT_EQ(1u, tree.root()->count);
    const FileEntry &entry = tree.root()->entries[0];
    EXPECT_EQ(std::string(63, 'd'), entry.name);
    ASSERT_NE(nullptr, entry.children);
    ASSERT_EQ(1u, entry.children->count);
    EXPECT_STREQ("inside.txt", entry.children->entries[0].name);
    ASSERT_EQ(1u, warnings.size());
    EXPECT_NE(warnings[0].find(longDirectory), std::string::npos) << warnings[0];
}

TEST(Scan, CopyEntryNameNeverSplitsACharacter) {
    struct Case {
        std::string name;
        std::string stored;
        bool whole;
    } cases[] = {
        {std::string(63, 'a'), std::string(63, 'a'), true},
        {std::string(64, 'a'), std::string(63, 'a'), false},
        {std::string(62, 'a') + "\xC3\xA9", std::string(62, 'a'), false},
        {std::string(61, 'a') + "\xC3\xA9", std::string(61, 'a') + "\xC3\xA9", true},
        {std::string(61, 'a') + "\xE2\x82\xAC", std::string(61, 'a'), false},
        // Bytes that are not UTF-8 count one by one.
        {std::string(62, 'a') + "\xFF\xFF", std::string(62, 'a') + "\xFF", false},
        {"", "", true},
    };
    for (const auto &c : cases) {
        char field[64];
        std::memset(field, '#', sizeof field);
        EXPECT_EQ(c.whole, copyEntryName(field, c.name)) << c.name;
        EXPECT_EQ(c.stored, std::string(field)) << c.name;
        EXPECT_EQ('\0', field[63]);
    }
}

#if !defined(_WIN32)
TEST(Scan, SymbolicLinksAreListedButNotFollowed) {
    ScratchDirectory scratch("scan-links");
    scratch.file("target.txt", 2000);
    fs::create_symlink("target.txt", scratch.path() / "to-file");
    fs::create_directory_symlink(".", scratch.path() / "loop"); // would never end if followed
    fs::create_symlink("nowhere", scratch.path() / "dangling");
    ScannedTree tree;
    std::vector<std::string> warnings;
    std::string error;
    ASSERT_TRUE(scanTree(scratch.path().string(), &tree, &warnings, &error)) << error;
    EXPECT_EQ(4u, tree.root()->count);
    for (const char *name : {"to-file", "loop", "dangling"}) {
        const FileEntry *link = findEntry(tree.root(), name);
        ASSERT_NE(nullptr, link) << name;
        EXPECT_EQ(0, link->isDirectory) << name;
        EXPECT_EQ(nullptr, link->children) << name;
        EXPECT_EQ(0, link->size) << name;
        EXPECT_STREQ("link", link->comment) << name;
    }
    EXPECT_EQ(1u, tree.directories.size());
}
#endif
