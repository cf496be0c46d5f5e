#include "host/cache_clean_win.h"

// Not built yet: the limit is not written.
BOOL SetCacheLimit() { return FALSE; }
