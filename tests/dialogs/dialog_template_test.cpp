// Dialog template 101 as the loaded numberer carries it, read back with the platform's
// resource calls: on Windows the resource compiler's output, on POSIX the data generated from
// the same .rc file. Every field is compared with the dialog as it is meant to be.
#include "dialog_fixture.h"
#include "template_reader.h"

namespace {

const DWORD child = WS_CHILD | WS_VISIBLE;
const DWORD checkBox = child | BS_AUTOCHECKBOX | WS_TABSTOP;

TEST(DialogTemplate, Numberer) {
    PluginModule plugin("quorrel");
    ASSERT_TRUE(plugin.loaded());
    TemplateDialog dialog;
    ASSERT_TRUE(readDialog101(plugin.module, &dialog));
    EXPECT_EQ(dialog.style,
              static_cast<DWORD>(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT));
    EXPECT_EQ(dialog.exStyle, 0u);
    EXPECT_EQ(dialog.width, 271);
    EXPECT_EQ(dialog.height, 141);
    EXPECT_EQ(dialog.caption, "File Numbering");
    EXPECT_EQ(dialog.pointSize, 8);
    EXPECT_EQ(dialog.typeface, "MS Sans Serif");

    const std::string description =
        "Numbers all files in the order they were scanned off the disk.  This is useful for "
        "MP3CD players which only have numeric displays, and not much else.\n\nPlease be sure "
        "to select \"Body->Sorting->Sort By Size\" so the files will be ordered properly.";
    const TemplateControl expected[] = {
        {checkBox, 1007, "Button", "&Enable Numbering of Files", 7, 7, 257, 10},
        {child | SS_LEFT | WS_GROUP, 1008, "Static", description, 7, 22, 257, 43},
        {child | BS_DEFPUSHBUTTON | WS_TABSTOP, IDOK, "Button", "&OK", 77, 120, 50, 14},
        {child | BS_PUSHBUTTON | WS_TABSTOP, IDCANCEL, "Button", "&Cancel", 143, 120, 50, 14},
        {checkBox, 1017, "Button", "&Directories should have their own number", 22, 85, 227, 10},
        {checkBox, 1018, "Button", "&Reset count to starting number in each subdirectory", 22, 99,
         227, 10},
        {checkBox, 1019, "Button", "&Start file numbering at 0, not 1", 22, 71, 227, 10},
    };
    expectControls(dialog, expected);
}

INT_PTR CALLBACK neverCalled(HWND, UINT, WPARAM, LPARAM) {
    ADD_FAILURE() << "a dialog without a template got a message";
    return FALSE;
}

TEST(DialogTemplate, MissingTemplateGivesMinusOne) {
    PluginModule plugin("quorrel");
    ASSERT_TRUE(plugin.loaded());
    // No dialog 102 in the plug-in, no dialog at all in the program (a null module).
    EXPECT_EQ(DialogBoxParamA(plugin.module, MAKEINTRESOURCEA(102), nullptr, neverCalled, 0), -1);
    EXPECT_EQ(DialogBoxParamA(nullptr, MAKEINTRESOURCEA(101), nullptr, neverCalled, 0), -1);
    // Without an initialized record the plug-in shows no dialog either.
    EXPECT_EQ(plugin.userInterface(nullptr, nullptr), -1);
}

} // namespace
