// What sets the MP3 renamer apart from the Ogg renamer: its name, its entries, its dialog
// samples.
#pragma once

#include "frame/renamer_settings.h"

extern const RenamerProfile brenvoProfile;
