#include "fw/controls_win.h"

namespace fw {

BOOL CButton::OnChildNotify(UINT msg, WPARAM, LPARAM lParam, LRESULT* result) {
  if (msg != WM_DRAWITEM) return FALSE;
  DrawItem(reinterpret_cast<DRAWITEMSTRUCT*>(lParam));
  *result = TRUE;
  return TRUE;
}

BOOL CStatic::OnChildNotify(UINT msg, WPARAM, LPARAM lParam, LRESULT* result) {
  if (msg != WM_DRAWITEM) return FALSE;
  DrawItem(reinterpret_cast<DRAWITEMSTRUCT*>(lParam));
  *result = TRUE;
  return TRUE;
}

BOOL CToolTipCtrl::Create(CWnd* parent, DWORD style) {
  RECT none{CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT};
  none.right = none.left;
  none.bottom = none.top;
  if (!CreateEx(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | style, none,
                parent ? parent->m_hWnd : nullptr, 0)) {
    return FALSE;
  }
  ::SetWindowPos(m_hWnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  return TRUE;
}

namespace {
TTTOOLINFOW ToolInfo(HWND owner, HWND tool, UINT id, const wchar_t* text) {
  TTTOOLINFOW ti{};
  ti.cbSize = sizeof(ti);
  ti.hwnd = owner;
  ti.uFlags = id == 0 ? (TTF_IDISHWND | TTF_SUBCLASS) : TTF_SUBCLASS;
  ti.uId = id == 0 ? reinterpret_cast<UINT_PTR>(tool) : id;
  ti.hinst = nullptr;
  ti.lpszText = const_cast<wchar_t*>(text ? text : L"");
  return ti;
}
}  // namespace

BOOL CToolTipCtrl::AddTool(CWnd* wnd, const wchar_t* text, const RECT* rect, UINT id) {
  if (!m_hWnd || !wnd) return FALSE;
  HWND owner = id == 0 ? ::GetParent(wnd->m_hWnd) : wnd->m_hWnd;
  if (!owner) owner = wnd->m_hWnd;
  TTTOOLINFOW ti = ToolInfo(owner, wnd->m_hWnd, id, text);
  if (rect) ti.rect = *rect;
  else ::GetClientRect(wnd->m_hWnd, &ti.rect);
  return static_cast<BOOL>(SendMessage(TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&ti)));
}

void CToolTipCtrl::UpdateTipText(const wchar_t* text, CWnd* wnd, UINT id) {
  if (!m_hWnd || !wnd) return;
  HWND owner = id == 0 ? ::GetParent(wnd->m_hWnd) : wnd->m_hWnd;
  if (!owner) owner = wnd->m_hWnd;
  TTTOOLINFOW ti = ToolInfo(owner, wnd->m_hWnd, id, text);
  SendMessage(TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&ti));
}

void CToolTipCtrl::RelayEvent(MSG* msg) {
  if (m_hWnd) SendMessage(TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(msg));
}

}  // namespace fw
