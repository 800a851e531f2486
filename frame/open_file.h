// Opening an entry's file for the readers.
#pragma once

#include <stdio.h>

// Opens path for binary reading ("rb") when it names a regular file; null otherwise. On Windows
// opening a directory fails by itself; elsewhere fopen succeeds on one, and blocks on a named
// pipe, so anything but a regular file is refused here before it is opened.
FILE *openRegularFile(const char *path);
