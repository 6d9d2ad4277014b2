// SPDX-License-Identifier: MIT
// The new-chart dialog as the user meets it: PromptNewDialog and its block.

#include "platform/win/dialog.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "mirolan/mirolan.h"
#include "mirolan/new_chart_dialog.h"
#include "platform/win/controls.h"
#include "platform/win/msgbox.h"
#include "platform/win/resource.h"
#include "tests/mirolan/fixture.h"
#include "tests/win/gui_environment.h"

namespace {

using mirolantest::CurrentDirectoryGuard;
using mirolantest::TempFolder;
using win::HWND;

constexpr int kCell = 88;
constexpr int kBorder = 2;  // the list's frame, so points land in its client area

class NewChartTest : public ::testing::Test {
 protected:
  void SetUp() override {
    InitNewDialogDLL(0, nullptr);  // the library's own templates
    gallery_ = dir_ / "Gallery";
    mirolantest::WriteBytes(gallery_ + "/Gallery.txt", "Bars,Bar charts\nPies,Pie charts\nEmpty,No charts\n");
    mirolantest::WriteChart(gallery_ + "/Bars/ABC.KWX", "Clustered bars", 0x2040C0);
    mirolantest::WriteChart(gallery_ + "/Bars/stacked.kwx", "Stacked bars", 0xC04020);
    mirolantest::WriteChart(gallery_ + "/Pies/pie", "A pie without an extension");  // not a chart file name
    mirolantest::WriteChart(gallery_ + "/Pies/exploded.krx", "Exploded pie", 0x20C040);
    std::filesystem::create_directories(gallery_ + "/Empty");
    SetRoot(dir_.path());
  }
  void TearDown() override { InitNewDialogDLL(0, nullptr); }

  void SetRoot(const std::string& root) {
    std::memset(&block_, 0, sizeof block_);
    std::memcpy(block_.root, root.data(), std::min(root.size(), sizeof block_.root));
    std::strcpy(block_.file_name, "before");
    std::strcpy(block_.folder, "before");
  }

  short Prompt(const std::function<void(HWND)>& action) {
    win::testing::User user;
    user.OnDialog([&](HWND dialog) { action(dialog); });
    short result = PromptNewDialog(&block_);
    beeps_ = user.beeps().size();
    boxes_ = user.message_boxes();
    left_open_ = user.left_open();
    return result;
  }

  bool BlockUntouched() const {
    return std::string(block_.file_name) == "before" && std::string(block_.folder) == "before";
  }

  CurrentDirectoryGuard cwd_;
  TempFolder dir_;
  std::string gallery_;
  mirolan::NewChartBlock block_{};
  std::size_t beeps_ = 0;
  std::vector<win::MessageBoxRequest> boxes_;
  int left_open_ = 0;
};

TEST_F(NewChartTest, OpensOnTheFirstCategoryWithItsFirstTemplate) {
  short result = Prompt([&](HWND d) {
    EXPECT_EQ(win::DialogTemplateName(d), "#2120");
    EXPECT_EQ(win::GetWindowText(d), "Select a Chart Template");
    EXPECT_FALSE(win::testing::IsVisible(d, mirolan::kGalleryCombo));
    EXPECT_EQ(win::testing::Count(d, mirolan::kGalleryCombo), 1);
    EXPECT_EQ(win::testing::ItemText(d, mirolan::kGalleryCombo, 0), "Gallery");
    EXPECT_TRUE(win::testing::IsVisible(d, mirolan::kHelpButton));
    EXPECT_FALSE(win::testing::IsVisible(d, mirolan::kSetupButton));
    EXPECT_TRUE(win::testing::IsEnabled(d, win::IDOK));
    // The category list took the combo box's place.
    win::RECT categories = win::testing::ControlRect(d, mirolan::kCategoryList);
    win::RECT thumbnails = win::testing::ControlRect(d, mirolan::kThumbnailList);
    EXPECT_EQ(categories.top, thumbnails.top);
    EXPECT_EQ(categories.bottom, thumbnails.bottom);
    EXPECT_EQ(win::testing::Count(d, mirolan::kCategoryList), 3);
    EXPECT_EQ(win::testing::Selection(d, mirolan::kCategoryList), 0);
    EXPECT_EQ(win::testing::Text(d, mirolan::kFileName), "ABC.KWX");
    EXPECT_EQ(win::testing::Text(d, mirolan::kDescription), "Clustered bars");
    EXPECT_TRUE(win::testing::Click(d, win::IDOK));
  });
  EXPECT_EQ(result, mirolan::kChosen);
  EXPECT_STREQ(block_.file_name, "ABC.KWX");
  EXPECT_EQ(block_.folder, gallery_ + "/Bars");
  EXPECT_EQ(std::filesystem::current_path(), std::filesystem::path(gallery_));  // left where the fill put it
}

struct EndCase {
  const char* label;
  std::function<void(HWND)> end;
};

class EndingTest : public NewChartTest, public ::testing::WithParamInterface<EndCase> {};

TEST_P(EndingTest, AnyWayButOkReturnsOneAndLeavesTheBlock) {
  EXPECT_EQ(Prompt(GetParam().end), mirolan::kNotChosen);
  EXPECT_TRUE(BlockUntouched());
  EXPECT_EQ(left_open_, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Ends, EndingTest,
    ::testing::Values(EndCase{"Cancel", [](HWND d) { win::testing::Click(d, win::IDCANCEL); }},
                      EndCase{"Escape", [](HWND d) { win::testing::PressKey(d, win::testing::Key::Escape); }},
                      EndCase{"CloseBox", [](HWND d) { win::testing::CloseBox(d); }}),
    [](const auto& info) { return std::string(info.param.label); });

TEST_F(NewChartTest, ChoosingAnotherCategoryAndThumbnail) {
  short result = Prompt([&](HWND d) {
    ASSERT_TRUE(win::testing::SelectItem(d, mirolan::kCategoryList, 1));  // Pie charts
    EXPECT_EQ(win::testing::Text(d, mirolan::kFileName), "exploded.krx");
    ASSERT_TRUE(win::testing::SelectItem(d, mirolan::kCategoryList, 0));  // back to the bars
    ASSERT_TRUE(win::testing::MouseDown(d, mirolan::kThumbnailList, {kBorder + kCell + 10, kBorder + 10}));
    EXPECT_EQ(win::testing::Text(d, mirolan::kFileName), "stacked.kwx");
    EXPECT_EQ(win::testing::Text(d, mirolan::kDescription), "Stacked bars");
    win::testing::PressKey(d, win::testing::Key::Enter);  // the default button
  });
  EXPECT_EQ(result, mirolan::kChosen);
  EXPECT_STREQ(block_.file_name, "stacked.kwx");  // ".k" of any case: nothing appended
  EXPECT_EQ(block_.folder, gallery_ + "/Bars");
}

TEST_F(NewChartTest, AnEmptyCategoryDisablesOk) {
  short result = Prompt([&](HWND d) {
    ASSERT_TRUE(win::testing::SelectItem(d, mirolan::kCategoryList, 2));
    EXPECT_EQ(win::testing::Count(d, mirolan::kThumbnailList), 0);
    EXPECT_FALSE(win::testing::IsEnabled(d, win::IDOK));
    EXPECT_EQ(win::testing::Text(d, mirolan::kFileName), "");  // no other category's name stays
    EXPECT_EQ(win::testing::Text(d, mirolan::kDescription), "");
    win::testing::PressKey(d, win::testing::Key::Enter);  // a disabled default button does nothing
    EXPECT_TRUE(win::IsWindow(d));
    win::PostMessage(d, mirolan::kThumbnailConfirm, 0, 0);  // nothing chosen: the dialog stays
    win::testing::ProcessPosted();
    EXPECT_TRUE(win::IsWindow(d));
    win::testing::Click(d, win::IDCANCEL);
  });
  EXPECT_EQ(result, mirolan::kNotChosen);
  EXPECT_TRUE(BlockUntouched());
}

TEST_F(NewChartTest, ConfirmMessageActsAsOk) {
  short result = Prompt([&](HWND d) {
    win::PostMessage(d, mirolan::kThumbnailConfirm, 0, 0);
    win::testing::ProcessPosted();
  });
  EXPECT_EQ(result, mirolan::kChosen);
  EXPECT_STREQ(block_.file_name, "ABC.KWX");
}

TEST_F(NewChartTest, ARootWithoutAGalleryListsNothing) {
  TempFolder bare;
  SetRoot(bare.path());
  short result = Prompt([&](HWND d) {
    EXPECT_EQ(win::testing::Count(d, mirolan::kCategoryList), 0);
    EXPECT_EQ(win::testing::Count(d, mirolan::kThumbnailList), 0);
    EXPECT_FALSE(win::testing::IsEnabled(d, win::IDOK));
    EXPECT_FALSE(win::testing::Click(d, win::IDOK));
  });
  EXPECT_EQ(result, mirolan::kNotChosen);
  EXPECT_EQ(left_open_, 1);  // only Cancel ends it
}

TEST_F(NewChartTest, ARootFillingItsWholeFieldIsReadWithoutATerminator) {
  std::string root = dir_.path() + "/";
  root += std::string(64 - root.size(), 'r');
  ASSERT_EQ(root.size(), 64u);
  mirolantest::WriteChart(root + "/Gallery/Only/one.kwx", "One");
  SetRoot(root);
  std::strcpy(block_.file_name, "before");  // right after the root, no terminator between
  short result = Prompt([&](HWND d) {
    EXPECT_EQ(win::testing::Count(d, mirolan::kCategoryList), 1);
    win::testing::Click(d, win::IDOK);
  });
  EXPECT_EQ(result, mirolan::kChosen);
  EXPECT_STREQ(block_.file_name, "one.kwx");
  EXPECT_EQ(block_.folder, root + "/Gallery/Only");
}

TEST_F(NewChartTest, AFolderTooLongForTheBlockIsRefusedNotCut) {
  std::string category(240, 'c');
  mirolantest::WriteBytes(gallery_ + "/Gallery.txt", category + ",Long\n");
  mirolantest::WriteChart(gallery_ + "/" + category + "/deep.kwx", "Deep");
  short result = Prompt([&](HWND d) {
    EXPECT_EQ(win::testing::Text(d, mirolan::kFileName), "deep.kwx");
    win::testing::Click(d, win::IDOK);
    EXPECT_TRUE(win::IsWindow(d));
    win::testing::Click(d, win::IDCANCEL);
  });
  EXPECT_EQ(result, mirolan::kNotChosen);
  EXPECT_EQ(beeps_, 1u);
  EXPECT_TRUE(BlockUntouched());
}

// A template whose name or folder does not fit the caller's block cannot be
// chosen: Ok tells the user why in a box of the dialog, which stays open.
struct TooLongCase {
  const char* label;
  std::string category;
  std::string file_name;
  const char* told;  // what the box speaks of; nullptr: chosen, no box
};

class TooLongTest : public NewChartTest, public ::testing::WithParamInterface<TooLongCase> {};

TEST_P(TooLongTest, OkSaysWhyATemplateCannotBeChosen) {
  const TooLongCase& c = GetParam();
  mirolantest::WriteBytes(gallery_ + "/Gallery.txt", c.category + ",Long\n");
  mirolantest::WriteChart(gallery_ + "/" + c.category + "/" + c.file_name, "Long");
  HWND dialog = nullptr;
  bool open_after_ok = false;
  short result = Prompt([&](HWND d) {
    dialog = d;
    EXPECT_EQ(win::testing::Text(d, mirolan::kFileName), c.file_name);
    EXPECT_TRUE(win::testing::IsEnabled(d, win::IDOK));
    win::testing::PressKey(d, win::testing::Key::Enter);
    open_after_ok = win::IsWindowVisible(d);
    if (open_after_ok) win::testing::Click(d, win::IDCANCEL);
  });
  if (!c.told) {
    EXPECT_EQ(result, mirolan::kChosen);
    EXPECT_EQ(block_.file_name, c.file_name);
    EXPECT_TRUE(boxes_.empty());
    return;
  }
  EXPECT_TRUE(open_after_ok);
  EXPECT_EQ(result, mirolan::kNotChosen);
  EXPECT_TRUE(BlockUntouched());
  ASSERT_EQ(boxes_.size(), 1u);
  EXPECT_EQ(boxes_[0].owner, dialog);
  EXPECT_EQ(boxes_[0].caption, "Select a Chart Template");
  EXPECT_EQ(boxes_[0].style, win::MB_OK | win::MB_ICONEXCLAMATION);
  EXPECT_NE(boxes_[0].text.find(c.told), std::string::npos) << boxes_[0].text;
  EXPECT_NE(boxes_[0].text.find("too long"), std::string::npos) << boxes_[0].text;
}

INSTANTIATE_TEST_SUITE_P(
    Names, TooLongTest,
    ::testing::Values(TooLongCase{"NameOf63Bytes", "Long", std::string(59, 'a') + ".kwx", nullptr},
                      TooLongCase{"NameOf64Bytes", "Long", std::string(60, 'a') + ".kwx", "file name"},
                      TooLongCase{"NameOf70Bytes", "Long",
                                  "Gráfico de barras empilhadas com linha de tendência e meta anual.kwx",
                                  "\"Gráfico de barras empilhadas com linha de tendência e meta anual.kwx\""},
                      TooLongCase{"Folder", std::string(240, 'c'), "deep.kwx", "folder"}),
    [](const auto& info) { return std::string(info.param.label); });

// A gallery made on Windows: its index in capitals and in Windows-1252, its
// folders named in other letters than on the disk.
TEST_F(NewChartTest, AGalleryMadeOnWindowsShowsItsCategoriesAndTemplates) {
  std::filesystem::remove(gallery_ + "/Gallery.txt");
  mirolantest::WriteBytes(gallery_ + "/GALLERY.TXT", "bars,Gr\xe1""ficos de barras\r\npIES,Pizzas\r\n");
  short result = Prompt([&](HWND d) {
    ASSERT_EQ(win::testing::Count(d, mirolan::kCategoryList), 2);
    EXPECT_EQ(win::testing::ItemText(d, mirolan::kCategoryList, 0), "Gráficos de barras");
    EXPECT_EQ(win::testing::ItemText(d, mirolan::kCategoryList, 1), "Pizzas");
    EXPECT_EQ(win::testing::Text(d, mirolan::kFileName), "ABC.KWX");
    EXPECT_TRUE(win::testing::IsEnabled(d, win::IDOK));
    ASSERT_TRUE(win::testing::SelectItem(d, mirolan::kCategoryList, 1));
    EXPECT_EQ(win::testing::Text(d, mirolan::kFileName), "exploded.krx");
    win::testing::PressKey(d, win::testing::Key::Enter);
  });
  EXPECT_EQ(result, mirolan::kChosen);
  EXPECT_STREQ(block_.file_name, "exploded.krx");
  EXPECT_EQ(block_.folder, gallery_ + "/Pies");  // the folder as the disk names it
}

TEST_F(NewChartTest, TheHostsModuleIsUsedWhenGiven) {
  std::string error;
  auto module = win::ResourceModule::Load(QV_MIROLAN_HOST_MODULE, &error);
  ASSERT_NE(module, nullptr) << error;
  InitNewDialogDLL(0, module->handle());
  short result = Prompt([&](HWND d) {
    EXPECT_EQ(win::testing::Text(d, 65535), "Template");  // the host's group title
    win::testing::Click(d, win::IDOK);
  });
  EXPECT_EQ(result, mirolan::kChosen);

  SetRoot(dir_.path());
  auto other = win::ResourceModule::Parse("dialog 1 {\n size 10 10\n}\n");
  ASSERT_NE(other, nullptr);
  InitNewDialogDLL(0, other->handle());  // without template 2120
  EXPECT_EQ(Prompt([](HWND) {}), mirolan::kNotChosen);
  EXPECT_TRUE(BlockUntouched());
  EXPECT_EQ(PromptNewDialog(nullptr), mirolan::kNotChosen);
}

struct SetupCase {
  const char* label;
  bool host_module;  // the host's module has no template 2121
  bool file_chosen;
  std::size_t file_dialogs;
};

class SetupTest : public NewChartTest, public ::testing::WithParamInterface<SetupCase> {};

TEST_P(SetupTest, SetupOpensTheFileDialogOnlyWithItsTemplate) {
  const SetupCase& c = GetParam();
  std::unique_ptr<win::ResourceModule> module;
  if (c.host_module) {
    module = win::ResourceModule::Load(QV_MIROLAN_HOST_MODULE);
    ASSERT_NE(module, nullptr);
    InitNewDialogDLL(0, module->handle());
  }
  win::testing::User user;
  user.AnswerFileDialogs([&](const win::OpenFileName& r) -> std::optional<std::string> {
    EXPECT_EQ(r.file, "file.nam");
    EXPECT_EQ(r.filter, "All (*.*)|*.*");
    if (c.file_chosen) return gallery_ + "/Gallery.txt";
    return std::nullopt;
  });
  user.OnDialog([&](HWND d) {
    EXPECT_FALSE(win::testing::Click(d, mirolan::kSetupButton));  // hidden: not for the user
    win::ShowWindow(win::GetDlgItem(d, mirolan::kSetupButton), win::SW_SHOW);
    ASSERT_TRUE(win::testing::Click(d, mirolan::kSetupButton));
    EXPECT_TRUE(win::IsWindow(d));
    EXPECT_EQ(win::testing::Count(d, mirolan::kCategoryList), 3);  // refilled or kept, the same
    EXPECT_EQ(win::testing::Text(d, mirolan::kFileName), "ABC.KWX");
    ASSERT_TRUE(win::testing::Click(d, mirolan::kHelpButton));  // does nothing
    EXPECT_TRUE(win::IsWindow(d));
    win::testing::Click(d, win::IDCANCEL);
  });
  EXPECT_EQ(PromptNewDialog(&block_), mirolan::kNotChosen);
  EXPECT_EQ(user.file_dialogs().size(), c.file_dialogs);
}

INSTANTIATE_TEST_SUITE_P(Setup, SetupTest,
                         ::testing::Values(SetupCase{"Cancelled", false, false, 1}, SetupCase{"Chosen", false, true, 1},
                                           SetupCase{"NoTemplate", true, false, 0}),
                         [](const auto& info) { return std::string(info.param.label); });

TEST_F(NewChartTest, AGalleryChangeWithoutASelectionIsIgnored) {
  short result = Prompt([&](HWND d) {
    HWND combo = win::GetDlgItem(d, mirolan::kGalleryCombo);
    win::ComboBox_SetCurSel(combo, 0);
    win::SendMessage(d, win::WM_COMMAND, win::MAKEWPARAM(mirolan::kGalleryCombo, win::CBN_SELCHANGE),
                     reinterpret_cast<win::LPARAM>(combo));
    EXPECT_EQ(win::testing::Count(d, mirolan::kCategoryList), 3);  // the one gallery again
    win::ComboBox_SetCurSel(combo, -1);
    win::SendMessage(d, win::WM_COMMAND, win::MAKEWPARAM(mirolan::kGalleryCombo, win::CBN_SELCHANGE),
                     reinterpret_cast<win::LPARAM>(combo));
    EXPECT_EQ(win::testing::Count(d, mirolan::kCategoryList), 3);
    win::testing::Click(d, win::IDOK);
  });
  EXPECT_EQ(result, mirolan::kChosen);
}

TEST_F(NewChartTest, RendersThumbnailsAndTheSelectionFrame) {
  Prompt([&](HWND d) {
    win::testing::Image image = win::testing::Grab(d);
    win::RECT list = win::testing::ControlRect(d, mirolan::kThumbnailList);
    auto at = [&](int x, int y) {
      std::uint32_t p = image.at(list.left + kBorder + x, list.top + kBorder + y);
      return win::RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
    };
    EXPECT_EQ(at(40, 30), win::RGB(0x20, 0x40, 0xC0));          // ABC.KWX's picture
    EXPECT_EQ(at(kCell + 40, 30), win::RGB(0xC0, 0x40, 0x20));  // stacked.kwx's
    EXPECT_EQ(at(40, 4), win::RGB(255, 0, 0));                  // the frame of the selected cell
    EXPECT_EQ(at(kCell + 40, 4), win::RGB(255, 255, 255));      // none on the other
    EXPECT_EQ(at(40, 68 + 30), win::RGB(255, 255, 255));        // no second row
  });
}

}  // namespace
