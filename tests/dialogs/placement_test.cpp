// Where the settings dialogs open and what they store, shown with the numberer's dialog; the
// renamers' dialogs call the same placement (renamer_dialog_test.cpp checks that they do).
#include "dialog_fixture.h"

namespace {

class Placement : public DialogTest {
  protected:
    DialogPlugin numberer{"quorrel"};

    void SetUp() override {
        DialogTest::SetUp();
        ASSERT_TRUE(numberer.plugin.loaded()) << "quorrel could not be loaded";
    }
    // Opens the dialog with `saved` stored as its position and closes it at once with Cancel;
    // returns where it was placed and sets *stored to what Cancel stored.
    RECT openAndCancel(POINT saved, HWND owner, POINT *stored) {
        numberer.storePosition(saved.x, saved.y);
        RECT placed{};
        EXPECT_TRUE(numberer.initialize());
        EXPECT_EQ(numberer.open(owner, {[&](HWND dialog) {
                                    placed = windowRect(dialog);
                                    click(dialog, IDCANCEL);
                                }}),
                  0);
        numberer.uninitialize();
        *stored = numberer.storedPosition();
        return placed;
    }
};

TEST_F(Placement, CentredOverTheOwnerUnlessBothCoordinatesAreSaved) {
    OwnerWindow owner(100, 50, 640, 480);
    for (POINT saved : {POINT{0, 0}, POINT{0, 200}, POINT{200, 0}}) {
        POINT stored;
        RECT placed = openAndCancel(saved, owner.handle, &stored);
        EXPECT_EQ(topLeft(placed), centredOver(windowRect(owner.handle), placed)) << saved;
        // Cancel keeps where the dialog was.
        EXPECT_EQ(stored, topLeft(placed)) << saved;
    }
}

TEST_F(Placement, SavedCornerIsKeptOnTheScreen) {
    // On the subset the screen is 800 by 600: (900, 700) comes back as (700, 500).
    SIZE screen = screenSize();
    struct Case {
        POINT saved, placed;
    } cases[] = {
        {{250, 120}, {250, 120}},
        {{screen.cx + 100, screen.cy + 100}, {screen.cx - 100, screen.cy - 100}},
        {{screen.cx - 99, screen.cy - 100}, {screen.cx - 100, screen.cy - 100}},
        {{-50, 300}, {0, 300}},
        {{300, -1}, {300, 0}},
    };
    OwnerWindow owner(100, 50, 640, 480);
    for (const Case &c : cases) {
        POINT stored;
        RECT placed = openAndCancel(c.saved, owner.handle, &stored);
        EXPECT_EQ(topLeft(placed), c.placed) << c.saved;
        EXPECT_EQ(stored, c.placed) << c.saved;
    }
}

TEST_F(Placement, CornerLimitedToZeroMeansCentredNextTime) {
    OwnerWindow owner(100, 50, 640, 480);
    POINT stored;
    RECT placed = openAndCancel(POINT{-50, 300}, owner.handle, &stored);
    EXPECT_EQ(topLeft(placed), (POINT{0, 300}));
    ASSERT_EQ(stored, (POINT{0, 300}));
    // The stored x of 0 reads as "never saved".
    ASSERT_TRUE(numberer.initialize());
    RECT next{};
    numberer.open(owner.handle, {[&](HWND dialog) {
                      next = windowRect(dialog);
                      click(dialog, IDCANCEL);
                  }});
    EXPECT_EQ(topLeft(next), centredOver(windowRect(owner.handle), next));
}

TEST_F(Placement, CentringHalvesTowardZero) {
    // A dialog 5 pixels wider and 7 pixels taller than its owner: (-5) / 2 and (-7) / 2 are
    // -2 and -3, not -3 and -4.
    POINT stored;
    RECT size;
    {
        OwnerWindow measure(0, 0, 640, 480);
        size = openAndCancel(POINT{0, 0}, measure.handle, &stored);
    }
    LONG width = size.right - size.left, height = size.bottom - size.top;
    OwnerWindow owner(0, 40, width - 5, height - 7);
    RECT placed = openAndCancel(POINT{0, 0}, owner.handle, &stored);
    EXPECT_EQ(topLeft(placed), (POINT{-2, 37}));
    EXPECT_EQ(placed.right - placed.left, width);
}

TEST_F(Placement, WithoutOwnerCentredOverTheDesktop) {
    POINT stored;
    RECT placed = openAndCancel(POINT{0, 0}, nullptr, &stored);
    EXPECT_EQ(topLeft(placed), centredOver(windowRect(GetDesktopWindow()), placed));
}

TEST_F(Placement, OkAndCancelStoreWhereTheUserLeftTheDialog) {
    OwnerWindow owner(100, 50, 640, 480);
    for (int button : {IDOK, IDCANCEL}) {
        numberer.storePosition(0, 0);
        ASSERT_TRUE(numberer.initialize());
        numberer.open(owner.handle, {[&](HWND dialog) {
                          // The user drags the dialog by its caption.
                          SetWindowPos(dialog, nullptr, 123, 234, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
                          click(dialog, button);
                      }});
        numberer.uninitialize();
        EXPECT_EQ(numberer.storedPosition(), (POINT{123, 234})) << button;
    }
}

} // namespace
