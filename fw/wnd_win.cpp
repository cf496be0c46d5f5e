#include "fw/wnd_win.h"

#include <vector>

namespace fw {

namespace {

const wchar_t kObjectProp[] = L"VelmoWndObject";
const wchar_t kPlainClass[] = L"VelmoWnd";

// The object whose window is being created on this thread; the creation hook binds
// the first window created, before it receives WM_NCCREATE.
thread_local CWnd* t_creating = nullptr;
thread_local HHOOK t_hook = nullptr;

void RegisterPlainClass() {
  static bool registered = false;
  if (registered) return;
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  wc.style = CS_DBLCLKS;
  wc.lpfnWndProc = ::DefWindowProcW;
  wc.hInstance = AfxGetInstanceHandle();
  wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
  wc.lpszClassName = kPlainClass;
  registered = ::RegisterClassExW(&wc) != 0;
}

// The system may create a thread's default IME window inside our CreateWindowEx call,
// before the window we asked for; it must never be bound to our object.
bool IsImeWindow(HWND wnd) {
  wchar_t cls[8] = {};
  if (::GetClassLongPtrW(wnd, GCL_STYLE) & CS_IME) return true;
  return ::GetClassNameW(wnd, cls, 8) == 3 && ::lstrcmpiW(cls, L"IME") == 0;
}

}  // namespace

HINSTANCE AfxGetInstanceHandle() { return ::GetModuleHandleW(nullptr); }

LRESULT CALLBACK FrameworkWndProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  CWnd* obj = CWnd::FromHandle(wnd);
  if (!obj) return ::DefWindowProcW(wnd, msg, wParam, lParam);
  // No exception may unwind through the system's frames: a handler that throws ends its
  // message with 0.
  if (msg == WM_NCDESTROY) {
    WNDPROC super = obj->m_pfnSuper;
    LRESULT r = 0;
    try {
      r = obj->WindowProc(msg, wParam, lParam);
    } catch (...) {
    }
    // The object may already have let go of the window inside its handler.
    if (CWnd::FromHandle(wnd) == obj) {
      obj->Unbind();
      obj->PostNcDestroy();
    } else if (super) {
      ::SetWindowLongPtrW(wnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(super));
    }
    return r;
  }
  try {
    return obj->WindowProc(msg, wParam, lParam);
  } catch (...) {
    return 0;
  }
}

LRESULT CALLBACK CreationHook(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_CREATEWND && t_creating && !IsImeWindow(reinterpret_cast<HWND>(wParam))) {
    CWnd* obj = t_creating;
    t_creating = nullptr;
    HWND wnd = reinterpret_cast<HWND>(wParam);
    obj->m_hWnd = wnd;  // PreSubclassWindow may look at or restyle the window
    try {
      obj->PreSubclassWindow();
    } catch (...) {
    }
    obj->Bind(wnd);
  }
  return ::CallNextHookEx(t_hook, code, wParam, lParam);
}

// Binds the first window that the current thread creates while it lives to obj.
class CreationScope {
 public:
  explicit CreationScope(CWnd* obj) : previousHook_(t_hook), previousCreating_(t_creating) {
    t_hook = ::SetWindowsHookExW(WH_CBT, &CreationHook, nullptr, ::GetCurrentThreadId());
    t_creating = obj;
  }
  CreationScope(const CreationScope&) = delete;
  CreationScope& operator=(const CreationScope&) = delete;
  ~CreationScope() {
    ::UnhookWindowsHookEx(t_hook);
    t_hook = previousHook_;
    t_creating = previousCreating_;
  }

 private:
  HHOOK previousHook_;
  CWnd* previousCreating_;
};

CWnd::~CWnd() {
  // A window outliving its object would call into freed memory.
  if (m_hWnd && ::IsWindow(m_hWnd) && FromHandle(m_hWnd) == this) ::DestroyWindow(m_hWnd);
}

CWnd* CWnd::FromHandle(HWND wnd) {
  if (!wnd) return nullptr;
  return static_cast<CWnd*>(::GetPropW(wnd, kObjectProp));
}

void CWnd::Bind(HWND wnd) {
  m_hWnd = wnd;
  ::SetPropW(wnd, kObjectProp, this);
  m_pfnSuper = reinterpret_cast<WNDPROC>(
      ::SetWindowLongPtrW(wnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&FrameworkWndProc)));
}

void CWnd::Unbind() {
  if (!m_hWnd) return;
  if (m_pfnSuper) ::SetWindowLongPtrW(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuper));
  ::RemovePropW(m_hWnd, kObjectProp);
  m_pfnSuper = nullptr;
  m_hWnd = nullptr;
}

BOOL CWnd::CreateEx(DWORD exStyle, const wchar_t* className, const wchar_t* text, DWORD style,
                    const RECT& rect, HWND parent, UINT id, void* createParam) {
  if (m_hWnd) return FALSE;
  if (!className) {
    RegisterPlainClass();
    className = kPlainClass;
  }
  HMENU menu = (style & WS_CHILD) ? reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)) : nullptr;
  HWND wnd;
  {
    CreationScope scope(this);
    wnd = ::CreateWindowExW(exStyle, className, text ? text : L"", style, rect.left, rect.top,
                            rect.right - rect.left, rect.bottom - rect.top, parent, menu,
                            AfxGetInstanceHandle(), createParam);
  }
  if (!wnd) {
    if (m_hWnd) Unbind();
    return FALSE;
  }
  return TRUE;
}

BOOL CWnd::CreateDialogBound(const DLGTEMPLATE* tmpl, HWND owner, DLGPROC proc) {
  if (m_hWnd) return FALSE;
  HWND wnd;
  {
    CreationScope scope(this);
    wnd = ::CreateDialogIndirectParamW(AfxGetInstanceHandle(), tmpl, owner, proc, 0);
  }
  if (!wnd) {
    if (m_hWnd) Unbind();
    return FALSE;
  }
  return TRUE;
}

BOOL CWnd::SubclassWindow(HWND wnd) {
  if (m_hWnd || !wnd || FromHandle(wnd)) return FALSE;
  m_hWnd = wnd;  // PreSubclassWindow may look at the window
  PreSubclassWindow();
  m_hWnd = nullptr;
  Bind(wnd);
  return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT id, CWnd* parent) {
  if (!parent) return FALSE;
  return SubclassWindow(::GetDlgItem(parent->m_hWnd, static_cast<int>(id)));
}

HWND CWnd::UnsubclassWindow() {
  HWND wnd = m_hWnd;
  Unbind();
  return wnd;
}

BOOL CWnd::DestroyWindow() {
  if (!m_hWnd) return FALSE;
  return ::DestroyWindow(m_hWnd);
}

BOOL CWnd::PreTranslateMessage(MSG*) { return FALSE; }

BOOL CWnd::OnChildNotify(UINT, WPARAM, LPARAM, LRESULT*) { return FALSE; }

LRESULT CWnd::Default(UINT msg, WPARAM wParam, LPARAM lParam) {
  if (m_pfnSuper) return ::CallWindowProcW(m_pfnSuper, m_hWnd, msg, wParam, lParam);
  return ::DefWindowProcW(m_hWnd, msg, wParam, lParam);
}

LRESULT CWnd::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  HWND child = nullptr;
  switch (msg) {
    case WM_DRAWITEM: {
      // For a menu item hwndItem holds the menu's handle, which may equal some window's.
      auto* dis = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      if (dis->CtlType != ODT_MENU) child = dis->hwndItem;
      break;
    }
    case WM_MEASUREITEM: {
      auto* mis = reinterpret_cast<const MEASUREITEMSTRUCT*>(lParam);
      if (mis->CtlType != ODT_MENU) child = ::GetDlgItem(m_hWnd, static_cast<int>(mis->CtlID));
      break;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
      child = reinterpret_cast<HWND>(lParam);
      break;
    default:
      break;
  }
  if (child && child != m_hWnd) {
    if (CWnd* obj = FromHandle(child)) {
      LRESULT result = 0;
      if (obj->OnChildNotify(msg, wParam, lParam, &result)) return result;
    }
  }
  return Default(msg, wParam, lParam);
}

std::wstring CWnd::GetWindowText() const {
  int n = ::GetWindowTextLengthW(m_hWnd);
  if (n <= 0) return {};
  std::vector<wchar_t> buf(static_cast<size_t>(n) + 1);
  int got = ::GetWindowTextW(m_hWnd, buf.data(), n + 1);
  return std::wstring(buf.data(), static_cast<size_t>(got > 0 ? got : 0));
}

RECT CWnd::GetClientRect() const {
  RECT r{};
  ::GetClientRect(m_hWnd, &r);
  return r;
}

RECT CWnd::GetWindowRect() const {
  RECT r{};
  ::GetWindowRect(m_hWnd, &r);
  return r;
}

BOOL PreTranslateChain(MSG* msg) {
  for (HWND wnd = msg->hwnd; wnd; wnd = ::GetParent(wnd)) {
    if (CWnd* obj = CWnd::FromHandle(wnd)) {
      if (obj->PreTranslateMessage(msg)) return TRUE;
    }
    if (!(::GetWindowLongPtrW(wnd, GWL_STYLE) & WS_CHILD)) break;  // top-level reached
  }
  return FALSE;
}

}  // namespace fw
