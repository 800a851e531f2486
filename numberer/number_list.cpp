#include "number_list.h"

#include "entry_text.h"

namespace {

// The number, a full stop, a space, then the old name: at most 11 + 2 + 63 characters, so the
// text always fits; the name keeps its first 63 characters.
void numberEntry(FileEntry *entry, int32_t number) {
    char text[128];
    wsprintfA(text, "%d. %s", number, entry->name);
    copyToField(entry->name, sizeof entry->name, text);
}

int32_t startValue(const NumbererPrefs *prefs) {
    return prefs->startAtZero ? 0 : 1;
}

} // namespace

void numberList(FileList *list, const NumbererPrefs *prefs, int32_t fileNumber,
                int32_t runningIndex, int32_t *nextFileNumber, int32_t *nextRunningIndex) {
    for (uint32_t index = 0; index < list->count; ++index) {
        FileEntry *entry = &list->entries[index];
        if (entry->isDirectory) {
            if (prefs->numberDirectories) numberEntry(entry, fileNumber++);
            entry->size = runningIndex++;
            // A directory entry without a listing breaks the host's contract; there is
            // nothing to descend into, so the walk goes on with the next entry.
            if (!entry->children) continue;
            if (prefs->resetPerDirectory)
                numberList(entry->children, prefs, startValue(prefs), runningIndex, nullptr,
                           &runningIndex);
            else
                numberList(entry->children, prefs, fileNumber, runningIndex, &fileNumber,
                           &runningIndex);
        } else {
            numberEntry(entry, fileNumber++);
            entry->size = runningIndex++;
        }
    }
    if (nextFileNumber) *nextFileNumber = fileNumber;
    if (nextRunningIndex) *nextRunningIndex = runningIndex;
}

void numberTree(FileList *list, const NumbererPrefs *prefs) {
    numberList(list, prefs, startValue(prefs), 1, nullptr, nullptr);
}
