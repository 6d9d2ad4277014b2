// SPDX-License-Identifier: MIT
#include "hosts/charthost/option_dialogs.h"

#include "kestrin/kestrin.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace charthost {
namespace {

template <class T>
std::optional<T> Parse(std::string_view text) {
  T v{};
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
  if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return v;
}

// Positional arguments: numbers, and lists of 16-bit values ("1,0,1"); a
// missing argument takes its default.
class Args {
 public:
  Args(std::span<const std::string> args, std::ostream& err) : args_(args), err_(err) {}

  std::vector<short> List(std::size_t index, std::size_t count) {
    std::vector<short> values(count, 0);
    if (index >= args_.size()) return values;
    std::string_view text = args_[index];
    for (std::size_t i = 0; !text.empty() && i < count; ++i) {
      std::size_t comma = text.find(',');
      std::string_view item = text.substr(0, comma);
      if (auto v = Parse<long>(item)) values[i] = static_cast<short>(*v);
      else Bad(index, item);
      text = comma == std::string_view::npos ? std::string_view() : text.substr(comma + 1);
    }
    return values;
  }
  long Int(std::size_t index, long fallback = 0) {
    if (index >= args_.size()) return fallback;
    if (auto v = Parse<long>(args_[index])) return *v;
    Bad(index, args_[index]);
    return fallback;
  }
  short Short(std::size_t index, long fallback = 0) { return static_cast<short>(Int(index, fallback)); }
  double Real(std::size_t index, double fallback = 0) {
    if (index >= args_.size()) return fallback;
    if (auto v = Parse<double>(args_[index])) return *v;
    Bad(index, args_[index]);
    return fallback;
  }
  bool ok() const { return ok_; }

 private:
  void Bad(std::size_t index, std::string_view text) {
    err_ << "argument " << index + 1 << ": not a number: " << text << "\n";
    ok_ = false;
  }
  std::span<const std::string> args_;
  std::ostream& err_;
  bool ok_ = true;
};

// A number in its shortest form that reads back exactly.
std::string Shortest(double value) {
  char text[32];
  auto [end, ec] = std::to_chars(text, text + sizeof text, value);
  return ec == std::errc() ? std::string(text, end) : std::string("?");
}

void Print(std::ostream& out, const char* name, const std::vector<short>& values) {
  out << " " << name << "=";
  for (std::size_t i = 0; i < values.size(); ++i) out << (i ? "," : "") << values[i];
}

// Once the arguments parsed: "result=", then what call prints (the result
// and the values written back), on one line.
template <class Call>
bool Run(Args& a, std::ostream& out, Call call) {
  if (!a.ok()) return false;
  out << "result=";
  call();
  out << "\n";
  return true;
}

template <int (*Dialog)(short*, short*, short*)>
bool FlagsPositionFormat(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
  Args a(args, err);
  auto flags = a.List(0, 11);
  short position = a.Short(1), format = a.Short(2, 1);
  return Run(a, out, [&] {
    int r = Dialog(flags.data(), &position, &format);
    Print(out << r, "flags", flags);
    out << " position=" << position << " format=" << format;
  });
}

bool HiloDisp(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
  Args a(args, err);
  auto flags = a.List(0, 17);
  short position = a.Short(1), format = a.Short(2, 1), style = a.Short(3);
  int show = static_cast<int>(a.Int(4)), allow1 = static_cast<int>(a.Int(5)), allow2 = static_cast<int>(a.Int(6));
  return Run(a, out, [&] {
    int r = DLOG_HiloDisp(flags.data(), &position, &format, &style, show, allow1, allow2);
    Print(out << r, "flags", flags);
    out << " position=" << position << " format=" << format << " style=" << style;
  });
}

bool ScatDisp(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
  Args a(args, err);
  auto flags = a.List(0, 17);
  short offset1 = a.Short(1), offset2 = a.Short(2), format = a.Short(3, 1);
  int allow = static_cast<int>(a.Int(4)), show = static_cast<int>(a.Int(5));
  return Run(a, out, [&] {
    int r = DLOG_ScatDisp(flags.data(), &offset1, &offset2, &format, allow, show);
    Print(out << r, "flags", flags);
    out << " offsets=" << offset1 << "," << offset2 << " format=" << format;
  });
}

bool BarDisp(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
  Args a(args, err);
  auto flags = a.List(0, 20);
  short position = a.Short(1), format = a.Short(2, 1);
  int show = static_cast<int>(a.Int(3)), pair = static_cast<int>(a.Int(4));
  return Run(a, out, [&] {
    int r = DLOG_BarDisp(flags.data(), &position, &format, show, pair);
    Print(out << r, "flags", flags);
    out << " position=" << position << " format=" << format;
  });
}

// Flags and up to one switch.
template <std::size_t Count, class Call>
bool FlagsAndSwitch(std::span<const std::string> args, std::ostream& out, std::ostream& err, Call call) {
  Args a(args, err);
  auto flags = a.List(0, Count);
  int switch1 = static_cast<int>(a.Int(1));
  return Run(a, out, [&] {
    int r = call(flags.data(), switch1);
    Print(out << r, "flags", flags);
  });
}

bool PieDisp(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
  return FlagsAndSwitch<9>(args, out, err, [](short* f, int s) { return DLOG_PieDisp(f, s); });
}
bool ThreeDDisp(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
  return FlagsAndSwitch<14>(args, out, err, [](short* f, int) { return DLOG_3DDisp(f); });
}
bool ThreeDScDisp(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
  return FlagsAndSwitch<16>(args, out, err, [](short* f, int s) { return DLOG_3DScDisp(f, s); });
}
bool DisplayOptions2D(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
  return FlagsAndSwitch<14>(args, out, err, [](short* f, int) { return DLOG_DisplayOptions2D(f); });
}

bool BarDisplayOptions(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
  Args a(args, err);
  auto record = a.List(0, 6);
  short position = a.Short(1), format = a.Short(2);
  return Run(a, out, [&] {
    int r = DLOG_BarDisplayOptions(record.data(), &position, &format);
    Print(out << r, "record", record);
    out << " position=" << position << " format=" << format;
  });
}

bool GridLines2D(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
  Args a(args, err);
  auto record = a.List(0, 7);
  return Run(a, out, [&] {
    int r = DLOG_2DGridLines(record.data());
    Print(out << r, "record", record);
  });
}

bool GridLines3D(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
  Args a(args, err);
  auto boxes = a.List(0, 6);
  short mode = a.Short(1), count = a.Short(2);
  return Run(a, out, [&] {
    int r = DLOG_3DGridLines(boxes.data(), &mode, &count);
    Print(out << r, "boxes", boxes);
    out << " mode=" << mode << " count=" << count;
  });
}

bool GridLines3DScatter(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
  Args a(args, err);
  auto boxes = a.List(0, 3);
  short mode = a.Short(1);
  std::vector<short> counts{a.Short(2), a.Short(3), a.Short(4)};
  return Run(a, out, [&] {
    int r = DLOG_3DSCGridLines(boxes.data(), &mode, &counts[0], &counts[1], &counts[2]);
    Print(out << r, "boxes", boxes);
    out << " mode=" << mode;
    Print(out, "counts", counts);
  });
}

bool Text3D(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
  Args a(args, err);
  std::vector<short> v{a.Short(0), a.Short(1), a.Short(2), a.Short(3)};
  int variant = static_cast<int>(a.Int(4));
  return Run(a, out, [&] {
    int r = DLOG_3DText(&v[0], &v[1], &v[2], &v[3], variant);
    Print(out << r, "values", v);
  });
}

bool ScaleRangeDialog(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
  Args a(args, err);
  ScaleRange range{a.Short(0), a.Real(1), a.Real(2, 100)};
  short choice = a.Short(3), box8010 = a.Short(4), box8009 = a.Short(5);
  int hide = static_cast<int>(a.Int(6)), swap = static_cast<int>(a.Int(7));
  return Run(a, out, [&] {
    int r = DLOG_ScaleRange(&range, &choice, &box8010, &box8009, hide, swap);
    double first = range.first, second = range.second;
    out << r << " manual=" << range.manual << " first=" << Shortest(first) << " second=" << Shortest(second)
        << " choice=" << choice
        << " box8010=" << box8010 << " box8009=" << box8009;
  });
}

bool NumberFormat(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
  Args a(args, err);
  short format = a.Short(0, 1);
  return Run(a, out, [&] {
    int r = DLOG_NumberFormat(&format);
    out << r << " format=" << format;
  });
}

bool AxisSplit(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
  Args a(args, err);
  // Without axes, three series with the last on the second axis.
  std::size_t count = args.empty() ? 0 : static_cast<std::size_t>(std::count(args[0].begin(), args[0].end(), ',')) + 1;
  std::vector<short> axes = args.empty() ? std::vector<short>{0, 0, 1} : a.List(0, count);
  int chart = static_cast<int>(a.Int(1));
  return Run(a, out, [&] {
    std::vector<char> bytes(axes.begin(), axes.end());
    int r = DLOG_AxisSplit(chart, static_cast<int>(bytes.size()), bytes.data());
    std::vector<short> back(bytes.begin(), bytes.end());
    Print(out << r, "axes", back);
  });
}

bool HistIntv(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
  Args a(args, err);
  std::vector<short> record(6, 0);
  record[1] = a.Short(0);
  record[5] = a.Short(1);
  return Run(a, out, [&] {
    int r = DLOG_HistIntv(record.data());
    out << r << " mode=" << record[1] << " count=" << record[5];
  });
}

template <std::size_t Count, int (*Dialog)(short*)>
bool RecordDialog(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
  Args a(args, err);
  auto record = a.List(0, Count);
  return Run(a, out, [&] {
    int r = Dialog(record.data());
    Print(out << r, "record", record);
  });
}

bool CurveFit(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
  Args a(args, err);
  auto flags = a.List(0, 19);
  short kept = a.Short(1), v1 = a.Short(2), v2 = a.Short(3), v3 = a.Short(4);
  int hide4 = static_cast<int>(a.Int(5)), hide5 = static_cast<int>(a.Int(6)), points = static_cast<int>(a.Int(7, 10));
  short extra = a.Short(8);
  return Run(a, out, [&] {
    int r = DLOG_CurveFit(flags.data(), &kept, &v1, &v2, &v3, hide4, hide5, points, 0, &extra);
    Print(out << r, "flags", flags);
    out << " kept=" << kept << " values=" << v1 << "," << v2 << "," << v3 << " extra=" << extra;
  });
}

bool Legend(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
  Args a(args, err);
  std::vector<short> v{a.Short(0, 1), a.Short(1), a.Short(2), a.Short(3), a.Short(4)};
  int max = static_cast<int>(a.Int(5, 6));
  return Run(a, out, [&] {
    int r = DLOG_Legend(&v[0], &v[1], &v[2], &v[3], &v[4], max);
    out << r << " show=" << v[0] << " second=" << v[1] << " placement=" << v[2] << " mode=" << v[3]
        << " count=" << v[4];
  });
}

const std::array<DialogEntry, 23> kOptionDialogs{{
    {"DLOG_SpecDisp", "FLAGS POSITION FORMAT", AfterTheDialog<FlagsPositionFormat<DLOG_SpecDisp>>},
    {"DLOG_HiloDisp", "FLAGS POSITION FORMAT STYLE SHOWBOXES ALLOW1 ALLOW2", AfterTheDialog<HiloDisp>},
    {"DLOG_ScatDisp", "FLAGS OFFSET1 OFFSET2 FORMAT ALLOW8016 SHOWBOXES", AfterTheDialog<ScatDisp>},
    {"DLOG_HistDisp", "FLAGS POSITION FORMAT", AfterTheDialog<FlagsPositionFormat<DLOG_HistDisp>>},
    {"DLOG_BarDisp", "FLAGS POSITION FORMAT SHOWBOXES ALLOWPAIR", AfterTheDialog<BarDisp>},
    {"DLOG_PieDisp", "FLAGS ALLOW8007", AfterTheDialog<PieDisp>},
    {"DLOG_3DDisp", "FLAGS", AfterTheDialog<ThreeDDisp>},
    {"DLOG_3DScDisp", "FLAGS SHOW8010", AfterTheDialog<ThreeDScDisp>},
    {"DLOG_DisplayOptions2D", "FLAGS", AfterTheDialog<DisplayOptions2D>},
    {"DLOG_BarDisplayOptions", "RECORD(6) POSITION FORMAT(0-based)", AfterTheDialog<BarDisplayOptions>},
    {"DLOG_2DGridLines", "RECORD(reserved,kind,group2,style1,style2,count1,count2)", AfterTheDialog<GridLines2D>},
    {"DLOG_3DGridLines", "BOXES(6) MODE COUNT", AfterTheDialog<GridLines3D>},
    {"DLOG_3DSCGridLines", "BOXES(3) MODE COUNT1 COUNT2 COUNT3", AfterTheDialog<GridLines3DScatter>},
    {"DLOG_3DText", "BOX1 CHOICE1 BOX2 CHOICE2 VARIANT", AfterTheDialog<Text3D>},
    {"DLOG_ScaleRange", "MANUAL FIRST SECOND CHOICE BOX8010 BOX8009 HIDEMODE SWAP", AfterTheDialog<ScaleRangeDialog>},
    {"DLOG_NumberFormat", "FORMAT", AfterTheDialog<NumberFormat>},
    {"DLOG_AxisSplit", "AXES(one 0/1 per series) CHART", AfterTheDialog<AxisSplit>},
    {"DLOG_HistIntv", "MODE COUNT", AfterTheDialog<HistIntv>},
    {"DLOG_TablDiv", "RECORD(mode,v1,v2,v3,flag)", AfterTheDialog<RecordDialog<5, DLOG_TablDiv>>},
    {"DLOG_TablStat", "RECORD(3)", AfterTheDialog<RecordDialog<3, DLOG_TablStat>>},
    {"DLOG_TablLine", "FLAGS(16)", AfterTheDialog<RecordDialog<16, DLOG_TablLine>>},
    {"DLOG_CurveFit", "FLAGS(19) KEPT V1 V2 V3 HIDE8004 HIDE8005 POINTS EXTRA", AfterTheDialog<CurveFit>},
    {"DLOG_Legend", "SHOW SECOND PLACEMENT MODE COUNT MAX", AfterTheDialog<Legend>},
}};

}  // namespace

std::span<const DialogEntry> OptionDialogs() {
  return kOptionDialogs;
}

}  // namespace charthost
