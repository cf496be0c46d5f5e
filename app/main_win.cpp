// Entry point of the executable: the framework runs the one application object.
#include <windows.h>

#include "fw/app_win.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  return fw::AfxWinMain(instance);
}
