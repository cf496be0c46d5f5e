#include "host/pavrel3_dlg_win.h"

CPavrel3Dlg::CPavrel3Dlg(int) : fw::CDialog(102) {}

// Not built yet: the window cannot be shown.
INT_PTR CPavrel3Dlg::DoModal() { return -1; }
