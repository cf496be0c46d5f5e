#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

#include "fw/controls_win.h"
#include "fw/dialog_win.h"
#include "fw/handles_win.h"
#include "gdi_count.h"

namespace {

// Records the messages it sees and ends its own loop on a posted WM_APP.
class RecordingWnd : public fw::CWnd {
 public:
  std::vector<UINT> seen;
  int drawItems = 0;
  bool destroyed = false;

 protected:
  LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override {
    seen.push_back(msg);
    return fw::CWnd::WindowProc(msg, wParam, lParam);
  }
  void PostNcDestroy() override { destroyed = true; }
};

class OwnerDrawButton : public fw::CButton {
 public:
  int drawn = 0;
  void PreSubclassWindow() override {
    ::SetWindowLongPtrW(m_hWnd, GWL_STYLE, ::GetWindowLongPtrW(m_hWnd, GWL_STYLE) | BS_OWNERDRAW);
  }
  void DrawItem(DRAWITEMSTRUCT*) override { ++drawn; }
};

class FilteringWnd : public fw::CWnd {
 public:
  int filtered = 0;
  BOOL PreTranslateMessage(MSG* msg) override {
    if (msg->message == WM_APP + 7) {
      ++filtered;
      return TRUE;
    }
    return FALSE;
  }
};

}  // namespace

TEST(FrameworkWindowTest, CreateBindsBeforeTheFirstMessageAndUnbindsAtTheEnd) {
  RecordingWnd wnd;
  RECT rc{0, 0, 200, 100};
  ASSERT_TRUE(wnd.CreateEx(0, nullptr, L"probe", WS_OVERLAPPEDWINDOW, rc, nullptr, 0));
  ASSERT_FALSE(wnd.seen.empty());
  // The object saw the window's creation messages themselves.
  EXPECT_TRUE(std::find(wnd.seen.begin(), wnd.seen.end(), WM_NCCREATE) != wnd.seen.end());
  EXPECT_EQ(fw::CWnd::FromHandle(wnd.m_hWnd), &wnd);
  HWND h = wnd.m_hWnd;
  ::DestroyWindow(h);
  EXPECT_TRUE(wnd.destroyed);
  EXPECT_EQ(wnd.m_hWnd, nullptr);
  EXPECT_EQ(fw::CWnd::FromHandle(h), nullptr);
}

TEST(FrameworkWindowTest, OwnerDrawIsReflectedToTheControl) {
  RecordingWnd parent;
  RECT rc{0, 0, 300, 200};
  ASSERT_TRUE(parent.CreateEx(0, nullptr, L"parent", WS_OVERLAPPEDWINDOW, rc, nullptr, 0));
  OwnerDrawButton button;
  RECT brc{10, 10, 80, 40};
  ASSERT_TRUE(button.Create(L"ok", WS_CHILD | WS_VISIBLE, brc, &parent, 1234));
  EXPECT_TRUE(::GetWindowLongPtrW(button.m_hWnd, GWL_STYLE) & BS_OWNERDRAW);
  ::ShowWindow(parent.m_hWnd, SW_SHOW);
  ::UpdateWindow(parent.m_hWnd);
  ::RedrawWindow(button.m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  EXPECT_GT(button.drawn, 0);
  parent.DestroyWindow();
  EXPECT_EQ(button.m_hWnd, nullptr);
}

TEST(FrameworkWindowTest, PreTranslateChainWalksUpToTheTopLevelWindow) {
  FilteringWnd top;
  RECT rc{0, 0, 300, 200};
  ASSERT_TRUE(top.CreateEx(0, nullptr, L"top", WS_OVERLAPPEDWINDOW, rc, nullptr, 0));
  fw::CStatic inner;
  RECT crc{0, 0, 50, 20};
  ASSERT_TRUE(inner.CreateEx(0, L"STATIC", L"x", WS_CHILD | WS_VISIBLE, crc, top.m_hWnd, 5));
  MSG msg{};
  msg.hwnd = inner.m_hWnd;
  msg.message = WM_APP + 7;
  EXPECT_TRUE(fw::PreTranslateChain(&msg));
  EXPECT_EQ(top.filtered, 1);
  msg.message = WM_APP + 8;
  EXPECT_FALSE(fw::PreTranslateChain(&msg));
  top.DestroyWindow();
}

TEST(FrameworkWindowTest, SubclassedControlKeepsItsOwnBehaviour) {
  RecordingWnd parent;
  RECT rc{0, 0, 300, 200};
  ASSERT_TRUE(parent.CreateEx(0, nullptr, L"parent", WS_OVERLAPPEDWINDOW, rc, nullptr, 0));
  HWND edit = ::CreateWindowExW(0, L"EDIT", L"hello", WS_CHILD | WS_VISIBLE, 0, 0, 100, 20,
                                parent.m_hWnd, reinterpret_cast<HMENU>(7), nullptr, nullptr);
  fw::CEdit ctrl;
  ASSERT_TRUE(ctrl.SubclassDlgItem(7, &parent));
  EXPECT_EQ(ctrl.m_hWnd, edit);
  EXPECT_EQ(ctrl.GetWindowText(), L"hello");
  ctrl.SetWindowText(L"\x4F60\x597D");
  EXPECT_EQ(ctrl.GetWindowText(), L"\x4F60\x597D");
  EXPECT_FALSE(ctrl.SubclassWindow(edit));  // already bound
  EXPECT_EQ(ctrl.UnsubclassWindow(), edit);
  EXPECT_EQ(fw::CWnd::FromHandle(edit), nullptr);
  parent.DestroyWindow();
}

TEST(FrameworkHandlesTest, GdiWrappersReleaseWhatTheyOwn) {
  auto drawOnce = [] {
    fw::WindowDC screen(nullptr);
    fw::MemoryDC mem(screen);
    fw::CBitmap bmp(::CreateCompatibleBitmap(screen, 16, 16));
    fw::CBrush brush(::CreateSolidBrush(RGB(1, 2, 3)));
    fw::SelectGuard sel(mem, bmp);
    RECT r{0, 0, 16, 16};
    ::FillRect(mem, &r, brush);
  };
  drawOnce();  // the system's own first-use objects (cached DCs) are not ours
  DWORD before = CountGdiObjects();
  ASSERT_GT(before, 0u);
  for (int i = 0; i < 200; ++i) drawOnce();
  EXPECT_EQ(CountGdiObjects(), before);
}

namespace {

// Ends itself from a posted message and records whether its owner was disabled meanwhile.
class ProbeDialog : public fw::CDialog {
 public:
  explicit ProbeDialog(UINT id, HWND owner) : fw::CDialog(id) { SetParentHwnd(owner); }
  HWND ownerSeen = nullptr;
  int ownerEnabledWhileModal = -1;
  bool quitWhileModal = false;
  bool throwInInit = false;

  BOOL OnInitDialog() override {
    if (throwInInit) throw std::runtime_error("init");
    PostMessage(WM_APP + 1);
    return fw::CDialog::OnInitDialog();
  }

 protected:
  LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override {
    if (msg == WM_APP + 1) {
      ownerSeen = ::GetWindow(m_hWnd, GW_OWNER);
      ownerEnabledWhileModal = ::IsWindowEnabled(ownerSeen) ? 1 : 0;
      if (quitWhileModal) ::PostQuitMessage(5);
      EndDialog(42);
      return 0;
    }
    if (msg == WM_APP + 2) throw std::runtime_error("handler");
    return fw::CDialog::WindowProc(msg, wParam, lParam);
  }
};

}  // namespace

TEST(FrameworkDialogTest, ModalLoopDisablesTheTopLevelOwnerAndHandsOnAQuit) {
  RecordingWnd top;
  RECT rc{0, 0, 300, 200};
  ASSERT_TRUE(top.CreateEx(0, nullptr, L"top", WS_OVERLAPPEDWINDOW, rc, nullptr, 0));
  fw::CStatic child;
  RECT crc{0, 0, 50, 20};
  ASSERT_TRUE(child.CreateEx(0, L"STATIC", L"x", WS_CHILD | WS_VISIBLE, crc, top.m_hWnd, 5));

  // Owned through a child: the owner is that child's top-level window.
  ProbeDialog dlg(156, child.m_hWnd);
  EXPECT_EQ(dlg.DoModal(), 42);
  EXPECT_EQ(dlg.ownerSeen, top.m_hWnd);
  EXPECT_EQ(dlg.ownerEnabledWhileModal, 0);
  EXPECT_TRUE(::IsWindowEnabled(top.m_hWnd));
  EXPECT_EQ(dlg.m_hWnd, nullptr);

  // A quit that arrives inside the modal loop is left for the application's loop.
  ProbeDialog quitting(156, top.m_hWnd);
  quitting.quitWhileModal = true;
  EXPECT_EQ(quitting.DoModal(), 42);
  MSG msg{};
  bool quit = false;
  while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) quit = msg.wParam == 5;
  }
  EXPECT_TRUE(quit);
  EXPECT_TRUE(::IsWindowEnabled(top.m_hWnd));

  ProbeDialog missing(9999, top.m_hWnd);
  EXPECT_EQ(missing.DoModal(), -1);
  EXPECT_TRUE(::IsWindowEnabled(top.m_hWnd));
  top.DestroyWindow();
}

TEST(FrameworkWindowTest, MenuDrawItemIsNotReflectedAndExceptionsStayInside) {
  RecordingWnd parent;
  RECT rc{0, 0, 300, 200};
  ASSERT_TRUE(parent.CreateEx(0, nullptr, L"parent", WS_OVERLAPPEDWINDOW, rc, nullptr, 0));
  OwnerDrawButton button;
  RECT brc{10, 10, 80, 40};
  ASSERT_TRUE(button.Create(L"ok", WS_CHILD, brc, &parent, 1234));

  // A menu item's hwndItem is a menu handle: even one whose value equals a window's
  // handle never reaches that window's object.
  DRAWITEMSTRUCT dis{};
  dis.CtlType = ODT_MENU;
  dis.hwndItem = button.m_hWnd;
  parent.SendMessage(WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&dis));
  EXPECT_EQ(button.drawn, 0);
  dis.CtlType = ODT_BUTTON;
  dis.CtlID = 1234;
  parent.SendMessage(WM_DRAWITEM, 1234, reinterpret_cast<LPARAM>(&dis));
  EXPECT_EQ(button.drawn, 1);
  parent.DestroyWindow();

  // A throwing handler ends its message; the window and its dialog stay usable.
  ProbeDialog dlg(156, nullptr);
  dlg.throwInInit = true;
  ASSERT_TRUE(dlg.Create(156, static_cast<HWND>(nullptr)));
  EXPECT_EQ(dlg.SendMessage(WM_APP + 2), 0);
  EXPECT_TRUE(dlg.IsWindow());
  EXPECT_EQ(fw::CWnd::FromHandle(dlg.m_hWnd), &dlg);
  dlg.DestroyWindow();
  EXPECT_EQ(dlg.m_hWnd, nullptr);
}
