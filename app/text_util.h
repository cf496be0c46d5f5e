// Small text helpers shared by the portable logic. Independent of the width of
// wchar_t: only characters below 0x80 are ever interpreted.
#pragma once

#include <cstdint>
#include <string>

namespace velmo {

// Upper-cases the ASCII letters; other characters stay as they are.
std::wstring AsciiUpper(const std::wstring& s);
bool EqualsNoCase(const std::wstring& a, const std::wstring& b);

// The C library's conversion of a decimal text to a 32-bit long (as on Windows):
// leading blanks, an optional sign, digits up to the first non-digit; 0 when there are
// none; clamped to the 32-bit range on overflow. *end receives the index after the
// last digit (0 when nothing was converted).
std::int32_t StrToLong32(const std::wstring& s, size_t* end = nullptr);

}  // namespace velmo
