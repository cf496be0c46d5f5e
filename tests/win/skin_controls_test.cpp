// Win32 tests of the skinned controls, on synthetic keyed bitmaps (the artwork need
// not be present).
#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>
#include <objidl.h>
#include <gdiplus.h>

#include <functional>
#include <string>
#include <vector>

#include "fw/handles_win.h"
#include "skin/btn_ex_win.h"
#include "skin/dlg_ex_win.h"
#include "skin/img_progress_win.h"
#include "skin/message_box_win.h"
#include "skin/png_resource_win.h"
#include "skin/static_ex_win.h"

namespace {

constexpr COLORREF kMagenta = RGB(255, 0, 255);

// A 32-bit top-down DIB filled by colorAt(x, y).
HBITMAP MakeBitmap(int w, int h, const std::function<COLORREF(int, int)>& colorAt) {
  BITMAPINFO bmi{};
  bmi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  bmi.bmiHeader.biWidth = w;
  bmi.bmiHeader.biHeight = -h;
  bmi.bmiHeader.biPlanes = 1;
  bmi.bmiHeader.biBitCount = 32;
  bmi.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP bmp = ::CreateDIBSection(nullptr, &bmi, DIB_RGB_COLORS, &bits, nullptr, 0);
  auto* px = static_cast<DWORD*>(bits);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      COLORREF c = colorAt(x, y);
      px[y * w + x] = (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c);
    }
  }
  return bmp;
}

// The light dialog background: blue caption band of 30 rows, frame 4, pale body, and
// 3, 2, 1 key pixels in rows 0, 1, 2 of each top corner.
HBITMAP MakeBackground() {
  const int iw = 30, ih = 51;
  return MakeBitmap(iw, ih, [=](int x, int y) -> COLORREF {
    int fromEdge = x < iw - 1 - x ? x : iw - 1 - x;
    if (y < 3 && fromEdge < 3 - y) return kMagenta;
    if (y < 30) return RGB(30, 90, 200);
    if (x < 4 || x >= iw - 4 || y >= ih - 4) return RGB(20, 60, 160);
    return RGB(240, 245, 250);
  });
}

const COLORREF kFaces[4] = {RGB(200, 0, 0), RGB(0, 200, 0), RGB(0, 0, 200), RGB(90, 90, 90)};

// A four-frame strip of solid faces whose top-left pixel is the key colour.
HBITMAP MakeStrip(int frameW, int h) {
  return MakeBitmap(frameW * 4, h, [=](int x, int y) -> COLORREF {
    if (x % frameW == 0 && y == 0) return kMagenta;
    return kFaces[x / frameW];
  });
}

COLORREF PixelOf(HBITMAP bmp, int x, int y) {
  fw::MemoryDC dc(nullptr);
  fw::SelectGuard sel(dc, bmp);
  return ::GetPixel(dc, x, y);
}

class SkinnedDlg : public CDlgEx {
 public:
  SkinnedDlg() : CDlgEx(130) {}
  bool withMinMax = false;
  BOOL OnInitDialog() override {
    CDlgEx::OnInitDialog();
    m_nCaptionHeight = 30;
    m_nBorder = 4;
    m_nBtnRightMargin = 5;
    m_nBtnTop = 1;
    ::SetWindowPos(m_hWnd, nullptr, 50, 60, 300, 200, SWP_NOZORDER);
    if (withMinMax) {
      SetSkin(strip33, strip27, MakeBackground(), FALSE, TRUE, MakeStrip(27, 28), MakeStrip(27, 28));
    } else {
      SetSkin(strip33, nullptr, MakeBackground(), FALSE, TRUE);
    }
    return TRUE;
  }
  HBITMAP strip33 = MakeStrip(33, 28);
  HBITMAP strip27 = MakeStrip(27, 28);
  ~SkinnedDlg() override {
    ::DeleteObject(strip33);
    ::DeleteObject(strip27);
  }
  using CDlgEx::DrawSkin;
};

// Live GDI objects of this process. Wine answers GetGuiResources with 0; its GDI handle
// table, published in the PEB as on Windows, has a type byte per entry (0 = free).
DWORD LiveGdiObjects() {
  DWORD n = ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS);
  if (n) return n;
#ifdef _WIN64
  using QueryFn = LONG(WINAPI*)(HANDLE, int, void*, ULONG, ULONG*);
  auto query = reinterpret_cast<QueryFn>(reinterpret_cast<void*>(
      ::GetProcAddress(::GetModuleHandleW(L"ntdll.dll"), "NtQueryInformationProcess")));
  void* basic[6] = {};  // PROCESS_BASIC_INFORMATION; [1] is the PEB
  if (!query || query(::GetCurrentProcess(), 0, basic, sizeof(basic), nullptr) != 0) return 0;
  auto* peb = static_cast<const BYTE*>(basic[1]);
  auto* table = *reinterpret_cast<const BYTE* const*>(peb + 0xF8);
  if (!table) return 0;
  for (int i = 0; i < 0x10000; ++i) n += table[i * 24 + 14] != 0;
#endif
  return n;
}

int CountChildrenWithId(HWND parent, int id) {
  int n = 0;
  for (HWND c = ::GetWindow(parent, GW_CHILD); c; c = ::GetWindow(c, GW_HWNDNEXT)) {
    n += ::GetDlgCtrlID(c) == id;
  }
  return n;
}

}  // namespace

TEST(SkinImageTest, KeyedBitmapFromGdiplusIsUprightWithKeyAndWhiteBlend) {
  Gdiplus::GdiplusStartupInput input;
  ULONG_PTR token = 0;
  ASSERT_EQ(Gdiplus::GdiplusStartup(&token, &input, nullptr), Gdiplus::Ok);
  // 2 x 2 ARGB: top row opaque red and transparent green, bottom row half black, opaque blue.
  DWORD pixels[4] = {0xFFFF0000, 0x0000FF00, 0x80000000, 0xFF0000FF};
  Gdiplus::GpBitmap* gp = nullptr;
  ASSERT_EQ(Gdiplus::DllExports::GdipCreateBitmapFromScan0(2, 2, 8, PixelFormat32bppARGB,
                                                           reinterpret_cast<BYTE*>(pixels), &gp),
            Gdiplus::Ok);
  HBITMAP keyed = MakeKeyedBitmap(gp, SKIN_KEY_COLOR);
  Gdiplus::DllExports::GdipDisposeImage(gp);
  Gdiplus::GdiplusShutdown(token);
  ASSERT_NE(keyed, nullptr);
  DIBSECTION ds{};
  ASSERT_EQ(::GetObjectW(keyed, sizeof(ds), &ds), static_cast<int>(sizeof(ds)));
  EXPECT_EQ(ds.dsBmih.biBitCount, 32);
  EXPECT_GT(ds.dsBmih.biHeight, 0);  // bottom-up
  EXPECT_EQ(PixelOf(keyed, 0, 0), RGB(255, 0, 0));
  EXPECT_EQ(PixelOf(keyed, 1, 0), kMagenta);
  EXPECT_EQ(PixelOf(keyed, 0, 1), RGB(127, 127, 127));
  EXPECT_EQ(PixelOf(keyed, 1, 1), RGB(0, 0, 255));
  // The fourth byte of every pixel is 0.
  auto* raw = static_cast<const BYTE*>(ds.dsBm.bmBits);
  for (int i = 0; i < 4; ++i) EXPECT_EQ(raw[i * 4 + 3], 0);
  ::DeleteObject(keyed);
  EXPECT_EQ(MakeKeyedBitmap(nullptr, SKIN_KEY_COLOR), nullptr);
}

TEST(SkinImageTest, MissingResourcesAndFilesGiveNull) {
  EXPECT_EQ(LoadPngResource(nullptr, IDP_DLG_BACK), nullptr);
  EXPECT_EQ(LoadPngResource(::GetModuleHandleW(nullptr), 4711), nullptr);
  int w = -1, h = -1;
  EXPECT_EQ(LoadImageFileBitmap(L"C:\\no\\such\\PopWnd.jpg", &w, &h), nullptr);
  EXPECT_EQ(w, 0);
  EXPECT_EQ(h, 0);
}

TEST(SkinImageTest, ImageFileIsDrawnOnWhiteWithItsSize) {
  // A 3 x 2 24-bit BMP written by hand: blue everywhere.
  wchar_t dir[MAX_PATH];
  ::GetTempPathW(MAX_PATH, dir);
  std::wstring path = std::wstring(dir) + L"skin_test_pic.bmp";
  const int w = 3, h = 2, stride = 12;
  std::vector<BYTE> file(54 + stride * h, 0);
  auto put32 = [&](int at, DWORD v) { memcpy(&file[at], &v, 4); };
  file[0] = 'B';
  file[1] = 'M';
  put32(2, static_cast<DWORD>(file.size()));
  put32(10, 54);
  put32(14, 40);
  put32(18, w);
  put32(22, h);
  file[26] = 1;
  file[28] = 24;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) file[54 + y * stride + x * 3] = 0xFF;
  HANDLE f = ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  ASSERT_NE(f, INVALID_HANDLE_VALUE);
  DWORD written = 0;
  ::WriteFile(f, file.data(), static_cast<DWORD>(file.size()), &written, nullptr);
  ::CloseHandle(f);
  int gotW = 0, gotH = 0;
  HBITMAP bmp = LoadImageFileBitmap(path.c_str(), &gotW, &gotH);
  ASSERT_NE(bmp, nullptr);
  EXPECT_EQ(gotW, 3);
  EXPECT_EQ(gotH, 2);
  EXPECT_EQ(PixelOf(bmp, 2, 1), RGB(0, 0, 255));
  ::DeleteObject(bmp);
  ::DeleteFileW(path.c_str());
}

TEST(SkinDlgExTest, SkinShapesWindowAndPlacesCaptionButton) {
  SkinnedDlg dlg;
  ASSERT_TRUE(dlg.Create(130, static_cast<HWND>(nullptr)));
  LONG_PTR style = ::GetWindowLongPtrW(dlg.m_hWnd, GWL_STYLE);
  EXPECT_EQ(style & (WS_CAPTION | DS_MODALFRAME), 0);
  EXPECT_NE(style & WS_MINIMIZEBOX, 0);
  RECT wr = dlg.GetWindowRect(), cr = dlg.GetClientRect();
  EXPECT_EQ(cr.right, wr.right - wr.left);  // no frame left over
  EXPECT_EQ(cr.bottom, wr.bottom - wr.top);

  // Rounded top corners, square bottom corners.
  HRGN rgn = ::CreateRectRgn(0, 0, 0, 0);
  ASSERT_NE(::GetWindowRgn(dlg.m_hWnd, rgn), ERROR);
  EXPECT_FALSE(::PtInRegion(rgn, 0, 0));
  EXPECT_FALSE(::PtInRegion(rgn, 2, 0));
  EXPECT_TRUE(::PtInRegion(rgn, 3, 0));
  EXPECT_FALSE(::PtInRegion(rgn, 0, 2));
  EXPECT_TRUE(::PtInRegion(rgn, 1, 2));
  EXPECT_FALSE(::PtInRegion(rgn, 299, 0));
  EXPECT_FALSE(::PtInRegion(rgn, 297, 0));
  EXPECT_TRUE(::PtInRegion(rgn, 296, 0));
  EXPECT_TRUE(::PtInRegion(rgn, 0, 199));
  EXPECT_TRUE(::PtInRegion(rgn, 299, 199));
  ::DeleteObject(rgn);

  // Close button: one frame large, right edge 5 in, top 1.
  HWND close = dlg.GetDlgItem(IDC_SKIN_CLOSE);
  ASSERT_NE(close, nullptr);
  RECT br{};
  ::GetWindowRect(close, &br);
  ::MapWindowPoints(nullptr, dlg.m_hWnd, reinterpret_cast<POINT*>(&br), 2);
  EXPECT_EQ(br.left, 300 - 5 - 33);
  EXPECT_EQ(br.top, 1);
  EXPECT_EQ(br.right - br.left, 33);
  EXPECT_EQ(br.bottom - br.top, 28);

  // A second SetSkin replaces the button instead of adding one.
  dlg.SetSkin(dlg.strip33, nullptr, MakeBackground(), FALSE, TRUE);
  EXPECT_EQ(CountChildrenWithId(dlg.m_hWnd, IDC_SKIN_CLOSE), 1);

  // Growing the window moves the close button with the right edge.
  ::SetWindowPos(dlg.m_hWnd, nullptr, 0, 0, 400, 220, SWP_NOMOVE | SWP_NOZORDER);
  ::GetWindowRect(close = dlg.GetDlgItem(IDC_SKIN_CLOSE), &br);
  ::MapWindowPoints(nullptr, dlg.m_hWnd, reinterpret_cast<POINT*>(&br), 2);
  EXPECT_EQ(br.right, 395);
  dlg.DestroyWindow();
}

TEST(SkinDlgExTest, BackgroundIsNineSlicedWithTitle) {
  SkinnedDlg dlg;
  ASSERT_TRUE(dlg.Create(130, static_cast<HWND>(nullptr)));
  dlg.SetWindowText(L"Velmo - Tarvik");
  fw::WindowDC screen(nullptr);
  fw::MemoryDC mem(screen);
  fw::CBitmap canvas(::CreateCompatibleBitmap(screen, 300, 200));
  {
    fw::SelectGuard sel(mem, canvas.Get());
    ASSERT_TRUE(dlg.DrawSkin(mem));
  }
  EXPECT_EQ(PixelOf(canvas, 150, 29), RGB(30, 90, 200));   // caption band stretched
  EXPECT_EQ(PixelOf(canvas, 150, 100), RGB(240, 245, 250)); // body
  EXPECT_EQ(PixelOf(canvas, 2, 100), RGB(20, 60, 160));    // left frame
  EXPECT_EQ(PixelOf(canvas, 150, 198), RGB(20, 60, 160));  // bottom frame
  EXPECT_EQ(PixelOf(canvas, 297, 100), RGB(20, 60, 160));  // right frame
  // The white title starts at x = border + 5 on the caption band.
  int white = 0;
  for (int x = 9; x < 80; ++x)
    for (int y = 5; y < 25; ++y) white += PixelOf(canvas, x, y) == RGB(255, 255, 255);
  EXPECT_GT(white, 10);
  dlg.DestroyWindow();
}

TEST(SkinDlgExTest, HitTestingMaximiseAndRestore) {
  SkinnedDlg dlg;
  dlg.withMinMax = true;
  ASSERT_TRUE(dlg.Create(130, static_cast<HWND>(nullptr)));
  // Buttons right to left: close, maximise, minimise.
  RECT c{}, mx{}, mn{};
  ::GetWindowRect(dlg.GetDlgItem(IDC_SKIN_CLOSE), &c);
  ::GetWindowRect(dlg.GetDlgItem(IDC_SKIN_MAX), &mx);
  ::GetWindowRect(dlg.GetDlgItem(IDC_SKIN_MIN), &mn);
  EXPECT_EQ(mx.right, c.left);
  EXPECT_EQ(mn.right, mx.left);

  auto hit = [&](int x, int y) {
    RECT wr = dlg.GetWindowRect();
    return ::SendMessageW(dlg.m_hWnd, WM_NCHITTEST, 0, MAKELPARAM(wr.left + x, wr.top + y));
  };
  EXPECT_EQ(hit(100, 10), HTCAPTION);
  EXPECT_EQ(hit(100, 100), HTCLIENT);
  EXPECT_EQ(hit(1, 100), HTCLIENT);  // not resizable: no border
  dlg.m_bResizable = TRUE;
  EXPECT_EQ(hit(1, 100), HTLEFT);
  EXPECT_EQ(hit(100, 1), HTTOP);
  EXPECT_EQ(hit(299, 199), HTBOTTOMRIGHT);

  RECT before = dlg.GetWindowRect();
  dlg.m_rcRestore = before;
  dlg.m_nMaxWidth = 500;
  dlg.m_nMaxHeight = 400;
  ::SendMessageW(dlg.m_hWnd, WM_COMMAND, MAKEWPARAM(IDC_SKIN_MAX, BN_CLICKED),
                 reinterpret_cast<LPARAM>(dlg.GetDlgItem(IDC_SKIN_MAX)));
  EXPECT_TRUE(dlg.m_bMaximized);
  RECT maxed = dlg.GetWindowRect();
  EXPECT_EQ(maxed.right - maxed.left, 500);
  EXPECT_EQ(maxed.bottom - maxed.top, 400);
  EXPECT_EQ(hit(100, 10), HTCLIENT);  // no dragging while maximised
  // A double click on the caption band restores.
  ::SendMessageW(dlg.m_hWnd, WM_LBUTTONDBLCLK, 0, MAKELPARAM(100, 10));
  EXPECT_FALSE(dlg.m_bMaximized);
  RECT back = dlg.GetWindowRect();
  EXPECT_TRUE(::EqualRect(&back, &before));
  dlg.DestroyWindow();
}

TEST(SkinBtnExTest, FaceFollowsStateOverParentSkinWithLatch) {
  SkinnedDlg dlg;
  ASSERT_TRUE(dlg.Create(130, static_cast<HWND>(nullptr)));
  CBtnEx btn;
  RECT rc{100, 100, 140, 120};
  ASSERT_TRUE(btn.Create(L"是", WS_CHILD | WS_VISIBLE, rc, &dlg, 7001));
  EXPECT_EQ(btn.m_strText, L"是");
  EXPECT_EQ(::GetWindowLongPtrW(btn.m_hWnd, GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW);
  HBITMAP strip = MakeStrip(57, 23);
  btn.SetImage(strip, TRUE);
  EXPECT_EQ(PixelOf(strip, 0, 0), kMagenta);  // the caller's strip is left as it was
  RECT wr = btn.GetWindowRect();
  EXPECT_EQ(wr.right - wr.left, 57);
  btn.m_strText.clear();

  auto draw = [&](UINT state, int w, int h) {
    fw::WindowDC screen(nullptr);
    fw::MemoryDC mem(screen);
    HBITMAP canvas = ::CreateCompatibleBitmap(screen, w, h);
    {
      fw::SelectGuard sel(mem, canvas);
      DRAWITEMSTRUCT dis{};
      dis.CtlType = ODT_BUTTON;
      dis.hwndItem = btn.m_hWnd;
      dis.hDC = mem;
      dis.rcItem = RECT{0, 0, w, h};
      dis.itemState = state;
      btn.DrawItem(&dis);
    }
    return canvas;
  };
  struct Case {
    UINT state;
    BOOL hover, pressed;
    COLORREF face;
  };
  const Case cases[] = {
      {0, FALSE, FALSE, kFaces[0]},
      {0, TRUE, FALSE, kFaces[1]},
      {ODS_SELECTED, TRUE, FALSE, kFaces[2]},
      {0, FALSE, TRUE, kFaces[2]},              // latched while sliding off
      {ODS_DISABLED, TRUE, TRUE, kFaces[3]},    // disabled wins over all
  };
  for (const Case& c : cases) {
    btn.m_bHover = c.hover;
    btn.m_bPressed = c.pressed;
    HBITMAP canvas = draw(c.state, 57, 23);
    EXPECT_EQ(PixelOf(canvas, 30, 12), c.face) << c.state;
    // The key pixel shows the dialog's body behind the button.
    EXPECT_EQ(PixelOf(canvas, 0, 0), RGB(240, 245, 250)) << c.state;
    ::DeleteObject(canvas);
  }
  // A larger drawing size scales the face.
  btn.m_bPressed = FALSE;
  btn.m_bHover = FALSE;
  HBITMAP big = draw(0, 114, 46);
  EXPECT_EQ(PixelOf(big, 100, 40), kFaces[0]);
  ::DeleteObject(big);
  // Releasing the mouse clears the latch.
  btn.m_bPressed = TRUE;
  ::SendMessageW(btn.m_hWnd, WM_LBUTTONUP, 0, MAKELPARAM(500, 500));
  EXPECT_FALSE(btn.m_bPressed);
  ::DeleteObject(strip);
  dlg.DestroyWindow();
}

namespace {

struct BoxScript {
  std::function<void(HWND)> act;
  HWND seen = nullptr;
};
BoxScript* g_script = nullptr;

void CALLBACK FindAndAct(HWND, UINT, UINT_PTR id, DWORD) {
  HWND box = ::FindWindowW(L"#32770", L"skin test");
  if (!box || !::IsWindowVisible(box) || !g_script) return;
  ::KillTimer(nullptr, id);
  g_script->seen = box;
  g_script->act(box);
}

int RunBox(UINT type, std::function<void(HWND)> act, const wchar_t* text = L"一行") {
  BoxScript script{std::move(act)};
  g_script = &script;
  ::SetTimer(nullptr, 0, 50, &FindAndAct);
  int r = SkinMessageBox(nullptr, text, L"skin test", type);
  g_script = nullptr;
  return r;
}

void Click(HWND box, int id) {
  ::PostMessageW(box, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(::GetDlgItem(box, id)));
}

}  // namespace

TEST(SkinMessageBoxTest, ResultsByTypeAndButton) {
  struct Case {
    UINT type;
    int button;
    int result;
  };
  const Case cases[] = {{MB_YESNO, 5000, IDYES}, {MB_YESNO, 5001, IDNO},
                        {MB_OKCANCEL, 5000, IDOK}, {MB_OKCANCEL, 5001, IDCANCEL},
                        {MB_OK, 5000, IDOK},       {2, 5000, IDOK}, {3, 5000, IDOK}};
  for (const Case& c : cases) {
    int buttons = 0;
    int r = RunBox(c.type, [&](HWND box) {
      buttons = (::GetDlgItem(box, 5000) != nullptr) + (::GetDlgItem(box, 5001) != nullptr);
      Click(box, c.button);
    });
    EXPECT_EQ(r, c.result) << c.type << " " << c.button;
    EXPECT_EQ(buttons, c.type == MB_YESNO || c.type == MB_OKCANCEL ? 2 : 1) << c.type;
  }
}

TEST(SkinMessageBoxTest, EnterAndEscapeDoNothingCloseGivesCancel) {
  // Posted messages arrive in order: had Enter or Escape ended the box, its result would
  // be IDOK or IDCANCEL rather than that of the click that follows them.
  int r = RunBox(MB_YESNO, [](HWND box) {
    ::PostMessageW(box, WM_COMMAND, IDOK, 0);      // what Enter sends
    ::PostMessageW(box, WM_COMMAND, IDCANCEL, 0);  // what Escape sends
    Click(box, 5001);
  });
  EXPECT_EQ(r, IDNO);
  r = RunBox(MB_YESNO, [](HWND box) { ::PostMessageW(box, WM_SYSCOMMAND, SC_CLOSE, 0); });
  EXPECT_EQ(r, IDCANCEL);
}

TEST(SkinMessageBoxTest, SizeAndButtonsFollowTheText) {
  RECT wr{}, b1{}, b2{}, cr{};
  std::wstring title;
  RunBox(MB_YESNO, [&](HWND box) {
    ::GetWindowRect(box, &wr);
    ::GetClientRect(box, &cr);
    ::GetWindowRect(::GetDlgItem(box, 5000), &b1);
    ::GetWindowRect(::GetDlgItem(box, 5001), &b2);
    ::MapWindowPoints(nullptr, box, reinterpret_cast<POINT*>(&b1), 2);
    ::MapWindowPoints(nullptr, box, reinterpret_cast<POINT*>(&b2), 2);
    wchar_t buf[64] = {};
    ::GetWindowTextW(box, buf, 64);
    title = buf;
    Click(box, 5001);
  }, L"第一行\r\n第二行比较长一些的文字内容\n第三行");
  EXPECT_EQ(title, L"skin test");
  EXPECT_EQ(cr.right, wr.right - wr.left);
  EXPECT_EQ(b1.right - b1.left, 57);
  EXPECT_EQ(b1.bottom - b1.top, 23);
  EXPECT_EQ(cr.bottom - b1.bottom, 30);
  EXPECT_EQ(b2.left - b1.right, 20);
  EXPECT_EQ(b2.top, b1.top);
  // Centred: equal room left of the first and right of the second button.
  EXPECT_LE(std::abs(b1.left - (cr.right - b2.right)), 1);
}

TEST(SkinMessageBoxTest, OpeningAndClosingLeaksNoGdiObjects) {
  // First uses load what the system keeps cached (fonts, themes) for the process.
  RunBox(MB_YESNO, [](HWND box) { Click(box, 5000); });
  // The count must see a single object come and go, or it proves nothing.
  DWORD base = LiveGdiObjects();
  HBRUSH probe = ::CreateSolidBrush(RGB(1, 2, 3));
  ASSERT_EQ(LiveGdiObjects(), base + 1);
  ::DeleteObject(probe);
  ASSERT_EQ(LiveGdiObjects(), base);

  DWORD before = LiveGdiObjects();
  for (int i = 0; i < 6; ++i) {
    RunBox(i % 2 ? MB_YESNO : MB_OK, [](HWND box) {
      ::RedrawWindow(box, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
      Click(box, 5000);
    });
  }
  for (int i = 0; i < 6; ++i) {
    SkinnedDlg dlg;
    dlg.withMinMax = true;
    ASSERT_TRUE(dlg.Create(130, static_cast<HWND>(nullptr)));
    ::ShowWindow(dlg.m_hWnd, SW_SHOW);
    ::RedrawWindow(dlg.m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    dlg.OnMaxButton();
    dlg.OnMaxButton();
    dlg.DestroyWindow();
  }
  DWORD after = LiveGdiObjects();
  EXPECT_LE(after, before + 2) << before << " -> " << after;
}

TEST(SkinImageTest, PngResourcesLoadAsIndependentKeyedBitmaps) {
  HMODULE self = ::GetModuleHandleW(nullptr);
  HBITMAP a = LoadPngResource(self, IDP_DLG_BACK);
  HBITMAP b = LoadPngResource(self, IDP_DLG_BACK);
  ASSERT_NE(a, nullptr);
  ASSERT_NE(b, nullptr);
  EXPECT_NE(a, b);
  SIZE size = BitmapSize(a);
  EXPECT_EQ(size.cx, 30);
  EXPECT_EQ(size.cy, 51);
  EXPECT_EQ(PixelOf(a, 0, 0), kMagenta);  // transparent top corner
  EXPECT_NE(PixelOf(a, 15, 40), kMagenta);
  ::DeleteObject(a);
  EXPECT_EQ(BitmapSize(b).cx, 30);  // the second copy outlives the first
  ::DeleteObject(b);
}

namespace {

COLORREF ScreenPixel(HWND wnd, int x, int y) {
  fw::WindowDC dc(wnd);
  return ::GetPixel(dc, x, y);
}

}  // namespace

TEST(SkinStaticExTest, WrappedLabelGrowsAndPictureSitsLeft) {
  SkinnedDlg dlg;
  ASSERT_TRUE(dlg.Create(130, static_cast<HWND>(nullptr)));
  ::ShowWindow(dlg.m_hWnd, SW_SHOW);
  HFONT font = reinterpret_cast<HFONT>(dlg.SendMessage(WM_GETFONT));
  auto make = [&](const wchar_t* text, RECT rc, int id) {
    HWND wnd = ::CreateWindowExW(0, L"STATIC", text, WS_CHILD | WS_VISIBLE | SS_NOTIFY, rc.left,
                                 rc.top, rc.right - rc.left, rc.bottom - rc.top, dlg.m_hWnd,
                                 reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)), nullptr,
                                 nullptr);
    ::SendMessageW(wnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return wnd;
  };
  CStaticEx wrapped;
  ASSERT_TRUE(wrapped.SubclassWindow(
      make(L"这是一段较长的中文说明文字，用来检查标签按宽度自动换行。", RECT{20, 40, 120, 60}, 801)));
  EXPECT_EQ(wrapped.m_strText, L"这是一段较长的中文说明文字，用来检查标签按宽度自动换行。");
  ::UpdateWindow(wrapped.m_hWnd);
  RECT r = wrapped.GetWindowRect();
  ::MapWindowPoints(nullptr, dlg.m_hWnd, reinterpret_cast<POINT*>(&r), 2);
  EXPECT_EQ(r.top, 40);  // grows downward only
  EXPECT_EQ(r.left, 20);
  const int grown = r.bottom - r.top;
  EXPECT_GT(grown, 40);
  // Lines of height L, 3 pixels apart: L + (n - 1) * (L + 3) for the font's L.
  LOGFONTW lf{};
  ::GetObjectW(wrapped.m_font.Get(), sizeof(lf), &lf);
  EXPECT_STREQ(lf.lfFaceName, L"微软雅黑");
  {
    fw::WindowDC dc(wrapped.m_hWnd);
    fw::SelectGuard sel(dc, wrapped.m_font.Get());
    RECT sample{0, 0, 0, 0};
    ::DrawTextW(dc, L"测试用汉字来获取宽度", 11, &sample, DT_CALCRECT);
    const int L = sample.bottom;
    EXPECT_EQ((grown - L) % (L + 3), 0) << grown << " " << L;
  }

  CStaticEx pictured;
  ASSERT_TRUE(pictured.SubclassWindow(make(L"登录其他账号", RECT{20, 150, 200, 170}, 802)));
  HBITMAP lock = MakeBitmap(14, 16, [](int, int) { return RGB(250, 200, 0); });
  EXPECT_TRUE(pictured.SetImage(lock));
  EXPECT_FALSE(pictured.SetImage(nullptr));
  ::RedrawWindow(pictured.m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  EXPECT_EQ(ScreenPixel(pictured.m_hWnd, 3, 2), RGB(250, 200, 0));
  EXPECT_EQ(ScreenPixel(pictured.m_hWnd, 16, 17), RGB(250, 200, 0));
  EXPECT_EQ(ScreenPixel(pictured.m_hWnd, 2, 10), RGB(240, 245, 250));  // skin left of it
  // The text starts at x = 3 + 14 + 3 = 20: nothing but skin between picture and text.
  for (int x = 17; x < 20; ++x) EXPECT_EQ(ScreenPixel(pictured.m_hWnd, x, 10), RGB(240, 245, 250));
  int dark = 0;
  for (int x = 20; x < 60; ++x)
    for (int y = 0; y < 20; ++y) dark += GetRValue(ScreenPixel(pictured.m_hWnd, x, y)) < 100;
  EXPECT_GT(dark, 5);
  ::DeleteObject(lock);
  dlg.DestroyWindow();
}

TEST(SkinImgProgressTest, FillKeepsBothEndsAndEmptyRangeDrawsNone) {
  SkinnedDlg dlg;
  ASSERT_TRUE(dlg.Create(130, static_cast<HWND>(nullptr)));
  ::ShowWindow(dlg.m_hWnd, SW_SHOW);
  HWND wnd = ::CreateWindowExW(0, PROGRESS_CLASSW, L"", WS_CHILD | WS_VISIBLE, 10, 60, 50, 10,
                               dlg.m_hWnd, reinterpret_cast<HMENU>(900), nullptr, nullptr);
  CImgProgress bar;
  ASSERT_TRUE(bar.SubclassWindow(wnd));
  const COLORREF track = RGB(200, 200, 200), left = RGB(0, 0, 250), right = RGB(0, 250, 0);
  // Fill: left half blue, right half green, so the drawn ends can be told apart.
  bar.SetImages(MakeBitmap(200, 20, [&](int, int) { return track; }),
                MakeBitmap(200, 20, [&](int x, int) { return x < 100 ? left : right; }));
  RECT wr = bar.GetWindowRect();
  EXPECT_EQ(wr.right - wr.left, 200);
  EXPECT_EQ(wr.bottom - wr.top, 20);

  auto paint = [&](int lower, int upper, int pos) {
    bar.SetRange32(lower, upper);
    bar.SetPos(pos);
    ::RedrawWindow(bar.m_hWnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  };
  paint(0, 100, 50);  // 100 pixels: 50 from the left end, 50 from the right end
  EXPECT_EQ(ScreenPixel(bar.m_hWnd, 10, 10), left);
  EXPECT_EQ(ScreenPixel(bar.m_hWnd, 60, 10), right);
  EXPECT_EQ(ScreenPixel(bar.m_hWnd, 99, 10), right);
  EXPECT_EQ(ScreenPixel(bar.m_hWnd, 100, 10), track);
  paint(0, 0, 0);
  EXPECT_EQ(ScreenPixel(bar.m_hWnd, 10, 10), track);
  dlg.DestroyWindow();
}
