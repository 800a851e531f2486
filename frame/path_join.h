// Joining a directory path that the host handed over with an entry's name.
#pragma once

#include <stddef.h>

// The separator of the host's paths: the last '\\' or '/' that directory holds, else the
// platform's own ('\\' on Windows, '/' elsewhere).
char pathSeparator(const char *directory);

// Writes directory, one separator and name into out (outSize bytes). With
// keepTrailingSeparator, a directory that already ends in its separator gets no second one.
// Returns false, with out holding the empty text, when the joined path does not fit or
// directory is empty (it names no directory to join to).
bool joinPath(char *out, size_t outSize, const char *directory, const char *name,
              bool keepTrailingSeparator);
