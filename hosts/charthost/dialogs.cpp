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

constexpr std::array<DialogEntry, 8> kDialogs{{
    {"DLOG_ScatOpt", "FLAGS POSITION FORMAT", ScatOpt},
    {"DLOG_SpecOpt", "FLAGS POSITION FORMAT", SpecOpt},
    {"DLOG_BarOpt", "FLAGS POSITION FORMAT HIDE8002 HIDE8001", BarOpt},
    {"DLOG_HistOpt", "FLAGS POSITION FORMAT HIDE8101", HistOpt},
    {"DLOG_LineOpt", "FLAGS POSITION FORMAT UNUSED HIDE8001", LineOpt},
    {"DLOG_AreaOpt", "FLAGS POSITION FORMAT", AreaOpt},
    {"DLOG_HiloOpt", "FLAGS POSITION FORMAT STYLE HIDE8003 ALLOW8010 ALLOW8011", HiloOpt},
    {"MSG_Box", "TYPE TEXTID", MsgBox},
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
