// The resource data of a module on POSIX, as win32/tools/rc_data generates it from the
// module's .rc file and as the module registers it (w32ModuleResourceData). All fields are
// 32-bit little-endian:
//
//   offset 0   magic "W32R"
//   offset 4   size of the whole data in bytes
//   offset 8   number of resources
//   offset 12  one 20-byte entry per resource: type, name, language, offset of its bytes from
//              the start of the data, size of its bytes
//   then       the bytes of each resource, each starting on a 4-byte boundary
//
// Types and names are numbers (RT_DIALOG is 5). A dialog resource holds the template in the
// platform's binary format, DLGTEMPLATEEX or DLGTEMPLATE, with its texts in UTF-16 (each byte
// of the .rc file's 8-bit text taken as one code unit).
#pragma once

#include <stddef.h>
#include <stdint.h>

namespace w32resources {

const uint32_t magic = 0x52323357; // "W32R" read as a little-endian number
const size_t headerSize = 12;
const size_t entrySize = 20;

inline uint32_t read32(const unsigned char *bytes) {
    return static_cast<uint32_t>(bytes[0]) | static_cast<uint32_t>(bytes[1]) << 8 |
           static_cast<uint32_t>(bytes[2]) << 16 | static_cast<uint32_t>(bytes[3]) << 24;
}

} // namespace w32resources
