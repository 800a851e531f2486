// The renamers' settings dialog, for each renamer: its template, its first state, the switch,
// where the placeholder buttons insert, the live samples, and what OK and Cancel store.
#include "dialog_fixture.h"
#include "template_reader.h"

#include "frame/renamer_settings.h"

namespace {

const int nameEdit = 1000, nameSample = 1002, titleButton = 1003, artistButton = 1004,
          albumButton = 1005, yearButton = 1006, enableBox = 1007, description = 1008,
          sampleLabel = 1009, trackButton = 1010, bitrateButton = 1011, durationButton = 1012,
          commentEdit = 1013, commentSample = 1014, nameLabel = 1015, commentLabel = 1016;
const int dependents[] = {nameEdit,      commentEdit,    titleButton,   albumButton, artistButton,
                          bitrateButton, durationButton, yearButton,    trackButton, description,
                          sampleLabel,   nameSample,     commentSample, nameLabel,   commentLabel};

struct Renamer {
    const char *plugin;
    const char *caption;
    const char *enableText;
    const char *descriptionText;
    const char *sampleName; // the name sample's text while nothing is expanded
    const char *artist;     // the sample's tag values that differ
    const char *year;
    const char *nameBitrate;
};

// The renamers whose plug-ins are built.
const Renamer renamers[] = {
    {
        "brenvo",
        "MP3 ID3 Renamer",
        "&Enable MP3 Rename Support",
        "Rename all MP3 files using the contents of their ID3 tags, according to the formatting "
        "string below.",
        "Filename.mp3",
        "The Band",
        "1969",
        "128Kbps",
    },
#if defined(DIALOG_TESTS_HAVE_TESMER)
    {
        "tesmer",
        "OGG Renamer",
        "&Enable OGG Rename Support",
        "Rename all OGG files using the contents of their tags, according to the formatting "
        "string below.",
        "Filename.ogg",
        "The Ogglodytes",
        "2002",
        "64Kbps",
    },
#endif
};

void PrintTo(const Renamer &renamer, std::ostream *out) {
    *out << renamer.plugin;
}

class RenamerDialog : public DialogTest, public ::testing::WithParamInterface<Renamer> {
  protected:
    const Renamer &r = GetParam();
    DialogPlugin renamer{GetParam().plugin};

    void SetUp() override {
        DialogTest::SetUp();
        ASSERT_TRUE(renamer.plugin.loaded()) << r.plugin << " could not be loaded";
    }
    void storeTemplates(const char *name, const char *comment) {
        renamer.key.setBinary("string", bytesOf(name), REG_SZ);
        renamer.key.setBinary("commstring", bytesOf(comment), REG_SZ);
    }
    // Initializes with renaming switched on (any non-zero "enabled") or off.
    void initialize(DWORD enabled) {
        renamer.key.setDword("enabled", enabled);
        ASSERT_TRUE(renamer.initialize());
    }
    const RenamerSettings &settings() const {
        return *static_cast<const RenamerSettings *>(renamer.info.pluginData);
    }
    // renameEnabled as FileFilterUninitialize stores it.
    DWORD storedEnabled() {
        renamer.uninitialize();
        std::vector<BYTE> bytes;
        DWORD value = 0xDEAD;
        if (renamer.key.get("enabled", &bytes) && bytes.size() == 4)
            std::memcpy(&value, bytes.data(), 4);
        return value;
    }
    static std::vector<BYTE> bytesOf(const char *text) {
        return std::vector<BYTE>(text, text + std::strlen(text) + 1);
    }
    std::string withArtist(const char *before) const { return std::string(before) + r.artist; }
};

TEST_P(RenamerDialog, TemplateIsTheDialogAsDesigned) {
    const DWORD child = WS_CHILD | WS_VISIBLE;
    const DWORD label = child | WS_GROUP;
    const DWORD button = child | BS_PUSHBUTTON | WS_TABSTOP;
    const DWORD edit = child | ES_LEFT | WS_BORDER | ES_AUTOHSCROLL | WS_TABSTOP;
    const TemplateControl expected[] = {
        {child | BS_AUTOCHECKBOX | WS_TABSTOP, 1007, "Button", r.enableText, 7, 7, 307, 10},
        {label | SS_LEFT, 1008, "Static", r.descriptionText, 7, 27, 307, 19},
        {label | SS_RIGHT, 1015, "Static", "&Name:", 7, 52, 37, 8},
        {edit, 1000, "Edit", "", 51, 50, 263, 14},
        {label | SS_RIGHT, 1016, "Static", "C&omment:", 7, 71, 37, 8},
        {edit, 1013, "Edit", "", 51, 69, 263, 14},
        {label | SS_RIGHT, 1009, "Static", "Sample:", 7, 93, 34, 8},
        {label | SS_LEFT, 1002, "Static", "Static", 47, 93, 202, 8},
        {label | SS_LEFT, 1014, "Static", "Static", 263, 93, 51, 8},
        {button, 1003, "Button", "&Title", 7, 111, 42, 14},
        {button, 1004, "Button", "&Artist", 51, 111, 42, 14},
        {button, 1005, "Button", "Albu&m", 95, 111, 42, 14},
        {button, 1006, "Button", "&Year", 139, 111, 42, 14},
        {button, 1010, "Button", "Trac&k", 183, 111, 42, 14},
        {button, 1011, "Button", "&Bitrate", 227, 111, 42, 14},
        {button, 1012, "Button", "&Duration", 271, 111, 42, 14},
        {child | BS_DEFPUSHBUTTON | WS_TABSTOP, IDOK, "Button", "&OK", 102, 133, 50, 14},
        {button, IDCANCEL, "Button", "&Cancel", 168, 133, 50, 14},
    };
    TemplateDialog dialog;
    ASSERT_TRUE(readDialog101(renamer.plugin.module, &dialog));
    EXPECT_EQ(dialog.style,
              static_cast<DWORD>(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT));
    EXPECT_EQ(dialog.exStyle, 0u);
    EXPECT_EQ(dialog.width, 321);
    EXPECT_EQ(dialog.height, 154);
    EXPECT_EQ(dialog.caption, r.caption);
    EXPECT_EQ(dialog.pointSize, 8);
    EXPECT_EQ(dialog.typeface, "MS Sans Serif");
    expectControls(dialog, expected);
}

TEST_P(RenamerDialog, FirstRunIsSwitchedOffUntilTheBoxIsTicked) {
    OwnerWindow owner(60, 40, 700, 500);
    ASSERT_TRUE(renamer.initialize()); // an empty key: the defaults
    int32_t result =
        renamer.open(owner.handle, {[&](HWND dialog) {
                         EXPECT_EQ(windowText(dialog), r.caption);
                         RECT placed = windowRect(dialog);
                         EXPECT_EQ(topLeft(placed), centredOver(windowRect(owner.handle), placed));
                         EXPECT_FALSE(checked(dialog, enableBox));
                         EXPECT_EQ(GetFocus(), item(dialog, enableBox));
                         for (int id : dependents) EXPECT_FALSE(enabled(dialog, id)) << id;
                         for (int id : {enableBox, IDOK, IDCANCEL})
                             EXPECT_TRUE(enabled(dialog, id)) << id;
                         EXPECT_EQ(text(dialog, nameEdit), "%title% - %artist%");
                         EXPECT_EQ(text(dialog, commentEdit), "%duration%");
                         EXPECT_EQ(text(dialog, nameSample), r.sampleName);
                         EXPECT_EQ(text(dialog, commentSample), "1.43MB");

                         click(dialog, enableBox);
                         EXPECT_TRUE(checked(dialog, enableBox));
                         for (int id : dependents) EXPECT_TRUE(enabled(dialog, id)) << id;
                         EXPECT_EQ(text(dialog, nameSample), withArtist("Song Title - "));
                         EXPECT_EQ(text(dialog, commentSample), "3:36");

                         click(dialog, enableBox);
                         for (int id : dependents) EXPECT_FALSE(enabled(dialog, id)) << id;
                         EXPECT_EQ(text(dialog, nameSample), r.sampleName);
                         EXPECT_EQ(text(dialog, commentSample), "1.43MB");
                         click(dialog, IDCANCEL);
                     }});
    EXPECT_EQ(result, 0);
    EXPECT_EQ(storedEnabled(), 0u);
}

TEST_P(RenamerDialog, SwitchedOnItOpensInTheNameEditAndTrackGoesInAtTheCaret) {
    initialize(2); // any non-zero value is on
    int32_t result =
        renamer.open(nullptr, {[&](HWND dialog) {
                         EXPECT_TRUE(checked(dialog, enableBox));
                         EXPECT_EQ(GetFocus(), item(dialog, nameEdit));
                         EXPECT_EQ(text(dialog, nameSample), withArtist("Song Title - "));
                         // Setting the template left the caret at its start.
                         EXPECT_EQ(selection(dialog, nameEdit), (std::pair<DWORD, DWORD>{0, 0}));
                         click(dialog, trackButton);
                         EXPECT_EQ(text(dialog, nameEdit), "%track%%title% - %artist%");
                         EXPECT_EQ(text(dialog, nameSample), withArtist(" 3Song Title - "));
                         EXPECT_EQ(text(dialog, commentEdit), "%duration%");
                         EXPECT_EQ(GetFocus(), item(dialog, nameEdit));
                         EXPECT_EQ(selection(dialog, nameEdit), (std::pair<DWORD, DWORD>{7, 7}));
                         click(dialog, IDOK);
                     }});
    EXPECT_EQ(result, 1);
    EXPECT_STREQ(settings().nameTemplate, "%track%%title% - %artist%");
    EXPECT_EQ(storedEnabled(), 1u);
}

TEST_P(RenamerDialog, InTheCommentOnlyBitrateAndDurationInsert) {
    initialize(1);
    int32_t result = renamer.open(
        nullptr, {[&](HWND dialog) {
            SetFocus(item(dialog, commentEdit)); // the user clicks into the comment
            for (int id : {titleButton, artistButton, albumButton, yearButton, trackButton}) {
                click(dialog, id);
                EXPECT_EQ(text(dialog, commentEdit), "%duration%") << id;
                EXPECT_EQ(text(dialog, nameEdit), "%title% - %artist%") << id;
                EXPECT_EQ(GetFocus(), item(dialog, commentEdit)) << id;
            }
            select(dialog, commentEdit, 0, -1);
            click(dialog, bitrateButton);
            EXPECT_EQ(text(dialog, commentEdit), "%bitrate%");
            EXPECT_EQ(text(dialog, commentSample), "128Kbps");
            EXPECT_EQ(GetFocus(), item(dialog, commentEdit));
            click(dialog, durationButton);
            EXPECT_EQ(text(dialog, commentEdit), "%bitrate%%duration%");
            EXPECT_EQ(text(dialog, commentSample), "128Kbps3:36");
            select(dialog, commentEdit, 0, 9);
            click(dialog, durationButton);
            EXPECT_EQ(text(dialog, commentEdit), "%duration%%duration%");

            // Clicking into the name edit makes it the target again.
            SetFocus(item(dialog, nameEdit));
            select(dialog, nameEdit, 7, 10);
            click(dialog, albumButton);
            EXPECT_EQ(text(dialog, nameEdit), "%title%%album%%artist%");
            EXPECT_EQ(text(dialog, nameSample), withArtist("Song TitleRed Album"));
            EXPECT_EQ(text(dialog, commentEdit), "%duration%%duration%");
            click(dialog, IDOK);
        }});
    EXPECT_EQ(result, 1);
    EXPECT_STREQ(settings().nameTemplate, "%title%%album%%artist%");
    EXPECT_STREQ(settings().commentTemplate, "%duration%%duration%");
}

TEST_P(RenamerDialog, TabbingIntoTheCommentSelectsItAndMakesItTheTarget) {
    initialize(1);
    int32_t result = renamer.open(
        nullptr, {[&](HWND) { pressKey(VK_TAB); },
                  [&](HWND dialog) {
                      EXPECT_EQ(GetFocus(), item(dialog, commentEdit));
                      EXPECT_EQ(selection(dialog, commentEdit), (std::pair<DWORD, DWORD>{0, 10}));
                      click(dialog, bitrateButton);
                      EXPECT_EQ(text(dialog, commentEdit), "%bitrate%");
                      EXPECT_EQ(text(dialog, nameEdit), "%title% - %artist%");
                      click(dialog, IDCANCEL);
                  }});
    EXPECT_EQ(result, 0);
    EXPECT_STREQ(settings().commentTemplate, "%duration%");
}

TEST_P(RenamerDialog, BitrateSamplesDifferBetweenNameAndComment) {
    storeTemplates("[%bitrate%]", "%bitrate%");
    initialize(1);
    renamer.open(nullptr, {[&](HWND dialog) {
                     EXPECT_EQ(text(dialog, nameSample), std::string("[") + r.nameBitrate + "]");
                     EXPECT_EQ(text(dialog, commentSample), "128Kbps");
                     click(dialog, IDCANCEL);
                 }});
}

TEST_P(RenamerDialog, EmptyTemplatesShowTheEntrysOwnTexts) {
    initialize(1);
    int32_t result = renamer.open(nullptr, {[&](HWND dialog) {
                                      for (int edit : {nameEdit, commentEdit}) {
                                          SetFocus(item(dialog, edit));
                                          select(dialog, edit, 0, -1);
                                          type("\b");
                                          EXPECT_EQ(text(dialog, edit), "");
                                      }
                                      EXPECT_EQ(text(dialog, nameSample), r.sampleName);
                                      EXPECT_EQ(text(dialog, commentSample), "1.43MB");
                                      click(dialog, IDOK);
                                  }});
    EXPECT_EQ(result, 1);
    EXPECT_STREQ(settings().nameTemplate, "");
    EXPECT_STREQ(settings().commentTemplate, "");
}

TEST_P(RenamerDialog, SamplesUseTheFirst63CharactersAndOkStoresAll) {
    // 60 characters, then "%artist%" across the 63rd character, then two more: 70 in all.
    const std::string longName = std::string(60, 'a') + "%artist%xx";
    initialize(1);
    int32_t result =
        renamer.open(nullptr, {[&](HWND dialog) {
                         SetFocus(item(dialog, nameEdit));
                         select(dialog, nameEdit, 0, -1);
                         type(longName);
                         EXPECT_EQ(text(dialog, nameEdit), longName);
                         EXPECT_EQ(text(dialog, nameSample), std::string(60, 'a') + "%ar");
                         // A comment sample is not cut to the 15 characters of an entry's comment.
                         SetFocus(item(dialog, commentEdit));
                         select(dialog, commentEdit, 0, -1);
                         type("%title% %album%");
                         EXPECT_EQ(text(dialog, commentSample), "Song Title Red Album");
                         click(dialog, IDOK);
                     }});
    EXPECT_EQ(result, 1);
    EXPECT_EQ(settings().nameTemplate, longName);
    EXPECT_STREQ(settings().commentTemplate, "%title% %album%");
}

TEST_P(RenamerDialog, OkKeepsAt255CharactersOfATemplate) {
    const std::string tooLong(300, 'z');
    initialize(1);
    renamer.open(nullptr, {[&](HWND dialog) {
                     SetFocus(item(dialog, commentEdit));
                     select(dialog, commentEdit, 0, -1);
                     type(tooLong);
                     click(dialog, IDOK);
                 }});
    EXPECT_EQ(settings().commentTemplate, tooLong.substr(0, 255));
    EXPECT_STREQ(settings().nameTemplate, "%title% - %artist%");
}

TEST_P(RenamerDialog, CancelChangesNothingButThePosition) {
    storeTemplates("%album%", "%year%");
    renamer.storePosition(150, 120);
    initialize(1);
    RECT last{};
    int32_t result =
        renamer.open(nullptr, {[&](HWND dialog) {
                         EXPECT_EQ(topLeft(windowRect(dialog)), (POINT{150, 120}));
                         SetFocus(item(dialog, nameEdit));
                         type("x");
                         SetFocus(item(dialog, commentEdit));
                         type("y");
                         click(dialog, enableBox);
                         SetWindowPos(dialog, nullptr, 170, 130, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
                         last = windowRect(dialog);
                         click(dialog, IDCANCEL);
                     }});
    EXPECT_EQ(result, 0);
    EXPECT_STREQ(settings().nameTemplate, "%album%");
    EXPECT_STREQ(settings().commentTemplate, "%year%");
    EXPECT_EQ(storedEnabled(), 1u);
    EXPECT_EQ(renamer.storedPosition(), topLeft(last));
}

TEST_P(RenamerDialog, OkWithTheBoxClearStoresTheTemplatesAsShown) {
    initialize(1);
    int32_t result = renamer.open(nullptr, {[&](HWND dialog) {
                                      SetFocus(item(dialog, nameEdit));
                                      select(dialog, nameEdit, 0, -1);
                                      type("%year% %title%");
                                      click(dialog, enableBox);
                                      EXPECT_FALSE(enabled(dialog, nameEdit));
                                      click(dialog, IDOK);
                                  }});
    EXPECT_EQ(result, 1);
    EXPECT_STREQ(settings().nameTemplate, "%year% %title%");
    EXPECT_STREQ(settings().commentTemplate, "%duration%");
    EXPECT_EQ(storedEnabled(), 0u);
}

TEST_P(RenamerDialog, EscapeAndTheCloseBoxCancelEnterIsOk) {
    struct Case {
        const char *name;
        std::function<void(HWND)> close;
        int32_t result;
    } cases[] = {
        {"Escape", [](HWND) { pressKey(VK_ESCAPE); }, 0},
        {"close box", [](HWND dialog) { clickCloseBox(dialog); }, 0},
        {"Enter", [](HWND) { pressKey(VK_RETURN); }, 1},
    };
    for (const Case &c : cases) {
        initialize(1);
        int32_t result = renamer.open(nullptr, {[&](HWND dialog) {
                                          type("!"); // into the name edit, which has the focus
                                          c.close(dialog);
                                      }});
        EXPECT_EQ(result, c.result) << c.name;
        EXPECT_STREQ(settings().nameTemplate,
                     c.result ? "!%title% - %artist%" : "%title% - %artist%")
            << c.name;
    }
}

INSTANTIATE_TEST_SUITE_P(Renamers, RenamerDialog, ::testing::ValuesIn(renamers),
                         [](const ::testing::TestParamInfo<Renamer> &info) {
                             return std::string(info.param.plugin);
                         });

} // namespace
