// The display option dialogs: a chart type's display switches as check boxes
// over the caller's flag array, select-all and clear-all buttons, and for some
// members a label position and number format shown by a master box.

#include "kestrin/dialog_kit.h"
#include "kestrin/frame.h"
#include "kestrin/kestrin.h"
#include "platform/win/controls.h"
#include "platform/win/dialog.h"

#include <array>
#include <vector>

namespace kestrin {
namespace {

enum Member { Spec, Hilo, Scat, Hist, Bar, Pie, ThreeD, ThreeDSc, TwoD, kMembers };

struct Shape {
  const char* template_name;
  short help_id;
  std::vector<CheckEntry> boxes;  // box -> flag index
  std::vector<int> select_list;   // what select all / clear all act on, in order
  int select_button;
  int clear_button;
  bool select_skips_disabled;     // select all leaves a disabled box as it is
  int position_combo;             // 0: none
  int format_combo;
  PositionList list;
};

std::vector<CheckEntry> Boxes(std::initializer_list<std::pair<int, int>> pairs) {
  std::vector<CheckEntry> boxes;
  for (auto [id, flag] : pairs) boxes.push_back({id, 0, flag});
  return boxes;
}

std::vector<CheckEntry> RunOfBoxes(int first_id, int count) {
  std::vector<CheckEntry> boxes;
  for (int i = 0; i < count; ++i) boxes.push_back({first_id + i, 0, i});
  return boxes;
}

std::vector<int> Ids(std::span<const CheckEntry> boxes) {
  std::vector<int> ids;
  for (const CheckEntry& e : boxes) ids.push_back(e.id);
  return ids;
}

const Shape& ShapeOf(Member m) {
  static const std::array<Shape, kMembers> shapes = [] {
    auto hist = Boxes({{8003, 0}, {8004, 1}, {8005, 2}, {8007, 4}, {8021, 6}, {8022, 7}, {8023, 8}, {8024, 9}});
    auto pie = Boxes({{8003, 0}, {8004, 1}, {8005, 2}, {8006, 3}, {8007, 8}, {8008, 7}, {8010, 5}, {8011, 6},
                      {8009, 4}});
    auto two_d = RunOfBoxes(8001, 14);
    return std::array<Shape, kMembers>{{
        {"DLOG_SpecDisp", 538,
         Boxes({{8003, 0}, {8004, 1}, {8005, 2}, {8006, 3}, {8007, 4}, {8021, 5}, {8022, 6}, {8025, 7}, {8023, 8},
                {8024, 9}, {8026, 10}}),
         {8003, 8004, 8005, 8006, 8007, 8021, 8022, 8023, 8024}, 8001, 8002, true, 8101, 8102, PositionList::Bar},
        {"DLOG_HiloDisp", 525,
         Boxes({{8011, 0}, {8012, 1}, {8013, 2}, {8014, 3}, {8015, 4}, {8017, 6}, {8018, 7}, {8021, 8}, {8022, 9},
                {8024, 11}, {8025, 12}, {8026, 13}, {8027, 14}, {8028, 15}, {8029, 16}}),
         {8011, 8012, 8013, 8014, 8015, 8021, 8022, 8024, 8025, 8027, 8028}, 8001, 8002, true, 8101, 8102,
         PositionList::Bar},
        {"DLOG_ScatDisp", 535,
         Boxes({{8011, 0}, {8012, 1}, {8013, 2}, {8014, 3}, {8021, 6}, {8022, 7}, {8023, 8}, {8024, 9}, {8025, 10},
                {8026, 11}, {8027, 12}, {8028, 13}, {8029, 14}, {8016, 15}, {8017, 16}}),
         {8011, 8012, 8013, 8014, 8021, 8022, 8024, 8025, 8027, 8028, 8016, 8017}, 8001, 8002, true, 8101, 8102,
         PositionList::Marker},
        {"DLOG_HistDisp", 527, hist, Ids(hist), 8001, 8002, true, 8101, 8102, PositionList::Bar},
        {"DLOG_BarDisp", 520,
         Boxes({{8003, 0}, {8004, 1}, {8005, 2}, {8006, 3}, {8007, 4}, {8021, 6}, {8022, 7}, {8032, 8}, {8024, 10},
                {8025, 11}, {8033, 12}, {8026, 13}, {8027, 14}, {8028, 15}, {8034, 16}, {8029, 17}, {8030, 18},
                {8031, 19}}),
         {8003, 8004, 8005, 8006, 8007, 8021, 8022, 8024, 8025, 8027, 8028, 8030, 8031}, 8001, 8002, true, 8101, 8102,
         PositionList::Bar},
        {"DLOG_PieDisp", 533, pie, Ids(pie), 8001, 8002, true, 0, 0, PositionList::Bar},
        {"DLOG_3DDisp", 512,
         Boxes({{8003, 7}, {8004, 8}, {8005, 9}, {8006, 3}, {8007, 5}, {8008, 4}, {8009, 6}, {8010, 0}, {8012, 11},
                {8011, 10}, {8013, 1}, {8014, 12}, {8015, 13}, {8016, 2}}),
         {8003, 8004, 8005, 8006, 8007, 8008, 8009, 8012, 8011, 8014, 8015}, 8001, 8002, false, 0, 0,
         PositionList::Bar},
        {"DLOG_3DScDisp", 514,
         Boxes({{8003, 0}, {8004, 1}, {8005, 2}, {8006, 9}, {8007, 10}, {8008, 12}, {8009, 13}, {8010, 7}, {8021, 8},
                {8022, 3}, {8023, 4}, {8024, 11}, {8025, 5}, {8026, 6}, {8027, 14}, {8134, 15}}),
         {8003, 8004, 8005, 8006, 8007, 8008, 8009, 8010, 8022, 8023, 8025, 8026, 8134}, 8001, 8002, true, 0, 0,
         PositionList::Bar},
        {"DLOG_DisplayOptions2D", 523, two_d, {8005, 8006, 8007, 8008, 8009, 8010, 8011, 8012, 8013, 8014}, 8019,
         8020, false, 0, 0, PositionList::Bar},
    }};
  }();
  return shapes[m];
}

constexpr int kFirstHiloRadio = 8030;
constexpr int kLastHiloRadio = 8033;

// The statics of one member.
struct State {
  std::vector<CheckEntry> boxes;
  short position = 0;
  short format_index = 0;  // 0-based
  short style = 0;         // hi-lo radios 8030-8033
  std::array<short, 3> switches{};  // the member's int arguments, in order
};

State& StateOf(Member m) {
  static std::array<State, kMembers> states;
  return states[m];
}

// The member's group (and what follows it) by the current state of its boxes.
void UpdateGroup(win::HWND dlg, Member m, const State& s) {
  switch (m) {
    case Spec:
    case Hist: ShowControlRange(dlg, 8101, 8104, Checked(dlg, 8007)); break;
    case Bar: {
      bool master = Checked(dlg, 8007);
      ShowControlRange(dlg, 8101, 8104, master);
      ShowDlgControls(dlg, master && s.switches[1] != 0, {8030, 8031});  // allowPair
      break;
    }
    case Hilo: {
      bool master = Checked(dlg, 8015);
      ShowControlRange(dlg, 8101, 8104, master);
      ShowControlRange(dlg, kFirstHiloRadio, kLastHiloRadio, master);
      ShowDlgControl(dlg, 8032, master && s.switches[1] != 0);  // allow1
      ShowDlgControl(dlg, 8033, master && s.switches[2] != 0);  // allow2
      break;
    }
    case Scat: {
      bool on = Checked(dlg, 8017) || (s.switches[0] != 0 && Checked(dlg, 8016));  // allowBox8016
      ShowControlRange(dlg, 8101, 8104, on);
      break;
    }
    case Pie: ShowDlgControl(dlg, 8009, Checked(dlg, 8010) || Checked(dlg, 8011)); break;
    default: break;
  }
}

// Bar charts without the pair: box 8031 follows box 8030 (unchecked when hidden).
void UpdateBarPair(win::HWND dlg, const State& s) {
  if (s.switches[1] != 0) return;
  bool on = Checked(dlg, 8030);
  ShowDlgControl(dlg, 8031, on);
  if (!on) win::CheckDlgButton(dlg, 8031, win::BST_UNCHECKED);
}

bool DrivesGroup(Member m, int id) {
  switch (m) {
    case Spec:
    case Hist:
    case Bar: return id == 8007;
    case Hilo: return id == 8015;
    case Scat: return id == 8016 || id == 8017;
    case Pie: return id == 8010 || id == 8011;
    default: return false;
  }
}

void SelectOrClear(win::HWND dlg, Member m, const State& s, bool select) {
  const Shape& shape = ShapeOf(m);
  if (m == Pie && select) ShowDlgControl(dlg, 8009, true);
  for (int id : shape.select_list) {
    if (select && shape.select_skips_disabled && !win::IsWindowEnabled(win::GetDlgItem(dlg, id))) continue;
    win::CheckDlgButton(dlg, id, select ? win::BST_CHECKED : win::BST_UNCHECKED);
    if (m != Pie) UpdateGroup(dlg, m, s);
  }
  if (m == Pie && !select) ShowDlgControl(dlg, 8009, false);
}

void Start(win::HWND dlg, Member m, State& s) {
  const Shape& shape = ShapeOf(m);
  CentreDialog(dlg);
  SetDialogFont(dlg, GetHostDialogFont());
  CheckTableBoxes(dlg, s.boxes);
  if (m == Hilo) {
    // A style outside 0-3 checks no radio.
    bool known = s.style >= 0 && s.style <= kLastHiloRadio - kFirstHiloRadio;
    win::CheckRadioButton(dlg, kFirstHiloRadio, kLastHiloRadio, known ? kFirstHiloRadio + s.style : 0);
  }
  if (shape.position_combo != 0)
    FillPositionAndFormatCombos(dlg, shape.position_combo, shape.format_combo, s.format_index, s.position,
                                shape.list);
  if (m == Pie && s.switches[0] == 0) {  // allowBox8007
    win::CheckDlgButton(dlg, 8007, win::BST_UNCHECKED);
    ShowDlgControl(dlg, 8007, false);
  }
  UpdateGroup(dlg, m, s);
  switch (m) {
    case Hilo:
      ShowDlgControls(dlg, s.switches[0] != 0, {8028, 8029});  // showBoxes
      ShowDlgControl(dlg, 8017, s.switches[1] != 0);
      ShowDlgControl(dlg, 8018, s.switches[2] != 0);
      break;
    case Scat:
      ShowDlgControl(dlg, 8016, s.switches[0] != 0);
      ShowDlgControls(dlg, s.switches[1] != 0, {8028, 8029});
      break;
    case Bar:
      ShowDlgControls(dlg, s.switches[0] != 0, {8028, 8034, 8029});
      UpdateBarPair(dlg, s);
      break;
    case ThreeDSc: ShowDlgControl(dlg, 8010, s.switches[0] != 0); break;
    default: break;
  }
  ShowHelpButton(dlg);
}

win::INT_PTR Command(win::HWND dlg, Member m, State& s, win::WPARAM wparam) {
  const Shape& shape = ShapeOf(m);
  int id = static_cast<int>(win::LOWORD(wparam));
  if (id == win::IDOK || id == win::IDCANCEL) {
    ReadTableBoxes(dlg, s.boxes);
    if (shape.position_combo != 0) ReadPositionAndFormat(dlg, &s.position, &s.format_index);
    win::EndDialog(dlg, id);
    return 1;
  }
  if (win::HIWORD(wparam) != win::BN_CLICKED) return 0;
  if (id == shape.select_button || id == shape.clear_button) {
    SelectOrClear(dlg, m, s, id == shape.select_button);
    return 1;
  }
  if (FindEntry(s.boxes, id) != nullptr) {
    ToggleBox(dlg, id);
    if (DrivesGroup(m, id)) UpdateGroup(dlg, m, s);
    if (m == Bar && id == 8030) UpdateBarPair(dlg, s);
    return 1;
  }
  if (m == Hilo && id >= kFirstHiloRadio && id <= kLastHiloRadio) {
    win::CheckRadioButton(dlg, kFirstHiloRadio, kLastHiloRadio, id);
    s.style = static_cast<short>(id - kFirstHiloRadio);
    return 1;
  }
  return 0;
}

bool Ready() { return library().module != nullptr && library().host != nullptr; }

// Loads the statics, runs the dialog, and on OK stores the flags back.
// position and format may be null for members without them.
int Run(Member m, short* flags, short* position, short* format, std::array<short, 3> switches, short* style = nullptr) {
  const Shape& shape = ShapeOf(m);
  State& s = StateOf(m);
  s.boxes = shape.boxes;
  LoadFlags(s.boxes, flags);
  s.position = position ? *position : 0;
  s.format_index = static_cast<short>(format ? *format - 1 : 0);
  s.style = style ? *style : 0;
  s.switches = switches;

  auto proc = [m](win::HWND dlg, win::UINT msg, win::WPARAM wparam, win::LPARAM) -> win::INT_PTR {
    State& s = StateOf(m);
    switch (msg) {
      case win::WM_INITDIALOG: Start(dlg, m, s); return 1;
      case win::WM_HELP: return HandleHelp(msg, wparam, ShapeOf(m).help_id) ? 1 : 0;
      case win::WM_COMMAND:
        if (HandleHelp(msg, wparam, ShapeOf(m).help_id)) return 1;
        return Command(dlg, m, s, wparam);
      default: return 0;
    }
  };
  if (OpenDialog(shape.template_name, proc, library().frame) != win::IDOK) return 0;
  StoreFlags(s.boxes, flags);
  if (position) *position = s.position;
  if (format) *format = static_cast<short>(s.format_index + 1);
  if (style) *style = s.style;
  return 1;
}

// Scatter labels are placed by two offsets; the list position is derived from them.
constexpr std::array<short, 25> kScatterPosition{0, 1, 1, 2, 2, 3, 3, 3, 3, 3, 3, 3, 3,
                                                 3, 3, 4, 4, 4, 4, 4, 4, 4, 4, 4, 4};
constexpr std::array<std::array<short, 2>, 5> kScatterOffsets{{{0, 0}, {0, 1}, {0, 4}, {1, 0}, {4, 0}}};

int ScatDisp(short* flags, short* offset1, short* offset2, short* format, short allow8016, short show_boxes) {
  if (!flags || !offset1 || !offset2 || !format || !Ready()) return 0;
  for (short* offset : {offset1, offset2})
    if (*offset < 0 || *offset > 4) *offset = 1;
  short position = kScatterPosition[static_cast<std::size_t>(*offset1 * 5 + *offset2)];
  if (Run(Scat, flags, &position, format, {allow8016, show_boxes, 0}) != 1) return 0;
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
constexpr std::array<BarRecordBox, 4> kBarRecordBoxes{{{8001, 0}, {8002, 5}, {8003, 2}, {8004, 4}}};
constexpr int kBarPositionCombo = 8005;
constexpr int kBarFormatButton = 8006;

struct BarOptionsState {
  std::array<short, 4> boxes{};
  short position = 0;
  short format = 0;  // 0-based
};

BarOptionsState& BarOptions() {
  static BarOptionsState state;
  return state;
}

// Box 8001 enables what it governs; while off, the combo shows no selection.
void ApplyBarLabels(win::HWND dlg, const BarOptionsState& s) {
  bool on = Checked(dlg, 8001);
  for (int id : {8002, kBarFormatButton, kBarPositionCombo, 8007}) EnableControl(dlg, id, on);
  win::ComboBox_SetCurSel(win::GetDlgItem(dlg, kBarPositionCombo), on ? s.position : -1);
}

win::INT_PTR BarOptionsProc(win::HWND dlg, win::UINT msg, win::WPARAM wparam, win::LPARAM) {
  constexpr short kHelp = 519;
  BarOptionsState& s = BarOptions();
  switch (msg) {
    case win::WM_INITDIALOG: {
      CentreDialog(dlg);
      SetDialogFont(dlg, GetHostDialogFont());
      for (std::size_t i = 0; i < kBarRecordBoxes.size(); ++i)
        win::CheckDlgButton(dlg, kBarRecordBoxes[i].id, s.boxes[i] != 0 ? win::BST_CHECKED : win::BST_UNCHECKED);
      win::HWND combo = win::GetDlgItem(dlg, kBarPositionCombo);
      win::ComboBox_ResetContent(combo);
      for (const char* name : PositionNames(PositionList::Bar)) win::ComboBox_AddString(combo, name);
      ApplyBarLabels(dlg, s);
      ShowHelpButton(dlg);
      return 1;
    }
    case win::WM_HELP: return HandleHelp(msg, wparam, kHelp) ? 1 : 0;
    case win::WM_COMMAND: {
      if (HandleHelp(msg, wparam, kHelp)) return 1;
      int id = static_cast<int>(win::LOWORD(wparam));
      if (id == win::IDOK || id == win::IDCANCEL) {
        for (std::size_t i = 0; i < kBarRecordBoxes.size(); ++i) {
          int box = kBarRecordBoxes[i].id;
          s.boxes[i] = static_cast<short>(win::IsWindowEnabled(win::GetDlgItem(dlg, box)) && Checked(dlg, box));
        }
        s.position = static_cast<short>(win::ComboBox_GetCurSel(win::GetDlgItem(dlg, kBarPositionCombo)));
        win::EndDialog(dlg, id);
        return 1;
      }
      if (win::HIWORD(wparam) != win::BN_CLICKED) return 0;
      if (id == kBarFormatButton) {
        short format = static_cast<short>(s.format + 1);
        if (DLOG_NumberFormat(&format) == 1) s.format = static_cast<short>(format - 1);
        return 1;
      }
      for (const BarRecordBox& b : kBarRecordBoxes) {
        if (b.id != id) continue;
        ToggleBox(dlg, id);
        if (id == 8001) ApplyBarLabels(dlg, s);
        return 1;
      }
      return 0;
    }
    default: return 0;
  }
}

int BarDisplayOptions(short* record, short* position, short* format) {
  if (!record || !position || !format) return 0;
  BarOptionsState& s = BarOptions();
  for (std::size_t i = 0; i < kBarRecordBoxes.size(); ++i) s.boxes[i] = record[kBarRecordBoxes[i].offset];
  s.position = *position;
  s.format = *format;
  // This dialog has no owner window.
  if (OpenDialog("DLOG_BarDisplayOptions", BarOptionsProc, nullptr) != win::IDOK) return 0;
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
  return kestrin::Run(kestrin::Spec, flags, position, format, {});
}

int DLOG_HiloDisp(short* flags, short* position, short* format, short* style, int showBoxes, int allow1,
                  int allow2) {
  if (!flags || !position || !format || !style) return 0;
  return kestrin::Run(kestrin::Hilo, flags, position, format, {Switch(showBoxes), Switch(allow1), Switch(allow2)},
                      style);
}

int DLOG_ScatDisp(short* flags, short* offset1, short* offset2, short* format, int allowBox8016, int showBoxes) {
  return kestrin::ScatDisp(flags, offset1, offset2, format, Switch(allowBox8016), Switch(showBoxes));
}

int DLOG_HistDisp(short* flags, short* position, short* format) {
  if (!flags || !position || !format) return 0;
  return kestrin::Run(kestrin::Hist, flags, position, format, {});
}

int DLOG_BarDisp(short* flags, short* position, short* format, int showBoxes, int allowPair) {
  if (!flags || !position || !format) return 0;
  return kestrin::Run(kestrin::Bar, flags, position, format, {Switch(showBoxes), Switch(allowPair), 0});
}

int DLOG_PieDisp(short* flags, int allowBox8007) {
  if (!flags) return 0;
  return kestrin::Run(kestrin::Pie, flags, nullptr, nullptr, {Switch(allowBox8007), 0, 0});
}

int DLOG_3DDisp(short* flags) {
  if (!flags) return 0;
  return kestrin::Run(kestrin::ThreeD, flags, nullptr, nullptr, {});
}

int DLOG_3DScDisp(short* flags, int showBox8010) {
  if (!flags) return 0;
  return kestrin::Run(kestrin::ThreeDSc, flags, nullptr, nullptr, {Switch(showBox8010), 0, 0});
}

int DLOG_DisplayOptions2D(short* flags) {
  if (!flags) return 0;
  return kestrin::Run(kestrin::TwoD, flags, nullptr, nullptr, {});
}

int DLOG_BarDisplayOptions(short* record, short* position, short* format) {
  return kestrin::BarDisplayOptions(record, position, format);
}

}  // extern "C"
