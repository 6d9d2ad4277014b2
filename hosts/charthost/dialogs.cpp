// SPDX-License-Identifier: MIT
#include "hosts/charthost/dialogs.h"
#include "hosts/charthost/option_dialogs.h"

#include "kestrin/kestrin.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <optional>

namespace charthost {
namespace {

std::optional<long> Number(std::string_view text) {
  long v = 0;
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
  if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return v;
}

// Positional arguments with defaults; flags as a comma-separated list.
class Args {
 public:
  Args(std::span<const std::string> args, std::ostream& err) : args_(args), err_(err) {}

  std::vector<short> Flags(std::size_t index, std::size_t count) {
    std::vector<short> flags(std::max<std::size_t>(count, 32), 0);
    if (index >= args_.size()) return flags;
    std::string_view text = args_[index];
    std::size_t i = 0;
    while (!text.empty() && i < flags.size()) {
      std::size_t comma = text.find(',');
      std::string_view item = text.substr(0, comma);
      auto v = Number(item);
      if (!v) Bad(index, item);
      else flags[i] = static_cast<short>(*v);
      ++i;
      text = comma == std::string_view::npos ? std::string_view() : text.substr(comma + 1);
    }
    return flags;
  }

  long Int(std::size_t index, long fallback) {
    if (index >= args_.size()) return fallback;
    auto v = Number(args_[index]);
    if (!v) {
      Bad(index, args_[index]);
      return fallback;
    }
    return *v;
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

void PrintFlags(std::ostream& out, const std::vector<short>& flags, std::size_t count) {
  out << " flags=";
  for (std::size_t i = 0; i < count; ++i) out << (i ? "," : "") << flags[i];
}

template <class Call>
bool RunLabels(std::span<const std::string> args, std::ostream& out, std::ostream& err, std::size_t flag_count,
               Call call, const short* style = nullptr) {
  Args a(args, err);
  auto flags = a.Flags(0, flag_count);
  auto position = static_cast<short>(a.Int(1, 0));
  auto format = static_cast<short>(a.Int(2, 1));
  if (!a.ok()) return false;
  int result = call(a, flags.data(), &position, &format);
  if (!a.ok()) return false;
  out << "result=" << result;
  PrintFlags(out, flags, flag_count);
  out << " position=" << position << " format=" << format;
  if (style) out << " style=" << *style;
  out << "\n";
  return true;
}

int Switch(Args& a, std::size_t index, long fallback = 0) { return static_cast<int>(a.Int(index, fallback)); }

bool ScatOpt(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
  return RunLabels(args, out, err, 1, [](Args&, short* f, short* p, short* fm) { return DLOG_ScatOpt(f, p, fm); });
}

bool SpecOpt(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
  return RunLabels(args, out, err, 1, [](Args&, short* f, short* p, short* fm) { return DLOG_SpecOpt(f, p, fm); });
}

bool BarOpt(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
  return RunLabels(args, out, err, 3, [](Args& a, short* f, short* p, short* fm) {
    return DLOG_BarOpt(f, p, fm, Switch(a, 3), Switch(a, 4));
  });
}

bool HistOpt(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
  return RunLabels(args, out, err, 2,
                   [](Args& a, short* f, short* p, short* fm) { return DLOG_HistOpt(f, p, fm, Switch(a, 3)); });
}

bool LineOpt(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
  return RunLabels(args, out, err, 2, [](Args& a, short* f, short* p, short* fm) {
    return DLOG_LineOpt(f, p, fm, Switch(a, 3), Switch(a, 4));
  });
}

bool AreaOpt(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
  return RunLabels(args, out, err, 1, [](Args&, short* f, short* p, short* fm) { return DLOG_AreaOpt(f, p, fm); });
}

bool HiloOpt(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
  short style = 0;
  return RunLabels(
      args, out, err, 2,
      [&](Args& a, short* f, short* p, short* fm) {
        style = static_cast<short>(a.Int(3, 0));
        return DLOG_HiloOpt(f, p, fm, &style, Switch(a, 4), Switch(a, 5), Switch(a, 6));
      },
      &style);
}

bool MsgBox(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
  Args a(args, err);
  int type = static_cast<int>(a.Int(0, 0));
  int text = static_cast<int>(a.Int(1, 3022));
  if (!a.ok()) return false;
  out << "result=" << MSG_Box(type, text) << "\n";
  return true;
}

// A colour as "R,G,B" (16-bit channels); the fallback when the argument is missing.
RGBColor Colour(Args& a, std::span<const std::string> args, std::size_t index, RGBColor fallback) {
  if (index >= args.size()) return fallback;
  auto c = a.Flags(index, 3);
  return RGBColor{static_cast<unsigned short>(c[0]), static_cast<unsigned short>(c[1]),
                  static_cast<unsigned short>(c[2])};
}

void PrintColour(std::ostream& out, const char* name, const RGBColor& c) {
  out << " " << name << "=" << c.red << "," << c.green << "," << c.blue;
}

bool SelectRgb(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
  Args a(args, err);
  RGBColor colour = Colour(a, args, 0, {0, 0, 0});
  if (!a.ok()) return false;
  out << "result=" << DLOG_SelectRGB(nullptr, &colour, 0);
  PrintColour(out, "colour", colour);
  out << "\n";
  return true;
}

bool ColourRange(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
  Args a(args, err);
  auto steps = static_cast<short>(a.Int(0, 5));
  RGBColor from = Colour(a, args, 1, {65535, 0, 0});
  RGBColor to = Colour(a, args, 2, {0, 0, 65535});
  int max_steps = Switch(a, 3, 16);
  if (!a.ok()) return false;
  out << "result=" << ColorRangeDlog(&steps, &from, &to, max_steps) << " steps=" << steps;
  PrintColour(out, "from", from);
  PrintColour(out, "to", to);
  out << "\n";
  return true;
}

bool WhichHilo(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
  Args a(args, err);
  auto choice = static_cast<short>(a.Int(0, 0));
  int show3 = Switch(a, 1, 1), show4 = Switch(a, 2, 1);
  if (!a.ok()) return false;
  out << "result=" << DLOG_WhichHilo(&choice, show3, show4) << " choice=" << choice << "\n";
  return true;
}

bool DataOrient(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
  Args a(args, err);
  auto first = static_cast<short>(a.Int(0, 0));
  auto second = static_cast<short>(a.Int(1, 0));
  if (!a.ok()) return false;
  out << "result=" << DLOG_DataOrientDlog(&first, &second) << " first=" << first << " second=" << second << "\n";
  return true;
}

// A text argument copied into a prompt's buffer (at least 33 bytes).
std::array<char, 256> Text(std::span<const std::string> args, std::size_t index, const char* fallback) {
  std::array<char, 256> buffer{};
  std::string text = index < args.size() ? args[index] : fallback;
  text.copy(buffer.data(), buffer.size() - 1);
  return buffer;
}

bool Get1Value(std::span<const std::string> args, std::ostream& out, std::ostream&) {
  auto label = Text(args, 0, "Value:");
  auto value = Text(args, 1, "");
  out << "result=" << DLOG_Get1Value(label.data(), value.data()) << " value=\"" << value.data() << "\"\n";
  return true;
}

bool Get2Values(std::span<const std::string> args, std::ostream& out, std::ostream&) {
  auto label1 = Text(args, 0, "First value:"), label2 = Text(args, 1, "Second value:");
  auto value1 = Text(args, 2, ""), value2 = Text(args, 3, "");
  out << "result=" << DLOG_Get2Values(label1.data(), label2.data(), value1.data(), value2.data()) << " value1=\""
      << value1.data() << "\" value2=\"" << value2.data() << "\"\n";
  return true;
}

bool PieFeeler(std::span<const std::string> args, std::ostream& out, std::ostream& err) {
  Args a(args, err);
  auto p1 = static_cast<short>(a.Int(0, 50));
  auto p2 = static_cast<short>(a.Int(1, 50));
  auto p3 = static_cast<short>(a.Int(2, 50));
  int flag = Switch(a, 3, 1);
  if (!a.ok()) return false;
  out << "result=" << DLOG_PieFeeler(&p1, &p2, &p3, &flag) << " p1=" << p1 << " p2=" << p2 << " p3=" << p3
      << " flag=" << flag << "\n";
  return true;
}

constexpr std::array<DialogEntry, 15> kDialogs{{
    {"DLOG_ScatOpt", "FLAGS POSITION FORMAT", AfterTheDialog<ScatOpt>},
    {"DLOG_SpecOpt", "FLAGS POSITION FORMAT", AfterTheDialog<SpecOpt>},
    {"DLOG_BarOpt", "FLAGS POSITION FORMAT HIDE8002 HIDE8001", AfterTheDialog<BarOpt>},
    {"DLOG_HistOpt", "FLAGS POSITION FORMAT HIDE8101", AfterTheDialog<HistOpt>},
    {"DLOG_LineOpt", "FLAGS POSITION FORMAT UNUSED HIDE8001", AfterTheDialog<LineOpt>},
    {"DLOG_AreaOpt", "FLAGS POSITION FORMAT", AfterTheDialog<AreaOpt>},
    {"DLOG_HiloOpt", "FLAGS POSITION FORMAT STYLE HIDE8003 ALLOW8010 ALLOW8011", AfterTheDialog<HiloOpt>},
    {"MSG_Box", "TYPE TEXTID", AfterTheDialog<MsgBox>},
    {"DLOG_SelectRGB", "R,G,B", AfterTheDialog<SelectRgb>},
    {"ColorRangeDlog", "STEPS R,G,B R,G,B MAXSTEPS", AfterTheDialog<ColourRange>},
    {"DLOG_WhichHilo", "CHOICE SHOW8003 SHOW8004", AfterTheDialog<WhichHilo>},
    {"DLOG_DataOrientDlog", "FIRST SECOND", AfterTheDialog<DataOrient>},
    {"DLOG_Get1Value", "LABEL VALUE", AfterTheDialog<Get1Value>},
    {"DLOG_Get2Values", "LABEL1 LABEL2 VALUE1 VALUE2", AfterTheDialog<Get2Values>},
    {"DLOG_PieFeeler", "P1 P2 P3 FLAG", AfterTheDialog<PieFeeler>},
}};

}  // namespace

std::span<const DialogEntry> Dialogs() {
  static const std::vector<DialogEntry> all = [] {
    std::vector<DialogEntry> entries(kDialogs.begin(), kDialogs.end());
    std::span<const DialogEntry> more = OptionDialogs();
    entries.insert(entries.end(), more.begin(), more.end());
    return entries;
  }();
  return all;
}

const DialogEntry* FindDialog(std::string_view name) {
  for (const DialogEntry& e : Dialogs()) {
    std::string_view n = e.name;
    if (n.size() == name.size() && std::equal(n.begin(), n.end(), name.begin(), [](char a, char b) {
          return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
        }))
      return &e;
  }
  return nullptr;
}

}  // namespace charthost
