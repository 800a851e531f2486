// tesmer's settings dialog: the renamers' dialog with the Ogg renamer's sample.
#include "renamer_dialog.h"
#include "tesmer_profile.h"

extern "C" int32_t __cdecl FileFilterUserInterface(FileFilterInfo *info, HWND parent) {
    return renamerUserInterface(info, parent, tesmerProfile);
}
