// The number of GDI objects the test process holds, for leak checks.
#pragma once

#include <windows.h>

// GetGuiResources where the system counts; Wine answers 0 there, so count the live
// handles instead: Wine accepts a GDI handle without its generation in the high word.
inline DWORD CountGdiObjects() {
  DWORD n = ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS);
  if (n != 0) return n;
  for (UINT_PTR i = 1; i < 0x10000; ++i) {
    if (::GetObjectType(reinterpret_cast<HGDIOBJ>(i))) ++n;
  }
  return n;
}
