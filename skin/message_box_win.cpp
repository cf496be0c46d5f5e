#include "skin/message_box_win.h"

#include <vector>

#include "fw/app_win.h"
#include "fw/handles_win.h"
#include "skin/message_box_layout.h"
#include "skin/png_resource_win.h"

namespace {

// Face size used when the button image is missing, so that the box can still be answered.
constexpr SIZE kFallbackButton{57, 23};
// A message may quote an account name holding "&": it is shown, not taken as a mnemonic.
constexpr UINT kTextFormat = DT_NOPREFIX;

}  // namespace

CMessageBox::CMessageBox(fw::CWnd* parent) : CDlgEx(IDD_SKIN_MSGBOX, parent) {}

CMessageBox::~CMessageBox() {
  for (HBITMAP* bmp : {&m_hbmClose, &m_hbmBtn1, &m_hbmBtn2, &m_hbmBack}) {
    if (*bmp) ::DeleteObject(*bmp);
    *bmp = nullptr;
  }
}

SIZE CMessageBox::MeasureText(HDC dc) const {
  fw::SelectGuard sel(dc, m_pFont);
  RECT r{0, 0, 0, 0};
  ::DrawTextW(dc, m_strText.c_str(), -1, &r, DT_CALCRECT | kTextFormat);
  return SIZE{r.right - r.left, r.bottom - r.top};
}

void CMessageBox::CreateButton(CBtnEx& btn, const RECT& rc, int id, HBITMAP face) {
  const std::wstring label = skin::MsgBoxLabel(m_nType, id);
  if (!btn.Create(label.c_str(), WS_CHILD | WS_VISIBLE, rc, this, static_cast<UINT>(id))) return;
  if (face) btn.SetImage(face, TRUE);
  btn.m_strText = label;
  ::InvalidateRect(btn.m_hWnd, nullptr, TRUE);
}

BOOL CMessageBox::OnInitDialog() {
  CDlgEx::OnInitDialog();
  SetSkinMetrics(30, 4, 0, 0, 0);

  HBITMAP back = m_hbmBack;
  m_hbmBack = nullptr;  // the base owns it now
  SetSkin(m_hbmClose, nullptr, back, FALSE, TRUE, nullptr, nullptr);
  SetCaptionText(m_strCaption.c_str());

  m_nLines = skin::MsgBoxLineCount(m_strText);
  m_pFont = reinterpret_cast<HFONT>(SendMessage(WM_GETFONT));
  SIZE text{};
  {
    fw::WindowDC dc(m_hWnd);
    text = MeasureText(dc);
  }
  SIZE face = BitmapSize(m_hbmBtn1);
  const int bw = face.cx > 0 ? skin::FrameWidth(face.cx, 4) : kFallbackButton.cx;
  const int bh = face.cy > 0 ? face.cy : kFallbackButton.cy;
  skin::Size box = skin::MsgBoxSize(text.cx, text.cy, bw, bh, m_nLines);
  ::SetWindowPos(m_hWnd, nullptr, 0, 0, box.width, box.height, SWP_NOMOVE | SWP_NOZORDER);

  RECT client = GetClientRect();
  std::vector<skin::Rect> rects = skin::MsgBoxButtonRects(m_nType, client.right, client.bottom, bw, bh);
  const skin::Rect& r1 = rects[0];
  CreateButton(m_btn1, RECT{r1.left, r1.top, r1.right, r1.bottom}, skin::kMsgBoxButton1, m_hbmBtn1);
  if (rects.size() > 1) {
    const skin::Rect& r2 = rects[1];
    CreateButton(m_btn2, RECT{r2.left, r2.top, r2.right, r2.bottom}, skin::kMsgBoxButton2,
                 m_hbmBtn2);
  }
  return TRUE;
}

void CMessageBox::DrawMessage() {
  fw::WindowDC dc(m_hWnd);
  fw::SavedDC saved(dc);
  ::SetBkMode(dc, TRANSPARENT);
  ::SetTextColor(dc, m_clrText);
  SIZE text = MeasureText(dc);
  fw::SelectGuard sel(dc, m_pFont);
  const int lineHeight = text.cy / (m_nLines > 0 ? m_nLines : 1);
  RECT client = GetClientRect();
  skin::Rect first = skin::MsgBoxFirstLineRect(client.right, text.cx, lineHeight);
  RECT line{first.left, first.top, first.right, first.bottom};
  for (const std::wstring& piece : skin::MsgBoxSplitLines(m_strText)) {
    RECT r = line;
    ::DrawTextW(dc, piece.c_str(), static_cast<int>(piece.size()), &r, kTextFormat);
    ::OffsetRect(&line, 0, lineHeight + skin::kMsgBoxLineGap);
  }
}

LRESULT CMessageBox::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_PAINT: {
      LRESULT r = CDlgEx::WindowProc(msg, wParam, lParam);
      DrawMessage();
      return r;
    }
    case WM_CLOSE:
      // The caption close button and Alt+F4 end the box, although Escape does not.
      fw::CDialog::OnCancel();
      return 0;
    case WM_COMMAND:
      if (HIWORD(wParam) == BN_CLICKED &&
          (LOWORD(wParam) == skin::kMsgBoxButton1 || LOWORD(wParam) == skin::kMsgBoxButton2)) {
        EndDialog(skin::MsgBoxResult(m_nType, LOWORD(wParam)));
        return 0;
      }
      break;
    default:
      break;
  }
  return CDlgEx::WindowProc(msg, wParam, lParam);
}

int SkinMessageBox(HWND owner, const wchar_t* text, const wchar_t* caption, UINT type) {
  HINSTANCE inst = fw::AfxGetInstanceHandle();
  // As the system's modal dialogs do, a box without an owner belongs to the main window.
  if (!owner) {
    fw::CWinApp* app = fw::AfxGetApp();
    if (app && app->m_pMainWnd && app->m_pMainWnd->IsWindow()) owner = app->m_pMainWnd->m_hWnd;
  }
  CMessageBox box(fw::CWnd::FromHandle(owner));
  box.SetParentHwnd(owner);
  box.m_hbmBtn1 = LoadPngResource(inst, IDP_BTN_PUSH);
  box.m_hbmBtn2 = LoadPngResource(inst, IDP_BTN_PUSH);
  box.m_hbmClose = LoadPngResource(inst, IDP_BTN_CLOSE);
  box.m_hbmBack = LoadPngResource(inst, IDP_DLG_BACK);
  box.m_nType = type;
  box.m_strCaption = caption ? caption : L"";
  box.m_strText = text ? text : L"";
  box.m_clrText = RGB(0, 0, 0);
  INT_PTR result = box.DoModal();
  return result < 0 ? 0 : static_cast<int>(result);
}
