// The ID3 version 1 tag: the last 128 bytes of an MP3 file.
#pragma once

#include <stdint.h>
#include <stdio.h>

// Fills title, artist and album (at most 30 characters each) and year (at most 4) of the
// caller's 128-byte buffers, and track, from the version 1 tag of the stream opened "rb".
// False, with all five left untouched, when file is null or ends in no tag. Moves the file
// position freely.
bool readId3v1(FILE *file, char *title, char *artist, char *album, char *year, int32_t *track);
