#include "net/http_win.h"

// Not built yet: nothing is sent.
BOOL HttpPing(const wchar_t*) { return FALSE; }
