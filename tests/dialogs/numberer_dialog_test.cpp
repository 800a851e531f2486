// The numberer's dialog "File Numbering": its first state, the enabling box and its dependent
// controls, and what OK, Cancel, Escape, Enter and the close box leave in the settings.
#include "dialog_fixture.h"

namespace {

const int enableBox = 1007, description = 1008, directoriesBox = 1017, resetBox = 1018,
          startAtZeroBox = 1019;
const int dependents[] = {startAtZeroBox, directoriesBox, resetBox, description};

struct Flags {
    int32_t enabled, startAtZero, numberDirectories, resetPerDirectory;
    bool operator==(const Flags &o) const {
        return enabled == o.enabled && startAtZero == o.startAtZero &&
               numberDirectories == o.numberDirectories && resetPerDirectory == o.resetPerDirectory;
    }
};
std::ostream &operator<<(std::ostream &out, const Flags &f) {
    return out << "{" << f.enabled << ", " << f.startAtZero << ", " << f.numberDirectories << ", "
               << f.resetPerDirectory << "}";
}

class NumbererDialog : public DialogTest {
  protected:
    DialogPlugin numberer{"quorrel"};

    void SetUp() override {
        DialogTest::SetUp();
        ASSERT_TRUE(numberer.plugin.loaded()) << "quorrel could not be loaded";
    }
    void initializeWith(const Flags &flags) {
        std::vector<BYTE> bytes(16);
        std::memcpy(bytes.data(), &flags, 16);
        numberer.key.setBinary("prefs", bytes);
        ASSERT_TRUE(numberer.initialize());
    }
    Flags flags() const {
        Flags f;
        std::memcpy(&f, numberer.info.pluginData, 16);
        return f;
    }
};

TEST_F(NumbererDialog, FirstRunShowsEverythingClearAndGreyed) {
    OwnerWindow owner(40, 30, 700, 500);
    ASSERT_TRUE(numberer.initialize());
    int32_t result = numberer.open(
        owner.handle, {[&](HWND dialog) {
            EXPECT_EQ(windowText(dialog), "File Numbering");
            EXPECT_EQ(GetFocus(), item(dialog, enableBox))
                << "the focus starts on the enabling box";
            for (int id : {enableBox, directoriesBox, resetBox, startAtZeroBox}) {
                EXPECT_FALSE(checked(dialog, id)) << id;
            }
            for (int id : dependents) EXPECT_FALSE(enabled(dialog, id)) << id;
            for (int id : {enableBox, IDOK, IDCANCEL}) EXPECT_TRUE(enabled(dialog, id)) << id;
            RECT placed = windowRect(dialog);
            EXPECT_EQ(topLeft(placed), centredOver(windowRect(owner.handle), placed));

            // The controls in template order, and the dialog's size from its dialog units.
            std::vector<int> ids;
            for (HWND child = GetWindow(dialog, GW_CHILD); child;
                 child = GetWindow(child, GW_HWNDNEXT))
                ids.push_back(GetDlgCtrlID(child));
            EXPECT_EQ(ids, (std::vector<int>{enableBox, description, IDOK, IDCANCEL, directoriesBox,
                                             resetBox, startAtZeroBox}));
            RECT units{0, 0, 271, 141}, client{};
            MapDialogRect(dialog, &units);
            GetClientRect(dialog, &client);
            EXPECT_EQ(client.right, units.right);
            EXPECT_EQ(client.bottom, units.bottom);
            click(dialog, IDCANCEL);
        }});
    EXPECT_EQ(result, 0);
}

TEST_F(NumbererDialog, DependentControlsFollowTheEnablingBox) {
    ASSERT_TRUE(numberer.initialize());
    int32_t result = numberer.open(nullptr, {[&](HWND dialog) {
                                       click(dialog, enableBox);
                                       EXPECT_TRUE(checked(dialog, enableBox));
                                       for (int id : dependents)
                                           EXPECT_TRUE(enabled(dialog, id)) << id;
                                       click(dialog, directoriesBox);
                                       EXPECT_TRUE(checked(dialog, directoriesBox));
                                       click(dialog, enableBox);
                                       EXPECT_FALSE(checked(dialog, enableBox));
                                       for (int id : dependents)
                                           EXPECT_FALSE(enabled(dialog, id)) << id;
                                       EXPECT_TRUE(checked(dialog, directoriesBox))
                                           << "greying keeps the check mark";
                                       click(dialog, IDCANCEL);
                                   }});
    EXPECT_EQ(result, 0);
    EXPECT_EQ(flags(), (Flags{0, 0, 0, 0}));
}

TEST_F(NumbererDialog, OkStoresTheBoxesAndUninitializeWritesThemAsPrefs) {
    ASSERT_TRUE(numberer.initialize());
    RECT last{};
    int32_t result = numberer.open(nullptr, {[&](HWND dialog) {
                                       click(dialog, enableBox);
                                       click(dialog, startAtZeroBox);
                                       last = windowRect(dialog);
                                       click(dialog, IDOK);
                                   }});
    EXPECT_EQ(result, 1);
    EXPECT_EQ(flags(), (Flags{1, 1, 0, 0}));
    EXPECT_EQ(numberer.uninitialize(), 0);
    std::vector<BYTE> prefs;
    DWORD type = 0;
    ASSERT_TRUE(numberer.key.get("prefs", &prefs, &type));
    EXPECT_EQ(type, static_cast<DWORD>(REG_BINARY));
    EXPECT_EQ(prefs, (std::vector<BYTE>{1, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(numberer.storedPosition(), topLeft(last));
}

TEST_F(NumbererDialog, StoredFlagsOtherThanOneShowTickedAndComeBackAsOne) {
    initializeWith({2, -1, 0, 7});
    int32_t result = numberer.open(nullptr, {[&](HWND dialog) {
                                       EXPECT_EQ(GetFocus(), item(dialog, enableBox));
                                       EXPECT_TRUE(checked(dialog, enableBox));
                                       EXPECT_TRUE(checked(dialog, startAtZeroBox));
                                       EXPECT_FALSE(checked(dialog, directoriesBox));
                                       EXPECT_TRUE(checked(dialog, resetBox));
                                       for (int id : dependents)
                                           EXPECT_TRUE(enabled(dialog, id)) << id;
                                       click(dialog, IDOK);
                                   }});
    EXPECT_EQ(result, 1);
    EXPECT_EQ(flags(), (Flags{1, 1, 0, 1}));
}

TEST_F(NumbererDialog, EveryWayOfClosing) {
    struct Case {
        const char *name;
        std::function<void(HWND)> close;
        int32_t result;
    } cases[] = {
        {"Cancel", [](HWND dialog) { click(dialog, IDCANCEL); }, 0},
        {"Escape", [](HWND) { pressKey(VK_ESCAPE); }, 0},
        {"close box", [](HWND dialog) { clickCloseBox(dialog); }, 0},
        {"OK", [](HWND dialog) { click(dialog, IDOK); }, 1},
        {"Enter", [](HWND) { pressKey(VK_RETURN); }, 1},
    };
    for (const Case &c : cases) {
        initializeWith({0, 0, 1, 0});
        RECT last{};
        int32_t result = numberer.open(nullptr, {[&](HWND dialog) {
                                           click(dialog, enableBox);
                                           click(dialog, directoriesBox);
                                           last = windowRect(dialog);
                                           c.close(dialog);
                                       }});
        EXPECT_EQ(result, c.result) << c.name;
        EXPECT_EQ(flags(), c.result ? (Flags{1, 0, 0, 0}) : (Flags{0, 0, 1, 0})) << c.name;
        numberer.uninitialize();
        EXPECT_EQ(numberer.storedPosition(), topLeft(last)) << c.name;
    }
}

TEST_F(NumbererDialog, TabVisitsTheEnabledBoxesAndButtonsInTemplateOrder) {
    ASSERT_TRUE(numberer.initialize());
    std::vector<int> greyed, enabledOrder;
    // Each Tab is a key press that the modal loop handles before the next step looks.
    std::vector<DialogStep> steps;
    // With the dependent boxes greyed only the enabling box, OK and Cancel are tab stops.
    for (int i = 0; i < 3; ++i) {
        steps.push_back([&](HWND) { pressKey(VK_TAB); });
        steps.push_back([&](HWND) { greyed.push_back(GetDlgCtrlID(GetFocus())); });
    }
    steps.push_back([&](HWND dialog) { click(dialog, enableBox); });
    for (int i = 0; i < 6; ++i) {
        steps.push_back([&](HWND) { pressKey(VK_TAB); });
        steps.push_back([&](HWND) { enabledOrder.push_back(GetDlgCtrlID(GetFocus())); });
    }
    steps.push_back([&](HWND dialog) { click(dialog, IDCANCEL); });
    EXPECT_EQ(numberer.open(nullptr, steps), 0);
    EXPECT_EQ(greyed, (std::vector<int>{IDOK, IDCANCEL, enableBox}));
    EXPECT_EQ(enabledOrder, (std::vector<int>{IDOK, IDCANCEL, directoriesBox, resetBox,
                                              startAtZeroBox, enableBox}));
}

} // namespace
