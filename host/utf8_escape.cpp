#include "utf8_escape.h"

#include <stdio.h>

size_t utf8SequenceLength(const unsigned char *bytes, size_t available) {
    if (available == 0) return 0;
    unsigned char lead = bytes[0];
    if (lead < 0x80) return 1;
    // The lead byte fixes the length and the range allowed for the second byte; that range rules
    // out overlong forms (E0, F0), UTF-16 surrogates (ED) and values past U+10FFFF (F4).
    size_t length;
    unsigned char low = 0x80, high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0) low = 0xA0;
        if (lead == 0xED) high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;
    } else {
        return 0;
    }
    if (available < length) return 0;
    if (bytes[1] < low || bytes[1] > high) return 0;
    for (size_t i = 2; i < length; ++i)
        if (bytes[i] < 0x80 || bytes[i] > 0xBF) return 0;
    return length;
}

namespace {

void appendUnicodeEscape(std::string &out, unsigned value) {
    char buffer[8];
    snprintf(buffer, sizeof buffer, "\\u%04X", value);
    out += buffer;
}

} // namespace

void appendEscaped(std::string &out, const char *bytes, size_t length, EscapeStyle style) {
    const unsigned char *at = reinterpret_cast<const unsigned char *>(bytes);
    size_t i = 0;
    while (i < length) {
        unsigned char byte = at[i];
        if (byte >= 0x80) {
            size_t sequence = utf8SequenceLength(at + i, length - i);
            if (sequence == 0) {
                appendUnicodeEscape(out, 0xDC00u + byte);
                ++i;
            } else {
                out.append(bytes + i, sequence);
                i += sequence;
            }
            continue;
        }
        ++i;
        if (byte == '\\') {
            out += style == EscapeStyle::message ? "\\" : "\\\\";
        } else if (byte == '"' && style == EscapeStyle::json) {
            out += "\\\"";
        } else if (byte < 0x20 || (byte == 0x7F && style != EscapeStyle::json)) {
            const char *shortForm = nullptr;
            if (style == EscapeStyle::json) {
                switch (byte) {
                case '\b':
                    shortForm = "\\b";
                    break;
                case '\f':
                    shortForm = "\\f";
                    break;
                case '\n':
                    shortForm = "\\n";
                    break;
                case '\r':
                    shortForm = "\\r";
                    break;
                case '\t':
                    shortForm = "\\t";
                    break;
                default:
                    break;
                }
            }
            if (shortForm)
                out += shortForm;
            else
                appendUnicodeEscape(out, byte);
        } else {
            out += static_cast<char>(byte);
        }
    }
}

std::string escaped(const std::string &bytes, EscapeStyle style) {
    std::string out;
    appendEscaped(out, bytes.data(), bytes.size(), style);
    return out;
}
