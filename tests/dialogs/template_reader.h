// Reads a plug-in's dialog template 101 back out of the loaded module, as the platform's
// resource calls deliver it: the bytes that the resource compiler made on Windows, or that
// the POSIX build generated from the same .rc file. Layout of DLGTEMPLATEEX: WORD 1, WORD
// 0xFFFF, DWORD help id, DWORD extended style, DWORD style, WORD number of items, short x, y,
// cx, cy, then menu, class and caption (0x0000 none, 0xFFFF and a WORD, or UTF-16 text), and
// with DS_SETFONT WORD points, WORD weight, BYTE italic, BYTE character set and the typeface.
// Each item, DWORD-aligned: DWORD help id, DWORD extended style, DWORD style, short x, y, cx,
// cy, DWORD id, class and text as above, WORD size of creation data and the data.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

struct TemplateControl {
    DWORD style = 0;
    DWORD id = 0;
    std::string kind; // "Button", "Edit" or "Static" (by number or by name)
    std::string text;
    int x = 0, y = 0, width = 0, height = 0;
};

struct TemplateDialog {
    DWORD style = 0;
    DWORD exStyle = 0;
    int width = 0, height = 0;
    std::string caption;
    int pointSize = 0;
    std::string typeface;
    std::vector<TemplateControl> controls;
};

class TemplateBytes {
  public:
    TemplateBytes(const BYTE *bytes, size_t size) : bytes_(bytes), size_(size) {}
    bool ok = true;
    WORD word() {
        if (offset_ + 2 > size_) {
            ok = false;
            return 0;
        }
        WORD value = static_cast<WORD>(bytes_[offset_] | bytes_[offset_ + 1] << 8);
        offset_ += 2;
        return value;
    }
    DWORD dword() {
        DWORD low = word();
        return low | static_cast<DWORD>(word()) << 16;
    }
    int coordinate() { return static_cast<short>(word()); }
    std::string text() {
        std::string result;
        for (WORD unit = word(); ok && unit != 0; unit = word()) {
            result.push_back(unit < 0x80 ? static_cast<char>(unit) : '?');
        }
        return result;
    }
    // 0x0000: none; 0xFFFF: a number; else text.
    std::string textOrNumber(WORD *number) {
        *number = 0;
        size_t at = offset_;
        WORD first = word();
        if (first == 0) return std::string();
        if (first == 0xFFFF) {
            *number = word();
            return std::string();
        }
        offset_ = at;
        return text();
    }
    void align() { offset_ = (offset_ + 3) & ~static_cast<size_t>(3); }
    void skip(size_t count) { offset_ += count; }

  private:
    const BYTE *bytes_;
    size_t size_;
    size_t offset_ = 0;
};

inline std::string controlKind(WORD atom, const std::string &name) {
    std::string lower;
    for (char c : name) lower.push_back(static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c));
    if (atom == 0x80 || lower == "button") return "Button";
    if (atom == 0x81 || lower == "edit") return "Edit";
    if (atom == 0x82 || lower == "static") return "Static";
    return "other: " + name;
}

// Dialog 101 of the module, in US English; false when it is missing or not a DLGTEMPLATEEX.
inline bool readDialog101(HMODULE module, TemplateDialog *dialog) {
    HRSRC resource = FindResourceExA(module, RT_DIALOG, MAKEINTRESOURCEA(101),
                                     MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US));
    if (!resource) return false;
    const BYTE *bytes = static_cast<const BYTE *>(LockResource(LoadResource(module, resource)));
    TemplateBytes in(bytes, SizeofResource(module, resource));
    if (!bytes || in.word() != 1 || in.word() != 0xFFFF) return false;
    in.dword(); // help id
    dialog->exStyle = in.dword();
    dialog->style = in.dword();
    WORD count = in.word();
    in.coordinate();
    in.coordinate();
    dialog->width = in.coordinate();
    dialog->height = in.coordinate();
    WORD number;
    in.textOrNumber(&number); // menu
    in.textOrNumber(&number); // class
    dialog->caption = in.textOrNumber(&number);
    if (dialog->style & DS_SETFONT) {
        dialog->pointSize = in.word();
        in.word();
        in.word(); // italic and character set
        dialog->typeface = in.text();
    }
    for (WORD i = 0; i < count && in.ok; ++i) {
        in.align();
        TemplateControl control;
        in.dword(); // help id
        in.dword(); // extended style
        control.style = in.dword();
        control.x = in.coordinate();
        control.y = in.coordinate();
        control.width = in.coordinate();
        control.height = in.coordinate();
        control.id = in.dword();
        WORD atom;
        std::string name = in.textOrNumber(&atom);
        control.kind = controlKind(atom, name);
        control.text = in.textOrNumber(&number);
        in.skip(in.word());
        dialog->controls.push_back(control);
    }
    return in.ok;
}

// Compares the template's controls with the expected ones, control by control in template
// order (which is also the tab order).
template <size_t count>
void expectControls(const TemplateDialog &dialog, const TemplateControl (&expected)[count]) {
    ASSERT_EQ(dialog.controls.size(), count);
    for (size_t i = 0; i < count; ++i) {
        const TemplateControl &want = expected[i];
        const TemplateControl &got = dialog.controls[i];
        SCOPED_TRACE("control " + std::to_string(i + 1) + ", id " + std::to_string(want.id));
        EXPECT_EQ(got.id, want.id);
        EXPECT_EQ(got.kind, want.kind);
        EXPECT_EQ(got.text, want.text);
        EXPECT_EQ(got.style, want.style);
        EXPECT_EQ((std::vector<int>{got.x, got.y, got.width, got.height}),
                  (std::vector<int>{want.x, want.y, want.width, want.height}));
    }
}
