#include "skin/png_resource_win.h"

#include <objidl.h>
#include <gdiplus.h>

namespace gp = Gdiplus::DllExports;

namespace {

// A GDI+ start matched by its shutdown on every exit of the scope.
class GdiplusSession {
 public:
  GdiplusSession() {
    Gdiplus::GdiplusStartupInput input;  // version 1, no callback, thread and codecs on
    if (Gdiplus::GdiplusStartup(&token_, &input, nullptr) != Gdiplus::Ok) token_ = 0;
  }
  GdiplusSession(const GdiplusSession&) = delete;
  GdiplusSession& operator=(const GdiplusSession&) = delete;
  ~GdiplusSession() {
    if (token_) Gdiplus::GdiplusShutdown(token_);
  }
  bool ok() const { return token_ != 0; }

 private:
  ULONG_PTR token_ = 0;
};

HBITMAP CreateDib32(int width, int height, void** bits) {
  BITMAPINFO bmi{};
  bmi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  bmi.bmiHeader.biWidth = width;
  bmi.bmiHeader.biHeight = height;  // bottom-up
  bmi.bmiHeader.biPlanes = 1;
  bmi.bmiHeader.biBitCount = 32;
  bmi.bmiHeader.biCompression = BI_RGB;
  HDC screen = ::GetDC(nullptr);
  HBITMAP dib = ::CreateDIBSection(screen, &bmi, DIB_RGB_COLORS, bits, nullptr, 0);
  ::ReleaseDC(nullptr, screen);
  return dib;
}

// GDI+ for the whole process, started on first use and shut down with the static
// objects at exit: starting and stopping it per image costs about half a second each
// under some systems, which a message box of four images would wait for.
GdiplusSession& ProcessGdiplus() {
  static GdiplusSession session;
  return session;
}

}  // namespace

SIZE BitmapSize(HBITMAP bitmap) {
  BITMAP bm{};
  if (!bitmap || !::GetObjectW(bitmap, sizeof(bm), &bm)) return SIZE{0, 0};
  return SIZE{bm.bmWidth, bm.bmHeight};
}

HBITMAP MakeKeyedBitmap(void* gpBitmap, COLORREF key) {
  auto* bitmap = static_cast<Gdiplus::GpBitmap*>(gpBitmap);
  if (!bitmap) return nullptr;
  UINT width = 0, height = 0;
  gp::GdipGetImageWidth(bitmap, &width);
  gp::GdipGetImageHeight(bitmap, &height);
  if (width == 0 || height == 0) return nullptr;

  void* bits = nullptr;
  HBITMAP dib = CreateDib32(static_cast<int>(width), static_cast<int>(height), &bits);
  if (!dib || !bits) {
    if (dib) ::DeleteObject(dib);
    return nullptr;
  }
  Gdiplus::GpRect all(0, 0, static_cast<INT>(width), static_cast<INT>(height));
  Gdiplus::BitmapData data{};
  if (gp::GdipBitmapLockBits(bitmap, &all, Gdiplus::ImageLockModeRead, PixelFormat32bppARGB,
                             &data) != Gdiplus::Ok ||
      !data.Scan0) {
    ::DeleteObject(dib);
    return nullptr;
  }
  skin::ConvertToKeyedDib(static_cast<const uint8_t*>(data.Scan0), data.Stride,
                          static_cast<int>(width), static_cast<int>(height), key,
                          static_cast<uint8_t*>(bits));
  gp::GdipBitmapUnlockBits(bitmap, &data);
  return dib;
}

HBITMAP LoadPngResource(HMODULE module, WORD id) {
  if (!module) return nullptr;
  GdiplusSession& session = ProcessGdiplus();

  if (HBITMAP bmp = ::LoadBitmapW(module, MAKEINTRESOURCEW(id))) return bmp;

  HRSRC res = ::FindResourceW(module, MAKEINTRESOURCEW(id), L"PNG");
  if (!res) return nullptr;
  HGLOBAL loaded = ::LoadResource(module, res);
  DWORD size = ::SizeofResource(module, res);
  const void* data = loaded ? ::LockResource(loaded) : nullptr;
  if (!data || size == 0 || !session.ok()) return nullptr;

  IStream* stream = nullptr;
  if (FAILED(::CreateStreamOnHGlobal(nullptr, TRUE, &stream)) || !stream) return nullptr;
  ULONG written = 0;
  stream->Write(data, size, &written);
  LARGE_INTEGER zero{};
  stream->Seek(zero, STREAM_SEEK_SET, nullptr);
  Gdiplus::GpBitmap* bitmap = nullptr;
  if (written != size || gp::GdipCreateBitmapFromStream(stream, &bitmap) != Gdiplus::Ok) {
    bitmap = nullptr;
  }
  ::FreeResource(loaded);
  if (!bitmap) {
    stream->Release();
    return nullptr;
  }

  HBITMAP result = MakeKeyedBitmap(bitmap, SKIN_KEY_COLOR);
  if (!result) {
    HBITMAP fallback = nullptr;
    if (gp::GdipCreateHBITMAPFromBitmap(bitmap, &fallback, 0xFFFF00FF) == Gdiplus::Ok) {
      result = fallback;
    }
  }
  gp::GdipDisposeImage(bitmap);
  stream->Release();
  return result;
}

HBITMAP LoadImageFileBitmap(const wchar_t* path, int* width, int* height) {
  if (width) *width = 0;
  if (height) *height = 0;
  if (!path || !ProcessGdiplus().ok()) return nullptr;

  Gdiplus::GpImage* image = nullptr;
  if (gp::GdipLoadImageFromFile(path, &image) != Gdiplus::Ok || !image) return nullptr;
  UINT w = 0, h = 0;
  gp::GdipGetImageWidth(image, &w);
  gp::GdipGetImageHeight(image, &h);
  HBITMAP dib = nullptr;
  if (w > 0 && h > 0) {
    void* bits = nullptr;
    dib = CreateDib32(static_cast<int>(w), static_cast<int>(h), &bits);
  }
  if (dib) {
    HDC screen = ::GetDC(nullptr);
    HDC mem = ::CreateCompatibleDC(screen);
    ::ReleaseDC(nullptr, screen);
    HGDIOBJ old = ::SelectObject(mem, dib);
    RECT all{0, 0, static_cast<LONG>(w), static_cast<LONG>(h)};
    ::FillRect(mem, &all, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
    Gdiplus::GpGraphics* graphics = nullptr;
    if (gp::GdipCreateFromHDC(mem, &graphics) == Gdiplus::Ok && graphics) {
      gp::GdipDrawImageRectI(graphics, image, 0, 0, static_cast<INT>(w), static_cast<INT>(h));
      gp::GdipDeleteGraphics(graphics);
    }
    ::SelectObject(mem, old);
    ::DeleteDC(mem);
    if (width) *width = static_cast<int>(w);
    if (height) *height = static_cast<int>(h);
  }
  gp::GdipDisposeImage(image);
  return dib;
}
