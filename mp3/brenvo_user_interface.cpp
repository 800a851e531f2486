// brenvo's settings dialog: the renamers' dialog with the MP3 renamer's sample.
#include "brenvo_profile.h"

#include "frame/renamer_dialog.h"

extern "C" int32_t __cdecl FileFilterUserInterface(FileFilterInfo *info, HWND parent) {
    return renamerUserInterface(info, parent, brenvoProfile);
}
