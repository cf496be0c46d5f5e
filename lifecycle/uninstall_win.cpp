#include "lifecycle/uninstall_win.h"

// Not built yet: nothing is removed.
int UninstallLauncher() { return 0; }
