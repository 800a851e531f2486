#include "print_text.h"

#include "utf8_escape.h"

#include <cstring>
#include <vector>

namespace {

#if defined(_WIN32)
const char separator = '\\';
#else
const char separator = '/';
#endif

struct Position {
    const FileList *list;
    uint32_t next;
};

} // namespace

void printText(std::string &out, const FileList *root, const std::string &directory) {
    appendEscaped(out, directory.data(), directory.size(), EscapeStyle::message);
    out += '\n';
    // Depth first, parent before children, with an explicit stack so that depth costs no stack.
    std::vector<Position> stack;
    if (root) stack.push_back({root, 0});
    while (!stack.empty()) {
        Position &top = stack.back();
        if (top.next >= top.list->count || !top.list->entries) {
            stack.pop_back();
            continue;
        }
        const FileEntry &entry = top.list->entries[top.next++];
        out.append(2 * stack.size(), ' ');
        appendEscaped(out, entry.name, strnlen(entry.name, sizeof entry.name), EscapeStyle::text);
        if (entry.isDirectory) out += separator;
        size_t commentLength = strnlen(entry.comment, sizeof entry.comment);
        if (commentLength > 0) {
            out += "  ";
            appendEscaped(out, entry.comment, commentLength, EscapeStyle::text);
        }
        out += '\n';
        if (entry.children) stack.push_back({entry.children, 0});
    }
}
