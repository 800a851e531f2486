// rc_data INPUT.rc OUTPUT.cpp
//
// Build tool of the POSIX build: reads a module's resource script and writes a C++ source that
// defines the module's resource data, w32ModuleResourceData (win32/src/resource_data.h gives
// its layout), which the module registers with the Win32 subset when it is loaded. On Windows
// the same script goes through the resource compiler instead.
//
// Understood, as the resource compiler reads them: LANGUAGE; DIALOG and DIALOGEX with STYLE,
// EXSTYLE, CAPTION and FONT; the controls CONTROL, LTEXT, RTEXT, CTEXT, PUSHBUTTON,
// DEFPUSHBUTTON, CHECKBOX, AUTOCHECKBOX, GROUPBOX and EDITTEXT, each with the resource
// compiler's default styles (and WS_CHILD | WS_VISIBLE); style expressions of names and numbers
// joined by "|", where "NOT x" clears x; "#define NAME value" lines. "#include" and "#pragma"
// lines are passed over (the names of windows.h are known). Anything else is an error, so
// that the two builds cannot silently differ.
#include <windows.h>

#include "../src/resource_data.h"

#include <ctype.h>
#include <stdio.h>

#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

const std::map<std::string, long> &knownNames() {
    static const std::map<std::string, long> names = {
#define NAME(n) {#n, static_cast<long>(n)}
        NAME(WS_OVERLAPPED),
        NAME(WS_POPUP),
        NAME(WS_CHILD),
        NAME(WS_MINIMIZE),
        NAME(WS_VISIBLE),
        NAME(WS_DISABLED),
        NAME(WS_CLIPSIBLINGS),
        NAME(WS_CLIPCHILDREN),
        NAME(WS_MAXIMIZE),
        NAME(WS_CAPTION),
        NAME(WS_BORDER),
        NAME(WS_DLGFRAME),
        NAME(WS_VSCROLL),
        NAME(WS_HSCROLL),
        NAME(WS_SYSMENU),
        NAME(WS_THICKFRAME),
        NAME(WS_GROUP),
        NAME(WS_TABSTOP),
        NAME(WS_MINIMIZEBOX),
        NAME(WS_MAXIMIZEBOX),
        NAME(WS_EX_DLGMODALFRAME),
        NAME(WS_EX_NOPARENTNOTIFY),
        NAME(WS_EX_TOPMOST),
        NAME(WS_EX_TRANSPARENT),
        NAME(WS_EX_TOOLWINDOW),
        NAME(WS_EX_WINDOWEDGE),
        NAME(WS_EX_CLIENTEDGE),
        NAME(WS_EX_CONTROLPARENT),
        NAME(WS_EX_STATICEDGE),
        NAME(DS_ABSALIGN),
        NAME(DS_SYSMODAL),
        NAME(DS_3DLOOK),
        NAME(DS_FIXEDSYS),
        NAME(DS_NOFAILCREATE),
        NAME(DS_LOCALEDIT),
        NAME(DS_SETFONT),
        NAME(DS_MODALFRAME),
        NAME(DS_NOIDLEMSG),
        NAME(DS_SETFOREGROUND),
        NAME(DS_CONTROL),
        NAME(DS_CENTER),
        NAME(DS_CENTERMOUSE),
        NAME(DS_CONTEXTHELP),
        NAME(DS_SHELLFONT),
        NAME(BS_PUSHBUTTON),
        NAME(BS_DEFPUSHBUTTON),
        NAME(BS_CHECKBOX),
        NAME(BS_AUTOCHECKBOX),
        NAME(BS_RADIOBUTTON),
        NAME(BS_3STATE),
        NAME(BS_AUTO3STATE),
        NAME(BS_GROUPBOX),
        NAME(BS_AUTORADIOBUTTON),
        NAME(BS_LEFTTEXT),
        NAME(BS_NOTIFY),
        NAME(SS_LEFT),
        NAME(SS_CENTER),
        NAME(SS_RIGHT),
        NAME(SS_NOPREFIX),
        NAME(ES_LEFT),
        NAME(ES_CENTER),
        NAME(ES_RIGHT),
        NAME(ES_MULTILINE),
        NAME(ES_UPPERCASE),
        NAME(ES_LOWERCASE),
        NAME(ES_PASSWORD),
        NAME(ES_AUTOVSCROLL),
        NAME(ES_AUTOHSCROLL),
        NAME(ES_NOHIDESEL),
        NAME(ES_OEMCONVERT),
        NAME(ES_READONLY),
        NAME(ES_WANTRETURN),
        NAME(ES_NUMBER),
        NAME(IDOK),
        NAME(IDCANCEL),
        NAME(IDABORT),
        NAME(IDRETRY),
        NAME(IDIGNORE),
        NAME(IDYES),
        NAME(IDNO),
        NAME(LANG_NEUTRAL),
        NAME(LANG_ENGLISH),
        NAME(SUBLANG_NEUTRAL),
        NAME(SUBLANG_DEFAULT),
        NAME(SUBLANG_ENGLISH_US),
#undef NAME
        {"IDC_STATIC", -1},
    };
    return names;
}

enum class Kind { End, Name, Number, String, Punct };

struct Token {
    Kind kind = Kind::End;
    std::string text; // a name, a punctuation character, or a string's bytes
    long number = 0;
    int line = 0;
};

[[noreturn]] void fail(const std::string &file, int line, const std::string &message) {
    fprintf(stderr, "%s:%d: error: %s\n", file.c_str(), line, message.c_str());
    exit(1);
}

class Lexer {
  public:
    Lexer(std::string file, std::string source) : file_(std::move(file)), src_(std::move(source)) {}

    const std::string &file() const { return file_; }
    std::map<std::string, long> defines;

    Token next() {
        skipSpaceAndDirectives();
        Token token;
        token.line = line_;
        if (pos_ >= src_.size()) return token;
        char c = src_[pos_];
        if (c == '"') {
            token.kind = Kind::String;
            token.text = readString();
        } else if (isdigit(static_cast<unsigned char>(c))) {
            token.kind = Kind::Number;
            token.number = readNumber();
        } else if (isalpha(static_cast<unsigned char>(c)) || c == '_') {
            token.kind = Kind::Name;
            while (pos_ < src_.size() &&
                   (isalnum(static_cast<unsigned char>(src_[pos_])) || src_[pos_] == '_')) {
                token.text.push_back(src_[pos_++]);
            }
        } else if (std::string(",|(){}+-~").find(c) != std::string::npos) {
            token.kind = Kind::Punct;
            token.text = std::string(1, c);
            ++pos_;
        } else {
            fail(file_, line_, std::string("unexpected character '") + c + "'");
        }
        return token;
    }

  private:
    void skipSpaceAndDirectives() {
        while (pos_ < src_.size()) {
            char c = src_[pos_];
            if (c == '\n') {
                ++line_;
                ++pos_;
                atLineStart_ = true;
            } else if (isspace(static_cast<unsigned char>(c))) {
                ++pos_;
            } else if (src_.compare(pos_, 2, "//") == 0) {
                while (pos_ < src_.size() && src_[pos_] != '\n') ++pos_;
            } else if (src_.compare(pos_, 2, "/*") == 0) {
                size_t end = src_.find("*/", pos_ + 2);
                if (end == std::string::npos) fail(file_, line_, "unterminated comment");
                for (size_t i = pos_; i < end; ++i) line_ += src_[i] == '\n';
                pos_ = end + 2;
            } else if (c == '#' && atLineStart_) {
                directive();
            } else {
                atLineStart_ = false;
                return;
            }
        }
    }

    void directive() {
        size_t end = src_.find('\n', pos_);
        if (end == std::string::npos) end = src_.size();
        std::istringstream words(src_.substr(pos_ + 1, end - pos_ - 1));
        pos_ = end;
        std::string word, name, value;
        words >> word;
        if (word == "include" || word == "pragma") return;
        if (word != "define" || !(words >> name >> value)) {
            fail(file_, line_, "unsupported preprocessor line #" + word);
        }
        char *rest = nullptr;
        long number = strtol(value.c_str(), &rest, 0);
        if (*rest == 'L' || *rest == 'l' || *rest == 'U' || *rest == 'u') ++rest;
        if (*rest != '\0') {
            auto known = knownNames().find(value);
            auto defined = defines.find(value);
            if (known != knownNames().end()) {
                number = known->second;
            } else if (defined != defines.end()) {
                number = defined->second;
            } else {
                fail(file_, line_, "#define " + name + " needs a number");
            }
        }
        defines[name] = number;
    }

    long readNumber() {
        const char *start = src_.c_str() + pos_;
        char *end = nullptr;
        long value = strtol(start, &end, 0);
        pos_ += static_cast<size_t>(end - start);
        while (pos_ < src_.size() &&
               (src_[pos_] == 'L' || src_[pos_] == 'l' || src_[pos_] == 'U' || src_[pos_] == 'u')) {
            ++pos_;
        }
        return value;
    }

    // A quoted string: "" stands for one quote, and the C escapes \n \t \r \a \\ \" and
    // octal and hexadecimal escapes are understood.
    std::string readString() {
        std::string text;
        ++pos_;
        for (;;) {
            if (pos_ >= src_.size() || src_[pos_] == '\n')
                fail(file_, line_, "unterminated string");
            char c = src_[pos_++];
            if (c == '"') {
                if (pos_ < src_.size() && src_[pos_] == '"') {
                    text.push_back('"');
                    ++pos_;
                    continue;
                }
                return text;
            }
            if (c != '\\') {
                text.push_back(c);
                continue;
            }
            if (pos_ >= src_.size()) fail(file_, line_, "unterminated string");
            char e = src_[pos_++];
            switch (e) {
            case 'n':
                text.push_back('\n');
                break;
            case 't':
                text.push_back('\t');
                break;
            case 'r':
                text.push_back('\r');
                break;
            case 'a':
                text.push_back('\a');
                break;
            case '\\':
                text.push_back('\\');
                break;
            case '"':
                text.push_back('"');
                break;
            case 'x': {
                int value = 0, digits = 0;
                while (digits < 2 && pos_ < src_.size() &&
                       isxdigit(static_cast<unsigned char>(src_[pos_]))) {
                    char d = src_[pos_++];
                    value = value * 16 + (isdigit(static_cast<unsigned char>(d))
                                              ? d - '0'
                                              : tolower(static_cast<unsigned char>(d)) - 'a' + 10);
                    ++digits;
                }
                text.push_back(static_cast<char>(value));
                break;
            }
            default:
                if (e >= '0' && e <= '7') {
                    int value = e - '0', digits = 1;
                    while (digits < 3 && pos_ < src_.size() && src_[pos_] >= '0' &&
                           src_[pos_] <= '7') {
                        value = value * 8 + (src_[pos_++] - '0');
                        ++digits;
                    }
                    text.push_back(static_cast<char>(value));
                } else {
                    fail(file_, line_, std::string("unknown escape \\") + e);
                }
            }
        }
    }

    std::string file_;
    std::string src_;
    size_t pos_ = 0;
    int line_ = 1;
    bool atLineStart_ = true;
};

struct Control {
    DWORD style = 0, exStyle = 0, helpId = 0;
    long x = 0, y = 0, width = 0, height = 0, id = 0;
    WORD classAtom = 0;
    std::string className;
    std::string text;
};

struct Dialog {
    bool extended = false;
    long name = 0;
    WORD language = 0;
    DWORD style = WS_POPUP | WS_BORDER | WS_SYSMENU, exStyle = 0, helpId = 0;
    long x = 0, y = 0, width = 0, height = 0;
    std::string caption;
    bool hasFont = false;
    WORD pointSize = 0, weight = 0;
    BYTE italic = 0, charset = 1;
    std::string typeface;
    std::vector<Control> controls;
};

class Parser {
  public:
    explicit Parser(Lexer &lexer) : lex_(lexer) { advance(); }

    std::vector<Dialog> parse() {
        std::vector<Dialog> dialogs;
        while (tok_.kind != Kind::End) {
            if (isName("LANGUAGE")) {
                advance();
                language_ = languageId();
                continue;
            }
            long name = number("a resource id");
            if (isName("DIALOGEX") || isName("DIALOG")) {
                dialogs.push_back(dialog(name, isName("DIALOGEX")));
            } else {
                error("only DIALOG and DIALOGEX resources are supported");
            }
        }
        return dialogs;
    }

  private:
    [[noreturn]] void error(const std::string &message) { fail(lex_.file(), tok_.line, message); }
    void advance() { tok_ = lex_.next(); }
    bool isName(const char *name) const { return tok_.kind == Kind::Name && tok_.text == name; }
    bool isPunct(const char *p) const { return tok_.kind == Kind::Punct && tok_.text == p; }
    void expect(const char *p) {
        if (!isPunct(p)) error(std::string("expected '") + p + "'");
        advance();
    }
    bool accept(const char *p) {
        if (!isPunct(p)) return false;
        advance();
        return true;
    }

    long primary() {
        if (accept("-")) return -primary();
        if (accept("+")) return primary();
        if (accept("~")) return ~primary();
        if (accept("(")) {
            long value = expression();
            expect(")");
            return value;
        }
        if (tok_.kind == Kind::Number) {
            long value = tok_.number;
            advance();
            return value;
        }
        if (tok_.kind == Kind::Name) {
            auto defined = lex_.defines.find(tok_.text);
            auto known = knownNames().find(tok_.text);
            long value = 0;
            if (defined != lex_.defines.end()) {
                value = defined->second;
            } else if (known != knownNames().end()) {
                value = known->second;
            } else {
                error("unknown name " + tok_.text);
            }
            advance();
            return value;
        }
        error("expected a number");
    }
    long expression() {
        long value = primary();
        for (;;) {
            if (accept("|")) {
                value |= primary();
            } else if (accept("+")) {
                value += primary();
            } else if (accept("-")) {
                value -= primary();
            } else {
                return value;
            }
        }
    }
    long number(const char *what) {
        if (tok_.kind != Kind::Number && tok_.kind != Kind::Name && !isPunct("-") &&
            !isPunct("(")) {
            error(std::string("expected ") + what);
        }
        return expression();
    }
    // Style bits added to `base`; "NOT x" clears x from what is there so far.
    DWORD style(DWORD base) {
        DWORD value = base;
        do {
            if (isName("NOT")) {
                advance();
                value &= ~static_cast<DWORD>(primary());
            } else {
                value |= static_cast<DWORD>(primary());
            }
        } while (accept("|"));
        return value;
    }
    std::string string(const char *what) {
        if (tok_.kind != Kind::String) error(std::string("expected ") + what + " in quotes");
        std::string text = tok_.text;
        advance();
        return text;
    }
    WORD languageId() {
        long primaryLanguage = number("a language");
        expect(",");
        long sublanguage = number("a sublanguage");
        return static_cast<WORD>((sublanguage << 10) | primaryLanguage);
    }
    bool isBlockStart() const { return isName("BEGIN") || isPunct("{"); }
    bool isBlockEnd() const { return isName("END") || isPunct("}"); }

    Dialog dialog(long name, bool extended) {
        Dialog d;
        d.extended = extended;
        d.name = name;
        d.language = language_;
        advance();
        d.x = number("x");
        expect(",");
        d.y = number("y");
        expect(",");
        d.width = number("a width");
        expect(",");
        d.height = number("a height");
        if (extended && accept(",")) d.helpId = static_cast<DWORD>(number("a help id"));
        while (!isBlockStart()) {
            if (isName("STYLE")) {
                advance();
                d.style = style(0);
            } else if (isName("EXSTYLE")) {
                advance();
                d.exStyle = style(0);
            } else if (isName("CAPTION")) {
                advance();
                d.caption = string("a caption");
            } else if (isName("FONT")) {
                advance();
                d.hasFont = true;
                d.pointSize = static_cast<WORD>(number("a point size"));
                expect(",");
                d.typeface = string("a typeface");
                if (extended && accept(",")) {
                    d.weight = static_cast<WORD>(number("a weight"));
                    if (accept(",")) d.italic = static_cast<BYTE>(number("italic"));
                    if (accept(",")) d.charset = static_cast<BYTE>(number("a character set"));
                }
            } else if (isName("LANGUAGE")) {
                advance();
                d.language = languageId();
            } else {
                error("unsupported dialog statement " + tok_.text);
            }
        }
        if (!d.caption.empty()) d.style |= WS_CAPTION;
        if (d.hasFont) d.style |= DS_SETFONT;
        advance();
        while (!isBlockEnd()) {
            if (tok_.kind == Kind::End) error("missing END of the dialog");
            d.controls.push_back(control(extended));
        }
        advance();
        return d;
    }

    // The rest of a control after its position: ", style [, exstyle [, help id]]".
    void optionalStyles(Control &c, bool extended) {
        if (accept(",")) {
            c.style = style(c.style);
            if (accept(",")) {
                c.exStyle = style(0);
                if (extended && accept(",")) c.helpId = static_cast<DWORD>(number("a help id"));
            }
        }
    }
    void rectangle(Control &c) {
        c.x = number("x");
        expect(",");
        c.y = number("y");
        expect(",");
        c.width = number("a width");
        expect(",");
        c.height = number("a height");
    }

    Control control(bool extended) {
        struct Shape {
            const char *keyword;
            WORD atom;
            DWORD style;
        };
        static const Shape shapes[] = {
            {"LTEXT", 0x82, SS_LEFT | WS_GROUP},
            {"RTEXT", 0x82, SS_RIGHT | WS_GROUP},
            {"CTEXT", 0x82, SS_CENTER | WS_GROUP},
            {"PUSHBUTTON", 0x80, BS_PUSHBUTTON | WS_TABSTOP},
            {"DEFPUSHBUTTON", 0x80, BS_DEFPUSHBUTTON | WS_TABSTOP},
            {"CHECKBOX", 0x80, BS_CHECKBOX | WS_TABSTOP},
            {"AUTOCHECKBOX", 0x80, BS_AUTOCHECKBOX | WS_TABSTOP},
            {"GROUPBOX", 0x80, BS_GROUPBOX},
        };
        Control c;
        c.style = WS_CHILD | WS_VISIBLE;
        if (tok_.kind != Kind::Name) error("expected a control");
        std::string keyword = tok_.text;
        advance();
        if (keyword == "CONTROL") {
            c.text = string("the control's text");
            expect(",");
            c.id = number("an id");
            expect(",");
            std::string cls;
            if (tok_.kind == Kind::String || tok_.kind == Kind::Name) {
                cls = tok_.text;
                advance();
            } else {
                error("expected a window class");
            }
            std::string lower;
            for (char ch : cls)
                lower.push_back(static_cast<char>(tolower(static_cast<unsigned char>(ch))));
            if (lower == "button") {
                c.classAtom = 0x80;
            } else if (lower == "edit") {
                c.classAtom = 0x81;
            } else if (lower == "static") {
                c.classAtom = 0x82;
            } else {
                c.className = cls;
            }
            expect(",");
            c.style = style(c.style);
            expect(",");
            rectangle(c);
            if (accept(",")) {
                c.exStyle = style(0);
                if (extended && accept(",")) c.helpId = static_cast<DWORD>(number("a help id"));
            }
            return c;
        }
        if (keyword == "EDITTEXT") {
            c.classAtom = 0x81;
            c.style |= ES_LEFT | WS_BORDER | WS_TABSTOP;
            c.id = number("an id");
            expect(",");
            rectangle(c);
            optionalStyles(c, extended);
            return c;
        }
        for (const Shape &shape : shapes) {
            if (keyword != shape.keyword) continue;
            c.classAtom = shape.atom;
            c.style |= shape.style;
            c.text = string("the control's text");
            expect(",");
            c.id = number("an id");
            expect(",");
            rectangle(c);
            optionalStyles(c, extended);
            return c;
        }
        fail(lex_.file(), tok_.line, "unsupported control " + keyword);
    }

    Lexer &lex_;
    Token tok_;
    WORD language_ = 0;
};

class Bytes {
  public:
    std::vector<unsigned char> data;
    void word(long value) {
        data.push_back(static_cast<unsigned char>(value & 0xFF));
        data.push_back(static_cast<unsigned char>((value >> 8) & 0xFF));
    }
    void dword(unsigned long value) {
        word(static_cast<long>(value & 0xFFFF));
        word(static_cast<long>((value >> 16) & 0xFFFF));
    }
    void byte(unsigned value) { data.push_back(static_cast<unsigned char>(value)); }
    // Each byte of 8-bit text becomes one UTF-16 code unit.
    void text(const std::string &s) {
        for (unsigned char c : s) word(c);
        word(0);
    }
    void align(size_t to) {
        while (data.size() % to) data.push_back(0);
    }
};

std::vector<unsigned char> templateBytes(const Dialog &d) {
    Bytes out;
    if (d.extended) {
        out.word(1);
        out.word(0xFFFF);
        out.dword(d.helpId);
        out.dword(d.exStyle);
        out.dword(d.style);
    } else {
        out.dword(d.style);
        out.dword(d.exStyle);
    }
    out.word(static_cast<long>(d.controls.size()));
    out.word(d.x);
    out.word(d.y);
    out.word(d.width);
    out.word(d.height);
    out.word(0); // no menu
    out.word(0); // the dialog class
    out.text(d.caption);
    if (d.hasFont) {
        out.word(d.pointSize);
        if (d.extended) {
            out.word(d.weight);
            out.byte(d.italic);
            out.byte(d.charset);
        }
        out.text(d.typeface);
    }
    for (const Control &c : d.controls) {
        out.align(4);
        if (d.extended) {
            out.dword(c.helpId);
            out.dword(c.exStyle);
            out.dword(c.style);
        } else {
            out.dword(c.style);
            out.dword(c.exStyle);
        }
        out.word(c.x);
        out.word(c.y);
        out.word(c.width);
        out.word(c.height);
        if (d.extended) {
            out.dword(static_cast<unsigned long>(c.id));
        } else {
            out.word(c.id);
        }
        if (c.classAtom) {
            out.word(0xFFFF);
            out.word(c.classAtom);
        } else {
            out.text(c.className);
        }
        out.text(c.text);
        out.word(0); // no creation data
    }
    return out.data;
}

std::vector<unsigned char> resourceData(const std::vector<Dialog> &dialogs) {
    std::vector<std::vector<unsigned char>> blobs;
    for (const Dialog &d : dialogs) blobs.push_back(templateBytes(d));
    Bytes out;
    out.dword(w32resources::magic);
    out.dword(0); // the total size, filled in below
    out.dword(dialogs.size());
    size_t offset = w32resources::headerSize + dialogs.size() * w32resources::entrySize;
    for (size_t i = 0; i < dialogs.size(); ++i) {
        offset = (offset + 3) & ~static_cast<size_t>(3);
        out.dword(5); // RT_DIALOG
        out.dword(static_cast<unsigned long>(dialogs[i].name));
        out.dword(dialogs[i].language);
        out.dword(offset);
        out.dword(blobs[i].size());
        offset += blobs[i].size();
    }
    for (const std::vector<unsigned char> &blob : blobs) {
        out.align(4);
        out.data.insert(out.data.end(), blob.begin(), blob.end());
    }
    size_t total = out.data.size();
    for (int i = 0; i < 4; ++i) out.data[4 + i] = static_cast<unsigned char>(total >> (8 * i));
    return out.data;
}

} // namespace

int main(int argc, char **argv) {
    if (argc != 3) {
        fprintf(stderr, "usage: rc_data INPUT.rc OUTPUT.cpp\n");
        return 2;
    }
    std::ifstream input(argv[1], std::ios::binary);
    if (!input) {
        fprintf(stderr, "rc_data: cannot read %s\n", argv[1]);
        return 1;
    }
    std::stringstream source;
    source << input.rdbuf();
    Lexer lexer(argv[1], source.str());
    Parser parser(lexer);
    std::vector<Dialog> dialogs = parser.parse();
    for (const Dialog &d : dialogs) {
        if (d.name <= 0 || d.name > 0xFFFF) {
            fprintf(stderr, "%s: error: resource id %ld is not a number from 1 to 65535\n", argv[1],
                    d.name);
            return 1;
        }
    }
    std::vector<unsigned char> data = resourceData(dialogs);

    std::ostringstream out;
    out << "// Generated by rc_data from " << argv[1] << "; do not edit.\n"
        << "extern \"C\" __attribute__((visibility(\"hidden\"))) const unsigned char "
           "w32ModuleResourceData[] = {";
    for (size_t i = 0; i < data.size(); ++i) {
        out << (i % 16 == 0 ? "\n   " : "") << ' ' << static_cast<unsigned>(data[i]) << ',';
    }
    out << "\n};\n";
    std::ofstream output(argv[2], std::ios::binary);
    output << out.str();
    if (!output) {
        fprintf(stderr, "rc_data: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
