// Curve fitting of a 2D chart and the legend: options with validated counts.

#include "kestrin/dialog_kit.h"
#include "kestrin/frame.h"
#include "kestrin/kestrin.h"
#include "platform/win/controls.h"
#include "platform/win/dialog.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <initializer_list>

namespace kestrin {
namespace {

bool AnyChecked(win::HWND dlg, std::initializer_list<int> ids) {
  return std::any_of(ids.begin(), ids.end(), [&](int id) { return Checked(dlg, id); });
}

int CountChecked(win::HWND dlg, std::initializer_list<int> ids) {
  return static_cast<int>(std::count_if(ids.begin(), ids.end(), [&](int id) { return Checked(dlg, id); }));
}

// --- Curve fit -------------------------------------------------------------------

constexpr std::array<int, 18> kCurveBoxes{8002, 8003, 8004, 8005, 8006, 8007, 8008, 8009, 8010,
                                          8011, 8012, 8013, 8024, 8025, 8026, 8027, 8028, 8029};
constexpr std::size_t kFlagCount = 19;
constexpr std::size_t kAverageFlag = 4;  // box 8006: value3 in 8023
constexpr std::size_t kOrderFlag = 9;    // box 8011: value1 in 8018
constexpr std::size_t kRadioFlag = 18;   // radios 8015 (non-zero) / 8016
constexpr int kAverageBox = 8006;
constexpr int kOrderBox = 8011;
constexpr int kExtraBox = 8179;
constexpr int kValue1Field = 8018;
constexpr int kValue2Field = 8019;
constexpr int kValue3Field = 8023;

struct CurveState {
  std::array<short, kFlagCount> flags{};
  short kept = 0;
  short value1 = 0, value2 = 0, value3 = 0;
  short hide8004 = 0, hide8005 = 0;
  short points = 0;
  short extra = 0;
};

CurveState& Curve() {
  static CurveState state;
  return state;
}

bool InRange(short value, short points) { return value > 0 && value < points; }

void SetPadded(win::HWND dlg, int id, short value) {
  std::array<char, 16> text{};
  std::snprintf(text.data(), text.size(), "%4d", value);
  win::SetDlgItemText(dlg, id, text.data());
}

// Rule A: the second value shows when any fit that uses it is chosen.
void RuleA(win::HWND dlg) {
  ShowDlgControls(dlg,
                  AnyChecked(dlg, {8005, 8007, 8008, 8009, 8010, 8011, 8024, 8025, 8026, 8027, 8028, 8029}),
                  {8014, 8019});
}

// Rule B: 8012 and 8013 show when exactly one fit is chosen.
void RuleB(win::HWND dlg) {
  ShowDlgControls(dlg,
                  CountChecked(dlg, {8007, 8008, 8009, 8010, 8011, 8024, 8025, 8026, 8027, 8028, 8029}) == 1,
                  {8012, 8013});
}

void ShowAverage(win::HWND dlg) { ShowDlgControls(dlg, Checked(dlg, kAverageBox), {8022, 8023, 8015, 8016}); }
void ShowOrder(win::HWND dlg) { ShowDlgControls(dlg, Checked(dlg, kOrderBox), {8017, 8018}); }

void StartCurve(win::HWND dlg) {
  CurveState& s = Curve();
  for (std::size_t i = 0; i < kCurveBoxes.size(); ++i) Check(dlg, kCurveBoxes[i], s.flags[i] != 0);
  win::CheckRadioButton(dlg, 8015, 8016, s.flags[kRadioFlag] != 0 ? 8015 : 8016);
  SetPadded(dlg, kValue1Field, s.value1);
  SetPadded(dlg, kValue2Field, s.value2);
  SetPadded(dlg, kValue3Field, s.value3);
  ShowOrder(dlg);
  ShowAverage(dlg);
  if (s.hide8004 != 0) ShowDlgControl(dlg, 8004, false);
  if (s.hide8005 != 0) ShowDlgControl(dlg, 8005, false);
  RuleA(dlg);
  RuleB(dlg);
  Check(dlg, kExtraBox, s.extra != 0);
}

// OK: the boxes and values are read; a value out of range keeps the dialog open.
void AcceptCurve(win::HWND dlg) {
  CurveState& s = Curve();
  for (std::size_t i = 0; i < kCurveBoxes.size(); ++i) {
    win::HWND box = win::GetDlgItem(dlg, kCurveBoxes[i]);
    s.flags[i] = static_cast<short>(win::IsWindowEnabled(box) && win::IsWindowVisible(box) &&
                                    Checked(dlg, kCurveBoxes[i]));
  }
  s.value1 = ReadCount(dlg, kValue1Field);
  s.value2 = ReadCount(dlg, kValue2Field);
  s.value3 = ReadCount(dlg, kValue3Field);
  if (s.flags[kAverageFlag] != 0 && !InRange(s.value3, s.points)) {
    MSG_Box(1, 3023);
    return;
  }
  if (s.flags[kOrderFlag] != 0 && !InRange(s.value1, s.points)) {
    MSG_Box(1, 3024);
    return;
  }
  s.flags[kRadioFlag] = static_cast<short>(!Checked(dlg, 8016));
  s.extra = static_cast<short>(Checked(dlg, kExtraBox));
  win::EndDialog(dlg, win::IDOK);
}

win::INT_PTR CommandCurve(win::HWND dlg, int id, unsigned code) {
  if (id == win::IDOK) {
    AcceptCurve(dlg);
    return 1;
  }
  if (id == win::IDCANCEL) {
    win::EndDialog(dlg, id);
    return 1;
  }
  if (code != win::BN_CLICKED) return 0;
  switch (id) {
    case kAverageBox:
      ToggleBox(dlg, id);
      ShowAverage(dlg);
      RuleA(dlg);
      return 1;
    case kOrderBox:
      ToggleBox(dlg, id);
      ShowOrder(dlg);
      RuleA(dlg);
      RuleB(dlg);
      return 1;
    case 8015:
    case 8016: win::CheckRadioButton(dlg, 8015, 8016, id); return 1;
    default:
      if (std::find(kCurveBoxes.begin(), kCurveBoxes.end(), id) == kCurveBoxes.end()) return 0;
      ToggleBox(dlg, id);
      RuleA(dlg);
      RuleB(dlg);
      return 1;
  }
}

int CurveFit(short* flags, short* kept, short* value1, short* value2, short* value3, short hide8004,
             short hide8005, short points, short* extra) {
  if (!flags || !kept || !value1 || !value2 || !value3 || !extra) return 0;
  CurveState& s = Curve();
  std::copy(flags, flags + kFlagCount, s.flags.begin());
  s.kept = *kept;
  s.value1 = *value1;
  s.value2 = *value2;
  s.value3 = *value3;
  s.hide8004 = hide8004;
  s.hide8005 = hide8005;
  s.points = points;
  s.extra = *extra;
  auto fallback = static_cast<short>(points > 2 ? points - 1 : 1);
  if (!InRange(s.value1, points)) s.value1 = fallback;
  if (!InRange(s.value3, points)) s.value3 = fallback;
  if (OpenDialog("DLOG_2DCURVES", StandardProc({522, StartCurve, CommandCurve}), library().frame) != win::IDOK)
    return 0;
  std::copy(s.flags.begin(), s.flags.end(), flags);
  *kept = s.kept;
  *value1 = s.value1;
  *value2 = s.value2;
  *value3 = s.value3;
  *extra = s.extra;
  return 1;
}

// --- Legend ----------------------------------------------------------------------

constexpr int kShowBox = 8001;
constexpr int kSecondBox = 8002;
constexpr int kFirstPlacement = 8003;
constexpr int kPlacements = 5;
constexpr int kFirstMode = 8008;
constexpr int kModes = 3;
constexpr int kCountField = 8013;
constexpr std::size_t kCountLimit = 22;

struct LegendState {
  short show = 0, second = 0, placement = 0, mode = 0;
  long count = 0;  // as read, before it is checked against the maximum
  short max_count = 0;
  bool started = false;
};

LegendState& Legend() {
  static LegendState state;
  return state;
}

// Rule C: which of 8011-8013 the mode shows, while the legend is on. A mode
// outside 0-2 shows what mode 0 shows (its count is checked as mode 0's), so
// the two labels never stand over each other.
void RuleC(win::HWND dlg) {
  if (!Checked(dlg, kShowBox)) return;
  switch (Legend().mode) {
    case 2: ShowDlgControls(dlg, false, {8011, 8012, 8013}); break;
    case 1:
      ShowDlgControls(dlg, true, {8012, 8013});
      ShowDlgControl(dlg, 8011, false);
      break;
    default:
      ShowDlgControls(dlg, true, {8011, 8013});
      ShowDlgControl(dlg, 8012, false);
      break;
  }
}

void CheckRadio(win::HWND dlg, int first, int count, short value) {
  // A value outside the group checks no radio.
  win::CheckRadioButton(dlg, first, first + count - 1, value >= 0 && value < count ? first + value : 0);
}

void StartLegend(win::HWND dlg) {
  LegendState& s = Legend();
  s.started = false;
  Check(dlg, kShowBox, s.show != 0);
  Check(dlg, kSecondBox, s.second != 0);
  CheckRadio(dlg, kFirstPlacement, kPlacements, s.placement);
  CheckRadio(dlg, kFirstMode, kModes, s.mode);
  win::SetDlgItemText(dlg, kCountField, Formatted(static_cast<double>(s.count), 2));
  ShowControlRange(dlg, 8002, 8013, s.show != 0);
  RuleC(dlg);
  s.started = true;
}

win::INT_PTR CommandLegend(win::HWND dlg, int id, unsigned code) {
  LegendState& s = Legend();
  if (id == win::IDOK || id == win::IDCANCEL) {
    s.count = win::ParseDialogInt(FieldText(dlg, kCountField, kCountLimit), nullptr, true);
    s.show = static_cast<short>(Checked(dlg, kShowBox));
    s.second = static_cast<short>(Checked(dlg, kSecondBox));
    win::EndDialog(dlg, id);
    return 1;
  }
  if (!s.started || code != win::BN_CLICKED) return 0;
  if (id == kShowBox) {
    ShowControlRange(dlg, 8002, 8013, ToggleBox(dlg, id));
    RuleC(dlg);
    return 1;
  }
  if (id == kSecondBox) {
    ToggleBox(dlg, id);
    return 1;
  }
  if (id >= kFirstPlacement && id < kFirstPlacement + kPlacements) {
    CheckRadio(dlg, kFirstPlacement, kPlacements, static_cast<short>(id - kFirstPlacement));
    s.placement = static_cast<short>(id - kFirstPlacement);
    return 1;
  }
  if (id >= kFirstMode && id < kFirstMode + kModes) {
    CheckRadio(dlg, kFirstMode, kModes, static_cast<short>(id - kFirstMode));
    s.mode = static_cast<short>(id - kFirstMode);
    ShowControlRange(dlg, 8011, 8013, s.mode != 0);
    RuleC(dlg);
    return 1;
  }
  return 0;
}

int LegendDialog(short* show, short* second, short* placement, short* mode, short* count, short max_count) {
  if (!show || !second || !placement || !mode || !count) return 0;
  LegendState& s = Legend();
  s.show = *show;
  s.second = *second;
  s.placement = *placement;
  s.mode = *mode;
  s.count = *count <= 0 ? max_count : *count;
  s.max_count = max_count;
  if (OpenDialog("DLOG_Legend", StandardProc({530, StartLegend, CommandLegend}), library().frame) != win::IDOK)
    return 0;
  // The count is checked as read, so that no typed number wraps into the range.
  bool valid = s.count > 0 && s.count <= max_count;
  short result = 0;
  if (s.mode != 2) {
    result = valid ? static_cast<short>(s.count) : max_count;
    if (!valid) MSG_Box(2, 3038);
  }
  *show = s.show;
  *second = s.second;
  *placement = s.placement;
  *mode = s.mode;
  *count = result;
  return 1;
}

}  // namespace
}  // namespace kestrin

using kestrin::Switch;

extern "C" {

int DLOG_CurveFit(short* flags, short* kept, short* value1, short* value2, short* value3, int hideBox8004,
                  int hideBox8005, int pointCount, int, short* extraBox) {
  return kestrin::CurveFit(flags, kept, value1, value2, value3, Switch(hideBox8004), Switch(hideBox8005),
                           Switch(pointCount), extraBox);
}

int DLOG_Legend(short* showBox, short* secondBox, short* placement, short* mode, short* count, int maxCount) {
  return kestrin::LegendDialog(showBox, secondBox, placement, mode, count, Switch(maxCount));
}

}  // extern "C"
