// Window probe for the end-to-end tests (placeholder until the harness lands).
#include <windows.h>

int wmain() { return 0; }
