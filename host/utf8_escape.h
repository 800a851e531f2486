// Writing 8-bit texts (names, comments, paths) as UTF-8 output. Bytes that form valid UTF-8 pass
// through; every other byte becomes the escape \uDCXX (0xDC00 plus the byte's value, the
// surrogate-escape convention), so that a reader recovers the exact bytes.
#pragma once

#include <stddef.h>
#include <string>

enum class EscapeStyle {
    // Plain text: also a backslash as "\\" and each control character as \u00XX, so that the
    // escapes above are never ambiguous and an entry always stays on its line.
    text,
    // Messages and the listing's first line (a path the user typed): as text, but a backslash
    // stays as it is, so Windows paths read as typed.
    message,
    // Inside a JSON string: '"' and '\\' escaped, control characters as \b \f \n \r \t or
    // \u00XX, as JSON requires.
    json,
};

// Appends the escaped form of bytes[0, length) to out.
void appendEscaped(std::string &out, const char *bytes, size_t length, EscapeStyle style);

// The escaped form of a whole string.
std::string escaped(const std::string &bytes, EscapeStyle style);

// The length of the valid UTF-8 sequence that starts at bytes[0] (1 to 4), or 0 when the byte
// there does not start one (a stray continuation byte, an overlong form, a surrogate, a value
// above U+10FFFF, or a sequence cut short by the end).
size_t utf8SequenceLength(const unsigned char *bytes, size_t available);
