// The listing as indented text: the directory on the first line, then one line per entry, two
// spaces of indent per level (the root's entries have two), the name (a directory's with the
// host's separator after it), and the comment two spaces after the name when there is one:
//
//     music
//       Album/
//         01 Intro.mp3  3.21MB
//       cover.jpg  48.00KB
//
// Names and comments are written as UTF-8 with EscapeStyle::text, the directory with
// EscapeStyle::message.
#pragma once

#include "frame/filefilter.h"

#include <string>

void printText(std::string &out, const FileList *root, const std::string &directory);
