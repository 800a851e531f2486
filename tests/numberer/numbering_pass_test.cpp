#include "numberer_fixture.h"

#include <string>

namespace {

// a.mp3, Dir { x.mp3, y.mp3 }, b.mp3
struct WorkedTree {
    Listing root;
    FileList *list;
    WorkedTree() {
        root.file("a.mp3");
        Listing &dir = root.directory("Dir");
        dir.file("x.mp3");
        dir.file("y.mp3");
        root.file("b.mp3");
        list = root.finish();
    }
    // The entries in scan order.
    std::vector<FileEntry *> scanOrder() {
        FileList *dir = root.entries[1].children;
        return {&root.entries[0], &root.entries[1], &dir->entries[0], &dir->entries[1],
                &root.entries[2]};
    }
};

struct WorkedCase {
    const char *label;
    Prefs prefs;
    std::vector<std::string> names;
};

TEST_F(Numberer, WorkedExampleUnderFiveSettings) {
    const WorkedCase cases[] = {
        {"enabled", {1, 0, 0, 0}, {"1. a.mp3", "Dir", "2. x.mp3", "3. y.mp3", "4. b.mp3"}},
        {"directories numbered",
         {1, 0, 1, 0},
         {"1. a.mp3", "2. Dir", "3. x.mp3", "4. y.mp3", "5. b.mp3"}},
        {"reset per directory",
         {1, 0, 0, 1},
         {"1. a.mp3", "Dir", "1. x.mp3", "2. y.mp3", "2. b.mp3"}},
        {"directories and reset",
         {1, 0, 1, 1},
         {"1. a.mp3", "2. Dir", "1. x.mp3", "2. y.mp3", "3. b.mp3"}},
        {"reset from zero", {1, 1, 0, 1}, {"0. a.mp3", "Dir", "0. x.mp3", "1. y.mp3", "1. b.mp3"}},
    };
    for (const WorkedCase &c : cases) {
        SCOPED_TRACE(c.label);
        initializeWith(c.prefs);
        WorkedTree tree;
        EXPECT_EQ(run(tree.list), tree.list);
        std::vector<FileEntry *> order = tree.scanOrder();
        for (size_t i = 0; i < order.size(); ++i) {
            EXPECT_EQ(std::string(order[i]->name), c.names[i]) << "entry " << i;
            EXPECT_EQ(order[i]->size, static_cast<int64_t>(i + 1)) << "entry " << i;
        }
    }
}

TEST_F(Numberer, SwitchedOffChangesNothing) {
    initializeWith({0, 1, 1, 1});
    WorkedTree tree;
    tree.root.entries[0].size = 777;
    EXPECT_EQ(run(tree.list), tree.list);
    EXPECT_STREQ(tree.root.entries[0].name, "a.mp3");
    EXPECT_EQ(tree.root.entries[0].size, 777);
    EXPECT_STREQ(tree.root.entries[1].children->entries[0].name, "x.mp3");
}

TEST_F(Numberer, EmptyListingsAndDirectoryWithoutFlagOrListing) {
    initializeWith({1, 0, 1, 0});
    FileList empty{0, nullptr};
    EXPECT_EQ(run(&empty), &empty);

    // An empty directory takes its index and number; a listing behind an entry that is not
    // flagged as a directory is not walked; a flagged entry without a listing is not walked.
    Listing root;
    root.directory("Empty");
    Listing &hidden = root.directory("NotADir", false);
    hidden.file("inside.mp3");
    root.directory("NoListing");
    root.file("last.mp3");
    FileList *list = root.finish();
    root.entries[2].children = nullptr;
    run(list);
    EXPECT_STREQ(root.entries[0].name, "1. Empty");
    EXPECT_EQ(root.entries[0].size, 1);
    EXPECT_STREQ(root.entries[1].name, "2. NotADir");
    EXPECT_EQ(root.entries[1].size, 2);
    EXPECT_STREQ(root.entries[1].children->entries[0].name, "inside.mp3");
    EXPECT_STREQ(root.entries[2].name, "3. NoListing");
    EXPECT_STREQ(root.entries[3].name, "4. last.mp3");
    EXPECT_EQ(root.entries[3].size, 4);
}

TEST_F(Numberer, ResetRestartsAtEveryDepthAndSizesFollowScanOrder) {
    initializeWith({1, 0, 0, 1});
    Listing root;
    root.file("r1");
    Listing &a = root.directory("A");
    a.file("a1");
    Listing &b = a.directory("B");
    b.file("b1");
    b.file("b2");
    a.file("a2");
    root.file("r2");
    FileList *list = root.finish();
    run(list);
    FileList *aList = root.entries[1].children;
    FileList *bList = aList->entries[1].children;
    EXPECT_STREQ(root.entries[0].name, "1. r1");
    EXPECT_STREQ(aList->entries[0].name, "1. a1");
    EXPECT_STREQ(bList->entries[0].name, "1. b1");
    EXPECT_STREQ(bList->entries[1].name, "2. b2");
    EXPECT_STREQ(aList->entries[2].name, "2. a2");
    EXPECT_STREQ(root.entries[2].name, "2. r2");
    // Depth-first, parent before children: r1 A a1 B b1 b2 a2 r2.
    const FileEntry *order[] = {&root.entries[0],   &root.entries[1],   &aList->entries[0],
                                &aList->entries[1], &bList->entries[0], &bList->entries[1],
                                &aList->entries[2], &root.entries[2]};
    for (size_t i = 0; i < 8; ++i) EXPECT_EQ(order[i]->size, static_cast<int64_t>(i + 1));
}

TEST_F(Numberer, LongNamesAreCutTo63Characters) {
    initializeWith({1, 0, 0, 0});
    Listing root;
    std::string longName(63, 'n');
    root.file(longName);
    FileList *list = root.finish();
    run(list);
    EXPECT_EQ(std::string(root.entries[0].name), "1. " + std::string(60, 'n'));
    EXPECT_EQ(root.entries[0].name[63], '\0');
}

TEST_F(Numberer, RunningTwiceNumbersAgain) {
    initializeWith({1, 0, 0, 0});
    Listing root;
    root.file("a.mp3");
    FileList *list = root.finish();
    run(list);
    run(list);
    EXPECT_STREQ(root.entries[0].name, "1. 1. a.mp3");
}

} // namespace
