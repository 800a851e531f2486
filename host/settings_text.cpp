#include "settings_text.h"

#include <cstdio>
#include <cstring>

namespace {

const char header[] = "Windows Registry Editor Version 5.00";
const char oldHeader[] = "REGEDIT4";
const char rootName[] = "HKEY_CURRENT_USER";
// A hex list is wrapped before a line would pass this many characters, its trailing
// backslash included, as exports keep their lines within 80 columns.
const size_t wrapColumn = 79;

bool isSpace(char c) {
    return c == ' ' || c == '\t';
}

std::string trimmed(const std::string &s) {
    size_t begin = 0, end = s.size();
    while (begin < end && isSpace(s[begin])) ++begin;
    while (end > begin && isSpace(s[end - 1])) --end;
    return s.substr(begin, end - begin);
}

bool startsWithNoCase(const std::string &s, const char *prefix) {
    size_t length = std::strlen(prefix);
    if (s.size() < length) return false;
    for (size_t i = 0; i < length; ++i) {
        char a = s[i], b = prefix[i];
        if (a >= 'A' && a <= 'Z') a = static_cast<char>(a - 'A' + 'a');
        if (b >= 'A' && b <= 'Z') b = static_cast<char>(b - 'A' + 'a');
        if (a != b) return false;
    }
    return true;
}

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Parses 1 to maxDigits hex digits making up all of s.
bool parseHexNumber(const std::string &s, size_t maxDigits, unsigned long *value) {
    if (s.empty() || s.size() > maxDigits) return false;
    unsigned long result = 0;
    for (char c : s) {
        int digit = hexDigit(c);
        if (digit < 0) return false;
        result = result * 16 + static_cast<unsigned long>(digit);
    }
    *value = result;
    return true;
}

bool parseHexList(const std::string &list, std::vector<BYTE> *bytes, std::string *error) {
    bytes->clear();
    std::string rest = trimmed(list);
    if (rest.empty()) return true;
    size_t at = 0;
    for (;;) {
        size_t comma = rest.find(',', at);
        std::string item =
            trimmed(rest.substr(at, comma == std::string::npos ? comma : comma - at));
        // A trailing comma (as after a joined continuation) ends the list.
        if (item.empty() && comma == std::string::npos && !bytes->empty()) return true;
        unsigned long byte = 0;
        if (!parseHexNumber(item, 2, &byte)) {
            *error = "bad hex byte \"" + item + "\"";
            return false;
        }
        bytes->push_back(static_cast<BYTE>(byte));
        if (comma == std::string::npos) return true;
        at = comma + 1;
    }
}

// Reads a quoted text starting at s[*at] == '"', with the escapes \" and \\; leaves *at after
// the closing quote.
bool parseQuoted(const std::string &s, size_t *at, std::string *text, std::string *error) {
    text->clear();
    size_t i = *at + 1;
    while (i < s.size()) {
        char c = s[i];
        if (c == '"') {
            *at = i + 1;
            return true;
        }
        if (c == '\\') {
            if (i + 1 >= s.size() || (s[i + 1] != '\\' && s[i + 1] != '"')) {
                *error = "bad escape in a quoted text (only \\\" and \\\\ are escapes)";
                return false;
            }
            c = s[i + 1];
            ++i;
        }
        *text += c;
        ++i;
    }
    *error = "quoted text without its closing quote";
    return false;
}

void appendQuoted(std::string &out, const std::string &text) {
    out += '"';
    for (char c : text) {
        if (c == '"' || c == '\\') out += '\\';
        out += c;
    }
    out += '"';
}

// A REG_SZ that "text" holds exactly: the text's bytes and one final NUL, and nothing in the
// text that a quoted text cannot carry on one line.
bool fitsQuotedText(const RegistryValue &value) {
    if (value.type != REG_SZ || value.data.empty() || value.data.back() != 0) return false;
    for (size_t i = 0; i + 1 < value.data.size(); ++i)
        if (value.data[i] < 0x20 || value.data[i] == 0x7F) return false;
    return true;
}

void appendHexList(std::string &out, size_t lineStart, const std::vector<BYTE> &data) {
    static const char digits[] = "0123456789abcdef";
    for (size_t i = 0; i < data.size(); ++i) {
        // "xx," plus the backslash of a possible break must stay within the column.
        if (i > 0 && out.size() - lineStart + 3 > wrapColumn) {
            out += "\\\r\n  ";
            lineStart = out.size() - 2;
        }
        out += digits[data[i] >> 4];
        out += digits[data[i] & 15];
        if (i + 1 < data.size()) out += ',';
    }
}

void appendValue(std::string &out, const RegistryValue &value) {
    size_t lineStart = out.size();
    if (value.name.empty())
        out += '@';
    else
        appendQuoted(out, value.name);
    out += '=';
    if (value.type == REG_DWORD && value.data.size() == 4) {
        unsigned long number = static_cast<unsigned long>(value.data[0]) |
                               static_cast<unsigned long>(value.data[1]) << 8 |
                               static_cast<unsigned long>(value.data[2]) << 16 |
                               static_cast<unsigned long>(value.data[3]) << 24;
        char buffer[16];
        snprintf(buffer, sizeof buffer, "dword:%08lx", number);
        out += buffer;
    } else if (fitsQuotedText(value)) {
        appendQuoted(out, std::string(value.data.begin(), value.data.end() - 1));
    } else {
        if (value.type == REG_BINARY) {
            out += "hex:";
        } else {
            char buffer[24];
            snprintf(buffer, sizeof buffer, "hex(%lx):", static_cast<unsigned long>(value.type));
            out += buffer;
        }
        appendHexList(out, lineStart, value.data);
    }
    out += "\r\n";
}

bool hasLineBreak(const std::string &s) {
    return s.find_first_of("\r\n") != std::string::npos;
}

RegistryKeyRecord *findKey(std::vector<RegistryKeyRecord> *keys, const std::string &path) {
    for (auto &key : *keys)
        if (key.path == path) return &key;
    return nullptr;
}

void storeValue(RegistryKeyRecord *key, RegistryValue value) {
    for (auto &existing : key->values) {
        if (existing.name == value.name) {
            existing = std::move(value);
            return;
        }
    }
    key->values.push_back(std::move(value));
}

// "[HKEY_CURRENT_USER\A\B]" -> "A\B"
bool parseSection(const std::string &line, std::string *path, std::string *error) {
    std::string inner = line.substr(1, line.size() - 2);
    if (!inner.empty() && inner[0] == '-') {
        *error = "deleting keys is not supported";
        return false;
    }
    size_t rootLength = std::strlen(rootName);
    if (!startsWithNoCase(inner, rootName) ||
        (inner.size() > rootLength && inner[rootLength] != '\\')) {
        *error = "only keys below HKEY_CURRENT_USER are kept";
        return false;
    }
    *path = inner.size() > rootLength ? inner.substr(rootLength + 1) : std::string();
    bool separatorGiven = inner.size() > rootLength;
    if (separatorGiven && (path->empty() || path->front() == '\\' || path->back() == '\\' ||
                           path->find("\\\\") != std::string::npos)) {
        *error = "empty key name in the path";
        return false;
    }
    return true;
}

} // namespace

bool parseValueData(const std::string &rawData, RegistryValue *value, std::string *error) {
    std::string data = trimmed(rawData);
    if (!data.empty() && data[0] == '"') {
        size_t at = 0;
        std::string text;
        if (!parseQuoted(data, &at, &text, error)) return false;
        if (at != data.size()) {
            *error = "unexpected text after the closing quote";
            return false;
        }
        value->type = REG_SZ;
        value->data.assign(text.begin(), text.end());
        value->data.push_back(0);
        return true;
    }
    if (startsWithNoCase(data, "dword:")) {
        unsigned long number = 0;
        if (!parseHexNumber(trimmed(data.substr(6)), 8, &number)) {
            *error = "a dword needs 1 to 8 hex digits";
            return false;
        }
        value->type = REG_DWORD;
        value->data = {static_cast<BYTE>(number), static_cast<BYTE>(number >> 8),
                       static_cast<BYTE>(number >> 16), static_cast<BYTE>(number >> 24)};
        return true;
    }
    if (startsWithNoCase(data, "hex:")) {
        value->type = REG_BINARY;
        return parseHexList(data.substr(4), &value->data, error);
    }
    if (startsWithNoCase(data, "hex(")) {
        size_t close = data.find("):");
        unsigned long type = 0;
        if (close == std::string::npos || !parseHexNumber(data.substr(4, close - 4), 8, &type)) {
            *error = "hex(N): needs a type number N in hex";
            return false;
        }
        value->type = static_cast<DWORD>(type);
        return parseHexList(data.substr(close + 2), &value->data, error);
    }
    if (data == "-") {
        *error = "deleting values is not supported";
        return false;
    }
    *error = "value data must be \"text\", dword:, hex: or hex(N):";
    return false;
}

bool parseSettingsText(const std::string &text, std::vector<RegistryKeyRecord> *keys,
                       SettingsTextError *error) {
    keys->clear();
    // Physical lines, without their CR/LF ends.
    std::vector<std::string> lines;
    size_t start = 0;
    if (text.compare(0, 3, "\xEF\xBB\xBF") == 0) start = 3;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
        start = end + 1;
    }

    bool seenHeader = false;
    RegistryKeyRecord *current = nullptr;
    for (size_t index = 0; index < lines.size(); ++index) {
        int lineNumber = static_cast<int>(index) + 1;
        auto fail = [&](const std::string &message) {
            error->line = lineNumber;
            error->message = message;
            return false;
        };
        std::string line = trimmed(lines[index]);
        if (line.empty() || line[0] == ';') continue;
        if (!seenHeader) {
            if (line != header && line != oldHeader)
                return fail(std::string("expected \"") + header + "\" as the first line");
            seenHeader = true;
            continue;
        }
        if (line[0] == '[') {
            if (line.back() != ']') return fail("a key line must end in ']'");
            std::string path, message;
            if (!parseSection(line, &path, &message)) return fail(message);
            current = findKey(keys, path);
            if (!current) {
                keys->push_back(RegistryKeyRecord{path, {}});
                current = &keys->back();
            }
            continue;
        }
        if (line[0] != '"' && line[0] != '@') return fail("expected a \"value\" or a [key]");
        if (!current) return fail("a value before the first [key]");

        RegistryValue value;
        size_t at = 1;
        if (line[0] == '"') {
            std::string message;
            at = 0;
            if (!parseQuoted(line, &at, &value.name, &message)) return fail(message);
            if (value.name.empty()) return fail("an empty value name (the default value is @)");
        }
        while (at < line.size() && isSpace(line[at])) ++at;
        if (at >= line.size() || line[at] != '=') return fail("expected '=' after the value name");
        std::string data = trimmed(line.substr(at + 1));
        // A hex list may go on over following lines, each but the last ending in a backslash.
        if (startsWithNoCase(data, "hex")) {
            while (!data.empty() && data.back() == '\\') {
                data.pop_back();
                if (++index >= lines.size()) return fail("the file ends inside a continued value");
                data += trimmed(lines[index]);
            }
        }
        std::string message;
        if (!parseValueData(data, &value, &message)) return fail(message);
        storeValue(current, std::move(value));
    }
    return true;
}

bool formatSettingsText(const std::vector<RegistryKeyRecord> &keys, std::string *text,
                        std::string *error) {
    std::string out = std::string(header) + "\r\n\r\n";
    for (const auto &key : keys) {
        if (hasLineBreak(key.path)) {
            *error = "a key name holds a line break";
            return false;
        }
        out += '[';
        out += rootName;
        if (!key.path.empty()) out += '\\' + key.path;
        out += "]\r\n";
        for (const auto &value : key.values) {
            if (hasLineBreak(value.name)) {
                *error = "a value name under " + key.path + " holds a line break";
                return false;
            }
            appendValue(out, value);
        }
        out += "\r\n";
    }
    *text = std::move(out);
    return true;
}
