// Browser cache: the size limit set at start, and the cleaning of the menu.
#pragma once

#include <windows.h>

// Writes the browser cache limit; TRUE on success.
BOOL SetCacheLimit();
