// SPDX-License-Identifier: MIT
// Curve fitting of a 2D chart and the legend: options with validated counts.

#include "kestrin/dialog_kit.h"
#include "kestrin/frame.h"
#include "kestrin/kestrin.h"
#include "platform/win/controls.h"
#include "platform/win/dialog.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <span>

namespace kestrin {
namespace {

bool AnyChecked(win::HWND dlg, std::span<const int> ids) {
  return std::any_of(ids.begin(), ids.end(), [&](int id) { return Checked(dlg, id); });
}

int CountChecked(win::HWND dlg, std::span<const int> ids) {
  return static_cast<int>(std::count_if(ids.begin(), ids.end(), [&](int id) { return Checked(dlg, id); }));
}

// --- Curve fit -------------------------------------------------------------------

namespace curve {  // DLOG_2DCURVES
enum : int {
  kDataPoints = 8002,
  kConnect = 8003,
  kErrorBars = 8004,
  kConfidenceBand = 8005,
  kMovingAverage = 8006,
  kLinear = 8007,
  kExponential = 8008,
  kLogarithmic = 8009,
  kPower = 8010,
  kPolynomial = 8011,
  kEquation = 8012,
  kRSquared = 8013,
  kCurvePointsLabel = 8014,
  kCentred = 8015,
  kTrailing = 8016,
  kOrderLabel = 8017,
  kOrderField = 8018,        // value1
  kCurvePointsField = 8019,  // value2
  kPeriodLabel = 8022,
  kPeriodField = 8023,  // value3
  kSpline = 8024,
  kLowess = 8025,
  kHyperbolic = 8026,
  kLogistic = 8027,
  kGaussian = 8028,
  kSine = 8029,
  kAllSeries = 8179,
};
// Strings.
enum : int {
  kPeriodText = 3023,
  kOrderText = 3024,
};
// flags[0..17], in order.
constexpr std::array<int, 18> kBoxes{kDataPoints, kConnect, kErrorBars, kConfidenceBand, kMovingAverage, kLinear,
                                     kExponential, kLogarithmic, kPower, kPolynomial, kEquation, kRSquared,
                                     kSpline, kLowess, kHyperbolic, kLogistic, kGaussian, kSine};
constexpr std::array<int, 11> kFits{kLinear, kExponential, kLogarithmic, kPower, kPolynomial, kSpline,
                                    kLowess, kHyperbolic, kLogistic, kGaussian, kSine};
}  // namespace curve

constexpr std::size_t kFlagCount = 19;
constexpr std::size_t kAverageFlag = 4;  // the moving-average box: value3
constexpr std::size_t kOrderFlag = 9;    // the polynomial box: value1
constexpr std::size_t kRadioFlag = 18;   // centred (non-zero) or trailing

struct CurveState {
  std::array<short, kFlagCount> flags{};
  short kept = 0;
  short value1 = 0, value2 = 0, value3 = 0;
  short hide_error_bars = 0, hide_band = 0;
  short points = 0;
  short extra = 0;
};

bool InRange(short value, short points) { return value > 0 && value < points; }

void SetPadded(win::HWND dlg, int id, short value) {
  std::array<char, 16> text{};
  std::snprintf(text.data(), text.size(), "%4d", value);
  win::SetDlgItemText(dlg, id, text.data());
}

// Rule A: the curve's points show when the band or any fit is chosen.
void RuleA(win::HWND dlg) {
  ShowDlgControls(dlg, Checked(dlg, curve::kConfidenceBand) || AnyChecked(dlg, curve::kFits),
                  {curve::kCurvePointsLabel, curve::kCurvePointsField});
}

// Rule B: the equation and R squared show when exactly one fit is chosen.
void RuleB(win::HWND dlg) {
  ShowDlgControls(dlg, CountChecked(dlg, curve::kFits) == 1, {curve::kEquation, curve::kRSquared});
}

void ShowAverage(win::HWND dlg) {
  ShowDlgControls(dlg, Checked(dlg, curve::kMovingAverage),
                  {curve::kPeriodLabel, curve::kPeriodField, curve::kCentred, curve::kTrailing});
}
void ShowOrder(win::HWND dlg) {
  ShowDlgControls(dlg, Checked(dlg, curve::kPolynomial), {curve::kOrderLabel, curve::kOrderField});
}

void StartCurve(win::HWND dlg, CurveState& s) {
  using namespace curve;
  for (std::size_t i = 0; i < kBoxes.size(); ++i) Check(dlg, kBoxes[i], s.flags[i] != 0);
  win::CheckRadioButton(dlg, kCentred, kTrailing, s.flags[kRadioFlag] != 0 ? kCentred : kTrailing);
  SetPadded(dlg, kOrderField, s.value1);
  SetPadded(dlg, kCurvePointsField, s.value2);
  SetPadded(dlg, kPeriodField, s.value3);
  ShowOrder(dlg);
  ShowAverage(dlg);
  if (s.hide_error_bars != 0) ShowDlgControl(dlg, kErrorBars, false);
  if (s.hide_band != 0) ShowDlgControl(dlg, kConfidenceBand, false);
  RuleA(dlg);
  RuleB(dlg);
  Check(dlg, kAllSeries, s.extra != 0);
}

// OK: the boxes and values are read; a value out of range keeps the dialog open.
void AcceptCurve(win::HWND dlg, CurveState& s) {
  using namespace curve;
  for (std::size_t i = 0; i < kBoxes.size(); ++i) {
    win::HWND box = win::GetDlgItem(dlg, kBoxes[i]);
    s.flags[i] = static_cast<short>(win::IsWindowEnabled(box) && win::IsWindowVisible(box) && Checked(dlg, kBoxes[i]));
  }
  s.value1 = ReadCount(dlg, kOrderField);
  s.value2 = ReadCount(dlg, kCurvePointsField);
  s.value3 = ReadCount(dlg, kPeriodField);
  if (s.flags[kAverageFlag] != 0 && !InRange(s.value3, s.points)) {
    MSG_Box(1, kPeriodText);
    return;
  }
  if (s.flags[kOrderFlag] != 0 && !InRange(s.value1, s.points)) {
    MSG_Box(1, kOrderText);
    return;
  }
  s.flags[kRadioFlag] = static_cast<short>(!Checked(dlg, kTrailing));
  s.extra = static_cast<short>(Checked(dlg, kAllSeries));
  win::EndDialog(dlg, win::IDOK);
}

win::INT_PTR CommandCurve(win::HWND dlg, CurveState& s, int id, unsigned code) {
  using namespace curve;
  if (id == win::IDOK) {
    AcceptCurve(dlg, s);
    return 1;
  }
  if (id == win::IDCANCEL) {
    win::EndDialog(dlg, id);
    return 1;
  }
  if (code != win::BN_CLICKED) return 0;
  switch (id) {
    case kMovingAverage:
      ToggleBox(dlg, id);
      ShowAverage(dlg);
      RuleA(dlg);
      return 1;
    case kPolynomial:
      ToggleBox(dlg, id);
      ShowOrder(dlg);
      RuleA(dlg);
      RuleB(dlg);
      return 1;
    case kCentred:
    case kTrailing: win::CheckRadioButton(dlg, kCentred, kTrailing, id); return 1;
    default:
      if (std::find(kBoxes.begin(), kBoxes.end(), id) == kBoxes.end()) return 0;
      ToggleBox(dlg, id);
      RuleA(dlg);
      RuleB(dlg);
      return 1;
  }
}

int CurveFit(short* flags, short* kept, short* value1, short* value2, short* value3, short hide_error_bars,
             short hide_band, short points, short* extra) {
  if (!flags || !kept || !value1 || !value2 || !value3 || !extra) return 0;
  CurveState s{.kept = *kept,
               .value1 = *value1,
               .value2 = *value2,
               .value3 = *value3,
               .hide_error_bars = hide_error_bars,
               .hide_band = hide_band,
               .points = points,
               .extra = *extra};
  std::copy(flags, flags + kFlagCount, s.flags.begin());
  auto fallback = static_cast<short>(points > 2 ? points - 1 : 1);
  if (!InRange(s.value1, points)) s.value1 = fallback;
  if (!InRange(s.value3, points)) s.value3 = fallback;
  if (OpenDialog("DLOG_2DCURVES", StandardProc(522, s, StartCurve, CommandCurve), library().frame) != win::IDOK)
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

namespace legend {  // DLOG_Legend
enum : int {
  kShowBox = 8001,
  kBorderBox = 8002,
  // The placement radios, in placement order.
  kRight = 8003,
  kInside = 8007,
  // The mode radios, in mode order.
  kInColumns = 8008,
  kAllInOneLine = 8010,
  kPerColumnLabel = 8011,
  kPerRowLabel = 8012,
  kCountField = 8013,
};
constexpr RadioGroup kPlacements{kRight, kInside};
constexpr RadioGroup kModes{kInColumns, kAllInOneLine};
// Strings.
enum : int { kCountSetText = 3038 };
}  // namespace legend

constexpr std::size_t kCountLimit = 22;

struct LegendState {
  short show = 0, second = 0, placement = 0, mode = 0;
  long count = 0;  // as read, before it is checked against the maximum
  short max_count = 0;
  bool started = false;
};

// Rule C: which of the count's labels and the count the mode shows, while the
// legend is on. A mode outside 0-2 shows what mode 0 shows (its count is
// checked as mode 0's), so the two labels never stand over each other.
void RuleC(win::HWND dlg, const LegendState& s) {
  using namespace legend;
  if (!Checked(dlg, kShowBox)) return;
  switch (s.mode) {
    case 2: ShowDlgControls(dlg, false, {kPerColumnLabel, kPerRowLabel, kCountField}); break;
    case 1:
      ShowDlgControls(dlg, true, {kPerRowLabel, kCountField});
      ShowDlgControl(dlg, kPerColumnLabel, false);
      break;
    default:
      ShowDlgControls(dlg, true, {kPerColumnLabel, kCountField});
      ShowDlgControl(dlg, kPerRowLabel, false);
      break;
  }
}

// Everything the show box governs: the border box through the count.
void ShowLegendControls(win::HWND dlg, bool show) {
  ShowControlRange(dlg, legend::kBorderBox, legend::kCountField, show);
}

void StartLegend(win::HWND dlg, LegendState& s) {
  using namespace legend;
  s.started = false;
  Check(dlg, kShowBox, s.show != 0);
  Check(dlg, kBorderBox, s.second != 0);
  CheckGroupRadio(dlg, kPlacements, s.placement);
  CheckGroupRadio(dlg, kModes, s.mode);
  win::SetDlgItemText(dlg, kCountField, Formatted(static_cast<double>(s.count), 2));
  ShowLegendControls(dlg, s.show != 0);
  RuleC(dlg, s);
  s.started = true;
}

win::INT_PTR CommandLegend(win::HWND dlg, LegendState& s, int id, unsigned code) {
  using namespace legend;
  if (id == win::IDOK || id == win::IDCANCEL) {
    s.count = win::ParseDialogInt(FieldText(dlg, kCountField, kCountLimit), nullptr, true);
    s.show = static_cast<short>(Checked(dlg, kShowBox));
    s.second = static_cast<short>(Checked(dlg, kBorderBox));
    win::EndDialog(dlg, id);
    return 1;
  }
  if (!s.started || code != win::BN_CLICKED) return 0;
  if (id == kShowBox) {
    ShowLegendControls(dlg, ToggleBox(dlg, id));
    RuleC(dlg, s);
    return 1;
  }
  if (id == kBorderBox) {
    ToggleBox(dlg, id);
    return 1;
  }
  if (ChooseGroupRadio(dlg, kPlacements, id, s.placement)) return 1;
  if (ChooseGroupRadio(dlg, kModes, id, s.mode)) {
    ShowControlRange(dlg, kPerColumnLabel, kCountField, s.mode != 0);
    RuleC(dlg, s);
    return 1;
  }
  return 0;
}

int LegendDialog(short* show, short* second, short* placement, short* mode, short* count, short max_count) {
  if (!show || !second || !placement || !mode || !count) return 0;
  LegendState s{.show = *show,
                .second = *second,
                .placement = *placement,
                .mode = *mode,
                .count = *count <= 0 ? max_count : *count,
                .max_count = max_count};
  if (OpenDialog("DLOG_Legend", StandardProc(530, s, StartLegend, CommandLegend), library().frame) != win::IDOK)
    return 0;
  // The count is checked as read, so that no typed number wraps into the range.
  bool valid = s.count > 0 && s.count <= max_count;
  short result = 0;
  if (s.mode != 2) {
    result = valid ? static_cast<short>(s.count) : max_count;
    if (!valid) MSG_Box(2, legend::kCountSetText);
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
