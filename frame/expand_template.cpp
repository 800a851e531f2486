#include "expand_template.h"

#include <stdio.h>
#include <string.h>

namespace {

enum {
    workingSize = 8192,
    // The scan stops before a step that begins at or beyond this many characters.
    scanLimit = 8000,
    // Any 32-bit number with its sign and a NUL: track numbers of every length render in full.
    trackTextSize = 12,
};

struct Placeholder {
    const char *text;
    size_t length;
};

// Tried in this order at every position of the template; none is a prefix of another.
enum PlaceholderIndex { title, artist, album, year, bitrate, duration, track, placeholderCount };
const Placeholder placeholders[placeholderCount] = {
    {"%title%", 7},   {"%artist%", 8},    {"%album%", 7}, {"%year%", 6},
    {"%bitrate%", 9}, {"%duration%", 10}, {"%track%", 7},
};

const char *valueOf(int index, const TagFields *fields, char *trackText) {
    switch (index) {
    case title:
        return fields->title;
    case artist:
        return fields->artist;
    case album:
        return fields->album;
    case year:
        return fields->year;
    case bitrate:
        return fields->bitrate;
    case duration:
        return fields->duration;
    default:
        // "%2d": 1 to 9 get one leading space; no number at all for 0 or less.
        trackText[0] = '\0';
        if (fields->track > 0) snprintf(trackText, trackTextSize, "%2d", fields->track);
        return trackText;
    }
}

// Appends as much of text as the working text can hold, keeping room for its terminator.
size_t append(char *working, size_t length, const char *text, size_t textLength) {
    size_t room = workingSize - 1 - length;
    if (textLength > room) textLength = room;
    memcpy(working + length, text, textLength);
    return length + textLength;
}

void copyOut(char *output, int32_t outputSize, const char *text) {
    strncpy(output, text, static_cast<size_t>(outputSize));
    output[outputSize - 1] = '\0';
}

} // namespace

void expandTemplate(const char *defaultText, const char *templateText, char *output,
                    int32_t outputSize, const TagFields *fields) {
    if (outputSize < 1) return;
    if (templateText[0] == '\0') {
        copyOut(output, outputSize, defaultText);
        return;
    }

    char working[workingSize];
    char trackText[trackTextSize];
    size_t length = 0;
    const size_t templateLength = strlen(templateText);
    size_t position = 0;
    while (position < templateLength && length < scanLimit) {
        int match = placeholderCount;
        for (int index = 0; index < placeholderCount; ++index) {
            const Placeholder &placeholder = placeholders[index];
            // A placeholder cut off by the end of the template never matches.
            if (templateLength - position >= placeholder.length &&
                memcmp(templateText + position, placeholder.text, placeholder.length) == 0) {
                match = index;
                break;
            }
        }
        if (match == placeholderCount) {
            // Not a placeholder: copy the byte and look again from the next one.
            length = append(working, length, templateText + position, 1);
            ++position;
            continue;
        }
        // Values are appended as they are and never scanned for placeholders.
        const char *value = valueOf(match, fields, trackText);
        length = append(working, length, value, strlen(value));
        position += placeholders[match].length;
    }
    working[length] = '\0';
    copyOut(output, outputSize, working);
}
