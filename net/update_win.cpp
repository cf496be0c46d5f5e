#include "net/update_win.h"

// Not built yet: no update is ever found or installed.
int CheckForUpdate(BOOL) { return 0; }
BOOL RunUpdate() { return FALSE; }
