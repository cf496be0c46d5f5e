#include "lifecycle/install_win.h"

// Not built yet: nothing is installed, and the caller is told so.
BOOL InstallLauncher() { return FALSE; }
