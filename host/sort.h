// Sorting the listings before they are printed.
#pragma once

#include "frame/filefilter.h"

enum class SortOrder { none, name, size };

// Sorts every listing of the tree below root, each one stable: by name in byte order, or by
// size ascending. SortOrder::none leaves the scan order (as the plug-ins left it).
void sortTree(FileList *root, SortOrder order);
