// wsprintfA: the platform's small formatter. A conversion is
//   % [flags] [width] [.precision] [size] type
// with the flags '-' (left-justify) and '0' (pad numbers with zeros), a decimal width, a
// precision (the most characters of a string, the fewest digits of a number), the sizes 'l'
// and 'h', and the types d i u x X c s and %%. Integers are 32 bits whatever the size says:
// 'l' is LONG, as wide as int, and 'h' is accepted and leaves the value as passed, as the
// platform's formatter does. The output, terminating NUL included, never exceeds 1024 bytes:
// longer output is cut there.
#include <windows.h>

#include <stdarg.h>
#include <string.h>

namespace {

const size_t outputLimit = 1024; // bytes, the terminating NUL included

// Appends to the caller's buffer and silently drops what goes beyond the limit.
struct Output {
    char *buffer;
    size_t length;

    void put(char c) {
        if (length < outputLimit - 1) buffer[length++] = c;
    }
    void put(const char *text, size_t count) {
        for (size_t i = 0; i < count; ++i) put(text[i]);
    }
    void pad(char c, size_t count) {
        for (size_t i = 0; i < count; ++i) put(c);
    }
};

struct Spec {
    bool left = false;
    bool zero = false;
    size_t width = 0;
    bool hasPrecision = false;
    size_t precision = 0;
};

// Reads a decimal count; huge counts are clamped, since output stops at the limit anyway.
size_t readCount(const char *&p) {
    size_t n = 0;
    while (*p >= '0' && *p <= '9') {
        if (n < outputLimit * 2) n = n * 10 + static_cast<size_t>(*p - '0');
        ++p;
    }
    return n;
}

// Writes text padded to the width of the conversion with spaces.
void putPadded(Output &out, const Spec &spec, const char *text, size_t count) {
    size_t fill = spec.width > count ? spec.width - count : 0;
    if (!spec.left) out.pad(' ', fill);
    out.put(text, count);
    if (spec.left) out.pad(' ', fill);
}

// Writes a number given as its sign and its magnitude in the base of the conversion.
void putNumber(Output &out, const Spec &spec, bool negative, unsigned long long magnitude,
               unsigned base, bool upper) {
    const char *digitChars = upper ? "0123456789ABCDEF" : "0123456789abcdef";
    char digits[32];
    size_t count = 0;
    while (magnitude != 0) {
        digits[count++] = digitChars[magnitude % base];
        magnitude /= base;
    }
    // At least one digit, unless an explicit precision of 0 meets the value 0.
    size_t minimum = spec.hasPrecision ? spec.precision : 1;
    if (minimum > outputLimit) minimum = outputLimit;
    size_t leading = minimum > count ? minimum - count : 0;
    size_t body = (negative ? 1 : 0) + leading + count;
    size_t fill = spec.width > body ? spec.width - body : 0;
    bool zeroFill = spec.zero && !spec.left && !spec.hasPrecision;

    if (!spec.left && !zeroFill) out.pad(' ', fill);
    if (negative) out.put('-');
    if (zeroFill) out.pad('0', fill);
    out.pad('0', leading);
    while (count > 0) out.put(digits[--count]);
    if (spec.left) out.pad(' ', fill);
}

} // namespace

int wsprintfA(LPSTR buffer, LPCSTR format, ...) {
    if (buffer == nullptr) return 0;
    Output out{buffer, 0};
    if (format == nullptr) {
        buffer[0] = '\0';
        return 0;
    }

    va_list args;
    va_start(args, format);
    const char *p = format;
    while (*p != '\0') {
        if (*p != '%') {
            out.put(*p++);
            continue;
        }
        const char *start = p++;
        Spec spec;
        for (;; ++p) {
            if (*p == '-') {
                spec.left = true;
            } else if (*p == '0') {
                spec.zero = true;
            } else {
                break;
            }
        }
        spec.width = readCount(p);
        if (*p == '.') {
            ++p;
            spec.hasPrecision = true;
            spec.precision = readCount(p);
        }
        if (*p == 'l' || *p == 'h') ++p; // sizes: accepted, integers stay 32 bits

        switch (*p) {
        case 'd':
        case 'i': {
            // Integers arrive promoted to int; LONG is 32 bits, as on Windows.
            long long value = va_arg(args, int);
            bool negative = value < 0;
            unsigned long long magnitude = negative ? 0ULL - static_cast<unsigned long long>(value)
                                                    : static_cast<unsigned long long>(value);
            putNumber(out, spec, negative, magnitude, 10, false);
            break;
        }
        case 'u':
        case 'x':
        case 'X': {
            unsigned long long value = va_arg(args, unsigned int);
            putNumber(out, spec, false, value, *p == 'u' ? 10 : 16, *p == 'X');
            break;
        }
        case 'c': {
            char c = static_cast<char>(va_arg(args, int));
            putPadded(out, spec, &c, 1);
            break;
        }
        case 's': {
            const char *text = va_arg(args, const char *);
            if (text == nullptr) text = "(null)";
            // With a precision, the string need not be terminated within it.
            size_t count = spec.hasPrecision ? strnlen(text, spec.precision) : strlen(text);
            putPadded(out, spec, text, count);
            break;
        }
        case '%':
            out.put('%');
            break;
        default:
            // Not a conversion this formatter knows: the text is copied as it stands, and no
            // argument is taken.
            if (*p == '\0') {
                out.put(start, static_cast<size_t>(p - start));
                continue;
            }
            out.put(start, static_cast<size_t>(p - start) + 1);
            break;
        }
        ++p;
    }
    va_end(args);
    buffer[out.length] = '\0';
    return static_cast<int>(out.length);
}
