// The numbering pass: a running number in front of every name, and the scan order in every
// size, so that the host's sort by size lists the entries in the order they were scanned.
#pragma once

#include "filefilter.h"
#include "numberer_prefs.h"

// Numbers one listing and everything below it. fileNumber is the number the next numbered
// entry receives, runningIndex the size the next entry receives. When given, nextFileNumber
// and nextRunningIndex receive the values that follow the listing's last entry.
void numberList(FileList *list, const NumbererPrefs *prefs, int32_t fileNumber,
                int32_t runningIndex, int32_t *nextFileNumber, int32_t *nextRunningIndex);

// The whole pass as FileFilterExecute runs it: numbers from the start value, sizes from 1.
void numberTree(FileList *list, const NumbererPrefs *prefs);
