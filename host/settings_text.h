// The settings file's text: the format of a registry export.
//
//     Windows Registry Editor Version 5.00
//
//     [HKEY_CURRENT_USER\Software\disclist\quorrel]
//     "prefs"=hex:01,00,00,00,00,00,00,00,00,00,00,00,00,00,00,00
//     "enabled"=dword:00000001
//     "title"="a \"quoted\" text with a \\ backslash"
//     "string"=hex(1):25,74,69,74,6c,65,25,00,00,...
//     @="the key's default value"
//
// One [section] per key, below HKEY_CURRENT_USER only. Values: dword:XXXXXXXX (REG_DWORD,
// 4 bytes little-endian), hex:.. (REG_BINARY), "text" (a REG_SZ whose bytes are exactly the text
// and one final NUL; only \" and \\ are escapes), hex(N):.. for any other type N (hex digits),
// including REG_SZ values with other bytes, such as a 256-byte buffer with bytes after its NUL,
// so that every stored byte comes back. Long hex lists continue on the next line after a
// trailing backslash. The reader also takes CRLF or LF line ends, a UTF-8 byte order mark,
// blank lines and comment lines starting with ';', and "REGEDIT4" as the first line.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

struct RegistryValue {
    std::string name; // empty for the key's default value, written "@"
    DWORD type = REG_NONE;
    std::vector<BYTE> data;
};

struct RegistryKeyRecord {
    std::string path; // below HKEY_CURRENT_USER, "" for HKEY_CURRENT_USER itself
    std::vector<RegistryValue> values;
};

struct SettingsTextError {
    int line = 0; // 1-based line of the file where the fault is
    std::string message;
};

// Parses a whole file's text. Sections and values come out in file order; a key named twice
// keeps one record (values merged, a later value replacing an earlier one of the same name).
bool parseSettingsText(const std::string &text, std::vector<RegistryKeyRecord> *keys,
                       SettingsTextError *error);

// The text for keys, with CRLF line ends as registry exports have. Fails, with *error, only
// for a key or value name that the format cannot hold (a line break in it).
bool formatSettingsText(const std::vector<RegistryKeyRecord> &keys, std::string *text,
                        std::string *error);

// Parses the data part of a value line, after the '=': "text", dword:.., hex:.., hex(N):..
// (continuations already joined). Sets value's type and data.
bool parseValueData(const std::string &data, RegistryValue *value, std::string *error);
