#include "skin/skin_gallery_win.h"

#if VELMO_TESTING_BUILD

#include <windows.h>

#include <commctrl.h>
#include <shellapi.h>

#include <cwchar>
#include <string>

#include "fw/app_win.h"
#include "skin/btn_ex_win.h"
#include "skin/dlg_ex_win.h"
#include "skin/img_progress_win.h"
#include "skin/message_box_win.h"
#include "skin/png_resource_win.h"
#include "skin/static_ex_win.h"

namespace {

// Control ids of the gallery.
enum : UINT {
  kIdButtons = 3000,  // 3000..3003: normal, hover, pressed, disabled
  kIdWrapped = 3010,
  kIdLink = 3011,
  kIdProgress = 3020,  // 3020..3022: 0, 50, 100 per cent
};

class CSkinGalleryDlg : public CDlgEx {
 public:
  CSkinGalleryDlg() : CDlgEx(IDD_SKIN_MSGBOX) {}

  BOOL OnInitDialog() override {
    CDlgEx::OnInitDialog();
    SetSkinMetrics(30, 4, 0, 0, 0);
    ::SetWindowPos(m_hWnd, nullptr, 40, 40, 560, 330, SWP_NOZORDER);
    SetCaptionText(L"Velmo - Tarvik 控件");
    HINSTANCE inst = fw::AfxGetInstanceHandle();
    HBITMAP close = LoadPngResource(inst, IDP_BTN_CLOSE);
    HBITMAP min = LoadPngResource(inst, IDP_BTN_MIN);
    SetSkin(close, min, LoadPngResource(inst, IDP_DLG_BACK), FALSE, TRUE,
            LoadPngResource(inst, IDP_BTN_MAX), LoadPngResource(inst, IDP_BTN_RESTORE));
    if (close) ::DeleteObject(close);
    if (min) ::DeleteObject(min);

    HFONT font = reinterpret_cast<HFONT>(SendMessage(WM_GETFONT));
    HBITMAP face = LoadPngResource(inst, IDP_BTN_PUSH);
    const wchar_t* labels[4] = {L"正常", L"悬停", L"按下", L"禁用"};
    for (int i = 0; i < 4; ++i) {
      RECT rc{20 + i * 75, 50, 20 + i * 75 + 57, 73};
      m_btns[i].Create(labels[i], WS_CHILD | WS_VISIBLE, rc, this, kIdButtons + i);
      m_btns[i].SetImage(face, TRUE);
    }
    if (face) ::DeleteObject(face);
    m_btns[1].m_bHover = TRUE;
    m_btns[2].m_bPressed = TRUE;
    ::EnableWindow(m_btns[3].m_hWnd, FALSE);

    Label(m_wrapped, kIdWrapped, RECT{20, 95, 250, 115}, font,
          L"这是一段较长的中文说明文字，用来检查标签按宽度自动换行，并在需要更多行时向下增长。");
    Label(m_link, kIdLink, RECT{280, 95, 450, 115}, font, L"登录其他账号");
    m_link.m_bLink = TRUE;
    m_link.m_bUnderline = TRUE;
    m_link.m_clrNormal = RGB(19, 43, 67);
    m_link.m_bHoverColor = TRUE;
    m_link.m_clrHover = RGB(0, 102, 204);
    m_link.SetImage(m_padlock = LoadPngResource(inst, IDP_PADLOCK));

    const int percents[3] = {0, 50, 100};
    for (int i = 0; i < 3; ++i) {
      HWND bar = ::CreateWindowExW(0, PROGRESS_CLASSW, L"", WS_CHILD | WS_VISIBLE, 20,
                                   180 + i * 40, 390, 21, m_hWnd,
                                   reinterpret_cast<HMENU>(static_cast<UINT_PTR>(kIdProgress + i)),
                                   inst, nullptr);
      m_bars[i].SubclassWindow(bar);
      m_bars[i].SetImages(LoadPngResource(inst, IDP_PROGRESS_TRACK),
                          LoadPngResource(inst, IDP_PROGRESS_FILL));
      m_bars[i].SetRange32(0, 100);
      m_bars[i].SetPos(percents[i]);
    }
    return TRUE;
  }

  ~CSkinGalleryDlg() override {
    if (m_padlock) ::DeleteObject(m_padlock);
  }

 private:
  void Label(CStaticEx& label, UINT id, RECT rc, HFONT font, const wchar_t* text) {
    HWND wnd = ::CreateWindowExW(0, L"STATIC", text, WS_CHILD | WS_VISIBLE | SS_NOTIFY, rc.left,
                                 rc.top, rc.right - rc.left, rc.bottom - rc.top, m_hWnd,
                                 reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)),
                                 fw::AfxGetInstanceHandle(), nullptr);
    ::SendMessageW(wnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    label.SubclassWindow(wnd);
  }

  CBtnEx m_btns[4];
  CStaticEx m_wrapped;
  CStaticEx m_link;
  CImgProgress m_bars[3];
  HBITMAP m_padlock = nullptr;
};

const wchar_t* DefaultText(UINT type) {
  switch (type) {
    case MB_OKCANCEL: return L"下载Lumrix登录器，玩游戏更加方便快捷，现在就去下载吧？";
    case MB_YESNO: return L"窗口即将关闭，确定要退出游戏？";
    default: return L"Velmo - Tarvik已成功移除，部分文件将在程序退出\r\n或计算机重启后自行删除";
  }
}

bool RunSkinSwitch(const std::wstring& arg, const std::wstring& text, int* exitCode) {
  INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_WIN95_CLASSES};
  const std::wstring msgbox = L"/test-msgbox-";
  if (arg == L"/test-skin-gallery") {
    ::InitCommonControlsEx(&icc);
    CSkinGalleryDlg dlg;
    *exitCode = static_cast<int>(dlg.DoModal());
    return true;
  }
  if (arg.compare(0, msgbox.size(), msgbox) == 0 && arg.size() > msgbox.size()) {
    ::InitCommonControlsEx(&icc);
    UINT type = static_cast<UINT>(wcstoul(arg.c_str() + msgbox.size(), nullptr, 10));
    const wchar_t* caption = type == MB_OKCANCEL ? L"VelmoLumrix游戏大厅" : L"Velmo - Tarvik";
    *exitCode = SkinMessageBox(nullptr, text.empty() ? DefaultText(type) : text.c_str(), caption, type);
    return true;
  }
  return false;
}

}  // namespace

void RunSkinTestSwitches() {
  int count = 0;
  LPWSTR* argv = ::CommandLineToArgvW(::GetCommandLineW(), &count);
  if (!argv) return;
  const std::wstring arg = count > 1 ? argv[1] : L"";
  const std::wstring text = count > 2 ? argv[2] : L"";
  ::LocalFree(argv);
  int exitCode = 0;
  if (RunSkinSwitch(arg, text, &exitCode)) ::ExitProcess(static_cast<UINT>(exitCode));
}

#endif  // VELMO_TESTING_BUILD
