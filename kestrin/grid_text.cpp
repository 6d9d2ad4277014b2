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

enum GridField { kReserved, kLineKind, kSecondGroup, kFirstStyle, kSecondStyle, kFirstCount, kSecondCount, kFields };
using GridRecord = std::array<short, kFields>;

// The record and its two counts as shown.
struct Grid2DState {
  GridRecord record{};
  int first_shown = 2;
  int second_shown = 2;
};

Grid2DState& Grid2D() {
  static Grid2DState state;
  return state;
}

// A style group: its box, its five radios (box + 1 .. box + 5) and its last control.
struct StyleGroup {
  int box;
  int last;
  GridField style;
};
constexpr StyleGroup kMajorLines{8001, 8010, kFirstStyle};
constexpr StyleGroup kMinorLines{8021, 8028, kSecondStyle};
constexpr int kStyleCount = 5;

void CheckStyle(win::HWND dlg, const StyleGroup& g, short style) {
  // A style outside 1-5 checks no radio (not the control that happens to have the id).
  int radio = style >= 1 && style <= kStyleCount ? g.box + style : 0;
  win::CheckRadioButton(dlg, g.box + 1, g.box + kStyleCount, radio);
}

void Apply2DVisibility(win::HWND dlg, const GridRecord& r) {
  bool kind = r[kLineKind] != 0;
  EnableControl(dlg, 8009, kind);
  EnableControl(dlg, 8010, kind);
  bool first = Checked(dlg, kMajorLines.box);
  ShowControlRange(dlg, kMajorLines.box + 1, kMajorLines.last, first);
  if (!kind) ShowDlgControls(dlg, false, {8009, 8010});
  ShowControlRange(dlg, kMinorLines.box + 1, kMinorLines.last, Checked(dlg, kMinorLines.box));
}

void Start2D(win::HWND dlg) {
  Grid2DState& s = Grid2D();
  GridRecord& r = s.record;
  for (const StyleGroup* g : {&kMajorLines, &kMinorLines}) {
    CheckStyle(dlg, *g, r[g->style]);
    Check(dlg, g->box, r[g->style] != 0);
  }
  win::CheckRadioButton(dlg, 8007, 8008, r[kLineKind] != 0 ? 8008 : 8007);
  SetPadded(dlg, 8010, s.first_shown);
  SetPadded(dlg, 8028, s.second_shown);
  Apply2DVisibility(dlg, r);
}

win::INT_PTR Command2D(win::HWND dlg, int id, unsigned code) {
  Grid2DState& s = Grid2D();
  GridRecord& r = s.record;
  if (id == win::IDOK) {
    s.first_shown = ReadShownCount(dlg, 8010);
    s.second_shown = ReadShownCount(dlg, 8028);
    for (const StyleGroup* g : {&kMajorLines, &kMinorLines})
      if (!Checked(dlg, g->box)) r[g->style] = 0;
  }
  if (id == win::IDOK || id == win::IDCANCEL) {
    win::EndDialog(dlg, id);
    return 1;
  }
  if (code != win::BN_CLICKED) return 0;
  for (const StyleGroup* g : {&kMajorLines, &kMinorLines}) {
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
    if (id > g->box && id <= g->box + kStyleCount) {
      CheckStyle(dlg, *g, static_cast<short>(id - g->box));
      r[g->style] = static_cast<short>(id - g->box);
      return 1;
    }
  }
  if (id == 8007 || id == 8008) {
    win::CheckRadioButton(dlg, 8007, 8008, id);
    r[kLineKind] = static_cast<short>(id - 8007);
    Apply2DVisibility(dlg, r);
    return 1;
  }
  return 0;
}

int GridLines2D(short* record) {
  if (!record) return 0;
  Grid2DState& s = Grid2D();
  GridRecord& r = s.record;
  std::copy(record, record + kFields, r.begin());
  s.first_shown = ShownCount(r[kFirstCount]);
  s.second_shown = ShownCount(r[kSecondCount]);
  win::INT_PTR result =
      OpenDialog("DLOG_2DGridLines", StandardProc({524, Start2D, Command2D}), library().frame);
  // Whatever the result, the statics are brought back to their stored form.
  r[kSecondGroup] = static_cast<short>(r[kSecondStyle] != 0);
  r[kFirstCount] = StoredCount(s.first_shown);
  r[kSecondCount] = r[kSecondStyle] == 0 ? short{1} : StoredCount(s.second_shown);
  if (result != win::IDOK) return 0;
  std::copy(r.begin(), r.end(), record);
  return 1;
}

// --- 3D grid lines -----------------------------------------------------------

struct Grid3DState {
  std::array<short, 6> boxes{};
  short mode = 0;
  std::array<short, 3> counts{};
};

Grid3DState& Grid3D() {
  static Grid3DState state;
  return state;
}

void Apply3DMode(win::HWND dlg) {
  bool on = Grid3D().mode != 0;
  EnableControl(dlg, 8102, on);
  EnableControl(dlg, 8103, on);
}

void Start3D(win::HWND dlg) {
  Grid3DState& s = Grid3D();
  for (std::size_t i = 0; i < 6; ++i) Check(dlg, 8104 + static_cast<int>(i), s.boxes[i] != 0);
  win::CheckRadioButton(dlg, 8100, 8101, s.mode != 0 ? 8101 : 8100);
  win::SetDlgItemInt(dlg, 8103, static_cast<unsigned short>(s.counts[0]), false);
  Apply3DMode(dlg);
}

win::INT_PTR Command3D(win::HWND dlg, int id, unsigned code) {
  Grid3DState& s = Grid3D();
  if (id == win::IDOK || id == win::IDCANCEL) {
    for (std::size_t i = 0; i < 6; ++i) s.boxes[i] = static_cast<short>(Checked(dlg, 8104 + static_cast<int>(i)));
    s.counts[0] = ReadCount(dlg, 8103);
    win::EndDialog(dlg, id);
    return 1;
  }
  if (code != win::BN_CLICKED) return 0;
  if (id >= 8104 && id <= 8109) {
    ToggleBox(dlg, id);
    return 1;
  }
  if (id == 8100 || id == 8101) {
    win::CheckRadioButton(dlg, 8100, 8101, id);
    s.mode = static_cast<short>(id - 8100);
    Apply3DMode(dlg);
    return 1;
  }
  return 0;
}

// --- 3D scatter grid lines ---------------------------------------------------

void Apply3DScatter(win::HWND dlg) {
  bool on = Grid3D().mode != 0;
  ShowControlRange(dlg, 8112, 8115, on);
  ShowControlRange(dlg, 8104, 8106, on);
  if (!on) return;
  for (int i = 0; i < 3; ++i) EnableControl(dlg, 8113 + i, Checked(dlg, 8104 + i));
}

void Start3DScatter(win::HWND dlg) {
  Grid3DState& s = Grid3D();
  for (int i = 0; i < 3; ++i) {
    Check(dlg, 8104 + i, s.boxes[static_cast<std::size_t>(i)] != 0);
    win::SetDlgItemInt(dlg, 8113 + i, static_cast<unsigned short>(s.counts[static_cast<std::size_t>(i)]), false);
  }
  win::CheckRadioButton(dlg, 8110, 8111, s.mode != 0 ? 8111 : 8110);
  Apply3DScatter(dlg);
}

win::INT_PTR Command3DScatter(win::HWND dlg, int id, unsigned code) {
  Grid3DState& s = Grid3D();
  if (id == win::IDOK || id == win::IDCANCEL) {
    for (int i = 0; i < 3; ++i) {
      s.boxes[static_cast<std::size_t>(i)] = static_cast<short>(Checked(dlg, 8104 + i));
      s.counts[static_cast<std::size_t>(i)] = ReadCount(dlg, 8113 + i);
    }
    win::EndDialog(dlg, id);
    return 1;
  }
  if (code != win::BN_CLICKED) return 0;
  if (id >= 8104 && id <= 8106) {
    EnableControl(dlg, 8113 + (id - 8104), ToggleBox(dlg, id));
    return 1;
  }
  if (id == 8110 || id == 8111) {
    win::CheckRadioButton(dlg, 8110, 8111, id);
    s.mode = static_cast<short>(id - 8110);
    Apply3DScatter(dlg);
    return 1;
  }
  return 0;
}

// --- 3D text -------------------------------------------------------------------

struct TextState {
  short box1 = 0, choice1 = 0, box2 = 0, choice2 = 0;
  short variant = 0;
};

TextState& Text3D() {
  static TextState state;
  return state;
}

void StartText(win::HWND dlg) {
  TextState& s = Text3D();
  Check(dlg, 8004, s.box2 != 0);  // read back in both variants, so it keeps the caller's value when hidden
  if (s.variant != 0) {
    ShowControlRange(dlg, 8004, 8006, false);
    Check(dlg, 8001, s.box1 != 0);
    win::CheckRadioButton(dlg, 8002, 8003, s.choice1 != 0 ? 8002 : 8003);
    ShowDlgControls(dlg, s.box1 != 0, {8002, 8003});
  } else {
    ShowControlRange(dlg, 8001, 8003, false);
    win::CheckRadioButton(dlg, 8005, 8006, s.choice2 != 0 ? 8005 : 8006);
  }
}

win::INT_PTR CommandText(win::HWND dlg, int id, unsigned code) {
  TextState& s = Text3D();
  if (id == win::IDOK || id == win::IDCANCEL) {
    s.box2 = static_cast<short>(Checked(dlg, 8004));
    win::EndDialog(dlg, id);
    return 1;
  }
  if (code != win::BN_CLICKED) return 0;
  switch (id) {
    case 8001:
      s.box1 = static_cast<short>(ToggleBox(dlg, id));
      ShowDlgControls(dlg, s.box1 != 0, {8002, 8003});
      return 1;
    case 8002:
    case 8003:
      win::CheckRadioButton(dlg, 8002, 8003, id);
      s.choice1 = static_cast<short>(id == 8002);
      return 1;
    case 8004: ToggleBox(dlg, id); return 1;
    case 8005:
    case 8006:
      win::CheckRadioButton(dlg, 8005, 8006, id);
      s.choice2 = static_cast<short>(id == 8005);
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
  if (!boxes || !mode || !count) return 0;
  kestrin::Grid3DState& s = kestrin::Grid3D();
  std::copy(boxes, boxes + 6, s.boxes.begin());
  s.mode = *mode;
  s.counts[0] = *count;
  if (kestrin::OpenDialog("DLOG_3DGridLines",
                          kestrin::StandardProc({513, kestrin::Start3D, kestrin::Command3D}),
                          kestrin::library().frame) != win::IDOK)
    return 0;
  std::copy(s.boxes.begin(), s.boxes.end(), boxes);
  *mode = s.mode;
  *count = s.counts[0];
  return 1;
}

int DLOG_3DSCGridLines(short* boxes, short* mode, short* count1, short* count2, short* count3) {
  if (!boxes || !mode || !count1 || !count2 || !count3) return 0;
  kestrin::Grid3DState& s = kestrin::Grid3D();
  std::copy(boxes, boxes + 3, s.boxes.begin());
  s.mode = *mode;
  s.counts = {*count1, *count2, *count3};
  if (kestrin::OpenDialog("DLOG_3DSCGridLines",
                          kestrin::StandardProc({515, kestrin::Start3DScatter, kestrin::Command3DScatter}),
                          kestrin::library().frame) != win::IDOK)
    return 0;
  std::copy(s.boxes.begin(), s.boxes.begin() + 3, boxes);
  *mode = s.mode;
  *count1 = s.counts[0];
  *count2 = s.counts[1];
  *count3 = s.counts[2];
  return 1;
}

int DLOG_3DText(short* box1, short* choice1, short* box2, short* choice2, int variant) {
  if (!box1 || !choice1 || !box2 || !choice2) return 0;
  kestrin::TextState& s = kestrin::Text3D();
  s = {*box1, *choice1, *box2, *choice2, kestrin::Switch(variant)};
  if (kestrin::OpenDialog("DLOG_3DTxtDlg", kestrin::StandardProc({516, kestrin::StartText, kestrin::CommandText}),
                          kestrin::library().frame) != win::IDOK)
    return 0;
  *box1 = s.box1;
  *choice1 = s.choice1;
  *box2 = s.box2;
  *choice2 = s.choice2;
  return 1;
}

}  // extern "C"
