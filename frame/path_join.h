// Joining a directory path that the host handed over with an entry's name.
#pragma once

#include <stddef.h>

// The separator of the host's paths. On Windows the last backslash or slash that directory
// holds, else a backslash. Elsewhere a slash, except for a path without one that starts with a
// drive (C:\Music) or a server (\\server\music) as Windows paths do: there a backslash
// separates.
char pathSeparator(const char *directory);

// Writes directory, one separator and name into out (outSize bytes). With
// keepTrailingSeparator, a directory that already ends in its separator gets no second one.
// Returns false, with out holding the empty text, when the joined path does not fit or
// directory is empty (it names no directory to join to).
bool joinPath(char *out, size_t outSize, const char *directory, const char *name,
              bool keepTrailingSeparator);
