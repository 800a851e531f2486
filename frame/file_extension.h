// The renamers' test for the entries they handle.
#pragma once

// True when the text from the last '.' of name to its end equals extension (".mp3"), ASCII
// letters compared without regard to case. A name without '.' has no extension.
bool hasExtension(const char *name, const char *extension);
