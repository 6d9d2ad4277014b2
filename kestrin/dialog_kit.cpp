// SPDX-License-Identifier: MIT
#include "kestrin/dialog_kit.h"

#include "kestrin/frame.h"
#include "platform/vantrel/vantrel.h"
#include "platform/win/controls.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <limits>
#include <span>

namespace kestrin {

bool Checked(win::HWND dialog, int id) { return win::IsDlgButtonChecked(dialog, id) == win::BST_CHECKED; }

void Check(win::HWND dialog, int id, bool on) {
  win::CheckDlgButton(dialog, id, on ? win::BST_CHECKED : win::BST_UNCHECKED);
}

std::string FieldText(win::HWND dialog, int id, std::size_t limit) {
  std::array<char, 64> buffer{};
  win::GetDlgItemText(dialog, id, std::span<char>(buffer.data(), std::min(limit + 1, buffer.size())));
  return buffer.data();
}

double ReadDecimal(std::string_view text) {
  std::size_t i = text.find_first_not_of(" \t");
  if (i == std::string_view::npos) return 0;
  text.remove_prefix(i);
  bool negative = false;
  if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
    negative = text[0] == '-';
    text.remove_prefix(1);
  }
  auto digit = [](char c) { return c >= '0' && c <= '9'; };
  // Only digits and a point may start it (no "inf", "nan" or hexadecimal).
  if (text.empty() || !(digit(text[0]) || (text[0] == '.' && text.size() > 1 && digit(text[1])))) return 0;
  double value = 0;
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::general);
  if (ec == std::errc::result_out_of_range) {
    value = std::numeric_limits<double>::max();
  } else if (ec != std::errc()) {
    return 0;
  }
  return negative ? -value : value;
}

short ReadCount(win::HWND dialog, int id) {
  long v = std::clamp<long>(win::GetDlgItemInt(dialog, id, nullptr, true), std::numeric_limits<short>::min(),
                            std::numeric_limits<unsigned short>::max());
  return static_cast<short>(static_cast<unsigned short>(v));
}

std::string Formatted(double value, int format) {
  std::array<char, vantrel::kFormatTextSize> text{};
  StdFormat(value, format, text.data());
  return text.data();
}

win::DLGPROC StandardProc(DialogRules rules) {
  return [rules = std::move(rules)](win::HWND dlg, win::UINT msg, win::WPARAM wparam,
                                    win::LPARAM lparam) -> win::INT_PTR {
    switch (msg) {
      case win::WM_INITDIALOG:
        CentreDialog(dlg);
        SetDialogFont(dlg, GetHostDialogFont());
        if (rules.start) rules.start(dlg);
        if (rules.help_id != 0) ShowHelpButton(dlg);
        return 1;
      case win::WM_HELP: return rules.help_id != 0 && HandleHelp(msg, wparam, rules.help_id) ? 1 : 0;
      case win::WM_COMMAND:
        if (rules.help_id != 0 && HandleHelp(msg, wparam, rules.help_id)) return 1;
        return rules.command ? rules.command(dlg, static_cast<int>(win::LOWORD(wparam)), win::HIWORD(wparam)) : 0;
      default: return rules.message ? rules.message(dlg, msg, wparam, lparam) : 0;
    }
  };
}

}  // namespace kestrin
