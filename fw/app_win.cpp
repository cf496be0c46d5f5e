#include "fw/app_win.h"

namespace fw {

namespace {
CWinApp* g_app = nullptr;
}

CWinApp::CWinApp() { g_app = this; }

CWinApp::~CWinApp() {
  if (g_app == this) g_app = nullptr;
}

CWinApp* AfxGetApp() { return g_app; }

int CWinApp::Run() {
  MSG msg;
  for (;;) {
    BOOL got = ::GetMessageW(&msg, nullptr, 0, 0);
    if (got == 0) {
      m_nExitCode = static_cast<int>(msg.wParam);
      break;
    }
    if (got < 0) break;
    if (!PreTranslateMessage(&msg)) {
      ::TranslateMessage(&msg);
      ::DispatchMessageW(&msg);
    }
  }
  return m_nExitCode;
}

int AfxWinMain(HINSTANCE instance) {
  CWinApp* app = AfxGetApp();
  if (!app) return 1;
  app->m_hInstance = instance;
  if (app->InitInstance()) app->Run();
  return app->ExitInstance();
}

}  // namespace fw
