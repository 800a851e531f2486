// Each plug-in keeps exactly one saved dialog position; zero until loaded or saved.
#include "window_position.h"

WindowPosition dialogPosition;
