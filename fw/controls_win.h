// Thin objects over the system's controls. Owner-drawn controls get their
// WM_DRAWITEM reflected from the parent into DrawItem.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <string>
#include <utility>

#include "fw/wnd_win.h"

namespace fw {

class CButton : public CWnd {
 public:
  BOOL Create(const wchar_t* text, DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    return CreateEx(0, L"BUTTON", text, style, rect, parent ? parent->m_hWnd : nullptr, id);
  }
  // Called for BS_OWNERDRAW buttons.
  virtual void DrawItem(DRAWITEMSTRUCT*) {}
  BOOL OnChildNotify(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
};

class CStatic : public CWnd {
 public:
  BOOL Create(const wchar_t* text, DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    return CreateEx(0, L"STATIC", text, style, rect, parent ? parent->m_hWnd : nullptr, id);
  }
  virtual void DrawItem(DRAWITEMSTRUCT*) {}
  BOOL OnChildNotify(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
};

class CEdit : public CWnd {};

class CProgressCtrl : public CWnd {
 public:
  void SetRange32(int lower, int upper) { SendMessage(PBM_SETRANGE32, lower, upper); }
  int SetPos(int pos) { return static_cast<int>(SendMessage(PBM_SETPOS, pos)); }
  int GetPos() const { return static_cast<int>(SendMessage(PBM_GETPOS)); }
};

// An image list, destroyed with ImageList_Destroy.
class CImageList {
 public:
  CImageList() = default;
  CImageList(const CImageList&) = delete;
  CImageList& operator=(const CImageList&) = delete;
  ~CImageList() { DeleteImageList(); }

  BOOL Create(int cx, int cy, UINT flags, int initial, int grow) {
    DeleteImageList();
    m_hImageList = ::ImageList_Create(cx, cy, flags, initial, grow);
    return m_hImageList != nullptr;
  }
  // Adds the frames of a strip; pixels of the mask colour become transparent.
  int Add(HBITMAP bitmap, COLORREF mask) { return ::ImageList_AddMasked(m_hImageList, bitmap, mask); }
  BOOL Draw(HDC dc, int index, POINT pt, UINT style) const {
    return ::ImageList_Draw(m_hImageList, index, dc, pt.x, pt.y, style);
  }
  int GetImageCount() const { return m_hImageList ? ::ImageList_GetImageCount(m_hImageList) : 0; }
  void DeleteImageList() {
    if (m_hImageList) ::ImageList_Destroy(m_hImageList);
    m_hImageList = nullptr;
  }
  HIMAGELIST GetSafeHandle() const { return m_hImageList; }
  explicit operator bool() const { return m_hImageList != nullptr; }

 private:
  HIMAGELIST m_hImageList = nullptr;
};

// A tooltip window with tools keyed by a window and an id.
class CToolTipCtrl : public CWnd {
 public:
  BOOL Create(CWnd* parent, DWORD style = 0);
  BOOL AddTool(CWnd* wnd, const wchar_t* text, const RECT* rect = nullptr, UINT id = 0);
  void UpdateTipText(const wchar_t* text, CWnd* wnd, UINT id = 0);
  void RelayEvent(MSG* msg);
  void Activate(BOOL active) { SendMessage(TTM_ACTIVATE, active); }
};

}  // namespace fw
