// SPDX-License-Identifier: MIT
#pragma once
// Text helpers over UTF-8 strings.

#include "platform/export.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace automation {

// Upper case of UTF-8 text, the Portuguese letters included (ç -> Ç, ã -> Ã ...).
QV_EXPORT std::string UCase(std::string_view text);
QV_EXPORT std::string LCase(std::string_view text);
// Spaces trimmed at both ends (as VB's Trim, tabs are kept); at the start; at the end.
QV_EXPORT std::string Trim(std::string_view text);
QV_EXPORT std::string LTrim(std::string_view text);
QV_EXPORT std::string RTrim(std::string_view text);
// Windows-1252 bytes to UTF-8 and back (unmappable characters become '?').
QV_EXPORT std::string Cp1252ToUtf8(std::string_view bytes);
QV_EXPORT std::string Utf8ToCp1252(std::string_view text);
QV_EXPORT bool IsValidUtf8(std::string_view bytes);
// The first `count` characters of UTF-8 text.
QV_EXPORT std::string FirstChars(std::string_view text, std::size_t count);
// Text from a file that may come from either system: the bytes themselves
// when they are valid UTF-8, otherwise read as Windows-1252.
QV_EXPORT std::string DecodeUtf8OrCp1252(std::string_view bytes);

}  // namespace automation
