// Skin images: PNG resources and image files turned into plain GDI bitmaps in which
// transparency is the key colour, so that all later drawing is plain GDI.
#pragma once

#include <windows.h>

#include "skin/pixel_rules.h"

#define SKIN_KEY_COLOR RGB(255, 0, 255)


// PNG resource ids of the skin (type "PNG", language 2052).
enum SkinPngId : WORD {
  IDP_LOGIN_BACK = 129,
  IDP_DLG_BACK = 131,
  IDP_BTN_CLOSE = 132,
  IDP_BTN_PUSH = 133,
  IDP_DLG_BACK_DARK = 134,
  IDP_BTN_MAX = 135,
  IDP_BTN_MIN = 136,
  IDP_BTN_RESTORE = 137,
  IDP_BTN_ARROW = 138,
  IDP_BTN_SYSTEM = 139,
  IDP_TAB = 140,
  IDP_TAB_CLOSE = 141,
  IDP_PADLOCK = 142,
  IDP_NOTICE_BACK1 = 143,
  IDP_NOTICE_CLOSE_SMALL = 144,
  IDP_NOTICE_CLOSE_WORDS = 145,
  IDP_NOTICE_BACK3 = 146,
  IDP_NOTICE_BACK2 = 147,
  IDP_SOUND_MUTED = 148,
  IDP_SOUND_ON = 149,
  IDP_HALL_NORMAL = 150,
  IDP_HALL_HIGHLIGHT = 151,
  IDP_PROGRESS_TRACK = 152,
  IDP_PROGRESS_FILL = 153,
  IDP_ADDACC_BACK = 162,
};

// A keyed 32-bit bottom-up DIB section of the PNG resource id (an RT_BITMAP of the
// same id wins), or NULL. The caller owns the bitmap.
HBITMAP LoadPngResource(HMODULE module, WORD id);

// Converts a decoded GDI+ bitmap (GpBitmap*) into a keyed DIB section, or NULL.
HBITMAP MakeKeyedBitmap(void* gpBitmap, COLORREF key);

// The picture of an image file drawn on white, with its size; NULL and 0 x 0 when the
// file cannot be read.
HBITMAP LoadImageFileBitmap(const wchar_t* path, int* width, int* height);

// Size of a bitmap (0 x 0 for NULL).
SIZE BitmapSize(HBITMAP bitmap);
