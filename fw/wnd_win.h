// Window objects: each window we create or subclass is bound to one CWnd object,
// and all its messages pass through the object's virtual WindowProc.
#pragma once

#include <windows.h>

#include <string>

namespace fw {

class CWnd {
 public:
  CWnd() = default;
  CWnd(const CWnd&) = delete;
  CWnd& operator=(const CWnd&) = delete;
  virtual ~CWnd();

  HWND m_hWnd = nullptr;
  HWND GetSafeHwnd() const { return m_hWnd; }
  operator HWND() const { return m_hWnd; }

  // The object bound to a window, or null for windows we do not own.
  static CWnd* FromHandle(HWND wnd);

  // Creates a window of a registered class (null: our own plain class) and binds it
  // to this object before its first message.
  BOOL CreateEx(DWORD exStyle, const wchar_t* className, const wchar_t* text, DWORD style,
                const RECT& rect, HWND parent, UINT id, void* createParam = nullptr);
  // Binds an existing window (a template control, say) to this object.
  BOOL SubclassWindow(HWND wnd);
  BOOL SubclassDlgItem(UINT id, CWnd* parent);
  HWND UnsubclassWindow();
  BOOL DestroyWindow();

  // Called before a window becomes bound to this object (styles may be changed here).
  virtual void PreSubclassWindow() {}
  // The message filter of every loop, called from the target window up to its
  // top-level window; TRUE means the message was handled and is not dispatched.
  virtual BOOL PreTranslateMessage(MSG* msg);
  // Called after the last message (WM_NCDESTROY); the window is gone.
  virtual void PostNcDestroy() {}
  // Owner-draw and colour messages that the parent reflects to the control that
  // sent them. TRUE with *result set means handled.
  virtual BOOL OnChildNotify(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result);

  // Small conveniences over the raw API.
  std::wstring GetWindowText() const;
  void SetWindowText(const wchar_t* text) { ::SetWindowTextW(m_hWnd, text); }
  RECT GetClientRect() const;
  RECT GetWindowRect() const;
  HWND GetDlgItem(int id) const { return ::GetDlgItem(m_hWnd, id); }
  BOOL IsWindow() const { return m_hWnd && ::IsWindow(m_hWnd); }
  LRESULT SendMessage(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) const {
    return ::SendMessageW(m_hWnd, msg, wParam, lParam);
  }
  BOOL PostMessage(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) const {
    return ::PostMessageW(m_hWnd, msg, wParam, lParam);
  }

 protected:
  // One handler per class: a switch over the messages the class handles, then the
  // base class's WindowProc. This base reflects child notifications and ends in Default.
  virtual LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam);
  // The processing the window had before we bound it (its class procedure).
  LRESULT Default(UINT msg, WPARAM wParam, LPARAM lParam);
  // Creates a dialog from a template and binds it to this object before its first message.
  BOOL CreateDialogBound(const DLGTEMPLATE* tmpl, HWND owner, DLGPROC proc);

 private:
  friend LRESULT CALLBACK FrameworkWndProc(HWND, UINT, WPARAM, LPARAM);
  friend LRESULT CALLBACK CreationHook(int, WPARAM, LPARAM);
  friend class CreationScope;
  void Bind(HWND wnd);
  void Unbind();

  WNDPROC m_pfnSuper = nullptr;
};

// The message filter chain of every loop: PreTranslateMessage on the target window's
// object and on each parent up to the top-level window.
BOOL PreTranslateChain(MSG* msg);

HINSTANCE AfxGetInstanceHandle();

}  // namespace fw
