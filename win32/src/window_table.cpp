// The table of windows: creation, destruction, lookup by handle, the relations between
// windows and the fields that GetWindowLongPtrA reads.
#include "window_table.h"

#include <algorithm>
#include <map>
#include <memory>

namespace {

struct WindowTable {
    std::map<uintptr_t, std::unique_ptr<W32Window>> windows;
    uintptr_t nextHandle = 0x10010;
    HWND desktop = nullptr;
};

// Never destroyed: modules that are unloaded at exit may still destroy their windows.
WindowTable &table() {
    static WindowTable *windows = new WindowTable;
    return *windows;
}

HWND newHandle() {
    uintptr_t value = table().nextHandle;
    table().nextHandle += 4;
    return reinterpret_cast<HWND>(value);
}

void unlinkFromParent(W32Window &window) {
    if (!(window.style & WS_CHILD)) return;
    W32Window *parent = w32Window(window.parent);
    if (!parent) return;
    std::vector<HWND> &siblings = parent->children;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), window.handle), siblings.end());
}

// WM_DESTROY goes to a window before its children, WM_NCDESTROY after them.
void destroyTree(HWND handle) {
    if (!w32Window(handle)) return;
    w32CallCbtHook(HCBT_DESTROYWND, reinterpret_cast<WPARAM>(handle), 0);
    SendMessageA(handle, WM_DESTROY, 0, 0);
    W32Window *window = w32Window(handle);
    if (!window) return;
    std::vector<HWND> children = window->children;
    for (HWND child : children) destroyTree(child);
    SendMessageA(handle, WM_NCDESTROY, 0, 0);
    window = w32Window(handle);
    if (!window) return;
    w32ForgetWindow(handle);
    w32KillWindowTimers(handle);
    w32DropWindowMessages(handle);
    unlinkFromParent(*window);
    bool visible = (window->style & WS_VISIBLE) != 0;
    HWND parent = window->parent;
    table().windows.erase(reinterpret_cast<uintptr_t>(handle));
    if (visible) w32WindowChanged(parent);
}

} // namespace

W32Window *w32Window(HWND handle) {
    if (!handle) return nullptr;
    auto found = table().windows.find(reinterpret_cast<uintptr_t>(handle));
    return found == table().windows.end() ? nullptr : found->second.get();
}

const char *w32ClassName(W32Kind kind) {
    switch (kind) {
    case W32Kind::Desktop:
        return "#32769";
    case W32Kind::Dialog:
        return "#32770";
    case W32Kind::Button:
        return "Button";
    case W32Kind::Static:
        return "Static";
    case W32Kind::Edit:
        return "Edit";
    }
    return "";
}

HWND w32CreateWindow(W32Kind kind, DWORD exStyle, DWORD style, const char *text, int id,
                     const RECT &rect, HWND parent, HINSTANCE instance, LPVOID param) {
    std::unique_ptr<W32Window> window(new W32Window);
    window->handle = newHandle();
    window->kind = kind;
    switch (kind) {
    case W32Kind::Desktop:
        window->proc = DefWindowProcA;
        break;
    case W32Kind::Dialog:
        window->proc = w32DialogProc;
        break;
    case W32Kind::Button:
        window->proc = w32ButtonProc;
        break;
    case W32Kind::Static:
        window->proc = w32StaticProc;
        break;
    case W32Kind::Edit:
        window->proc = w32EditProc;
        break;
    }
    window->exStyle = exStyle;
    window->style = style;
    window->id = id;
    window->instance = instance;
    window->parent = parent;
    window->rect = rect;
    window->text = text ? text : "";
    HWND handle = window->handle;
    table().windows[reinterpret_cast<uintptr_t>(handle)] = std::move(window);

    CREATESTRUCTA create{};
    create.lpCreateParams = param;
    create.hInstance = instance;
    create.hwndParent = parent;
    create.x = rect.left;
    create.y = rect.top;
    create.cx = rect.right - rect.left;
    create.cy = rect.bottom - rect.top;
    create.style = static_cast<LONG>(style);
    create.lpszName = text;
    create.lpszClass = w32ClassName(kind);
    create.dwExStyle = exStyle;
    CBT_CREATEWNDA cbt{&create, nullptr};
    if (w32CallCbtHook(HCBT_CREATEWND, reinterpret_cast<WPARAM>(handle),
                       reinterpret_cast<LPARAM>(&cbt)) != 0) {
        table().windows.erase(reinterpret_cast<uintptr_t>(handle));
        return nullptr;
    }
    if (style & WS_CHILD) {
        W32Window *parentWindow = w32Window(parent);
        if (parentWindow) parentWindow->children.push_back(handle);
    }
    if (!SendMessageA(handle, WM_NCCREATE, 0, reinterpret_cast<LPARAM>(&create)) ||
        SendMessageA(handle, WM_CREATE, 0, reinterpret_cast<LPARAM>(&create)) == -1) {
        DestroyWindow(handle);
        return nullptr;
    }
    w32WindowChanged(handle);
    return handle;
}

HWND GetDesktopWindow(void) {
    if (!table().desktop) {
        int width, height;
        w32ScreenSize(&width, &height);
        table().desktop = w32CreateWindow(W32Kind::Desktop, 0, WS_VISIBLE | WS_CLIPCHILDREN, "", 0,
                                          RECT{0, 0, width, height}, nullptr, nullptr, nullptr);
    }
    return table().desktop;
}

BOOL IsWindow(HWND window) {
    return w32Window(window) != nullptr;
}

BOOL DestroyWindow(HWND handle) {
    W32Window *window = w32Window(handle);
    if (!window || window->kind == W32Kind::Desktop) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return FALSE;
    }
    if (window->style & WS_VISIBLE) ShowWindow(handle, SW_HIDE);
    // The windows that a top-level window owns go with it.
    if (!(window->style & WS_CHILD)) {
        std::vector<HWND> owned;
        for (auto &entry : table().windows) {
            const W32Window &other = *entry.second;
            if (!(other.style & WS_CHILD) && other.parent == handle) owned.push_back(other.handle);
        }
        for (HWND other : owned) DestroyWindow(other);
    }
    destroyTree(handle);
    return TRUE;
}

bool w32IsSelfOrDescendant(HWND ancestor, HWND handle) {
    for (W32Window *window = w32Window(handle); window; window = w32Window(window->parent)) {
        if (window->handle == ancestor) return true;
        if (!(window->style & WS_CHILD)) break;
    }
    return false;
}

HWND w32TopLevel(HWND handle) {
    W32Window *window = w32Window(handle);
    while (window && (window->style & WS_CHILD)) {
        W32Window *parent = w32Window(window->parent);
        if (!parent) break;
        window = parent;
    }
    return window ? window->handle : nullptr;
}

BOOL IsChild(HWND parent, HWND handle) {
    return handle != parent && w32IsSelfOrDescendant(parent, handle);
}

HWND GetParent(HWND handle) {
    W32Window *window = w32Window(handle);
    if (!window) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return nullptr;
    }
    // A child's parent; a pop-up window's owner; nothing for other top-level windows.
    if ((window->style & WS_CHILD) || (window->style & WS_POPUP)) return window->parent;
    return nullptr;
}

HWND GetWindow(HWND handle, UINT relation) {
    W32Window *window = w32Window(handle);
    if (!window) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return nullptr;
    }
    if (relation == GW_CHILD) return window->children.empty() ? nullptr : window->children[0];
    if (relation == GW_OWNER) return (window->style & WS_CHILD) ? nullptr : window->parent;
    // Siblings: only among the children of one parent.
    W32Window *parent = (window->style & WS_CHILD) ? w32Window(window->parent) : nullptr;
    if (!parent) return nullptr;
    const std::vector<HWND> &siblings = parent->children;
    auto at = std::find(siblings.begin(), siblings.end(), handle);
    switch (relation) {
    case GW_HWNDFIRST:
        return siblings.front();
    case GW_HWNDLAST:
        return siblings.back();
    case GW_HWNDNEXT:
        return at + 1 < siblings.end() ? *(at + 1) : nullptr;
    case GW_HWNDPREV:
        return at > siblings.begin() ? *(at - 1) : nullptr;
    }
    return nullptr;
}

int GetClassNameA(HWND handle, LPSTR className, int size) {
    W32Window *window = w32Window(handle);
    if (!window || !className || size <= 0) {
        SetLastError(window ? ERROR_INSUFFICIENT_BUFFER : ERROR_INVALID_WINDOW_HANDLE);
        return 0;
    }
    std::string name = w32ClassName(window->kind);
    size_t length = std::min(name.size(), static_cast<size_t>(size - 1));
    name.copy(className, length);
    className[length] = '\0';
    return static_cast<int>(length);
}

LONG_PTR GetWindowLongPtrA(HWND handle, int index) {
    W32Window *window = w32Window(handle);
    if (!window) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return 0;
    }
    switch (index) {
    case GWL_STYLE:
        return static_cast<LONG>(window->style);
    case GWL_EXSTYLE:
        return static_cast<LONG>(window->exStyle);
    case GWLP_ID:
        return window->id;
    case GWLP_USERDATA:
        return window->userData;
    case GWLP_HINSTANCE:
        return reinterpret_cast<LONG_PTR>(window->instance);
    case GWLP_HWNDPARENT:
        return reinterpret_cast<LONG_PTR>(window->parent);
    case GWLP_WNDPROC:
        return reinterpret_cast<LONG_PTR>(window->proc);
    }
    if (window->kind == W32Kind::Dialog) {
        if (index == DWLP_MSGRESULT) return window->msgResult;
        if (index == DWLP_DLGPROC) return reinterpret_cast<LONG_PTR>(window->dialogProc);
        if (index == DWLP_USER) return window->dialogUser;
    }
    SetLastError(ERROR_INVALID_INDEX);
    return 0;
}

LONG GetWindowLongA(HWND handle, int index) {
    return static_cast<LONG>(GetWindowLongPtrA(handle, index));
}

LONG_PTR SetWindowLongPtrA(HWND handle, int index, LONG_PTR value) {
    W32Window *window = w32Window(handle);
    if (!window) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return 0;
    }
    LONG_PTR previous = GetWindowLongPtrA(handle, index);
    switch (index) {
    case GWL_STYLE:
        window->style = static_cast<DWORD>(value);
        break;
    case GWL_EXSTYLE:
        window->exStyle = static_cast<DWORD>(value);
        break;
    case GWLP_ID:
        window->id = static_cast<int>(value);
        break;
    case GWLP_USERDATA:
        window->userData = value;
        break;
    default:
        if (window->kind == W32Kind::Dialog && index == DWLP_MSGRESULT) {
            window->msgResult = value;
        } else if (window->kind == W32Kind::Dialog && index == DWLP_DLGPROC) {
            window->dialogProc = reinterpret_cast<DLGPROC>(value);
        } else if (window->kind == W32Kind::Dialog && index == DWLP_USER) {
            window->dialogUser = value;
        } else {
            // Window procedures cannot be replaced: the subset has no CallWindowProcA.
            SetLastError(ERROR_INVALID_INDEX);
            return 0;
        }
    }
    w32WindowChanged(handle);
    return previous;
}

void w32NotifyParent(HWND control, WORD code) {
    W32Window *window = w32Window(control);
    if (!window || !(window->style & WS_CHILD)) return;
    SendMessageA(window->parent, WM_COMMAND, MAKEWPARAM(window->id, code),
                 reinterpret_cast<LPARAM>(control));
}
