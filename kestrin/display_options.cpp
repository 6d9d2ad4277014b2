// SPDX-License-Identifier: MIT
// The display option dialogs: a chart type's display switches as check boxes
// over the caller's flag array, select-all and clear-all buttons, and for some
// members a label position and number format shown by a master box.

#include "kestrin/dialog_kit.h"
#include "kestrin/frame.h"
#include "kestrin/kestrin.h"
#include "platform/win/controls.h"
#include "platform/win/dialog.h"

#include <array>
#include <span>
#include <vector>

namespace kestrin {
namespace {

// Control ids. The select and clear buttons and the label group (position and
// format, combos then labels) are the same in every member that has them.
namespace common {
enum : int {
  kSelectAll = 8001,
  kClearAll = 8002,
  kPositionCombo = 8101,
  kFormatCombo = 8102,
  kPositionLabel = 8103,
  kFormatLabel = 8104,
};
constexpr LabelCombos kCombos{.position = kPositionCombo, .format = kFormatCombo};
}  // namespace common

namespace spec {  // DLOG_SpecDisp
enum : int {
  kGrid = 8003,
  kAxes = 8004,
  kTitle = 8005,
  kLegend = 8006,
  kDataLabels = 8007,
  kMarkers = 8021,
  kBaseline = 8022,
  kPeaks = 8023,
  kValleys = 8024,
  kSmooth = 8025,
  kFill = 8026,
};
constexpr BoxFlag kBoxes[]{{kGrid, 0}, {kAxes, 1}, {kTitle, 2}, {kLegend, 3}, {kDataLabels, 4}, {kMarkers, 5},
                           {kBaseline, 6}, {kSmooth, 7}, {kPeaks, 8}, {kValleys, 9}, {kFill, 10}};
constexpr int kSelect[]{kGrid, kAxes, kTitle, kLegend, kDataLabels, kMarkers, kBaseline, kPeaks, kValleys};
}  // namespace spec

namespace hilo {  // DLOG_HiloDisp
enum : int {
  kGrid = 8011,
  kAxes = 8012,
  kTitle = 8013,
  kLegend = 8014,
  kDataLabels = 8015,
  kOpen = 8017,
  kClose = 8018,
  kHighLine = 8021,
  kLowLine = 8022,
  kRangeBars = 8024,
  kTicks = 8025,
  kUpDown = 8026,
  kVolume = 8027,
  kAverage = 8028,
  kSpread = 8029,
  // The label-style radios, in style order.
  kHighAndLow = 8030,
  kEachValue = 8031,
  kOpenAndClose = 8032,
  kAllFour = 8033,
};
constexpr RadioGroup kStyles{kHighAndLow, kAllFour};
constexpr BoxFlag kBoxes[]{{kGrid, 0}, {kAxes, 1}, {kTitle, 2}, {kLegend, 3}, {kDataLabels, 4}, {kOpen, 6},
                           {kClose, 7}, {kHighLine, 8}, {kLowLine, 9}, {kRangeBars, 11}, {kTicks, 12}, {kUpDown, 13},
                           {kVolume, 14}, {kAverage, 15}, {kSpread, 16}};
constexpr int kSelect[]{kGrid, kAxes, kTitle, kLegend, kDataLabels, kHighLine, kLowLine, kRangeBars, kTicks, kVolume,
                        kAverage};
}  // namespace hilo

namespace scat {  // DLOG_ScatDisp
enum : int {
  kGrid = 8011,
  kAxes = 8012,
  kTitle = 8013,
  kLegend = 8014,
  kXValues = 8016,
  kDataLabels = 8017,
  kMarkers = 8021,
  kConnect = 8022,
  kDropLines = 8023,
  kErrorBars = 8024,
  kRegression = 8025,
  kQuadrants = 8026,
  kOrigin = 8027,
  kXZeroLine = 8028,
  kYZeroLine = 8029,
};
constexpr BoxFlag kBoxes[]{{kGrid, 0}, {kAxes, 1}, {kTitle, 2}, {kLegend, 3}, {kMarkers, 6}, {kConnect, 7},
                           {kDropLines, 8}, {kErrorBars, 9}, {kRegression, 10}, {kQuadrants, 11}, {kOrigin, 12},
                           {kXZeroLine, 13}, {kYZeroLine, 14}, {kXValues, 15}, {kDataLabels, 16}};
constexpr int kSelect[]{kGrid, kAxes, kTitle, kLegend, kMarkers, kConnect, kErrorBars, kRegression, kOrigin,
                        kXZeroLine, kXValues, kDataLabels};
}  // namespace scat

namespace hist {  // DLOG_HistDisp
enum : int {
  kGrid = 8003,
  kAxes = 8004,
  kTitle = 8005,
  kDataLabels = 8007,
  kNormalCurve = 8021,
  kCumulative = 8022,
  kMean = 8023,
  kOutline = 8024,
};
constexpr BoxFlag kBoxes[]{{kGrid, 0}, {kAxes, 1}, {kTitle, 2}, {kDataLabels, 4}, {kNormalCurve, 6}, {kCumulative, 7},
                           {kMean, 8}, {kOutline, 9}};
}  // namespace hist

namespace bar {  // DLOG_BarDisp
enum : int {
  kGrid = 8003,
  kAxes = 8004,
  kTitle = 8005,
  kLegend = 8006,
  kDataLabels = 8007,
  kHorizontal = 8021,
  kStacked = 8022,
  kTotals = 8024,
  kOutline = 8025,
  kThreeD = 8026,
  kColourByValue = 8027,
  kTargetLine = 8028,
  kAverageLine = 8029,
  kPercentages = 8030,
  kPercentagesInside = 8031,
  kBaseline = 8032,
  kErrorBars = 8033,
  kMedianLine = 8034,
};
constexpr BoxFlag kBoxes[]{{kGrid, 0}, {kAxes, 1}, {kTitle, 2}, {kLegend, 3}, {kDataLabels, 4}, {kHorizontal, 6},
                           {kStacked, 7}, {kBaseline, 8}, {kTotals, 10}, {kOutline, 11}, {kErrorBars, 12},
                           {kThreeD, 13}, {kColourByValue, 14}, {kTargetLine, 15}, {kMedianLine, 16},
                           {kAverageLine, 17}, {kPercentages, 18}, {kPercentagesInside, 19}};
constexpr int kSelect[]{kGrid, kAxes, kTitle, kLegend, kDataLabels, kHorizontal, kStacked, kTotals, kOutline,
                        kColourByValue, kTargetLine, kPercentages, kPercentagesInside};
}  // namespace bar

namespace pie {  // DLOG_PieDisp
enum : int {
  kTitle = 8003,
  kLegend = 8004,
  kBorder = 8005,
  kThreeD = 8006,
  kExplode = 8007,
  kFeelers = 8008,
  kValuesInside = 8009,
  kValues = 8010,
  kPercentages = 8011,
};
constexpr BoxFlag kBoxes[]{{kTitle, 0}, {kLegend, 1}, {kBorder, 2}, {kThreeD, 3}, {kExplode, 8}, {kFeelers, 7},
                           {kValues, 5}, {kPercentages, 6}, {kValuesInside, 4}};
}  // namespace pie

namespace three_d {  // DLOG_3DDisp
enum : int {
  kFloor = 8003,
  kLeftWall = 8004,
  kBackWall = 8005,
  kXAxis = 8006,
  kYAxis = 8007,
  kZAxis = 8008,
  kTitle = 8009,
  kLegend = 8010,
  kShadows = 8011,
  kWallGrid = 8012,
  kPerspective = 8013,
  kMarkers = 8014,
  kOutline = 8015,
  kRightAngles = 8016,
};
constexpr BoxFlag kBoxes[]{{kFloor, 7}, {kLeftWall, 8}, {kBackWall, 9}, {kXAxis, 3}, {kYAxis, 5}, {kZAxis, 4},
                           {kTitle, 6}, {kLegend, 0}, {kWallGrid, 11}, {kShadows, 10}, {kPerspective, 1},
                           {kMarkers, 12}, {kOutline, 13}, {kRightAngles, 2}};
constexpr int kSelect[]{kFloor, kLeftWall, kBackWall, kXAxis, kYAxis, kZAxis, kTitle, kWallGrid, kShadows, kMarkers,
                        kOutline};
}  // namespace three_d

namespace three_d_scatter {  // DLOG_3DScDisp
enum : int {
  kFloor = 8003,
  kLeftWall = 8004,
  kBackWall = 8005,
  kXAxis = 8006,
  kYAxis = 8007,
  kZAxis = 8008,
  kTitle = 8009,
  kMesh = 8010,
  kLegend = 8021,
  kDropLines = 8022,
  kMarkers = 8023,
  kPerspective = 8024,
  kShadows = 8025,
  kWallGrid = 8026,
  kRightAngles = 8027,
  kColourScale = 8134,
};
constexpr BoxFlag kBoxes[]{{kFloor, 0}, {kLeftWall, 1}, {kBackWall, 2}, {kXAxis, 9}, {kYAxis, 10}, {kZAxis, 12},
                           {kTitle, 13}, {kMesh, 7}, {kLegend, 8}, {kDropLines, 3}, {kMarkers, 4}, {kPerspective, 11},
                           {kShadows, 5}, {kWallGrid, 6}, {kRightAngles, 14}, {kColourScale, 15}};
constexpr int kSelect[]{kFloor, kLeftWall, kBackWall, kXAxis, kYAxis, kZAxis, kTitle, kMesh, kDropLines, kMarkers,
                        kShadows, kWallGrid, kColourScale};
}  // namespace three_d_scatter

namespace two_d {  // DLOG_DisplayOptions2D
enum : int {
  kTitle = 8001,
  kLegend = 8002,
  kXAxis = 8003,
  kYAxis = 8004,
  kGrid = 8005,
  kMinorGrid = 8006,
  kBorder = 8007,
  kMarkers = 8008,
  kBaseline = 8009,
  kTickMarks = 8010,
  kAxisTitles = 8011,
  kFootnote = 8012,
  kDataTable = 8013,
  kShadows = 8014,
  kSelectAll = 8019,
  kClearAll = 8020,
};
constexpr BoxFlag kBoxes[]{{kTitle, 0}, {kLegend, 1}, {kXAxis, 2}, {kYAxis, 3}, {kGrid, 4}, {kMinorGrid, 5},
                           {kBorder, 6}, {kMarkers, 7}, {kBaseline, 8}, {kTickMarks, 9}, {kAxisTitles, 10},
                           {kFootnote, 11}, {kDataTable, 12}, {kShadows, 13}};
constexpr int kSelect[]{kGrid, kMinorGrid, kBorder, kMarkers, kBaseline, kTickMarks, kAxisTitles, kFootnote,
                        kDataTable, kShadows};
}  // namespace two_d

namespace bar_options {  // DLOG_BarDisplayOptions
enum : int {
  kDataLabels = 8001,
  kInside = 8002,
  kTotals = 8003,
  kOutline = 8004,
  kPositionCombo = 8005,
  kFormatButton = 8006,
  kPositionLabel = 8007,
};
}  // namespace bar_options

enum Member { Spec, Hilo, Scat, Hist, Bar, Pie, ThreeD, ThreeDSc, TwoD, kMembers };

struct Shape {
  const char* template_name = nullptr;
  short help_id = 0;
  std::span<const BoxFlag> boxes{};
  std::span<const int> select{};  // what select all / clear all act on, in order; empty: every box
  int select_button = common::kSelectAll;
  int clear_button = common::kClearAll;
  bool select_skips_disabled = true;  // select all leaves a disabled box as it is
  bool labels = false;                // the label group's position and format combos
  PositionList list = PositionList::Bar;
};

constexpr std::array<Shape, kMembers> kShapes{{
    {.template_name = "DLOG_SpecDisp", .help_id = 538, .boxes = spec::kBoxes, .select = spec::kSelect,
     .labels = true},
    {.template_name = "DLOG_HiloDisp", .help_id = 525, .boxes = hilo::kBoxes, .select = hilo::kSelect,
     .labels = true},
    {.template_name = "DLOG_ScatDisp", .help_id = 535, .boxes = scat::kBoxes, .select = scat::kSelect,
     .labels = true, .list = PositionList::Marker},
    {.template_name = "DLOG_HistDisp", .help_id = 527, .boxes = hist::kBoxes, .labels = true},
    {.template_name = "DLOG_BarDisp", .help_id = 520, .boxes = bar::kBoxes, .select = bar::kSelect, .labels = true},
    {.template_name = "DLOG_PieDisp", .help_id = 533, .boxes = pie::kBoxes},
    {.template_name = "DLOG_3DDisp", .help_id = 512, .boxes = three_d::kBoxes, .select = three_d::kSelect,
     .select_skips_disabled = false},
    {.template_name = "DLOG_3DScDisp", .help_id = 514, .boxes = three_d_scatter::kBoxes,
     .select = three_d_scatter::kSelect},
    {.template_name = "DLOG_DisplayOptions2D", .help_id = 523, .boxes = two_d::kBoxes, .select = two_d::kSelect,
     .select_button = two_d::kSelectAll, .clear_button = two_d::kClearAll, .select_skips_disabled = false},
}};

// The member's own switches (int arguments, low 16 bits).
struct Switches {
  short show_boxes = 0;      // hi-lo: average and spread; scatter: the zero lines; bar: target, median, average
  short allow_pair = 0;      // bar: the percentage boxes with the data labels
  short allow_open = 0;      // hi-lo: box "open" and the open-and-close style
  short allow_close = 0;     // hi-lo: box "close" and the all-four style
  short allow_x_values = 0;  // scatter: box "x values", which also shows the label group
  short allow_explode = 0;   // pie
  short show_mesh = 0;       // 3D scatter
};

// What one call's dialog edits (the style: hi-lo labels, 0-3).
struct State {
  FlagCopy values;
  Switches switches;
};

void ShowLabelGroup(win::HWND dlg, bool show) {
  ShowControlRange(dlg, common::kPositionCombo, common::kFormatLabel, show);
}

// The member's group (and what follows it) by the current state of its boxes.
void UpdateGroup(win::HWND dlg, Member m, const State& s) {
  switch (m) {
    case Spec: ShowLabelGroup(dlg, Checked(dlg, spec::kDataLabels)); break;
    case Hist: ShowLabelGroup(dlg, Checked(dlg, hist::kDataLabels)); break;
    case Bar: {
      bool master = Checked(dlg, bar::kDataLabels);
      ShowLabelGroup(dlg, master);
      ShowDlgControls(dlg, master && s.switches.allow_pair != 0, {bar::kPercentages, bar::kPercentagesInside});
      break;
    }
    case Hilo: {
      bool master = Checked(dlg, hilo::kDataLabels);
      ShowLabelGroup(dlg, master);
      ShowControlRange(dlg, hilo::kHighAndLow, hilo::kAllFour, master);
      ShowDlgControl(dlg, hilo::kOpenAndClose, master && s.switches.allow_open != 0);
      ShowDlgControl(dlg, hilo::kAllFour, master && s.switches.allow_close != 0);
      break;
    }
    case Scat:
      ShowLabelGroup(dlg, Checked(dlg, scat::kDataLabels) ||
                              (s.switches.allow_x_values != 0 && Checked(dlg, scat::kXValues)));
      break;
    case Pie:
      ShowDlgControl(dlg, pie::kValuesInside, Checked(dlg, pie::kValues) || Checked(dlg, pie::kPercentages));
      break;
    default: break;
  }
}

// Bar charts without the pair: the inside box follows the percentages box
// (unchecked when hidden).
void UpdateBarPair(win::HWND dlg, const State& s) {
  if (s.switches.allow_pair != 0) return;
  bool on = Checked(dlg, bar::kPercentages);
  ShowDlgControl(dlg, bar::kPercentagesInside, on);
  if (!on) Check(dlg, bar::kPercentagesInside, false);
}

bool DrivesGroup(Member m, int id) {
  switch (m) {
    case Spec: return id == spec::kDataLabels;
    case Hist: return id == hist::kDataLabels;
    case Bar: return id == bar::kDataLabels;
    case Hilo: return id == hilo::kDataLabels;
    case Scat: return id == scat::kXValues || id == scat::kDataLabels;
    case Pie: return id == pie::kValues || id == pie::kPercentages;
    default: return false;
  }
}

void SelectOrClear(win::HWND dlg, Member m, const State& s, bool select) {
  const Shape& shape = kShapes[m];
  if (m == Pie && select) ShowDlgControl(dlg, pie::kValuesInside, true);
  auto apply = [&](int id) {
    if (select && shape.select_skips_disabled && !win::IsWindowEnabled(win::GetDlgItem(dlg, id))) return;
    Check(dlg, id, select);
    if (m != Pie) UpdateGroup(dlg, m, s);
  };
  if (shape.select.empty()) {
    for (const BoxFlag& b : shape.boxes) apply(b.box);
  } else {
    for (int id : shape.select) apply(id);
  }
  if (m == Pie && !select) ShowDlgControl(dlg, pie::kValuesInside, false);
}

void Start(win::HWND dlg, Member m, const State& s) {
  const Shape& shape = kShapes[m];
  CheckTableBoxes(dlg, s.values.boxes);
  if (m == Hilo) CheckGroupRadio(dlg, hilo::kStyles, s.values.style);
  if (shape.labels)
    FillPositionAndFormatCombos(dlg, common::kCombos, s.values.format_index, s.values.position, shape.list);
  if (m == Pie && s.switches.allow_explode == 0) {
    Check(dlg, pie::kExplode, false);
    ShowDlgControl(dlg, pie::kExplode, false);
  }
  UpdateGroup(dlg, m, s);
  switch (m) {
    case Hilo:
      ShowDlgControls(dlg, s.switches.show_boxes != 0, {hilo::kAverage, hilo::kSpread});
      ShowDlgControl(dlg, hilo::kOpen, s.switches.allow_open != 0);
      ShowDlgControl(dlg, hilo::kClose, s.switches.allow_close != 0);
      break;
    case Scat:
      ShowDlgControl(dlg, scat::kXValues, s.switches.allow_x_values != 0);
      ShowDlgControls(dlg, s.switches.show_boxes != 0, {scat::kXZeroLine, scat::kYZeroLine});
      break;
    case Bar:
      ShowDlgControls(dlg, s.switches.show_boxes != 0, {bar::kTargetLine, bar::kMedianLine, bar::kAverageLine});
      UpdateBarPair(dlg, s);
      break;
    case ThreeDSc: ShowDlgControl(dlg, three_d_scatter::kMesh, s.switches.show_mesh != 0); break;
    default: break;
  }
}

win::INT_PTR Command(win::HWND dlg, Member m, State& s, int id, unsigned code) {
  const Shape& shape = kShapes[m];
  if (id == win::IDOK || id == win::IDCANCEL) {
    EndFlagDialog(dlg, s.values, shape.labels ? &common::kCombos : nullptr, id);
    return 1;
  }
  if (code != win::BN_CLICKED) return 0;
  if (id == shape.select_button || id == shape.clear_button) {
    SelectOrClear(dlg, m, s, id == shape.select_button);
    return 1;
  }
  if (FindEntry(s.values.boxes, id) != nullptr) {
    ToggleBox(dlg, id);
    if (DrivesGroup(m, id)) UpdateGroup(dlg, m, s);
    if (m == Bar && id == bar::kPercentages) UpdateBarPair(dlg, s);
    return 1;
  }
  return m == Hilo && ChooseGroupRadio(dlg, hilo::kStyles, id, s.values.style) ? 1 : 0;
}

bool Ready() { return library().module != nullptr && library().host != nullptr; }

// Runs the dialog over a copy of the caller's values and on OK stores them back.
int Run(Member m, const CallerFlags& caller, Switches switches) {
  const Shape& shape = kShapes[m];
  State s{.values = CopyFlagsIn(shape.boxes, caller), .switches = switches};
  DialogRules rules{.help_id = shape.help_id,
                    .start = [&](win::HWND dlg) { Start(dlg, m, s); },
                    .command = [&](win::HWND dlg, int id, unsigned code) { return Command(dlg, m, s, id, code); }};
  if (OpenDialog(shape.template_name, StandardProc(std::move(rules)), library().frame) != win::IDOK) return 0;
  CopyFlagsOut(s.values, caller);
  return 1;
}

// Scatter labels are placed by two offsets; the list position is derived from them.
constexpr std::array<short, 25> kScatterPosition{0, 1, 1, 2, 2, 3, 3, 3, 3, 3, 3, 3, 3,
                                                 3, 3, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4};
constexpr std::array<std::array<short, 2>, 5> kScatterOffsets{{{0, 0}, {0, 1}, {0, 4}, {1, 0}, {4, 0}}};

int ScatDisp(short* flags, short* offset1, short* offset2, short* format, short allow_x_values, short show_boxes) {
  if (!flags || !offset1 || !offset2 || !format || !Ready()) return 0;
  for (short* offset : {offset1, offset2})
    if (*offset < 0 || *offset > 4) *offset = 1;
  short position = kScatterPosition[static_cast<std::size_t>(*offset1 * 5 + *offset2)];
  if (Run(Scat, {flags, &position, format}, {.show_boxes = show_boxes, .allow_x_values = allow_x_values}) != 1)
    return 0;
  if (position >= 0 && position < static_cast<short>(kScatterOffsets.size())) {
    *offset1 = kScatterOffsets[static_cast<std::size_t>(position)][0];
    *offset2 = kScatterOffsets[static_cast<std::size_t>(position)][1];
  }
  return 1;
}

// --- Bar display options: four switches of a record, position and a format button.

struct BarRecordBox {
  int id;
  int offset;  // in 16-bit fields
};
constexpr std::array<BarRecordBox, 4> kBarRecordBoxes{{{bar_options::kDataLabels, 0},
                                                       {bar_options::kInside, 5},
                                                       {bar_options::kTotals, 2},
                                                       {bar_options::kOutline, 4}}};

struct BarOptionsState {
  std::array<short, 4> boxes{};
  short position = 0;
  short format = 0;  // 0-based
};

// The data-labels box enables what it governs; while off, the combo shows no selection.
void ApplyBarLabels(win::HWND dlg, const BarOptionsState& s) {
  bool on = Checked(dlg, bar_options::kDataLabels);
  for (int id : {bar_options::kInside, bar_options::kFormatButton, bar_options::kPositionCombo,
                 bar_options::kPositionLabel})
    EnableControl(dlg, id, on);
  win::ComboBox_SetCurSel(win::GetDlgItem(dlg, bar_options::kPositionCombo), on ? s.position : -1);
}

void StartBarOptions(win::HWND dlg, BarOptionsState& s) {
  for (std::size_t i = 0; i < kBarRecordBoxes.size(); ++i) Check(dlg, kBarRecordBoxes[i].id, s.boxes[i] != 0);
  win::HWND combo = win::GetDlgItem(dlg, bar_options::kPositionCombo);
  win::ComboBox_ResetContent(combo);
  for (const char* name : PositionNames(PositionList::Bar)) win::ComboBox_AddString(combo, name);
  ApplyBarLabels(dlg, s);
}

win::INT_PTR CommandBarOptions(win::HWND dlg, BarOptionsState& s, int id, unsigned code) {
  if (id == win::IDOK || id == win::IDCANCEL) {
    for (std::size_t i = 0; i < kBarRecordBoxes.size(); ++i) {
      int box = kBarRecordBoxes[i].id;
      s.boxes[i] = static_cast<short>(win::IsWindowEnabled(win::GetDlgItem(dlg, box)) && Checked(dlg, box));
    }
    s.position = static_cast<short>(win::ComboBox_GetCurSel(win::GetDlgItem(dlg, bar_options::kPositionCombo)));
    win::EndDialog(dlg, id);
    return 1;
  }
  if (code != win::BN_CLICKED) return 0;
  if (id == bar_options::kFormatButton) {
    short format = static_cast<short>(s.format + 1);
    if (DLOG_NumberFormat(&format) == 1) s.format = static_cast<short>(format - 1);
    return 1;
  }
  for (const BarRecordBox& b : kBarRecordBoxes) {
    if (b.id != id) continue;
    ToggleBox(dlg, id);
    if (id == bar_options::kDataLabels) ApplyBarLabels(dlg, s);
    return 1;
  }
  return 0;
}

int BarDisplayOptions(short* record, short* position, short* format) {
  if (!record || !position || !format) return 0;
  BarOptionsState s{.position = *position, .format = *format};
  for (std::size_t i = 0; i < kBarRecordBoxes.size(); ++i) s.boxes[i] = record[kBarRecordBoxes[i].offset];
  // This dialog has no owner window.
  if (OpenDialog("DLOG_BarDisplayOptions", StandardProc(519, s, StartBarOptions, CommandBarOptions), nullptr) !=
      win::IDOK)
    return 0;
  for (std::size_t i = 0; i < kBarRecordBoxes.size(); ++i) record[kBarRecordBoxes[i].offset] = s.boxes[i];
  *position = s.position;
  *format = s.format;
  return 1;
}

}  // namespace
}  // namespace kestrin

using kestrin::Switch;

extern "C" {

int DLOG_SpecDisp(short* flags, short* position, short* format) {
  if (!flags || !position || !format) return 0;
  return kestrin::Run(kestrin::Spec, {flags, position, format}, {});
}

int DLOG_HiloDisp(short* flags, short* position, short* format, short* style, int showBoxes, int allow1,
                  int allow2) {
  if (!flags || !position || !format || !style) return 0;
  return kestrin::Run(kestrin::Hilo, {flags, position, format, style},
                      {.show_boxes = Switch(showBoxes), .allow_open = Switch(allow1), .allow_close = Switch(allow2)});
}

int DLOG_ScatDisp(short* flags, short* offset1, short* offset2, short* format, int allowBox8016, int showBoxes) {
  return kestrin::ScatDisp(flags, offset1, offset2, format, Switch(allowBox8016), Switch(showBoxes));
}

int DLOG_HistDisp(short* flags, short* position, short* format) {
  if (!flags || !position || !format) return 0;
  return kestrin::Run(kestrin::Hist, {flags, position, format}, {});
}

int DLOG_BarDisp(short* flags, short* position, short* format, int showBoxes, int allowPair) {
  if (!flags || !position || !format) return 0;
  return kestrin::Run(kestrin::Bar, {flags, position, format},
                      {.show_boxes = Switch(showBoxes), .allow_pair = Switch(allowPair)});
}

int DLOG_PieDisp(short* flags, int allowBox8007) {
  if (!flags) return 0;
  return kestrin::Run(kestrin::Pie, {flags}, {.allow_explode = Switch(allowBox8007)});
}

int DLOG_3DDisp(short* flags) {
  if (!flags) return 0;
  return kestrin::Run(kestrin::ThreeD, {flags}, {});
}

int DLOG_3DScDisp(short* flags, int showBox8010) {
  if (!flags) return 0;
  return kestrin::Run(kestrin::ThreeDSc, {flags}, {.show_mesh = Switch(showBox8010)});
}

int DLOG_DisplayOptions2D(short* flags) {
  if (!flags) return 0;
  return kestrin::Run(kestrin::TwoD, {flags}, {});
}

int DLOG_BarDisplayOptions(short* record, short* position, short* format) {
  return kestrin::BarDisplayOptions(record, position, format);
}

}  // extern "C"
