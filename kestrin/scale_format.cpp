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

struct ScaleState {
  ScaleRange range{};
  short choice = 0;
  short box8009 = 0;
  short box8010 = 0;
  short hide_mode_radios = 0;
  bool started = false;
};

ScaleState& Scale() {
  static ScaleState state;
  return state;
}

constexpr short kScaleHelp = 537;
constexpr int kFirstField = 8006;   // the first value
constexpr int kSecondField = 8005;  // the second value
// Both values are read to the longest text a format writes, so nothing typed is cut.
constexpr std::size_t kValueLimit = vantrel::kFormatTextSize - 1;

void ApplyManual(win::HWND dlg, bool manual) {
  for (int id = 8003; id <= 8006; ++id) EnableControl(dlg, id, manual);
  ShowDlgControls(dlg, manual, {8007, 8008});
}

win::INT_PTR ScaleProc(win::HWND dlg, win::UINT msg, win::WPARAM wparam, win::LPARAM) {
  ScaleState& s = Scale();
  switch (msg) {
    case win::WM_INITDIALOG:
      s.started = false;
      CentreDialog(dlg);
      SetDialogFont(dlg, GetHostDialogFont());
      win::CheckRadioButton(dlg, 8001, 8002, s.range.manual != 0 ? 8002 : 8001);
      win::CheckRadioButton(dlg, 8007, 8008, s.choice != 0 ? 8007 : 8008);
      win::SetDlgItemText(dlg, kFirstField, Formatted(s.range.first, 1));
      win::SetDlgItemText(dlg, kSecondField, Formatted(s.range.second, 1));
      Check(dlg, 8009, s.box8009 != 0);
      Check(dlg, 8010, s.box8010 != 0);
      ApplyManual(dlg, s.range.manual != 0);
      if (s.hide_mode_radios != 0) ShowDlgControls(dlg, false, {8001, 8002});
      ShowHelpButton(dlg);
      s.started = true;
      return 1;
    case win::WM_HELP: return HandleHelp(msg, wparam, kScaleHelp) ? 1 : 0;
    case win::WM_COMMAND: {
      if (HandleHelp(msg, wparam, kScaleHelp)) return 1;
      int id = static_cast<int>(win::LOWORD(wparam));
      if (id == win::IDOK || id == win::IDCANCEL) {
        s.range.first = ReadDecimal(FieldText(dlg, kFirstField, kValueLimit));
        s.range.second = ReadDecimal(FieldText(dlg, kSecondField, kValueLimit));
        s.box8009 = static_cast<short>(Checked(dlg, 8009));
        s.box8010 = static_cast<short>(Checked(dlg, 8010));
        win::EndDialog(dlg, id);
        return 1;
      }
      if (!s.started || win::HIWORD(wparam) != win::BN_CLICKED) return 0;
      switch (id) {
        case 8001:
        case 8002:
          win::CheckRadioButton(dlg, 8001, 8002, id);
          s.range.manual = static_cast<short>(id == 8002);
          ApplyManual(dlg, id == 8002);
          return 1;
        case 8007:
        case 8008:
          win::CheckRadioButton(dlg, 8007, 8008, id);
          s.choice = static_cast<short>(id == 8007);
          return 1;
        case 8009:
        case 8010: ToggleBox(dlg, id); return 1;
        default: return 0;
      }
    }
    default: return 0;
  }
}

// --- Number format -----------------------------------------------------------

constexpr int kFormatList = 8000;
constexpr int kFormatSample = 8001;
constexpr double kSampleValue = 23432.789;

short& FormatSelection() {
  static short selection = 0;
  return selection;
}

void ShowSample(win::HWND dlg) {
  int selection = win::ListBox_GetCurSel(win::GetDlgItem(dlg, kFormatList));
  win::SetDlgItemText(dlg, kFormatSample, Formatted(kSampleValue, selection + 1));
}

win::INT_PTR NumberFormatProc(win::HWND dlg, win::UINT msg, win::WPARAM wparam, win::LPARAM) {
  switch (msg) {
    case win::WM_INITDIALOG: {
      CentreDialog(dlg);
      SetDialogFont(dlg, GetHostDialogFont());
      win::HWND list = win::GetDlgItem(dlg, kFormatList);
      win::ListBox_ResetContent(list);
      int count = GetSFTableSize();
      for (int i = 0; i < count; ++i) {
        std::array<char, vantrel::kFormatNameSize> name{};
        GetSFTableEntry(i, name.data());
        win::ListBox_AddString(list, name.data());
      }
      win::ListBox_SetCurSel(list, 0);  // always the first, whatever the caller passed
      ShowSample(dlg);
      return 1;
    }
    case win::WM_COMMAND: {
      int id = static_cast<int>(win::LOWORD(wparam));
      unsigned code = win::HIWORD(wparam);
      if (id == kFormatList && code == win::LBN_SELCHANGE) {
        ShowSample(dlg);
        return 1;
      }
      if (id == kFormatList && code == win::LBN_DBLCLK) id = win::IDOK;
      if (id == win::IDOK || id == win::IDCANCEL) {
        FormatSelection() = static_cast<short>(win::ListBox_GetCurSel(win::GetDlgItem(dlg, kFormatList)));
        win::EndDialog(dlg, id);
        return 1;
      }
      return 0;
    }
    default: return 0;
  }
}

// --- Axis split --------------------------------------------------------------

constexpr int kMaxMoved = 32;
constexpr int kMoveToSecond = 8000;
constexpr int kMoveToFirst = 8001;
constexpr int kFirstList = 8002;
constexpr int kSecondList = 8003;
constexpr int kSwap = 8004;
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

AxisState& Axis() {
  static AxisState state;
  return state;
}

std::string SeriesName(int chart, int series) {
  std::array<char, vantrel::kSeriesNameSize> name{};
  GetSeriesHeaderString(chart, series, name.data());
  return name.data();
}

void Append(win::HWND dlg, SeriesList& list, short series) {
  win::ListBox_AddString(win::GetDlgItem(dlg, list.id), SeriesName(Axis().chart, series));
  list.series.push_back(series);
}

void ShowMoveButtons(win::HWND dlg, const AxisState& s) {
  ShowDlgControl(dlg, kMoveToSecond, s.first_active);
  ShowDlgControl(dlg, kMoveToFirst, !s.first_active);
}

void StartAxisSplit(win::HWND dlg) {
  AxisState& s = Axis();
  for (SeriesList* list : {&s.first, &s.second}) {
    list->series.clear();
    win::ListBox_ResetContent(win::GetDlgItem(dlg, list->id));
  }
  for (std::size_t i = 0; i < s.axis.size(); ++i) Append(dlg, s.axis[i] ? s.second : s.first, static_cast<short>(i));
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

void Move(win::HWND dlg, SeriesList& from, SeriesList& to, char axis) {
  win::HWND source = win::GetDlgItem(dlg, from.id);
  int selected = win::ListBox_GetSelCount(source);
  if (selected == static_cast<int>(from.series.size())) {  // every series, or none left to move
    MSG_Box(0, 3022);
    return;
  }
  std::array<int, kMaxMoved> rows{};
  int n = win::ListBox_GetSelItems(source, rows);
  for (int k = n - 1; k >= 0; --k) {
    auto row = static_cast<std::size_t>(rows[static_cast<std::size_t>(k)]);
    short series = from.series[row];
    from.series.erase(from.series.begin() + static_cast<std::ptrdiff_t>(row));
    Axis().axis[static_cast<std::size_t>(series)] = axis;
    Append(dlg, to, series);
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

win::INT_PTR CommandAxisSplit(win::HWND dlg, int id, unsigned code) {
  AxisState& s = Axis();
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
      if (id == kMoveToSecond) Move(dlg, s.first, s.second, 1);
      else Move(dlg, s.second, s.first, 0);
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
  kestrin::ScaleState& s = kestrin::Scale();
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
  if (kestrin::OpenDialog("DLOG_ScaleRange", kestrin::ScaleProc, kestrin::library().frame) != win::IDOK) return 0;
  std::memcpy(range, &s.range, sizeof s.range);
  *choice = s.choice;
  *box8009 = s.box8009;
  *box8010 = s.box8010;
  return 1;
}

int DLOG_NumberFormat(short* format) {
  if (!format) return 0;
  if (kestrin::OpenDialog("DLOG_NumberFormat", kestrin::NumberFormatProc, kestrin::library().frame) != win::IDOK)
    return 0;
  *format = static_cast<short>(kestrin::FormatSelection() + 1);
  return 1;
}

int DLOG_AxisSplit(int chart, int seriesCount, char* axisOfSeries) {
  if (!axisOfSeries) return 0;
  kestrin::AxisState& s = kestrin::Axis();
  s.chart = chart;
  s.axis.assign(static_cast<std::size_t>(std::max<short>(kestrin::Switch(seriesCount), 0)), 0);
  for (std::size_t i = 0; i < s.axis.size(); ++i) s.axis[i] = axisOfSeries[i] != 0 ? 1 : 0;
  if (kestrin::OpenDialog("DLOG_AxisSplit",
                          kestrin::StandardProc({kestrin::kAxisHelp, kestrin::StartAxisSplit,
                                                 kestrin::CommandAxisSplit}),
                          kestrin::library().frame) != win::IDOK)
    return 0;
  std::copy(s.axis.begin(), s.axis.end(), axisOfSeries);
  return 1;
}

}  // extern "C"
