// A small JSON reader for checking disclist's output: objects keep their members in order,
// numbers are 64-bit integers (disclist prints no others), and the escape \uDCXX gives back
// the raw byte XX, as disclist writes bytes that are not UTF-8.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

struct JsonValue {
    enum Kind { null, boolean, number, string, array, object } kind = null;
    bool flag = false;
    int64_t integer = 0;
    std::string text;
    std::vector<JsonValue> items;
    std::vector<std::pair<std::string, JsonValue>> members;

    // The member of an object, or null when it has none.
    const JsonValue *find(const std::string &name) const {
        for (const auto &member : members)
            if (member.first == name) return &member.second;
        return nullptr;
    }
    bool has(const std::string &name) const { return find(name) != nullptr; }
    const JsonValue &operator[](const std::string &name) const {
        static const JsonValue missing;
        const JsonValue *value = find(name);
        return value ? *value : missing;
    }
};

class JsonReader {
  public:
    // Parses the whole text; false (with the offset in *where) when it is not one JSON value.
    static bool parse(const std::string &text, JsonValue *value, size_t *where = nullptr) {
        JsonReader reader(text);
        bool ok = reader.value(value) && (reader.skipSpace(), reader.at == text.size());
        if (where) *where = reader.at;
        return ok;
    }

  private:
    explicit JsonReader(const std::string &text) : s(text) {}
    const std::string &s;
    size_t at = 0;

    void skipSpace() {
        while (at < s.size() && (s[at] == ' ' || s[at] == '\n' || s[at] == '\r' || s[at] == '\t'))
            ++at;
    }
    bool literal(const char *word) {
        std::string w(word);
        if (s.compare(at, w.size(), w) != 0) return false;
        at += w.size();
        return true;
    }
    static void appendUtf8(std::string &out, unsigned code) {
        if (code < 0x80) {
            out += static_cast<char>(code);
        } else if (code < 0x800) {
            out += static_cast<char>(0xC0 | (code >> 6));
            out += static_cast<char>(0x80 | (code & 0x3F));
        } else if (code < 0x10000) {
            out += static_cast<char>(0xE0 | (code >> 12));
            out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (code & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (code >> 18));
            out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (code & 0x3F));
        }
    }
    bool hex4(unsigned *code) {
        if (at + 4 > s.size()) return false;
        *code = 0;
        for (int i = 0; i < 4; ++i) {
            char c = s[at++];
            int digit = (c >= '0' && c <= '9')   ? c - '0'
                        : (c >= 'a' && c <= 'f') ? c - 'a' + 10
                        : (c >= 'A' && c <= 'F') ? c - 'A' + 10
                                                 : -1;
            if (digit < 0) return false;
            *code = *code * 16 + static_cast<unsigned>(digit);
        }
        return true;
    }
    bool stringValue(std::string *out) {
        if (at >= s.size() || s[at] != '"') return false;
        ++at;
        while (at < s.size()) {
            unsigned char c = static_cast<unsigned char>(s[at++]);
            if (c == '"') return true;
            if (c < 0x20) return false; // raw control characters are not JSON
            if (c != '\\') {
                *out += static_cast<char>(c);
                continue;
            }
            if (at >= s.size()) return false;
            char e = s[at++];
            switch (e) {
            case '"':
                *out += '"';
                break;
            case '\\':
                *out += '\\';
                break;
            case '/':
                *out += '/';
                break;
            case 'b':
                *out += '\b';
                break;
            case 'f':
                *out += '\f';
                break;
            case 'n':
                *out += '\n';
                break;
            case 'r':
                *out += '\r';
                break;
            case 't':
                *out += '\t';
                break;
            case 'u': {
                unsigned code = 0;
                if (!hex4(&code)) return false;
                if (code >= 0xDC80 && code <= 0xDCFF) {
                    *out += static_cast<char>(code - 0xDC00); // a raw byte
                } else if (code >= 0xD800 && code <= 0xDBFF) {
                    unsigned low = 0;
                    if (!literal("\\u") || !hex4(&low) || low < 0xDC00 || low > 0xDFFF)
                        return false;
                    appendUtf8(*out, 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00));
                } else {
                    appendUtf8(*out, code);
                }
                break;
            }
            default:
                return false;
            }
        }
        return false;
    }
    bool value(JsonValue *v) {
        skipSpace();
        if (at >= s.size()) return false;
        char c = s[at];
        if (c == '{') {
            v->kind = JsonValue::object;
            ++at;
            skipSpace();
            if (at < s.size() && s[at] == '}') return ++at, true;
            for (;;) {
                skipSpace();
                std::string name;
                if (!stringValue(&name)) return false;
                skipSpace();
                if (at >= s.size() || s[at++] != ':') return false;
                JsonValue member;
                if (!value(&member)) return false;
                v->members.emplace_back(name, std::move(member));
                skipSpace();
                if (at >= s.size()) return false;
                if (s[at] == ',') {
                    ++at;
                    continue;
                }
                return s[at++] == '}';
            }
        }
        if (c == '[') {
            v->kind = JsonValue::array;
            ++at;
            skipSpace();
            if (at < s.size() && s[at] == ']') return ++at, true;
            for (;;) {
                JsonValue item;
                if (!value(&item)) return false;
                v->items.push_back(std::move(item));
                skipSpace();
                if (at >= s.size()) return false;
                if (s[at] == ',') {
                    ++at;
                    continue;
                }
                return s[at++] == ']';
            }
        }
        if (c == '"') {
            v->kind = JsonValue::string;
            return stringValue(&v->text);
        }
        if (literal("true")) return v->kind = JsonValue::boolean, v->flag = true, true;
        if (literal("false")) return v->kind = JsonValue::boolean, v->flag = false, true;
        if (literal("null")) return v->kind = JsonValue::null, true;
        if (c == '-' || (c >= '0' && c <= '9')) {
            v->kind = JsonValue::number;
            bool negative = c == '-';
            if (negative) ++at;
            if (at >= s.size() || s[at] < '0' || s[at] > '9') return false;
            int64_t n = 0;
            while (at < s.size() && s[at] >= '0' && s[at] <= '9') n = n * 10 + (s[at++] - '0');
            v->integer = negative ? -n : n;
            return true;
        }
        return false;
    }
};
