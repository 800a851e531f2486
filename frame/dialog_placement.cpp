#include "dialog_placement.h"

namespace {

// The 100 pixels that a restored dialog keeps inside the screen's right and bottom edges.
const int32_t screenMargin = 100;

int32_t limitToScreen(int32_t coordinate, int32_t screenExtent) {
    if (screenExtent - screenMargin < coordinate) coordinate = screenExtent - screenMargin;
    if (coordinate <= 0) coordinate = 0;
    return coordinate;
}

void moveDialog(HWND dialog, int32_t x, int32_t y) {
    SetWindowPos(dialog, nullptr, x, y, 0, 0, SWP_NOSIZE);
}

} // namespace

void placeDialog(WindowPosition &position, HWND dialog) {
    if (position.x == 0 || position.y == 0) {
        centerOverParent(dialog);
        return;
    }
    HDC display = CreateICA("DISPLAY", "", "", nullptr);
    int32_t width = display ? GetDeviceCaps(display, HORZRES) : 0;
    int32_t height = display ? GetDeviceCaps(display, VERTRES) : 0;
    if (display) DeleteDC(display);
    if (width <= 0 || height <= 0) {
        // Without the screen's size the saved corner cannot be kept on the screen; the owner
        // is where the user is looking. The saved position stays for the next opening.
        centerOverParent(dialog);
        return;
    }
    position.x = limitToScreen(position.x, width);
    position.y = limitToScreen(position.y, height);
    moveDialog(dialog, position.x, position.y);
}

void centerOverParent(HWND dialog) {
    HWND owner = GetParent(dialog);
    if (!owner) owner = GetDesktopWindow();
    RECT ownerRect{};
    RECT dialogRect{};
    GetWindowRect(owner, &ownerRect);
    GetWindowRect(dialog, &dialogRect);
    int32_t dialogWidth = dialogRect.right - dialogRect.left;
    int32_t dialogHeight = dialogRect.bottom - dialogRect.top;
    int32_t ownerWidth = ownerRect.right - ownerRect.left;
    int32_t ownerHeight = ownerRect.bottom - ownerRect.top;
    // Integer division truncates toward zero: a difference of -7 gives -3.
    moveDialog(dialog, ownerRect.left + (ownerWidth - dialogWidth) / 2,
               ownerRect.top + (ownerHeight - dialogHeight) / 2);
}

void saveDialogPosition(WindowPosition &position, HWND dialog) {
    // Should the window be gone, the position stays as it was.
    RECT rect{position.x, position.y, position.x, position.y};
    GetWindowRect(dialog, &rect);
    position.x = rect.left;
    position.y = rect.top;
}
