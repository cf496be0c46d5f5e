#include "game/game_start_win.h"

// Not built yet: there is no login window and no frame.
INT_PTR RunLoginWindow(HWND) { return -1; }
BOOL CreateGameFrame() { return FALSE; }
