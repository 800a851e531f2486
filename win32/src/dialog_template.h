// A dialog template read from the platform's binary formats, DLGTEMPLATEEX (the "extended"
// template that DIALOGEX makes) and DLGTEMPLATE (DIALOG).
#pragma once

#include <windows.h>

#include <string>
#include <vector>

struct W32DialogItem {
    DWORD helpId = 0;
    DWORD exStyle = 0;
    DWORD style = 0;
    int x = 0, y = 0, width = 0, height = 0; // dialog units
    DWORD id = 0;
    WORD classAtom = 0;    // 0x0080 button, 0x0081 edit, 0x0082 static, ...; 0 when named
    std::string className; // when the class is given by name
    std::string text;      // empty when the title is a resource number
};

struct W32DialogTemplate {
    bool extended = false;
    DWORD helpId = 0;
    DWORD exStyle = 0;
    DWORD style = 0;
    int x = 0, y = 0, width = 0, height = 0; // dialog units
    std::string title;
    WORD pointSize = 0; // with DS_SETFONT
    std::string typeface;
    std::vector<W32DialogItem> items;
};

// Reads `size` bytes of template. False when the bytes are not a whole template: nothing is
// read outside them.
bool w32ReadDialogTemplate(const void *bytes, size_t size, W32DialogTemplate *dialog);
