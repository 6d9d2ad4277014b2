// SPDX-License-Identifier: MIT
#include "platform/win/controls.h"
#include "platform/win/resource.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace win;

constexpr const char* kModule = R"(
# a comment
dialog "Options" {
  caption "Opções"
  font "MS Sans Serif" 8
  size 100, 50
  checkbox 10 chkFast "&Fast" 4 4 60 10 disabled
  autoradio 11 "A" 4 16 30 10 group
  listbox 12 "" 4 28 40 20 notify vscroll
  button IDOK "OK" 50 30 40 14 default hidden
  custom 13 "" 0 0 10 10 class=PieFeelerClass
}
dialog 2120 {
  caption "By number"
  size 10 10
}
strings {
  3018 "Aviso"
  3019 "Line\none \"quoted\""
}
)";

TEST(ResourceModule, ParsesTemplatesControlsAndStrings) {
  std::string error;
  auto module = ResourceModule::Parse(kModule, &error);
  ASSERT_NE(module, nullptr) << error;
  const DialogTemplate* d = module->dialog("OPTIONS");  // names case-insensitive
  ASSERT_NE(d, nullptr);
  EXPECT_EQ(d->caption, "Opções");
  EXPECT_EQ(d->cx, 100);
  EXPECT_EQ(d->cy, 50);
  ASSERT_EQ(d->controls.size(), 5u);
  const ControlTemplate* fast = d->control("CHKFAST");
  ASSERT_NE(fast, nullptr);
  EXPECT_EQ(fast->id, 10);
  EXPECT_EQ(fast->kind, ControlKind::CheckBox);
  EXPECT_EQ(fast->text, "&Fast");
  EXPECT_TRUE(fast->style.disabled);
  EXPECT_TRUE(d->control(11)->style.group);
  EXPECT_TRUE(d->control(12)->style.notify);
  EXPECT_TRUE(d->control(12)->style.vscroll);
  EXPECT_TRUE(d->control(IDOK)->style.default_button);
  EXPECT_TRUE(d->control(IDOK)->style.hidden);
  EXPECT_EQ(d->control(13)->style.window_class, "PieFeelerClass");
  EXPECT_EQ(d->control(IDOK)->x, 50);
  EXPECT_EQ(d->control(IDOK)->cy, 14);

  EXPECT_NE(module->dialog(2120), nullptr);
  EXPECT_EQ(module->dialog("2120"), nullptr);  // a number is not a name
  EXPECT_EQ(module->dialog(2121), nullptr);
  EXPECT_EQ(module->string(3019).value(), "Line\none \"quoted\"");
  EXPECT_FALSE(module->string(3020).has_value());
}

TEST(ResourceModule, LoadStringCopiesAtMostTheBuffer) {
  auto module = ResourceModule::Parse(kModule);
  ASSERT_NE(module, nullptr);
  char buffer[4] = "xyz";
  EXPECT_EQ(LoadString(module->handle(), 3018, buffer, sizeof buffer), 3);
  EXPECT_STREQ(buffer, "Avi");
  EXPECT_EQ(LoadString(module->handle(), 9999, buffer, sizeof buffer), 0);
  EXPECT_STREQ(buffer, "");
  EXPECT_EQ(LoadString(nullptr, 3018, buffer, sizeof buffer), 0);
}

struct BadScript {
  const char* text;
  const char* error;  // start of the message
};

class BadScripts : public ::testing::TestWithParam<BadScript> {};

TEST_P(BadScripts, FailWithLineAndReason) {
  std::string error;
  EXPECT_EQ(ResourceModule::Parse(GetParam().text, &error), nullptr);
  EXPECT_EQ(error.rfind(GetParam().error, 0), 0u) << error;
}

INSTANTIATE_TEST_SUITE_P(
    Errors, BadScripts,
    ::testing::Values(BadScript{"dialog \"A\" {\n  wobble 1 \"\" 0 0 1 1\n}", "line 2: unknown control kind wobble"},
                      BadScript{"dialog \"A\" {\n  button 1 \"OK\" 0 0 1\n}", "line 3: expected height"},
                      BadScript{"dialog \"A\" {}\ndialog \"a\" {}", "line 2: dialog a defined twice"},
                      BadScript{"dialog \"A\" {\n button 1 \"\" 0 0 1 1\n button 1 \"\" 0 0 1 1 }",
                                "line 3: control id 1 used twice"},
                      BadScript{"strings {\n 1 \"x\"\n 1 \"y\" }", "line 3: string 1 defined twice"},
                      BadScript{"strings { 1 \"open }", "line 1: unterminated text"},
                      BadScript{"dialog \"A\" {\n custom 5 \"\" 0 0 1 1 }", "line 2: custom control without class"},
                      BadScript{"menu {}", "line 1: expected dialog or strings"},
                      BadScript{"dialog \"A\" {\n button FOO \"\" 0 0 1 1 }", "line 2: unknown id FOO"}));

TEST(ResourceModule, EveryTruncationParsesOrFailsWithALine) {
  std::string text = kModule;
  for (std::size_t n = 0; n <= text.size(); ++n) {
    std::string error;
    auto module = ResourceModule::Parse(std::string_view(text).substr(0, n), &error);
    if (!module) {
      EXPECT_EQ(error.rfind("line ", 0), 0u) << n << ": " << error;
    }
  }
}

TEST(ResourceModule, LoadReportsMissingFile) {
  std::string error;
  EXPECT_EQ(ResourceModule::Load("/nonexistent/x.rsc", &error), nullptr);
  EXPECT_NE(error.find("cannot open"), std::string::npos);
}

struct UnitCase {
  const char* face;
  int size;
  int x, y, cx, cy;
  RECT pixels;
};

class DialogUnits : public ::testing::TestWithParam<UnitCase> {};

TEST_P(DialogUnits, ConvertFromTheFixedTable) {
  const UnitCase& c = GetParam();
  EXPECT_EQ(DialogUnitsToPixels(FontMetrics(c.face, c.size), c.x, c.y, c.cx, c.cy), c.pixels);
}

INSTANTIATE_TEST_SUITE_P(
    Faces, DialogUnits,
    ::testing::Values(UnitCase{"MS Sans Serif", 8, 0, 0, 4, 8, {0, 0, 6, 13}},
                      UnitCase{"ms sans serif", 8, 7, 7, 50, 14, {11, 11, 86, 34}},
                      UnitCase{"MS Sans Serif", 7, 0, 0, 288, 218, {0, 0, 360, 327}},
                      UnitCase{"MS Sans Serif", 10, 4, 8, 4, 8, {7, 16, 14, 32}},
                      UnitCase{"Arial", 8, 0, 0, 4, 8, {0, 0, 6, 13}},
                      // Nine-digit units, as a script may give them: clamped to the int range.
                      UnitCase{"MS Sans Serif", 8, 999999999, 0, 999999999, 8, {1499999999, 0, 2147483647, 13}},
                      UnitCase{"Courier New", 72, -999999999, -999999999, 0, 999999999,
                               {-2147483647 - 1, -2147483647 - 1, -2147483647 - 1, 0}}));

struct IntCase {
  const char* text;
  bool is_signed;
  long value;
  bool translated;
};

class DialogInts : public ::testing::TestWithParam<IntCase> {};

TEST_P(DialogInts, ReadLikeTheDialogManager) {
  bool translated = !GetParam().translated;
  EXPECT_EQ(ParseDialogInt(GetParam().text, &translated, GetParam().is_signed), GetParam().value);
  EXPECT_EQ(translated, GetParam().translated);
}

INSTANTIATE_TEST_SUITE_P(Texts, DialogInts,
                         ::testing::Values(IntCase{"42", true, 42, true}, IntCase{"  -17", true, -17, true},
                                           IntCase{"12abc", true, 12, true}, IntCase{"abc", true, 0, false},
                                           IntCase{"", false, 0, false}, IntCase{"-5", false, 0, false},
                                           IntCase{"  7 8", false, 7, true},
                                           IntCase{"2147483647", true, 2147483647, true},
                                           IntCase{"2147483648", true, 0, false},
                                           IntCase{"-2147483648", true, -2147483648L, true},
                                           IntCase{"4294967295", false, 4294967295L, true},
                                           IntCase{"99999999999999999999", false, 0, false}));

}  // namespace
