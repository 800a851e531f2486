#include "print_json.h"

#include "utf8_escape.h"

#include <cinttypes>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

void appendString(std::string &out, const char *bytes, size_t length) {
    out += '"';
    appendEscaped(out, bytes, length, EscapeStyle::json);
    out += '"';
}

struct Position {
    const FileList *list;
    uint32_t next;
};

bool hasEntries(const FileList *list) {
    return list && list->count > 0 && list->entries;
}

} // namespace

void printJson(std::string &out, const FileList *root, const std::string &directory) {
    out += "{\"path\": ";
    appendString(out, directory.data(), directory.size());
    out += ", \"entries\": [";
    // Each open array on the stack; an entry with children leaves its object open until its
    // listing is done.
    std::vector<Position> stack;
    if (hasEntries(root)) {
        stack.push_back({root, 0});
    } else {
        out += "]}\n";
        return;
    }
    while (!stack.empty()) {
        Position &top = stack.back();
        if (top.next >= top.list->count) {
            stack.pop_back();
            out += '\n';
            out.append(2 * stack.size(), ' ');
            out += ']';
            if (!stack.empty()) out += '}';
            continue;
        }
        const FileEntry &entry = top.list->entries[top.next];
        out += top.next == 0 ? "\n" : ",\n";
        ++top.next;
        out.append(2 * stack.size(), ' ');
        out += "{\"name\": ";
        appendString(out, entry.name, strnlen(entry.name, sizeof entry.name));
        out += ", \"comment\": ";
        appendString(out, entry.comment, strnlen(entry.comment, sizeof entry.comment));
        char number[32];
        snprintf(number, sizeof number, "%" PRId64, entry.size);
        out += ", \"size\": ";
        out += number;
        out += entry.isDirectory ? ", \"isDirectory\": true" : ", \"isDirectory\": false";
        if (!entry.children) {
            out += '}';
        } else if (!hasEntries(entry.children)) {
            out += ", \"children\": []}";
        } else {
            out += ", \"children\": [";
            stack.push_back({entry.children, 0});
        }
    }
    out += "}\n";
}
