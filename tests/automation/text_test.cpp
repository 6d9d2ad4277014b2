// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include "platform/automation/text.h"

namespace automation {
namespace {

TEST(Case, PortugueseLettersBothWays) {
  const std::string lower = "çãõáéíóúâêôàü";
  const std::string upper = "ÇÃÕÁÉÍÓÚÂÊÔÀÜ";
  EXPECT_EQ(UCase(lower), upper);
  EXPECT_EQ(LCase(upper), lower);
  EXPECT_EQ(UCase("São João, açúcar 1º"), "SÃO JOÃO, AÇÚCAR 1º");
  EXPECT_EQ(LCase("CONCEIÇÃO"), "conceição");
}

TEST(Case, LatinRanges) {
  struct Case {
    const char* lower;
    const char* upper;
  };
  const Case pairs[] = {
      {"abcxyz", "ABCXYZ"}, {"ñøþæå", "ÑØÞÆÅ"}, {"ÿ", "Ÿ"},   {"āăąćčďđēěğ", "ĀĂĄĆČĎĐĒĚĞ"},
      {"ĺľłńňŋőœřśşšţťŧůűųŵŷ", "ĹĽŁŃŇŊŐŒŘŚŞŠŢŤŦŮŰŲŴŶ"}, {"źżž", "ŹŻŽ"},
  };
  for (const Case& c : pairs) {
    EXPECT_EQ(UCase(c.lower), c.upper);
    EXPECT_EQ(LCase(c.upper), c.lower);
  }
  // No one-letter capital (ß, µ) or no letter at all (×, ÷): unchanged.
  EXPECT_EQ(UCase("ßµ×÷"), "ßµ×÷");
  EXPECT_EQ(LCase("×"), "×");
  EXPECT_EQ(UCase("ı"), "I");
  EXPECT_EQ(LCase("İ"), "i");
}

TEST(Case, InvalidBytesPassThrough) {
  const std::string bad = "a\xE7\xFF" "b\xC3";  // Latin-1 ç, a stray byte, a cut sequence
  EXPECT_EQ(UCase(bad), "A\xE7\xFF" "B\xC3");
  EXPECT_EQ(UCase("\xC0\xAF"), "\xC0\xAF");  // overlong '/'
}

TEST(Trim, SpacesOnly) {
  EXPECT_EQ(Trim("  a b  "), "a b");
  EXPECT_EQ(Trim("    "), "");
  EXPECT_EQ(Trim("\ta\t"), "\ta\t");
  EXPECT_EQ(LTrim("  a  "), "a  ");
  EXPECT_EQ(RTrim("  a  "), "  a");
}

TEST(Cp1252, EveryByteRoundTrips) {
  std::string all;
  for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
  const std::string utf8 = Cp1252ToUtf8(all);
  EXPECT_TRUE(IsValidUtf8(utf8));
  EXPECT_EQ(Utf8ToCp1252(utf8), all);
}

TEST(Cp1252, KnownCharacters) {
  struct Case {
    const char* cp1252;
    const char* utf8;
  };
  const Case cases[] = {
      {"\x80", "€"}, {"\x8A", "Š"}, {"\x93\x94", "“”"}, {"\x96\x97", "–—"}, {"\x99", "™"}, {"\x9F", "Ÿ"},
      {"\xE7\xE3o", "ção"}, {"\xC7", "Ç"}, {"\xA0", "\u00A0"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Cp1252ToUtf8(c.cp1252), c.utf8);
    EXPECT_EQ(Utf8ToCp1252(c.utf8), c.cp1252);
  }
  EXPECT_EQ(Utf8ToCp1252("日本"), "??");
  EXPECT_EQ(Utf8ToCp1252("a\xFF"), "a?");
}

TEST(Utf8, Validity) {
  EXPECT_TRUE(IsValidUtf8(""));
  EXPECT_TRUE(IsValidUtf8("ação 日本 😀"));
  for (const char* bad : {"\xC3", "\xC3\x28", "\xC0\x80", "\xE0\x80\x80", "\xED\xA0\x80", "\xF4\x90\x80\x80",
                          "\xF8\x88\x80\x80\x80", "\x80"})
    EXPECT_FALSE(IsValidUtf8(bad)) << bad;
}

// A file's text from either system: UTF-8 as it is, anything else as Windows-1252.
TEST(Utf8OrCp1252, DecodesWhatIsNotUtf8AsWindows1252) {
  struct Case {
    const char* bytes;
    const char* text;
  };
  const Case cases[] = {
      {"", ""},
      {"Gráficos", "Gráficos"},                       // UTF-8
      {"Gr\xE1""ficos", "Gráficos"},                  // Windows-1252
      {"\xC3\xA1 e \xE1", "\xC3\x83\xC2\xA1 e á"},  // not all of it UTF-8: every byte is Windows-1252
      {"\x93novas\x94", "“novas”"},
  };
  for (const Case& c : cases) EXPECT_EQ(DecodeUtf8OrCp1252(c.bytes), c.text) << c.bytes;
}

TEST(Utf8, FirstCharsCountsLetters) {
  EXPECT_EQ(FirstChars("ação", 2), "aç");
  EXPECT_EQ(FirstChars("ação", 10), "ação");
  EXPECT_EQ(FirstChars("日本😀x", 3), "日本😀");
  EXPECT_EQ(FirstChars("abc", 0), "");
}

}  // namespace
}  // namespace automation
