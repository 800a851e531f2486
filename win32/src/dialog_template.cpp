// Reading the binary dialog templates. Layout, all numbers little-endian:
//
// DLGTEMPLATEEX: WORD dlgVer (1), WORD signature (0xFFFF), DWORD helpID, DWORD exStyle,
//   DWORD style, WORD cDlgItems, short x, y, cx, cy; then menu, windowClass and title, each
//   "sz_Or_Ord" (0x0000: none; 0xFFFF and a WORD: a number; else a NUL-terminated UTF-16
//   string); with DS_SETFONT or DS_SHELLFONT: WORD pointsize, WORD weight, BYTE italic,
//   BYTE charset, typeface (UTF-16 string). Each item starts on a DWORD boundary:
//   DWORD helpID, DWORD exStyle, DWORD style, short x, y, cx, cy, DWORD id, windowClass and
//   title (sz_Or_Ord), WORD extraCount and that many bytes of creation data.
// DLGTEMPLATE: DWORD style, DWORD dwExtendedStyle, WORD cdit, short x, y, cx, cy; menu, class,
//   title; with DS_SETFONT: WORD pointsize, typeface. Each item on a DWORD boundary: DWORD
//   style, DWORD dwExtendedStyle, short x, y, cx, cy, WORD id, class, title, WORD extraCount
//   and the creation data.
#include "dialog_template.h"

namespace {

class Reader {
  public:
    Reader(const unsigned char *bytes, size_t size) : bytes_(bytes), size_(size) {}

    bool ok() const { return ok_; }
    size_t offset() const { return offset_; }

    WORD word() {
        if (!need(2)) return 0;
        WORD value = static_cast<WORD>(bytes_[offset_] | bytes_[offset_ + 1] << 8);
        offset_ += 2;
        return value;
    }
    DWORD dword() {
        DWORD low = word();
        return low | static_cast<DWORD>(word()) << 16;
    }
    int coordinate() { return static_cast<short>(word()); }
    BYTE byte() {
        if (!need(1)) return 0;
        return bytes_[offset_++];
    }
    void skip(size_t count) {
        if (need(count)) offset_ += count;
    }
    void alignToDword() {
        size_t aligned = (offset_ + 3) & ~static_cast<size_t>(3);
        // The last item may end the data without padding.
        offset_ = aligned <= size_ ? aligned : size_;
    }
    // A NUL-terminated UTF-16 string; each code unit below 256 is one byte of 8-bit text.
    std::string string() {
        std::string text;
        for (;;) {
            WORD unit = word();
            if (!ok_ || unit == 0) break;
            text.push_back(unit < 0x100 ? static_cast<char>(unit) : '?');
        }
        return text;
    }
    // sz_Or_Ord: a number goes to *number (0 for none), a string to *text.
    void stringOrNumber(WORD *number, std::string *text) {
        *number = 0;
        text->clear();
        if (!need(2)) return;
        WORD first = static_cast<WORD>(bytes_[offset_] | bytes_[offset_ + 1] << 8);
        if (first == 0x0000) {
            offset_ += 2;
        } else if (first == 0xFFFF) {
            offset_ += 2;
            *number = word();
        } else {
            *text = string();
        }
    }

  private:
    bool need(size_t count) {
        if (!ok_ || size_ - offset_ < count) {
            ok_ = false;
            return false;
        }
        return true;
    }

    const unsigned char *bytes_;
    size_t size_;
    size_t offset_ = 0;
    bool ok_ = true;
};

} // namespace

bool w32ReadDialogTemplate(const void *data, size_t size, W32DialogTemplate *dialog) {
    *dialog = W32DialogTemplate();
    Reader in(static_cast<const unsigned char *>(data), size);
    WORD version = in.word();
    WORD signature = in.word();
    dialog->extended = version == 1 && signature == 0xFFFF;
    WORD count = 0;
    if (dialog->extended) {
        dialog->helpId = in.dword();
        dialog->exStyle = in.dword();
        dialog->style = in.dword();
    } else {
        dialog->style = version | static_cast<DWORD>(signature) << 16;
        dialog->exStyle = in.dword();
    }
    count = in.word();
    dialog->x = in.coordinate();
    dialog->y = in.coordinate();
    dialog->width = in.coordinate();
    dialog->height = in.coordinate();
    WORD number = 0;
    std::string ignored;
    in.stringOrNumber(&number, &ignored); // menu: dialogs here have none
    in.stringOrNumber(&number, &ignored); // window class: the dialog class
    in.stringOrNumber(&number, &dialog->title);
    if (dialog->style & (DS_SETFONT | DS_FIXEDSYS)) {
        dialog->pointSize = in.word();
        if (dialog->extended) {
            in.word(); // weight
            in.byte(); // italic
            in.byte(); // character set
        }
        dialog->typeface = in.string();
    }
    for (WORD i = 0; i < count && in.ok(); ++i) {
        in.alignToDword();
        W32DialogItem item;
        if (dialog->extended) {
            item.helpId = in.dword();
            item.exStyle = in.dword();
            item.style = in.dword();
        } else {
            item.style = in.dword();
            item.exStyle = in.dword();
        }
        item.x = in.coordinate();
        item.y = in.coordinate();
        item.width = in.coordinate();
        item.height = in.coordinate();
        item.id = dialog->extended ? in.dword() : in.word();
        in.stringOrNumber(&item.classAtom, &item.className);
        WORD titleNumber = 0;
        in.stringOrNumber(&titleNumber, &item.text);
        WORD extra = in.word();
        in.skip(extra);
        dialog->items.push_back(item);
    }
    return in.ok();
}
