// SPDX-License-Identifier: MIT
// The axis dialogs: the scale range, the standard number format and which
// series go on the second value axis.

#include "kestrin/dialog_kit.h"
#include "kestrin/frame.h"
#include "kestrin/kestrin.h"
#include "platform/vantrel/vantrel.h"
#include "platform/win/controls.h"
#include "platform/win/dialog.h"
#include "platform/win/multiselect_list.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <string>
#include <vector>

namespace kestrin {
namespace {

// --- Scale range -------------------------------------------------------------

namespace scale {  // DLOG_ScaleRange
enum : int {
  kAutomatic = 8001,
  kManual = 8002,
  kFromLabel = 8003,
  kToLabel = 8004,
  kSecondField = 8005,  // "To": the second value
  kFirstField = 8006,   // "From": the first value
  kRoundValues = 8007,
  kExactValues = 8008,
  kReverseBox = 8009,
  kLogarithmicBox = 8010,
};
}  // namespace scale

struct ScaleState {
  ScaleRange range{};
  short choice = 0;
  short box8009 = 0;
  short box8010 = 0;
  short hide_mode_radios = 0;
  bool started = false;
};

// Both values are read to the longest text a format writes, so nothing typed is cut.
constexpr std::size_t kValueLimit = vantrel::kFormatTextSize - 1;

void ApplyManual(win::HWND dlg, bool manual) {
  using namespace scale;
  for (int id : {kFromLabel, kToLabel, kSecondField, kFirstField}) EnableControl(dlg, id, manual);
  ShowDlgControls(dlg, manual, {kRoundValues, kExactValues});
}

void StartScale(win::HWND dlg, ScaleState& s) {
  using namespace scale;
  s.started = false;
  win::CheckRadioButton(dlg, kAutomatic, kManual, s.range.manual != 0 ? kManual : kAutomatic);
  win::CheckRadioButton(dlg, kRoundValues, kExactValues, s.choice != 0 ? kRoundValues : kExactValues);
  win::SetDlgItemText(dlg, kFirstField, Formatted(s.range.first, 1));
  win::SetDlgItemText(dlg, kSecondField, Formatted(s.range.second, 1));
  Check(dlg, kReverseBox, s.box8009 != 0);
  Check(dlg, kLogarithmicBox, s.box8010 != 0);
  ApplyManual(dlg, s.range.manual != 0);
  if (s.hide_mode_radios != 0) ShowDlgControls(dlg, false, {kAutomatic, kManual});
  s.started = true;
}

win::INT_PTR CommandScale(win::HWND dlg, ScaleState& s, int id, unsigned code) {
  using namespace scale;
  if (id == win::IDOK || id == win::IDCANCEL) {
    s.range.first = ReadDecimal(FieldText(dlg, kFirstField, kValueLimit));
    s.range.second = ReadDecimal(FieldText(dlg, kSecondField, kValueLimit));
    s.box8009 = static_cast<short>(Checked(dlg, kReverseBox));
    s.box8010 = static_cast<short>(Checked(dlg, kLogarithmicBox));
    win::EndDialog(dlg, id);
    return 1;
  }
  if (!s.started || code != win::BN_CLICKED) return 0;
  switch (id) {
    case kAutomatic:
    case kManual:
      win::CheckRadioButton(dlg, kAutomatic, kManual, id);
      s.range.manual = static_cast<short>(id == kManual);
      ApplyManual(dlg, id == kManual);
      return 1;
    case kRoundValues:
    case kExactValues:
      win::CheckRadioButton(dlg, kRoundValues, kExactValues, id);
      s.choice = static_cast<short>(id == kRoundValues);
      return 1;
    case kReverseBox:
    case kLogarithmicBox: ToggleBox(dlg, id); return 1;
    default: return 0;
  }
}

// --- Number format -----------------------------------------------------------

namespace number_format {  // DLOG_NumberFormat
enum : int {
  kList = 8000,
  kSample = 8001,
};
}  // namespace number_format

constexpr double kSampleValue = 23432.789;

void ShowSample(win::HWND dlg) {
  int selection = win::ListBox_GetCurSel(win::GetDlgItem(dlg, number_format::kList));
  win::SetDlgItemText(dlg, number_format::kSample, Formatted(kSampleValue, selection + 1));
}

void StartNumberFormat(win::HWND dlg, short&) {
  win::HWND list = win::GetDlgItem(dlg, number_format::kList);
  win::ListBox_ResetContent(list);
  int count = GetSFTableSize();
  for (int i = 0; i < count; ++i) {
    std::array<char, vantrel::kFormatNameSize> name{};
    GetSFTableEntry(i, name.data());
    win::ListBox_AddString(list, name.data());
  }
  win::ListBox_SetCurSel(list, 0);  // always the first, whatever the caller passed
  ShowSample(dlg);
}

win::INT_PTR CommandNumberFormat(win::HWND dlg, short& selection, int id, unsigned code) {
  if (id == number_format::kList && code == win::LBN_SELCHANGE) {
    ShowSample(dlg);
    return 1;
  }
  if (id == number_format::kList && code == win::LBN_DBLCLK) id = win::IDOK;
  if (id == win::IDOK || id == win::IDCANCEL) {
    selection = static_cast<short>(win::ListBox_GetCurSel(win::GetDlgItem(dlg, number_format::kList)));
    win::EndDialog(dlg, id);
    return 1;
  }
  return 0;
}

// --- Axis split --------------------------------------------------------------

namespace axis_split {  // DLOG_AxisSplit
enum : int {
  kMoveToSecond = 8000,
  kMoveToFirst = 8001,
  kFirstList = 8002,
  kSecondList = 8003,
  kSwap = 8004,
};
// Strings.
enum : int { kEveryText = 3022 };
}  // namespace axis_split
using namespace axis_split;

constexpr int kMaxMoved = 32;
constexpr short kAxisHelp = 518;

// One list of series: the list box and which series each of its rows is.
struct SeriesList {
  int id = 0;
  std::vector<short> series;
};

// Every series the caller passes (up to 32767, the count's 16 bits) is listed.
struct AxisState {
  int chart = 0;
  std::vector<char> axis;  // per series: 0 first axis, 1 second
  SeriesList first{kFirstList, {}};
  SeriesList second{kSecondList, {}};
  bool first_active = true;
  bool two_series = false;  // exactly two series on different axes: only the swap button
};

std::string SeriesName(int chart, int series) {
  std::array<char, vantrel::kSeriesNameSize> name{};
  GetSeriesHeaderString(chart, series, name.data());
  return name.data();
}

void Append(win::HWND dlg, int chart, SeriesList& list, short series) {
  win::ListBox_AddString(win::GetDlgItem(dlg, list.id), SeriesName(chart, series));
  list.series.push_back(series);
}

void ShowMoveButtons(win::HWND dlg, const AxisState& s) {
  ShowDlgControl(dlg, kMoveToSecond, s.first_active);
  ShowDlgControl(dlg, kMoveToFirst, !s.first_active);
}

void StartAxisSplit(win::HWND dlg, AxisState& s) {
  for (SeriesList* list : {&s.first, &s.second}) {
    list->series.clear();
    win::ListBox_ResetContent(win::GetDlgItem(dlg, list->id));
  }
  for (std::size_t i = 0; i < s.axis.size(); ++i)
    Append(dlg, s.chart, s.axis[i] ? s.second : s.first, static_cast<short>(i));
  s.first_active = !s.first.series.empty();
  s.two_series = s.axis.size() == 2 && s.axis[0] != s.axis[1];
  if (s.two_series) {
    ShowDlgControls(dlg, false, {kMoveToSecond, kMoveToFirst});
    ShowDlgControl(dlg, kSwap, true);
  } else {
    ShowDlgControl(dlg, kSwap, false);
    ShowMoveButtons(dlg, s);
  }
}

void Move(win::HWND dlg, AxisState& s, SeriesList& from, SeriesList& to, char axis) {
  win::HWND source = win::GetDlgItem(dlg, from.id);
  int selected = win::ListBox_GetSelCount(source);
  if (selected == static_cast<int>(from.series.size())) {  // every series, or none left to move
    MSG_Box(0, kEveryText);
    return;
  }
  std::array<int, kMaxMoved> rows{};
  int n = win::ListBox_GetSelItems(source, rows);
  for (int k = n - 1; k >= 0; --k) {
    auto row = static_cast<std::size_t>(rows[static_cast<std::size_t>(k)]);
    short series = from.series[row];
    from.series.erase(from.series.begin() + static_cast<std::ptrdiff_t>(row));
    s.axis[static_cast<std::size_t>(series)] = axis;
    Append(dlg, s.chart, to, series);
    win::ListBox_DeleteString(source, static_cast<int>(row));
  }
  win::ListBox_SetSel(source, false, -1);
}

// Gives a list's first row another text, the others unchanged.
void ReplaceFirstRow(win::HWND list, const std::string& text) {
  std::vector<std::string> rows{text};
  for (int i = 1; i < win::ListBox_GetCount(list); ++i) rows.push_back(win::ListBox_GetText(list, i));
  win::ListBox_ResetContent(list);
  for (const std::string& row : rows) win::ListBox_AddString(list, row);
}

void Swap(win::HWND dlg, AxisState& s) {
  if (s.first.series.empty() || s.second.series.empty()) return;
  win::HWND first = win::GetDlgItem(dlg, kFirstList);
  win::HWND second = win::GetDlgItem(dlg, kSecondList);
  std::string first_name = win::ListBox_GetText(first, 0);
  ReplaceFirstRow(first, win::ListBox_GetText(second, 0));
  ReplaceFirstRow(second, first_name);
  std::swap(s.first.series[0], s.second.series[0]);
  std::swap(s.axis[0], s.axis[1]);
}

win::INT_PTR CommandAxisSplit(win::HWND dlg, AxisState& s, int id, unsigned code) {
  switch (id) {
    case win::IDOK:
    case win::IDCANCEL: win::EndDialog(dlg, id); return 1;
    case kFirstList:
    case kSecondList: {
      bool to_first = id == kFirstList;
      if (code != win::LBN_SELCHANGE || s.two_series || s.first_active == to_first) return 0;
      s.first_active = to_first;
      ShowMoveButtons(dlg, s);
      win::ListBox_SetSel(win::GetDlgItem(dlg, to_first ? kSecondList : kFirstList), false, -1);
      return 1;
    }
    case kMoveToSecond:
    case kMoveToFirst:
      if (code != win::BN_CLICKED) return 0;
      if (id == kMoveToSecond) Move(dlg, s, s.first, s.second, 1);
      else Move(dlg, s, s.second, s.first, 0);
      return 1;
    case kSwap:
      if (code != win::BN_CLICKED) return 0;
      Swap(dlg, s);
      return 1;
    default: return 0;
  }
}

}  // namespace
}  // namespace kestrin

extern "C" {

int DLOG_ScaleRange(ScaleRange* range, short* choice, short* box8010, short* box8009, int hideModeRadios,
                    int swap) {
  if (!range || !choice || !box8010 || !box8009) return 0;
  kestrin::ScaleState s;
  std::memcpy(&s.range, range, sizeof s.range);
  if (kestrin::Switch(swap) != 0) {
    double first = s.range.first;
    s.range.first = s.range.second;
    s.range.second = first;
  }
  s.choice = *choice;
  s.box8009 = *box8009;
  s.box8010 = *box8010;
  s.hide_mode_radios = kestrin::Switch(hideModeRadios);
  if (kestrin::OpenDialog("DLOG_ScaleRange",
                          kestrin::StandardProc(537, s, kestrin::StartScale, kestrin::CommandScale),
                          kestrin::library().frame) != win::IDOK)
    return 0;
  std::memcpy(range, &s.range, sizeof s.range);
  *choice = s.choice;
  *box8009 = s.box8009;
  *box8010 = s.box8010;
  return 1;
}

int DLOG_NumberFormat(short* format) {
  if (!format) return 0;
  short selection = 0;
  // No help: the dialog has no Help button and F1 does nothing.
  if (kestrin::OpenDialog("DLOG_NumberFormat",
                          kestrin::StandardProc(0, selection, kestrin::StartNumberFormat,
                                                kestrin::CommandNumberFormat),
                          kestrin::library().frame) != win::IDOK)
    return 0;
  *format = static_cast<short>(selection + 1);
  return 1;
}

int DLOG_AxisSplit(int chart, int seriesCount, char* axisOfSeries) {
  if (!axisOfSeries) return 0;
  kestrin::AxisState s;
  s.chart = chart;
  s.axis.assign(static_cast<std::size_t>(std::max<short>(kestrin::Switch(seriesCount), 0)), 0);
  for (std::size_t i = 0; i < s.axis.size(); ++i) s.axis[i] = axisOfSeries[i] != 0 ? 1 : 0;
  if (kestrin::OpenDialog("DLOG_AxisSplit",
                          kestrin::StandardProc(kestrin::kAxisHelp, s, kestrin::StartAxisSplit,
                                                kestrin::CommandAxisSplit),
                          kestrin::library().frame) != win::IDOK)
    return 0;
  std::copy(s.axis.begin(), s.axis.end(), axisOfSeries);
  return 1;
}

}  // extern "C"
