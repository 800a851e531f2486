// The dialog manager itself, under a dialog procedure of the test's own over brenvo's
// template: the default focus, the edits' notifications, and the keyboard interface. The same
// expectations hold for the platform and for the subset.
#include "dialog_fixture.h"

namespace {

const int nameEdit = 1000, enableBox = 1007, commentEdit = 1013, titleButton = 1003;

struct Recorder {
    BOOL initResult = FALSE;
    std::function<void(HWND)> onInit;
    std::vector<std::pair<int, int>> commands; // control id, notification code
};
Recorder recorder;

INT_PTR CALLBACK recordingProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_INITDIALOG) {
        if (recorder.onInit) recorder.onInit(dialog);
        return recorder.initResult;
    }
    if (message == WM_COMMAND) {
        recorder.commands.emplace_back(LOWORD(wParam), HIWORD(wParam));
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL || LOWORD(wParam) == titleButton)
            EndDialog(dialog, LOWORD(wParam));
        return TRUE;
    }
    return FALSE;
}

class DialogManager : public DialogTest {
  protected:
    PluginModule brenvo{"brenvo"};

    void SetUp() override {
        DialogTest::SetUp();
        ASSERT_TRUE(brenvo.loaded());
        recorder = Recorder();
    }
    void TearDown() override { recorder = Recorder(); }
    INT_PTR open(std::vector<DialogStep> steps) {
        return runDialog(
            [&] {
                return static_cast<int32_t>(DialogBoxParamA(brenvo.module, MAKEINTRESOURCEA(101),
                                                            nullptr, recordingProc, 0));
            },
            std::move(steps));
    }
    // The notifications of one control since the last call.
    std::vector<int> takeNotifications(int id) {
        std::vector<int> codes;
        for (const auto &command : recorder.commands)
            if (command.first == id) codes.push_back(command.second);
        recorder.commands.clear();
        return codes;
    }
};

TEST_F(DialogManager, NonZeroFromInitDialogFocusesTheFirstTabStopAndSelectsAnEdit) {
    recorder.initResult = TRUE;
    recorder.onInit = [](HWND dialog) {
        SetDlgItemTextA(dialog, nameEdit, "abc");
        EnableWindow(GetDlgItem(dialog, enableBox), FALSE); // the first tab stop is the edit
    };
    EXPECT_EQ(open({[](HWND dialog) {
                  EXPECT_EQ(GetFocus(), item(dialog, nameEdit));
                  EXPECT_EQ(selection(dialog, nameEdit), (std::pair<DWORD, DWORD>{0, 3}));
                  click(dialog, IDCANCEL);
              }}),
              IDCANCEL);
}

TEST_F(DialogManager, EditsNotifyEveryChangeOfTextAndOfFocus) {
    const std::vector<int> changed = {EN_UPDATE, EN_CHANGE};
    EXPECT_EQ(open({[&](HWND dialog) {
                  takeNotifications(nameEdit);
                  SetDlgItemTextA(dialog, nameEdit, "abc");
                  EXPECT_EQ(takeNotifications(nameEdit), changed) << "SetDlgItemTextA";
                  SetDlgItemTextA(dialog, nameEdit, "abc");
                  EXPECT_EQ(takeNotifications(nameEdit), changed) << "the same text again";
                  select(dialog, nameEdit, 1, 2);
                  EXPECT_EQ(takeNotifications(nameEdit), std::vector<int>{}) << "EM_SETSEL";
                  SendDlgItemMessageA(dialog, nameEdit, EM_REPLACESEL, 0,
                                      reinterpret_cast<LPARAM>("XY"));
                  EXPECT_EQ(text(dialog, nameEdit), "aXYc");
                  EXPECT_EQ(selection(dialog, nameEdit), (std::pair<DWORD, DWORD>{3, 3}));
                  EXPECT_EQ(takeNotifications(nameEdit), changed) << "EM_REPLACESEL";
                  SetFocus(item(dialog, nameEdit));
                  EXPECT_EQ(takeNotifications(nameEdit), std::vector<int>{EN_SETFOCUS});
                  type("z");
                  EXPECT_EQ(text(dialog, nameEdit), "aXYzc");
                  EXPECT_EQ(takeNotifications(nameEdit), changed) << "a typed character";
                  type("\b\b");
                  EXPECT_EQ(text(dialog, nameEdit), "aXc");
                  EXPECT_EQ(takeNotifications(nameEdit),
                            (std::vector<int>{EN_UPDATE, EN_CHANGE, EN_UPDATE, EN_CHANGE}));
                  SetFocus(item(dialog, commentEdit));
                  EXPECT_EQ(takeNotifications(nameEdit), std::vector<int>{EN_KILLFOCUS});
                  click(dialog, IDOK);
              }}),
              IDOK);
}

TEST_F(DialogManager, KeyboardEnterEscapeAndTabToAPushButton) {
    // Enter in an edit is the default button; Escape is Cancel; Enter on a push button that
    // Tab moved to is that button.
    struct Case {
        const char *name;
        std::vector<WPARAM> keys;
        INT_PTR result;
    } cases[] = {
        {"Enter", {VK_RETURN}, IDOK},
        {"Escape", {VK_ESCAPE}, IDCANCEL},
        {"Tab, Enter", {VK_TAB, VK_RETURN}, titleButton},
    };
    for (const Case &c : cases) {
        std::vector<DialogStep> steps = {[](HWND dialog) { SetFocus(item(dialog, commentEdit)); }};
        for (WPARAM key : c.keys) steps.push_back([key](HWND) { pressKey(key); });
        EXPECT_EQ(open(steps), c.result) << c.name;
    }
}

} // namespace
