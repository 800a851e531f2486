#include "sort.h"

#include "support/listing_builder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> names(const FileList *list) {
    std::vector<std::string> out;
    for (uint32_t i = 0; i < list->count; ++i) out.push_back(list->entries[i].name);
    return out;
}

struct SortTest : ::testing::Test {
    Listing root;
    Listing *inner = nullptr;
    void SetUp() override {
        root.file("b", "", 30);
        root.file("\xC3\xA9t\xC3\xA9", "", 10); // 0xC3 sorts after every ASCII letter
        root.file("a", "", 20);
        inner = &root.directory("Dir");
        root.file("B", "", 20);
        inner->file("z2", "", 2);
        inner->file("z1", "", 1);
        inner->file("y", "", 2);
    }
};

} // namespace

TEST_F(SortTest, ByNameInByteOrderInEveryListing) {
    FileList *list = root.finish();
    sortTree(list, SortOrder::name);
    EXPECT_EQ((std::vector<std::string>{"B", "Dir", "a", "b", "\xC3\xA9t\xC3\xA9"}), names(list));
    EXPECT_EQ((std::vector<std::string>{"y", "z1", "z2"}), names(&inner->list));
}

TEST_F(SortTest, BySizeAscendingKeepingTheOrderOfEqualSizes) {
    FileList *list = root.finish();
    sortTree(list, SortOrder::size);
    // "Dir" (0) first; "a" and "B" share 20 and keep their scan order.
    EXPECT_EQ((std::vector<std::string>{"Dir", "\xC3\xA9t\xC3\xA9", "a", "B", "b"}), names(list));
    EXPECT_EQ((std::vector<std::string>{"z1", "z2", "y"}), names(&inner->list));
    // The directory's entry still leads to its listing after the move.
    EXPECT_EQ(&inner->list, list->entries[0].children);
}

TEST_F(SortTest, NoneLeavesTheScanOrder) {
    FileList *list = root.finish();
    sortTree(list, SortOrder::none);
    EXPECT_EQ((std::vector<std::string>{"b", "\xC3\xA9t\xC3\xA9", "a", "Dir", "B"}), names(list));
}

TEST(Sort, EmptyListingsAreLeftAlone) {
    Listing root;
    root.directory("empty");
    FileList *list = root.finish();
    sortTree(list, SortOrder::name);
    FileList nothing{};
    sortTree(&nothing, SortOrder::size);
    EXPECT_EQ(1u, list->count);
}
