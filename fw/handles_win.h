// Owning wrappers for kernel handles and GDI objects, and scoped selections.
// Move-only; each releases its handle exactly once.
#pragma once

#include <windows.h>

#include <utility>

namespace fw {

// A kernel handle closed with CloseHandle (events, threads, processes, files).
class UniqueHandle {
 public:
  UniqueHandle() = default;
  explicit UniqueHandle(HANDLE h) : h_(h == INVALID_HANDLE_VALUE ? nullptr : h) {}
  UniqueHandle(UniqueHandle&& o) noexcept : h_(o.Take()) {}
  UniqueHandle& operator=(UniqueHandle&& o) noexcept {
    if (this != &o) Reset(o.Take());
    return *this;
  }
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;
  ~UniqueHandle() { Reset(); }

  HANDLE Get() const { return h_; }
  explicit operator bool() const { return h_ != nullptr; }
  HANDLE Take() { return std::exchange(h_, nullptr); }
  void Reset(HANDLE h = nullptr) {
    if (h == INVALID_HANDLE_VALUE) h = nullptr;
    if (h_) ::CloseHandle(h_);
    h_ = h;
  }

 private:
  HANDLE h_ = nullptr;
};

// A GDI object (bitmap, font, brush, pen, region) deleted with DeleteObject.
template <typename T>
class GdiObject {
 public:
  GdiObject() = default;
  explicit GdiObject(T h) : h_(h) {}
  GdiObject(GdiObject&& o) noexcept : h_(o.Take()) {}
  GdiObject& operator=(GdiObject&& o) noexcept {
    if (this != &o) Reset(o.Take());
    return *this;
  }
  GdiObject(const GdiObject&) = delete;
  GdiObject& operator=(const GdiObject&) = delete;
  ~GdiObject() { Reset(); }

  T Get() const { return h_; }
  operator T() const { return h_; }
  explicit operator bool() const { return h_ != nullptr; }
  T Take() { return std::exchange(h_, nullptr); }
  void Reset(T h = nullptr) {
    if (h_) ::DeleteObject(h_);
    h_ = h;
  }
  // Frame-work spelling: take ownership of / give up a handle.
  void Attach(T h) { Reset(h); }
  T Detach() { return Take(); }

 private:
  T h_ = nullptr;
};

using CBitmap = GdiObject<HBITMAP>;
using CFont = GdiObject<HFONT>;
using CBrush = GdiObject<HBRUSH>;
using CPen = GdiObject<HPEN>;
using CRgn = GdiObject<HRGN>;

// A memory DC from CreateCompatibleDC, deleted with DeleteDC.
class MemoryDC {
 public:
  explicit MemoryDC(HDC compatible) : dc_(::CreateCompatibleDC(compatible)) {}
  MemoryDC(const MemoryDC&) = delete;
  MemoryDC& operator=(const MemoryDC&) = delete;
  ~MemoryDC() {
    if (dc_) ::DeleteDC(dc_);
  }
  HDC Get() const { return dc_; }
  operator HDC() const { return dc_; }

 private:
  HDC dc_;
};

// A window or screen DC from GetDC, released with ReleaseDC.
class WindowDC {
 public:
  explicit WindowDC(HWND wnd) : wnd_(wnd), dc_(::GetDC(wnd)) {}
  WindowDC(const WindowDC&) = delete;
  WindowDC& operator=(const WindowDC&) = delete;
  ~WindowDC() {
    if (dc_) ::ReleaseDC(wnd_, dc_);
  }
  HDC Get() const { return dc_; }
  operator HDC() const { return dc_; }

 private:
  HWND wnd_;
  HDC dc_;
};

// BeginPaint / EndPaint.
class PaintDC {
 public:
  explicit PaintDC(HWND wnd) : wnd_(wnd) { dc_ = ::BeginPaint(wnd, &ps_); }
  PaintDC(const PaintDC&) = delete;
  PaintDC& operator=(const PaintDC&) = delete;
  ~PaintDC() { ::EndPaint(wnd_, &ps_); }
  HDC Get() const { return dc_; }
  operator HDC() const { return dc_; }
  const PAINTSTRUCT& Info() const { return ps_; }

 private:
  HWND wnd_;
  PAINTSTRUCT ps_{};
  HDC dc_;
};

// Selects an object into a DC and restores the previous one on scope exit. Not for
// regions: selecting one answers a region type, not a previous object to restore.
class SelectGuard {
 public:
  SelectGuard(HDC dc, HGDIOBJ obj) : dc_(dc), old_(Select(dc, obj)) {}
  SelectGuard(const SelectGuard&) = delete;
  SelectGuard& operator=(const SelectGuard&) = delete;
  ~SelectGuard() {
    if (old_) ::SelectObject(dc_, old_);
  }

 private:
  static HGDIOBJ Select(HDC dc, HGDIOBJ obj) {
    if (!obj || ::GetObjectType(obj) == OBJ_REGION) return nullptr;
    return ::SelectObject(dc, obj);
  }

  HDC dc_;
  HGDIOBJ old_;
};

// SaveDC / RestoreDC.
class SavedDC {
 public:
  explicit SavedDC(HDC dc) : dc_(dc), id_(::SaveDC(dc)) {}
  SavedDC(const SavedDC&) = delete;
  SavedDC& operator=(const SavedDC&) = delete;
  ~SavedDC() {
    if (id_) ::RestoreDC(dc_, id_);
  }

 private:
  HDC dc_;
  int id_;
};

}  // namespace fw
