// The listing as JSON:
//   {"path": DIR, "entries": [{"name": ..., "comment": ..., "size": N, "isDirectory": false},
//                             {..., "isDirectory": true, "children": [...]}]}
// "children" is present exactly where an entry has a listing. One entry per line, indented two
// spaces per level. Strings are written as UTF-8 with EscapeStyle::json.
#pragma once

#include "frame/filefilter.h"

#include <string>

void printJson(std::string &out, const FileList *root, const std::string &directory);
