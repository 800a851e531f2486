// The ID3 version 2 tag at the start of an MP3 file: the five text frames that name a song.
#pragma once

#include <stdint.h>
#include <stdio.h>

// Empties title, artist, album and year (the caller's 128-byte buffers) and sets track to 0,
// then fills them from the version 2 tag of the stream opened "rb": title, artist, album and
// year at most 126 characters each, track from a number of at most 7 characters. True when the
// file starts with a version 2 header that can be read (no unsynchronisation, no extended
// header), whether or not any of the frames is there. Moves the file position freely.
bool readId3v2(FILE *file, char *title, char *artist, char *album, char *year, int32_t *track);
