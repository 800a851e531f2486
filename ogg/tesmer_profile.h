// What sets the Ogg renamer apart from the MP3 renamer: its name, its extension, COM
// initialization, and the values of the settings dialog's sample.
#pragma once

#include "renamer_settings.h"

extern const RenamerProfile tesmerProfile;
