// SPDX-License-Identifier: MIT
// The layout of every template of every resource module the programs ship:
// the chart engine's modules for Kestrin and Mirolan, Mirolan's own and the
// update program's.

#include "platform/win/resource.h"
#include "tests/kestrin/layout_check.h"
#include "tests/win/gui_environment.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

struct ModuleFile {
  const char* path;
  std::size_t least;  // templates it holds at least
};

std::unique_ptr<win::ResourceModule> LoadModule(const std::string& path) {
  std::string error;
  auto module = win::ResourceModule::Load(path, &error);
  EXPECT_NE(module, nullptr) << path << ": " << error;
  return module;
}

TEST(TemplateLayout, EveryTemplateOfEveryModule) {
  for (ModuleFile file : {ModuleFile{QV_KESTRIN_MODULE, 36}, ModuleFile{QV_CHARTHOST_MIROLAN_MODULE, 1},
                          ModuleFile{QV_MIROLAN_MODULE, 2}, ModuleFile{QV_SENDRIK_MODULE, 2}}) {
    SCOPED_TRACE(file.path);
    auto module = LoadModule(file.path);
    ASSERT_NE(module, nullptr);
    EXPECT_GE(module->dialogs().size(), file.least);
    for (const win::DialogTemplate& dialog : module->dialogs()) {
      EXPECT_FALSE(dialog.caption.empty()) << dialog.name.text();
      for (const std::string& problem : qvtest::TemplateLayoutProblems(dialog))
        ADD_FAILURE() << dialog.name.text() << ": " << problem;
    }
  }
}

// Every alternate names controls its template has, so the list cannot go stale.
TEST(TemplateLayout, AlternatesNameExistingControls) {
  auto module = LoadModule(QV_KESTRIN_MODULE);
  ASSERT_NE(module, nullptr);
  for (const qvtest::Alternates& alt : qvtest::KnownAlternates()) {
    const win::DialogTemplate* dialog = module->dialog(std::string(alt.dialog));
    ASSERT_NE(dialog, nullptr) << alt.dialog;
    for (const auto* ids : {&alt.one, &alt.other})
      for (int id : *ids) EXPECT_NE(dialog->control(id), nullptr) << alt.dialog << " " << id;
  }
}

// The check itself: each fault of a small template is found, and what is
// allowed (a frame around controls, alternates) is not reported.
TEST(TemplateLayout, CheckFindsEachFault) {
  struct Case {
    const char* name;
    const char* controls;
    std::size_t problems;
    const char* found;  // part of the one problem expected
  };
  const Case cases[] = {
      {"Clean", R"(checkbox 1 "&One" 5 5 60 10
                   checkbox 2 "&Two" 5 20 60 10)", 0, ""},
      {"Overlap", R"(checkbox 1 "&One" 5 5 60 10
                     checkbox 2 "&Two" 5 10 60 10)", 1, "2 \"Two\" over 1 \"One\""},
      {"Outside", R"(button 1 "&Go" 80 70 40 14)", 1, "outside the dialog"},
      {"TextCut", R"(checkbox 1 "A rather long caption" 5 5 30 10)", 1, "text needs"},
      {"StaticTooLow", R"(static 1 "One two three four five six seven eight nine ten" 5 5 60 8)", 1, "text needs"},
      {"KeyTwice", R"(checkbox 1 "&Fast" 5 5 60 10
                      checkbox 2 "&Fine" 5 20 60 10)", 1, "access key 'f'"},
      {"FrameHoldsControls", R"(groupbox 9 "Group" 2 2 90 40
                                checkbox 1 "&One" 8 12 60 10
                                static 3 "" 2 50 90 30 border
                                checkbox 2 "&Two" 8 60 60 10)", 0, ""},
      {"FrameOverControlEdge", R"(groupbox 9 "Group" 2 2 60 20
                                  checkbox 1 "&One" 8 12 80 10)", 1, "over 9"},
      {"Alternates", R"(static 8011 "Per column:" 5 5 60 8
                        static 8012 "Per row:" 5 5 60 8)", 0, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    // The alternates case borrows the name of a template that has them.
    std::string name = std::string(c.name) == "Alternates" ? "DLOG_Legend" : c.name;
    std::string script = "dialog \"" + name + "\" {\n caption \"T\"\n font \"MS Sans Serif\" 8\n size 100 80\n" +
                         c.controls + "\n}\n";
    std::string error;
    auto module = win::ResourceModule::Parse(script, &error);
    ASSERT_NE(module, nullptr) << error;
    auto problems = qvtest::TemplateLayoutProblems(*module->dialog(name));
    ASSERT_EQ(problems.size(), c.problems) << (problems.empty() ? "" : problems[0]);
    if (c.problems == 1) {
      EXPECT_NE(problems[0].find(c.found), std::string::npos) << problems[0];
    }
  }
}

}  // namespace
