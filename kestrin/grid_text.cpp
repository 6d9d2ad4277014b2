// SPDX-License-Identifier: MIT
// Grid lines of 2D and 3D charts and the placement of 3D text.

#include "kestrin/dialog_kit.h"
#include "kestrin/frame.h"
#include "kestrin/kestrin.h"
#include "platform/win/controls.h"
#include "platform/win/dialog.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <limits>

namespace kestrin {
namespace {

// Line counts show one more than they store (so up to 32768); below 2 is the least.
int ShownCount(short stored) { return stored < 2 ? 2 : stored + 1; }
short StoredCount(int shown) {
  return static_cast<short>(shown < 2 ? 1 : std::min(shown - 1, int{std::numeric_limits<short>::max()}));
}
int ReadShownCount(win::HWND dlg, int id) {
  return static_cast<int>(std::clamp<long>(win::GetDlgItemInt(dlg, id, nullptr, true), 0, 1L << 16));
}

void SetPadded(win::HWND dlg, int id, int value) {
  std::array<char, 16> text{};
  std::snprintf(text.data(), text.size(), "%4d", value);
  win::SetDlgItemText(dlg, id, text.data());
}

// --- 2D grid lines -----------------------------------------------------------

namespace grid_2d {  // DLOG_2DGridLines
enum : int {
  kMajorBox = 8001,
  // A group's five style radios follow its box, in style order (1-5).
  kMajorSolid = 8002,
  kMajorDashDotDot = 8006,
  kAtEveryTick = 8007,
  kFixedCount = 8008,
  kMajorCountLabel = 8009,
  kMajorCount = 8010,
  kMinorBox = 8021,
  kMinorSolid = 8022,
  kMinorDashDotDot = 8026,
  kMinorCountLabel = 8027,
  kMinorCount = 8028,
};
constexpr RadioGroup kKinds{kAtEveryTick, kFixedCount};
}  // namespace grid_2d

enum GridField { kReserved, kLineKind, kSecondGroup, kFirstStyle, kSecondStyle, kFirstCount, kSecondCount, kFields };
using GridRecord = std::array<short, kFields>;

// The record and its two counts as shown.
struct Grid2DState {
  GridRecord record{};
  int first_shown = 2;
  int second_shown = 2;
};

// A style group: its box, its radios (style 1 first) and its last control.
struct StyleGroup {
  int box;
  int first_radio;
  int last_radio;
  int last;
  GridField style;
};
constexpr StyleGroup kMajorLines{grid_2d::kMajorBox, grid_2d::kMajorSolid, grid_2d::kMajorDashDotDot,
                                 grid_2d::kMajorCount, kFirstStyle};
constexpr StyleGroup kMinorLines{grid_2d::kMinorBox, grid_2d::kMinorSolid, grid_2d::kMinorDashDotDot,
                                 grid_2d::kMinorCount, kSecondStyle};
constexpr std::array<const StyleGroup*, 2> kStyleGroups{&kMajorLines, &kMinorLines};

// Styles count from 1.
void CheckStyle(win::HWND dlg, const StyleGroup& g, short style) {
  CheckGroupRadio(dlg, {g.first_radio, g.last_radio}, style - 1);
}

void Apply2DVisibility(win::HWND dlg, const GridRecord& r) {
  bool kind = r[kLineKind] != 0;
  EnableControl(dlg, grid_2d::kMajorCountLabel, kind);
  EnableControl(dlg, grid_2d::kMajorCount, kind);
  ShowControlRange(dlg, kMajorLines.first_radio, kMajorLines.last, Checked(dlg, kMajorLines.box));
  if (!kind) ShowDlgControls(dlg, false, {grid_2d::kMajorCountLabel, grid_2d::kMajorCount});
  ShowControlRange(dlg, kMinorLines.first_radio, kMinorLines.last, Checked(dlg, kMinorLines.box));
}

void Start2D(win::HWND dlg, Grid2DState& s) {
  GridRecord& r = s.record;
  for (const StyleGroup* g : kStyleGroups) {
    CheckStyle(dlg, *g, r[g->style]);
    Check(dlg, g->box, r[g->style] != 0);
  }
  win::CheckRadioButton(dlg, grid_2d::kAtEveryTick, grid_2d::kFixedCount,
                        r[kLineKind] != 0 ? grid_2d::kFixedCount : grid_2d::kAtEveryTick);
  SetPadded(dlg, grid_2d::kMajorCount, s.first_shown);
  SetPadded(dlg, grid_2d::kMinorCount, s.second_shown);
  Apply2DVisibility(dlg, r);
}

win::INT_PTR Command2D(win::HWND dlg, Grid2DState& s, int id, unsigned code) {
  GridRecord& r = s.record;
  if (id == win::IDOK) {
    s.first_shown = ReadShownCount(dlg, grid_2d::kMajorCount);
    s.second_shown = ReadShownCount(dlg, grid_2d::kMinorCount);
    for (const StyleGroup* g : kStyleGroups)
      if (!Checked(dlg, g->box)) r[g->style] = 0;
  }
  if (id == win::IDOK || id == win::IDCANCEL) {
    win::EndDialog(dlg, id);
    return 1;
  }
  if (code != win::BN_CLICKED) return 0;
  for (const StyleGroup* g : kStyleGroups) {
    if (id == g->box) {
      bool on = !Checked(dlg, id);
      Check(dlg, id, on);
      if (on) {
        CheckStyle(dlg, *g, 1);
        r[g->style] = 1;
      }
      Apply2DVisibility(dlg, r);
      return 1;
    }
    if (id >= g->first_radio && id <= g->last_radio) {
      auto style = static_cast<short>(id - g->first_radio + 1);
      CheckStyle(dlg, *g, style);
      r[g->style] = style;
      return 1;
    }
  }
  if (ChooseGroupRadio(dlg, grid_2d::kKinds, id, r[kLineKind])) {
    Apply2DVisibility(dlg, r);
    return 1;
  }
  return 0;
}

int GridLines2D(short* record) {
  if (!record) return 0;
  Grid2DState s;
  GridRecord& r = s.record;
  std::copy(record, record + kFields, r.begin());
  s.first_shown = ShownCount(r[kFirstCount]);
  s.second_shown = ShownCount(r[kSecondCount]);
  win::INT_PTR result = OpenDialog("DLOG_2DGridLines", StandardProc(524, s, Start2D, Command2D), library().frame);
  // Whatever the result, the copy is brought back to its stored form.
  r[kSecondGroup] = static_cast<short>(r[kSecondStyle] != 0);
  r[kFirstCount] = StoredCount(s.first_shown);
  r[kSecondCount] = r[kSecondStyle] == 0 ? short{1} : StoredCount(s.second_shown);
  if (result != win::IDOK) return 0;
  std::copy(r.begin(), r.end(), record);
  return 1;
}

// --- 3D grid lines -----------------------------------------------------------

namespace grid_3d {  // DLOG_3DGridLines
enum : int {
  // The mode radios, in mode order.
  kAtEveryTick = 8100,
  kFixedCount = 8101,
  kCountLabel = 8102,
  kCount = 8103,
  kFloorX = 8104,
  kFloorZ = 8105,
  kLeftWallY = 8106,
  kLeftWallZ = 8107,
  kBackWallX = 8108,
  kBackWallY = 8109,
};
constexpr RadioGroup kModes{kAtEveryTick, kFixedCount};
constexpr std::array<int, 6> kBoxes{kFloorX, kFloorZ, kLeftWallY, kLeftWallZ, kBackWallX, kBackWallY};
}  // namespace grid_3d

namespace scatter_3d {  // DLOG_3DSCGridLines
enum : int {
  // The mode radios, in mode order.
  kNoLines = 8110,
  kAxisLines = 8111,
  kCountsLabel = 8112,
  kXBox = 8104,
  kYBox = 8105,
  kZBox = 8106,
  kXCount = 8113,
  kYCount = 8114,
  kZCount = 8115,
};
constexpr RadioGroup kModes{kNoLines, kAxisLines};
constexpr std::array<int, 3> kBoxes{kXBox, kYBox, kZBox};
constexpr std::array<int, 3> kCounts{kXCount, kYCount, kZCount};  // each enabled by its box
}  // namespace scatter_3d

struct Grid3DState {
  std::array<short, 6> boxes{};
  short mode = 0;
  std::array<short, 3> counts{};
};

void Apply3DMode(win::HWND dlg, const Grid3DState& s) {
  bool on = s.mode != 0;
  EnableControl(dlg, grid_3d::kCountLabel, on);
  EnableControl(dlg, grid_3d::kCount, on);
}

void Start3D(win::HWND dlg, Grid3DState& s) {
  for (std::size_t i = 0; i < grid_3d::kBoxes.size(); ++i) Check(dlg, grid_3d::kBoxes[i], s.boxes[i] != 0);
  win::CheckRadioButton(dlg, grid_3d::kAtEveryTick, grid_3d::kFixedCount,
                        s.mode != 0 ? grid_3d::kFixedCount : grid_3d::kAtEveryTick);
  win::SetDlgItemInt(dlg, grid_3d::kCount, static_cast<unsigned short>(s.counts[0]), false);
  Apply3DMode(dlg, s);
}

win::INT_PTR Command3D(win::HWND dlg, Grid3DState& s, int id, unsigned code) {
  if (id == win::IDOK || id == win::IDCANCEL) {
    for (std::size_t i = 0; i < grid_3d::kBoxes.size(); ++i)
      s.boxes[i] = static_cast<short>(Checked(dlg, grid_3d::kBoxes[i]));
    s.counts[0] = ReadCount(dlg, grid_3d::kCount);
    win::EndDialog(dlg, id);
    return 1;
  }
  if (code != win::BN_CLICKED) return 0;
  if (id >= grid_3d::kFloorX && id <= grid_3d::kBackWallY) {
    ToggleBox(dlg, id);
    return 1;
  }
  if (ChooseGroupRadio(dlg, grid_3d::kModes, id, s.mode)) {
    Apply3DMode(dlg, s);
    return 1;
  }
  return 0;
}

// --- 3D scatter grid lines ---------------------------------------------------

void Apply3DScatter(win::HWND dlg, const Grid3DState& s) {
  bool on = s.mode != 0;
  ShowControlRange(dlg, scatter_3d::kCountsLabel, scatter_3d::kZCount, on);
  ShowControlRange(dlg, scatter_3d::kXBox, scatter_3d::kZBox, on);
  if (!on) return;
  for (std::size_t i = 0; i < scatter_3d::kBoxes.size(); ++i)
    EnableControl(dlg, scatter_3d::kCounts[i], Checked(dlg, scatter_3d::kBoxes[i]));
}

void Start3DScatter(win::HWND dlg, Grid3DState& s) {
  for (std::size_t i = 0; i < scatter_3d::kBoxes.size(); ++i) {
    Check(dlg, scatter_3d::kBoxes[i], s.boxes[i] != 0);
    win::SetDlgItemInt(dlg, scatter_3d::kCounts[i], static_cast<unsigned short>(s.counts[i]), false);
  }
  win::CheckRadioButton(dlg, scatter_3d::kNoLines, scatter_3d::kAxisLines,
                        s.mode != 0 ? scatter_3d::kAxisLines : scatter_3d::kNoLines);
  Apply3DScatter(dlg, s);
}

win::INT_PTR Command3DScatter(win::HWND dlg, Grid3DState& s, int id, unsigned code) {
  if (id == win::IDOK || id == win::IDCANCEL) {
    for (std::size_t i = 0; i < scatter_3d::kBoxes.size(); ++i) {
      s.boxes[i] = static_cast<short>(Checked(dlg, scatter_3d::kBoxes[i]));
      s.counts[i] = ReadCount(dlg, scatter_3d::kCounts[i]);
    }
    win::EndDialog(dlg, id);
    return 1;
  }
  if (code != win::BN_CLICKED) return 0;
  for (std::size_t i = 0; i < scatter_3d::kBoxes.size(); ++i) {
    if (id != scatter_3d::kBoxes[i]) continue;
    EnableControl(dlg, scatter_3d::kCounts[i], ToggleBox(dlg, id));
    return 1;
  }
  if (ChooseGroupRadio(dlg, scatter_3d::kModes, id, s.mode)) {
    Apply3DScatter(dlg, s);
    return 1;
  }
  return 0;
}

// --- 3D text -------------------------------------------------------------------

namespace text_3d {  // DLOG_3DTxtDlg: the titles when the variant is non-zero, else the labels
enum : int {
  kTitlesBox = 8001,
  kTitlesFacing = 8002,
  kTitlesAlong = 8003,
  kLabelsBox = 8004,
  kLabelsFacing = 8005,
  kLabelsAlong = 8006,
};
}  // namespace text_3d

struct TextState {
  short box1 = 0, choice1 = 0, box2 = 0, choice2 = 0;
  short variant = 0;
};

void StartText(win::HWND dlg, TextState& s) {
  using namespace text_3d;
  Check(dlg, kLabelsBox, s.box2 != 0);  // read back in both variants, so it keeps the caller's value when hidden
  if (s.variant != 0) {
    ShowControlRange(dlg, kLabelsBox, kLabelsAlong, false);
    Check(dlg, kTitlesBox, s.box1 != 0);
    win::CheckRadioButton(dlg, kTitlesFacing, kTitlesAlong, s.choice1 != 0 ? kTitlesFacing : kTitlesAlong);
    ShowDlgControls(dlg, s.box1 != 0, {kTitlesFacing, kTitlesAlong});
  } else {
    ShowControlRange(dlg, kTitlesBox, kTitlesAlong, false);
    win::CheckRadioButton(dlg, kLabelsFacing, kLabelsAlong, s.choice2 != 0 ? kLabelsFacing : kLabelsAlong);
  }
}

win::INT_PTR CommandText(win::HWND dlg, TextState& s, int id, unsigned code) {
  using namespace text_3d;
  if (id == win::IDOK || id == win::IDCANCEL) {
    s.box2 = static_cast<short>(Checked(dlg, kLabelsBox));
    win::EndDialog(dlg, id);
    return 1;
  }
  if (code != win::BN_CLICKED) return 0;
  switch (id) {
    case kTitlesBox:
      s.box1 = static_cast<short>(ToggleBox(dlg, id));
      ShowDlgControls(dlg, s.box1 != 0, {kTitlesFacing, kTitlesAlong});
      return 1;
    case kTitlesFacing:
    case kTitlesAlong:
      win::CheckRadioButton(dlg, kTitlesFacing, kTitlesAlong, id);
      s.choice1 = static_cast<short>(id == kTitlesFacing);
      return 1;
    case kLabelsBox: ToggleBox(dlg, id); return 1;
    case kLabelsFacing:
    case kLabelsAlong:
      win::CheckRadioButton(dlg, kLabelsFacing, kLabelsAlong, id);
      s.choice2 = static_cast<short>(id == kLabelsFacing);
      return 1;
    default: return 0;
  }
}

}  // namespace
}  // namespace kestrin

extern "C" {

int DLOG_2DGridLines(short* record) {
  return kestrin::GridLines2D(record);
}

int DLOG_3DGridLines(short* boxes, short* mode, short* count) {
  using namespace kestrin;
  if (!boxes || !mode || !count) return 0;
  Grid3DState s{.mode = *mode, .counts = {*count, 0, 0}};
  std::copy(boxes, boxes + 6, s.boxes.begin());
  if (OpenDialog("DLOG_3DGridLines", StandardProc(513, s, Start3D, Command3D), library().frame) != win::IDOK)
    return 0;
  std::copy(s.boxes.begin(), s.boxes.end(), boxes);
  *mode = s.mode;
  *count = s.counts[0];
  return 1;
}

int DLOG_3DSCGridLines(short* boxes, short* mode, short* count1, short* count2, short* count3) {
  using namespace kestrin;
  if (!boxes || !mode || !count1 || !count2 || !count3) return 0;
  Grid3DState s{.mode = *mode, .counts = {*count1, *count2, *count3}};
  std::copy(boxes, boxes + 3, s.boxes.begin());
  if (OpenDialog("DLOG_3DSCGridLines", StandardProc(515, s, Start3DScatter, Command3DScatter), library().frame) !=
      win::IDOK)
    return 0;
  std::copy(s.boxes.begin(), s.boxes.begin() + 3, boxes);
  *mode = s.mode;
  *count1 = s.counts[0];
  *count2 = s.counts[1];
  *count3 = s.counts[2];
  return 1;
}

int DLOG_3DText(short* box1, short* choice1, short* box2, short* choice2, int variant) {
  using namespace kestrin;
  if (!box1 || !choice1 || !box2 || !choice2) return 0;
  TextState s{*box1, *choice1, *box2, *choice2, Switch(variant)};
  if (OpenDialog("DLOG_3DTxtDlg", StandardProc(516, s, StartText, CommandText), library().frame) != win::IDOK)
    return 0;
  *box1 = s.box1;
  *choice1 = s.choice1;
  *box2 = s.box2;
  *choice2 = s.choice2;
  return 1;
}

}  // extern "C"
