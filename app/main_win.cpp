// Entry point of the executable: the framework runs the one application object.
#include <windows.h>

#include "app/pavrel3_app_win.h"

// The application object, constructed before the framework starts.
CPavrel3App theApp;

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  return fw::AfxWinMain(instance);
}
