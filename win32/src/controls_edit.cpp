// The "Edit" class, single-line: a text with a selection that runs from an anchor to the
// caret. The selection stays while the edit does not have the focus. Every change of the
// text, whether typed, replaced (EM_REPLACESEL) or set (WM_SETTEXT), sends EN_UPDATE and then
// EN_CHANGE to the parent; gaining and losing the focus send EN_SETFOCUS and EN_KILLFOCUS.
#include "window_table.h"

#include <ctype.h>

#include <algorithm>

namespace {

size_t selectionStart(const W32Window &edit) {
    return std::min(edit.anchor, edit.caret);
}

size_t selectionEnd(const W32Window &edit) {
    return std::max(edit.anchor, edit.caret);
}

void notifyTextChanged(HWND handle) {
    w32WindowChanged(handle);
    w32NotifyParent(handle, EN_UPDATE);
    w32NotifyParent(handle, EN_CHANGE);
}

// Replaces the selection with `text`, as far as the text limit allows; the caret follows the
// inserted text. EN_MAXTEXT follows when the limit cut the insertion.
void replaceSelection(HWND handle, const std::string &text) {
    W32Window *edit = w32Window(handle);
    if (!edit) return;
    size_t start = selectionStart(*edit);
    size_t end = selectionEnd(*edit);
    size_t kept = edit->text.size() - (end - start);
    size_t room = edit->limit > kept ? edit->limit - kept : 0;
    std::string inserted = text.substr(0, room);
    bool cut = inserted.size() < text.size();
    bool changed = end > start || !inserted.empty();
    edit->text.replace(start, end - start, inserted);
    edit->anchor = edit->caret = start + inserted.size();
    if (changed) {
        notifyTextChanged(handle);
    } else {
        w32WindowChanged(handle);
    }
    if (cut) w32NotifyParent(handle, EN_MAXTEXT);
}

void moveCaret(W32Window &edit, size_t position) {
    edit.anchor = edit.caret = std::min(position, edit.text.size());
    w32WindowChanged(edit.handle);
}

void typeCharacter(HWND handle, unsigned char character) {
    W32Window *edit = w32Window(handle);
    if (!edit || (edit->style & ES_READONLY)) return;
    if (character == VK_BACK) {
        if (edit->anchor == edit->caret) {
            if (edit->caret == 0) return;
            edit->anchor = edit->caret - 1;
        }
        replaceSelection(handle, std::string());
        return;
    }
    // Other control characters (Enter, Escape, Tab) type nothing into a single-line edit.
    if (character < 0x20 || character == 0x7F) return;
    if (edit->style & ES_UPPERCASE) character = static_cast<unsigned char>(toupper(character));
    if (edit->style & ES_LOWERCASE) character = static_cast<unsigned char>(tolower(character));
    replaceSelection(handle, std::string(1, static_cast<char>(character)));
}

void pressKey(HWND handle, WPARAM key) {
    W32Window *edit = w32Window(handle);
    if (!edit) return;
    size_t start = selectionStart(*edit);
    size_t end = selectionEnd(*edit);
    switch (key) {
    case VK_LEFT:
        moveCaret(*edit, start < end ? start : (start > 0 ? start - 1 : 0));
        break;
    case VK_RIGHT:
        moveCaret(*edit, start < end ? end : end + 1);
        break;
    case VK_HOME:
        moveCaret(*edit, 0);
        break;
    case VK_END:
        moveCaret(*edit, edit->text.size());
        break;
    case VK_DELETE:
        if (edit->style & ES_READONLY) break;
        if (start == end) {
            if (end == edit->text.size()) break;
            edit->anchor = start;
            edit->caret = end + 1;
        }
        replaceSelection(handle, std::string());
        break;
    }
}

} // namespace

LRESULT CALLBACK w32EditProc(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
    W32Window *edit = w32Window(handle);
    if (!edit) return 0;
    switch (message) {
    case WM_GETDLGCODE:
        return DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS;
    case WM_SETTEXT:
        // Not bound by the text limit, which holds for what the user types.
        edit->text = lParam ? reinterpret_cast<const char *>(lParam) : "";
        edit->anchor = edit->caret = 0;
        notifyTextChanged(handle);
        return TRUE;
    case EM_GETSEL: {
        size_t start = selectionStart(*edit);
        size_t end = selectionEnd(*edit);
        if (wParam) *reinterpret_cast<DWORD *>(wParam) = static_cast<DWORD>(start);
        if (lParam) *reinterpret_cast<DWORD *>(lParam) = static_cast<DWORD>(end);
        if (start > 0xFFFF || end > 0xFFFF) return -1;
        return MAKELRESULT(start, end);
    }
    case EM_SETSEL: {
        // A start of -1 removes the selection and leaves the caret; an end of -1 (or past the
        // text) is the end of the text. The start is the anchor, the end the caret.
        INT start = static_cast<INT>(wParam);
        INT end = static_cast<INT>(lParam);
        size_t length = edit->text.size();
        if (start < 0) {
            edit->anchor = edit->caret;
        } else {
            edit->anchor = std::min(static_cast<size_t>(start), length);
            edit->caret = end < 0 ? length : std::min(static_cast<size_t>(end), length);
        }
        w32WindowChanged(handle);
        return 0;
    }
    case EM_REPLACESEL:
        replaceSelection(handle, lParam ? reinterpret_cast<const char *>(lParam) : "");
        return 0;
    case EM_SETLIMITTEXT:
        edit->limit = wParam == 0 ? 0x7FFFFFFE : static_cast<size_t>(wParam);
        return 0;
    case EM_GETLIMITTEXT:
        return static_cast<LRESULT>(edit->limit);
    case WM_CHAR:
        typeCharacter(handle, static_cast<unsigned char>(wParam));
        return 0;
    case WM_KEYDOWN:
        pressKey(handle, wParam);
        return 0;
    case WM_SETFOCUS:
        w32WindowChanged(handle);
        w32NotifyParent(handle, EN_SETFOCUS);
        return 0;
    case WM_KILLFOCUS:
        w32WindowChanged(handle);
        w32NotifyParent(handle, EN_KILLFOCUS);
        return 0;
    case WM_LBUTTONDOWN:
        SetFocus(handle);
        return 0;
    }
    return DefWindowProcA(handle, message, wParam, lParam);
}
