// SPDX-License-Identifier: MIT
// The two lists of the new-chart dialog: categories of a gallery folder and
// the thumbnails of a category, with their mouse, keys and drawing.

#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "mirolan/gallery_list.h"
#include "mirolan/thumbnail_list.h"
#include "platform/win/controls.h"
#include "platform/win/dialog.h"
#include "platform/win/resource.h"
#include "tests/mirolan/fixture.h"
#include "tests/win/gui_environment.h"

namespace {

using mirolan::CGalleryListBox;
using mirolan::CThumbnailListBox;
using mirolantest::CurrentDirectoryGuard;
using mirolantest::TempFolder;

constexpr int kCategories = 1;
constexpr int kThumbnails = 2;
constexpr int kCell = CThumbnailListBox::kCellWidth;
constexpr int kRow = CThumbnailListBox::kRowHeight;

constexpr const char* kModule = R"(
dialog "LISTS" {
  caption "Lists"
  font "MS Sans Serif" 7
  size 352 250
  listbox 1 "" 9 8 100 230 notify border vscroll
  listbox 2 "" 114 8 232 230 ownerdraw border vscroll
}
)";

struct Posted {
  win::UINT msg;
  win::WPARAM wparam;
  friend bool operator==(const Posted&, const Posted&) = default;
};

// A dialog holding both lists, as the new-chart dialog binds them.
class ListsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string error;
    module_ = win::ResourceModule::Parse(kModule, &error);
    ASSERT_NE(module_, nullptr) << error;
  }

  void Run(const std::function<void(win::HWND)>& action) {
    win::testing::User user;
    user.OnDialog([&](win::HWND dialog) { action(dialog); });
    win::DialogBoxParam(module_->handle(), "LISTS", nullptr,
                        [&](win::HWND dialog, win::UINT msg, win::WPARAM wp, win::LPARAM lp) -> win::INT_PTR {
                          switch (msg) {
                            case win::WM_INITDIALOG:
                              gallery_.Attach(win::GetDlgItem(dialog, kCategories));
                              EXPECT_TRUE(thumbnails_.Attach(win::GetDlgItem(dialog, kThumbnails)));
                              thumbnails_.Init(dialog, 3);
                              return 1;
                            case win::WM_DRAWITEM:
                              thumbnails_.DrawItem(*reinterpret_cast<const win::DRAWITEMSTRUCT*>(lp));
                              return 1;
                            case mirolan::kThumbnailSelChange:
                            case mirolan::kThumbnailDoubleClick:
                            case mirolan::kThumbnailClick: posted_.push_back({msg, wp}); return 1;
                            default: return 0;
                          }
                        });
  }

  // The list's own picture at a point of its client area.
  win::COLORREF Pixel(win::HWND dialog, int x, int y) {
    win::testing::Grab(dialog);  // paints what is pending
    win::HWND list = win::GetDlgItem(dialog, kThumbnails);
    win::HDC dc = win::GetDC(list);
    win::COLORREF c = win::GetPixel(dc, x, y);
    win::ReleaseDC(list, dc);
    return c;
  }

  CurrentDirectoryGuard cwd_;
  TempFolder dir_;
  std::unique_ptr<win::ResourceModule> module_;
  CGalleryListBox gallery_;
  CThumbnailListBox thumbnails_;
  std::vector<Posted> posted_;
};

// A case's label as a test name: letters and digits, the rest "_".
std::string TestName(std::string_view label) {
  std::string name;
  for (char ch : label) name += std::isalnum(static_cast<unsigned char>(ch)) ? ch : '_';
  return name;
}

// --- Categories ------------------------------------------------------------------

struct IndexCase {
  const char* label;
  std::string index;  // the index file's text
  std::vector<std::string> labels;
  std::vector<std::string> subfolders;
  std::string index_name = "Gallery.txt";
  std::vector<std::string> on_disk = {};  // subfolders there
  std::string other_index = {};           // the name of a second index, "Other,Other"
};

class IndexFileTest : public ListsTest, public ::testing::WithParamInterface<IndexCase> {};

TEST_P(IndexFileTest, ListsTheCategoriesOfTheIndex) {
  const IndexCase& c = GetParam();
  std::string gallery = dir_ / "Gallery";
  mirolantest::WriteBytes(gallery + "/" + c.index_name, c.index);
  if (!c.other_index.empty()) mirolantest::WriteBytes(gallery + "/" + c.other_index, "Other,Other\n");
  std::filesystem::create_directories(gallery + "/Unlisted");  // the index wins over the folders
  for (const std::string& sub : c.on_disk) std::filesystem::create_directories(gallery + "/" + sub);
  Run([&](win::HWND dialog) {
    gallery_.Fill(gallery);
    EXPECT_EQ(gallery_.labels(), c.labels);
    std::vector<std::string> folders;
    for (const std::string& s : c.subfolders) folders.push_back(gallery + "/" + s);
    EXPECT_EQ(gallery_.folders(), folders);
    ASSERT_EQ(win::testing::Count(dialog, kCategories), static_cast<int>(c.labels.size()));
    for (std::size_t i = 0; i < c.labels.size(); ++i)
      EXPECT_EQ(win::testing::ItemText(dialog, kCategories, static_cast<int>(i)), c.labels[i]);
    EXPECT_EQ(win::testing::Selection(dialog, kCategories), c.labels.empty() ? -1 : 0);
    EXPECT_EQ(gallery_.GetSelectedFolder(), folders.empty() ? "" : folders.front());
    EXPECT_EQ(std::filesystem::current_path(), std::filesystem::path(gallery));
  });
}

INSTANTIATE_TEST_SUITE_P(
    Lines, IndexFileTest,
    ::testing::Values(
        IndexCase{"two", "Bars,Bar charts\nLines,Line charts\n", {"Bar charts", "Line charts"}, {"Bars", "Lines"}},
        IndexCase{"last line without its end", "Bars,Bar charts", {"Bar charts"}, {"Bars"}},
        IndexCase{"CRLF", "Bars,Bar charts\r\nPies,Pie charts\r\n", {"Bar charts", "Pie charts"}, {"Bars", "Pies"}},
        IndexCase{"no comma skipped", "notes\nPies,Pie charts\n\n", {"Pie charts"}, {"Pies"}},
        IndexCase{"commas in the label", "Mixed,Bars, lines\n", {"Bars, lines"}, {"Mixed"}},
        IndexCase{
            "long line cut at 255", "A," + std::string(300, 'x') + "\nB,b\n", {std::string(253, 'x'), "b"}, {"A", "B"}},
        IndexCase{"empty index", "", {}, {}},
        // Written on Windows: each line that is not UTF-8 is read as Windows-1252.
        IndexCase{"Windows-1252",
                  "Barras,Gr\xe1""ficos de barras\r\nLinhas,Linhas e \xe1reas\r\n",
                  {"Gráficos de barras", "Linhas e áreas"},
                  {"Barras", "Linhas"}},
        IndexCase{"UTF-8 and Windows-1252 lines",
                  "Barras,Gráficos de barras\nLinhas,Linhas e \xe1reas \x96 \x93novas\x94\n",
                  {"Gráficos de barras", "Linhas e áreas – “novas”"},
                  {"Barras", "Linhas"}},
        IndexCase{"Windows-1252 folder", "Gr\xe1""ficos,Todos\n", {"Todos"}, {"Gráficos"}},
        IndexCase{"long UTF-8 line cut at 255 letters",
                  [] {
                    std::string line = "A,";
                    for (int i = 0; i < 300; ++i) line += "á";
                    return line + "\n";
                  }(),
                  {[] {
                    std::string label;
                    for (int i = 0; i < 253; ++i) label += "á";
                    return label;
                  }()},
                  {"A"}}),
    [](const auto& info) { return TestName(info.param.label); });

// A gallery copied from a system that does not tell letter case apart: the
// index file and the folders it names are found in any letter case when the
// exact name is not there.
INSTANTIATE_TEST_SUITE_P(
    LetterCase, IndexFileTest,
    ::testing::Values(
        IndexCase{"index in capitals", "Barras,Barras\n", {"Barras"}, {"Barras"}, "GALLERY.TXT", {"Barras"}},
        IndexCase{"index in small letters", "Barras,Barras\n", {"Barras"}, {"Barras"}, "gallery.txt", {"Barras"}},
        IndexCase{"the exact index first", "B,Exact\n", {"Exact"}, {"B"}, "Gallery.txt", {}, "GALLERY.TXT"},
        IndexCase{"else the first in name order", "A,Capitals\n", {"Capitals"}, {"A"}, "GALLERY.TXT", {},
                  "gallery.txt"},
        IndexCase{"folder in other letters", "barras,Gráficos de barras\n", {"Gráficos de barras"}, {"Barras"},
                  "Gallery.txt", {"Barras"}},
        IndexCase{"accented folder in capitals", "Gr\xe1""ficos,Todos\n", {"Todos"}, {"GRÁFICOS"}, "Gallery.txt",
                  {"GRÁFICOS"}},
        IndexCase{"the exact folder first", "barras,B\n", {"B"}, {"barras"}, "Gallery.txt", {"Barras", "barras"}},
        IndexCase{"else the first folder in name order", "BARRAS,B\n", {"B"}, {"Barras"}, "Gallery.txt",
                  {"barras", "Barras"}},
        IndexCase{"no such folder in any letters", "Pizza,P\n", {"P"}, {"Pizza"}, "Gallery.txt", {"Barras"}}),
    [](const auto& info) { return TestName(info.param.label); });

TEST_F(ListsTest, WithoutAnIndexTheSubfoldersAreTheCategories) {
  std::string gallery = dir_ / "Gallery";
  for (const char* sub : {"Pies", "Bars", "Lines"}) std::filesystem::create_directories(gallery + "/" + sub);
  mirolantest::WriteChart(gallery + "/loose.kwx", "not a category");
  Run([&](win::HWND) {
    gallery_.Fill(gallery);
    std::vector<std::string> want{gallery + "/Bars", gallery + "/Lines", gallery + "/Pies"};
    EXPECT_EQ(gallery_.folders(), want);
    EXPECT_EQ(gallery_.labels(), want);  // full paths shown
  });
}

// Full paths that do not fit the narrow list are cut in the middle, so that
// their ends, where they differ, show: two galleries whose one category
// differs only in its last letters are drawn apart.
TEST_F(ListsTest, FullPathsAreCutInTheMiddle) {
  std::string gallery = dir_ / "a-long-folder-of-chart-galleries/Gallery";
  std::vector<std::vector<std::uint32_t>> pictures;
  for (const char* sub : {"Bars", "Pies"}) {
    std::filesystem::remove_all(gallery);
    std::filesystem::create_directories(gallery + "/" + sub);
    Run([&](win::HWND dialog) {
      gallery_.Fill(gallery);
      ASSERT_EQ(gallery_.labels(), std::vector<std::string>{gallery + "/" + sub});
      pictures.push_back(win::testing::Grab(win::GetDlgItem(dialog, kCategories)).argb);
    });
  }
  ASSERT_EQ(pictures.size(), 2u);
  EXPECT_NE(pictures[0], pictures[1]) << "both categories read the same";
}

TEST_F(ListsTest, AMissingGalleryGivesNoCategories) {
  // The current directory holds an index of its own: it must not be read.
  mirolantest::WriteBytes(dir_ / "Gallery.txt", "Bars,Bar charts\n");
  std::filesystem::current_path(dir_.path());
  Run([&](win::HWND dialog) {
    gallery_.Fill(dir_ / "nowhere/Gallery");
    EXPECT_TRUE(gallery_.labels().empty());
    EXPECT_EQ(win::testing::Count(dialog, kCategories), 0);
    EXPECT_EQ(gallery_.GetSelectedFolder(), "");
  });
}

// An index that is not a regular file is no index: the subfolders are the
// categories, and nothing waits on a FIFO.
TEST_F(ListsTest, AnIndexThatIsNotARegularFileFallsBackToTheSubfolders) {
  std::string gallery = dir_ / "Gallery";
  for (const char* sub : {"Bars", "Pies"}) std::filesystem::create_directories(gallery + "/" + sub);
  struct Case {
    const char* label;
    std::function<void()> make;  // the index's place, taken by something else
    std::vector<std::string> categories;
  };
  std::unique_ptr<mirolantest::UnwrittenFifo> fifo;
  const std::vector<Case> cases = {
      {"FIFO",
       [&] {
         fifo = std::make_unique<mirolantest::UnwrittenFifo>(gallery + "/Gallery.txt");
         ASSERT_TRUE(fifo->made());
       },
       {"Bars", "Pies"}},
      {"folder",
       [&] {
         fifo.reset();
         std::filesystem::remove(gallery + "/Gallery.txt");
         mirolantest::WriteBytes(gallery + "/Gallery.txt/Gallery.txt", "Bars,Bar charts\n");
       },
       {"Bars", "Gallery.txt", "Pies"}},
  };
  for (const Case& c : cases) {
    c.make();
    Run([&](win::HWND dialog) {
      gallery_.Fill(gallery);
      std::vector<std::string> want;
      for (const std::string& sub : c.categories) want.push_back(gallery + "/" + sub);
      EXPECT_EQ(gallery_.folders(), want) << c.label;
      EXPECT_EQ(gallery_.labels(), want) << c.label;
      EXPECT_EQ(win::testing::Selection(dialog, kCategories), 0) << c.label;
    });
    if (fifo) {
      EXPECT_FALSE(fifo->reader_waited()) << c.label;
    }
  }
}

// --- Thumbnails ------------------------------------------------------------------

struct ChartEntry {
  std::string name;
  bool loadable = true;
};

void WriteCharts(const std::string& folder, const std::vector<ChartEntry>& charts) {
  std::filesystem::create_directories(folder);
  unsigned colour = 0x101010;
  for (const ChartEntry& c : charts) {
    if (c.loadable)
      mirolantest::WriteChart(folder + "/" + c.name, "About " + c.name, colour);
    else
      mirolantest::WriteBytes(folder + "/" + c.name, "not a chart");
    colour += 0x202020;
  }
}

std::vector<ChartEntry> Numbered(int count) {
  std::vector<ChartEntry> out;
  for (int i = 0; i < count; ++i) out.push_back({"c" + std::to_string(i) + ".kwx"});
  return out;
}

struct RowCase {
  const char* label;
  std::vector<ChartEntry> charts;
  std::vector<int> rows;  // thumbnails per row
  int last_column;
};

class RowsTest : public ListsTest, public ::testing::WithParamInterface<RowCase> {};

TEST_P(RowsTest, PutsThreeLoadableFilesToARow) {
  const RowCase& c = GetParam();
  std::string folder = dir_ / "Bars";
  WriteCharts(folder, c.charts);
  std::filesystem::create_directories(folder + "/folder.kwx");  // folders are not charts
  mirolantest::WriteChart(folder + "/readme.txt", "not listed");
  Run([&](win::HWND dialog) {
    posted_.clear();
    thumbnails_.Fill(folder);
    win::testing::ProcessPosted();
    std::vector<int> rows;
    for (int i = 0; i < thumbnails_.row_count(); ++i)
      rows.push_back(static_cast<int>(thumbnails_.row(i)->items.size()));
    EXPECT_EQ(rows, c.rows);
    EXPECT_EQ(win::testing::Count(dialog, kThumbnails), static_cast<int>(c.rows.size()));
    if (c.rows.empty()) {
      EXPECT_EQ(thumbnails_.GetSelectedItem(), nullptr);
      EXPECT_EQ(posted_, (std::vector<Posted>{{mirolan::kThumbnailSelChange, 0}}));  // the clear's only
      return;
    }
    EXPECT_EQ(thumbnails_.last_column(), c.last_column);
    EXPECT_EQ(win::testing::Selection(dialog, kThumbnails), 0);
    EXPECT_EQ(thumbnails_.selected_column(), 0);
    EXPECT_EQ(posted_.size(), 2u);  // the clear's and the fill's
    ASSERT_NE(thumbnails_.GetSelectedFileName(), nullptr);
    EXPECT_EQ(*thumbnails_.GetSelectedFileName(), thumbnails_.row(0)->items[0]->file_name);
    EXPECT_EQ(*thumbnails_.GetSelectedDescription(), "About " + thumbnails_.row(0)->items[0]->file_name);
    EXPECT_EQ(thumbnails_.row(0)->items[0]->folder, folder);
  });
}

INSTANTIATE_TEST_SUITE_P(
    Fills, RowsTest,
    ::testing::Values(
        RowCase{"seven", Numbered(7), {3, 3, 1}, 0},
        RowCase{"three and a failing one", {{"a.kwx"}, {"b.kwx"}, {"c.kwx"}, {"d.kwx", false}}, {3}, 2},
        RowCase{
            "failing ones take no place", {{"a.kwx"}, {"b.kwx", false}, {"c.kwx"}, {"d.kwx"}, {"e.kwx"}}, {3, 1}, 0},
        RowCase{"extensions of any case", {{"a.kwx"}, {"B.KRX"}, {"c.Kzx"}, {"d.kwxx"}, {"e.kw"}}, {3}, 2},
        RowCase{"none", {}, {}, 0}),
    [](const auto& info) { return TestName(info.param.label); });

TEST_F(ListsTest, AChartFileThatIsNotRegularIsLeftOutWithoutWaiting) {
  std::string folder = dir_ / "Bars";
  WriteCharts(folder, {{"a.kwx"}, {"c.kwx"}});
  mirolantest::UnwrittenFifo fifo(folder + "/b.kwx");
  ASSERT_TRUE(fifo.made());
  Run([&](win::HWND) {
    thumbnails_.Fill(folder);
    ASSERT_EQ(thumbnails_.row_count(), 1);
    ASSERT_EQ(thumbnails_.row(0)->items.size(), 2u);
    EXPECT_EQ(thumbnails_.row(0)->items[1]->file_name, "c.kwx");
  });
  EXPECT_FALSE(fifo.reader_waited());
}

TEST_F(ListsTest, ClickingACellSelectsItAndNotifies) {
  std::string folder = dir_ / "Bars";
  WriteCharts(folder, Numbered(5));  // rows c0 c1 c2 / c3 c4
  Run([&](win::HWND dialog) {
    thumbnails_.Fill(folder);
    win::testing::ProcessPosted();
    win::HWND list = win::GetDlgItem(dialog, kThumbnails);
    const win::WPARAM id = kThumbnails;
    struct Step {
      const char* label;
      win::WPARAM flags;
      int x, y;
      int selection, column;
      std::vector<Posted> posted;
      const char* file;
    };
    const Posted change{mirolan::kThumbnailSelChange, 0}, click{mirolan::kThumbnailClick, id};
    const std::vector<Step> steps{
        {"second cell", win::MK_LBUTTON, kCell + 10, 10, 0, 1, {change, click}, "c1.kwx"},
        {"the same cell", win::MK_LBUTTON, kCell + 20, 20, 0, 1, {click}, "c1.kwx"},
        {"next row", win::MK_LBUTTON, 10, kRow + 10, 1, 0, {change, click}, "c3.kwx"},
        {"past the last column", win::MK_LBUTTON, 3 * kCell + 5, kRow + 10, 1, 2, {change, click}, "c4.kwx"},
        // The list's own handling moves the row and keeps the column; the
        // dialog hears of it, so that the name it shows follows.
        {"with Shift", win::MK_LBUTTON | win::MK_SHIFT, 10, 10, 0, 2, {change}, "c2.kwx"},
        {"with Shift in the same row", win::MK_LBUTTON | win::MK_SHIFT, kCell + 10, 10, 0, 2, {}, "c2.kwx"},
    };
    for (const Step& s : steps) {
      SCOPED_TRACE(s.label);
      posted_.clear();
      win::SendMessage(list, win::WM_LBUTTONDOWN, s.flags, win::MAKELPARAM(s.x, s.y));
      win::testing::ProcessPosted();
      EXPECT_EQ(win::ListBox_GetCurSel(list), s.selection);
      EXPECT_EQ(thumbnails_.selected_column(), s.column);
      EXPECT_EQ(posted_, s.posted);
      ASSERT_NE(thumbnails_.GetSelectedFileName(), nullptr);
      EXPECT_EQ(*thumbnails_.GetSelectedFileName(), s.file);
    }
    posted_.clear();
    win::SendMessage(list, win::WM_LBUTTONDBLCLK, win::MK_LBUTTON, win::MAKELPARAM(10, 10));
    win::testing::ProcessPosted();
    EXPECT_EQ(posted_, (std::vector<Posted>{{mirolan::kThumbnailDoubleClick, 0}}));
    // The user's own click, through the layer, lands the same way.
    posted_.clear();
    EXPECT_TRUE(win::testing::MouseDown(dialog, kThumbnails, {kCell + 12, 12}));
    EXPECT_EQ(thumbnails_.selected_column(), 1);
    EXPECT_EQ(win::ListBox_GetCurSel(list), 0);
    EXPECT_EQ(posted_.back(), click);
  });
}

TEST_F(ListsTest, KeysMoveTheFrameWithinAndBetweenRows) {
  std::string folder = dir_ / "Bars";
  WriteCharts(folder, Numbered(4));  // c0 c1 c2 / c3
  Run([&](win::HWND dialog) {
    thumbnails_.Fill(folder);
    win::testing::ProcessPosted();
    win::HWND list = win::GetDlgItem(dialog, kThumbnails);
    win::SetFocus(list);
    using win::testing::Key;
    struct Step {
      Key key;
      int selection, column;
      bool posted;
      const char* file;
    };
    const std::vector<Step> steps{
        {Key::Left, 0, 0, false, "c0.kwx"},  // at the first column: nothing
        {Key::Right, 0, 1, true, "c1.kwx"},  {Key::Right, 0, 2, true, "c2.kwx"},
        {Key::Right, 0, 2, false, "c2.kwx"},  // at the last column: nothing
        {Key::Down, 1, 0, true, "c3.kwx"},    // the drawing clamps the column to the row's one thumbnail
        {Key::Right, 1, 1, true, "c3.kwx"},   // nowhere visible: clamped back when drawn
        {Key::Home, 0, 0, true, "c0.kwx"},   {Key::End, 1, 0, true, "c3.kwx"},
        {Key::Up, 0, 0, true, "c0.kwx"},
    };
    for (std::size_t i = 0; i < steps.size(); ++i) {
      const Step& s = steps[i];
      SCOPED_TRACE(i);
      posted_.clear();
      ASSERT_TRUE(win::testing::PressKey(dialog, s.key));
      EXPECT_EQ(win::ListBox_GetCurSel(list), s.selection);
      EXPECT_EQ(!posted_.empty(), s.posted);
      ASSERT_NE(thumbnails_.GetSelectedFileName(), nullptr);
      EXPECT_EQ(*thumbnails_.GetSelectedFileName(), s.file);
      EXPECT_EQ(thumbnails_.selected_column(), s.column);
    }
  });
}

TEST_F(ListsTest, RightOnARowOfOneIsClampedWhenDrawn) {
  std::string folder = dir_ / "Bars";
  WriteCharts(folder, Numbered(1));
  Run([&](win::HWND dialog) {
    thumbnails_.Fill(folder);
    win::testing::ProcessPosted();
    win::SetFocus(win::GetDlgItem(dialog, kThumbnails));
    win::testing::PressKey(dialog, win::testing::Key::Right);
    EXPECT_EQ(thumbnails_.selected_column(), 1);
    EXPECT_TRUE(thumbnails_.partial_redraw());
    EXPECT_EQ(*thumbnails_.GetSelectedFileName(), "c0.kwx");
    EXPECT_EQ(Pixel(dialog, kCell + 3, 3), win::RGB(255, 255, 255));  // no frame on the empty cell
    EXPECT_EQ(thumbnails_.selected_column(), 0);
    EXPECT_FALSE(thumbnails_.partial_redraw());
    EXPECT_EQ(Pixel(dialog, 3, 3), win::RGB(255, 0, 0));
  });
}

TEST_F(ListsTest, DrawsPicturesAndARedFrameOnTheSelectedCell) {
  std::string folder = dir_ / "Bars";
  WriteCharts(folder, Numbered(4));  // colours 0x101010, 0x303030, 0x505050, 0x707070
  Run([&](win::HWND dialog) {
    thumbnails_.Fill(folder);
    win::testing::ProcessPosted();
    struct Probe {
      const char* label;
      int x, y;
      win::COLORREF colour;
    };
    const win::COLORREF red = win::RGB(255, 0, 0), white = win::RGB(255, 255, 255);
    auto check = [&](const std::vector<Probe>& probes) {
      for (const Probe& p : probes) EXPECT_EQ(Pixel(dialog, p.x, p.y), p.colour) << p.label;
    };
    check({{"first picture", 40, 30, win::RGB(0x10, 0x10, 0x10)},
           {"third picture", 2 * kCell + 40, 30, win::RGB(0x50, 0x50, 0x50)},
           {"fourth picture, second row", 40, kRow + 30, win::RGB(0x70, 0x70, 0x70)},
           {"empty cell", kCell + 40, kRow + 30, white},
           {"frame of the selected cell", 3, 3, red},
           {"inside the frame, outside the picture", 40, 5, red},
           {"no frame on the second cell", kCell + 3, 3, white},
           {"between frame and picture", 1, 1, white}});
    win::SendMessage(win::GetDlgItem(dialog, kThumbnails), win::WM_LBUTTONDOWN, win::MK_LBUTTON,
                     win::MAKELPARAM(kCell + 10, 10));
    EXPECT_TRUE(thumbnails_.partial_redraw());
    check({{"frame moved", kCell + 3, 3, red},
           {"old frame erased", 3, 3, white},
           {"pictures kept", 40, 30, win::RGB(0x10, 0x10, 0x10)},
           {"second picture", kCell + 40, 30, win::RGB(0x30, 0x30, 0x30)}});
    EXPECT_FALSE(thumbnails_.partial_redraw());
    EXPECT_EQ(thumbnails_.visible_row(), 0);
  });
}

TEST_F(ListsTest, ARefillDrawsWholeRowsEvenAfterAPendingFrameMove) {
  std::string folder = dir_ / "Bars";
  WriteCharts(folder, Numbered(3));
  Run([&](win::HWND dialog) {
    thumbnails_.Fill(folder);
    win::SendMessage(win::GetDlgItem(dialog, kThumbnails), win::WM_LBUTTONDOWN, win::MK_LBUTTON,
                     win::MAKELPARAM(kCell + 10, 10));
    EXPECT_TRUE(thumbnails_.partial_redraw());  // not painted yet
    thumbnails_.Fill(folder);
    EXPECT_FALSE(thumbnails_.partial_redraw());
    EXPECT_EQ(Pixel(dialog, 40, 30), win::RGB(0x10, 0x10, 0x10));
    EXPECT_EQ(Pixel(dialog, 3, 3), win::RGB(255, 0, 0));
  });
}

TEST_F(ListsTest, ScrolledRowsAreDrawnWhereTheyShow) {
  std::string folder = dir_ / "Bars";
  WriteCharts(folder, Numbered(18));  // six rows, five of them visible
  Run([&](win::HWND dialog) {
    thumbnails_.Fill(folder);
    win::HWND list = win::GetDlgItem(dialog, kThumbnails);
    win::SetFocus(list);
    win::testing::Grab(dialog);
    ASSERT_TRUE(win::testing::PressKey(dialog, win::testing::Key::End));
    EXPECT_EQ(win::ListBox_GetCurSel(list), 5);
    EXPECT_EQ(thumbnails_.selected_column(), 2);
    EXPECT_GT(win::ListBox_GetTopIndex(list), 0);
    win::RECT item;
    ASSERT_TRUE(win::ListBox_GetItemRect(list, 5, &item));
    EXPECT_EQ(Pixel(dialog, 2 * kCell + 3, item.top + 3), win::RGB(255, 0, 0));
    EXPECT_EQ(Pixel(dialog, 3, item.top + 3), win::RGB(255, 255, 255));
    EXPECT_NE(Pixel(dialog, 2 * kCell + 40, item.top + 30), win::RGB(255, 255, 255));  // the last picture
    EXPECT_EQ(thumbnails_.visible_row(), item.top / kRow);
    EXPECT_EQ(*thumbnails_.GetSelectedFileName(), "c9.kwx");  // names sort as text: c0 c1 c10 ... c17 c2 ... c9
  });
}

TEST_F(ListsTest, ClearEmptiesAndNotifies) {
  std::string folder = dir_ / "Bars";
  WriteCharts(folder, Numbered(2));
  Run([&](win::HWND dialog) {
    thumbnails_.Fill(folder);
    win::testing::ProcessPosted();
    std::size_t blocks = win::GlobalBlocksLive();
    posted_.clear();
    thumbnails_.Clear();
    win::testing::ProcessPosted();
    EXPECT_EQ(win::GlobalBlocksLive(), blocks - 2);  // the pictures go with their rows
    EXPECT_EQ(thumbnails_.row_count(), 0);
    EXPECT_EQ(win::testing::Count(dialog, kThumbnails), 0);
    EXPECT_EQ(thumbnails_.GetSelectedItem(), nullptr);
    EXPECT_EQ(posted_, (std::vector<Posted>{{mirolan::kThumbnailSelChange, 0}}));
    // Mouse and keys on the empty list do nothing of the thumbnail list's.
    posted_.clear();
    win::SendMessage(win::GetDlgItem(dialog, kThumbnails), win::WM_LBUTTONDOWN, win::MK_LBUTTON,
                     win::MAKELPARAM(100, 10));
    win::testing::ProcessPosted();
    EXPECT_TRUE(posted_.empty());
    win::testing::Grab(dialog);
  });
}

}  // namespace
