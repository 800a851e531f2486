// Reads what a renamer template can name from an Ogg Vorbis file: the comment header's title,
// artist, album, year and track number, a bitrate text from the identification header's
// nominal bitrate, and a duration text from the granule position of the last page in the
// file's final 16384 bytes (or an estimate from the file size when no page is found there).
#pragma once

#include <stdint.h>
#include <stdio.h>

// 1 when the fields have been filled, 0 when the file is not read as a Vorbis stream.
// title, artist, album and year need at least 65 bytes (64 characters are kept), bitrate and
// duration at least 12 (neither exceeds 11 characters). When the file cannot be opened the
// outputs are left as they were; on every other path track is set to 0 and the six texts are
// emptied before anything is read.
int32_t readVorbisInfo(const char *path, char *title, char *artist, char *album, char *year,
                       int32_t *track, char *bitrate, char *duration);

// The same reading from a stream that is already open at its first byte; it takes the stream
// over and closes it. readVorbisInfo opens the file and hands it here.
int32_t readVorbisStream(FILE *file, char *title, char *artist, char *album, char *year,
                         int32_t *track, char *bitrate, char *duration);
