// The digest text of a file named by a wide path (MD5, 32 lower-case hex digits).
#pragma once

#include <memory>

// Fills out (64 characters) with the text followed by zeros and answers a copy of the
// text that the caller owns; null, with out untouched, when the file cannot be opened.
std::unique_ptr<wchar_t[]> FileDigestText(const wchar_t* path, wchar_t* out);
