// The host window that holds the game tabs.
#pragma once

#include "fw/dialog_win.h"

class CPavrel3Dlg : public fw::CDialog {
 public:
  // mode: the run mode that shows the window (a mode 5 host has no counter).
  explicit CPavrel3Dlg(int mode);

  INT_PTR DoModal() override;
};
