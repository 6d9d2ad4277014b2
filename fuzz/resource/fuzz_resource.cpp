// SPDX-License-Identifier: MIT
// Resource scripts on any bytes: no crash, no sanitizer report; a refused
// script says where, an accepted one gives templates the dialog layer can
// lay out and strings that copy within their buffers.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "platform/win/resource.h"

namespace {

void check(bool ok) {
  if (!ok) std::abort();
}

// A rectangle of a non-negative size does not turn over, however far out it lies.
void Rectangle(const win::DialogFontMetrics& m, int x, int y, int cx, int cy) {
  const win::RECT r = win::DialogUnitsToPixels(m, x, y, cx, cy);
  if (cx >= 0) check(r.right >= r.left);
  if (cy >= 0) check(r.bottom >= r.top);
}

void Layout(const win::DialogTemplate& d) {
  const win::DialogFontMetrics m = win::FontMetrics(d.font_face, d.font_size);
  check(m.base_x > 0 && m.base_y > 0 && m.pixel_size > 0);
  Rectangle(m, 0, 0, d.cx, d.cy);
  for (const win::ControlTemplate& c : d.controls) {
    Rectangle(m, c.x, c.y, c.cx, c.cy);
    if (c.id != win::IDC_STATIC) check(d.control(c.id) == &c);
    if (!c.symbol.empty()) check(d.control(c.symbol) != nullptr);
    check(c.kind != win::ControlKind::Custom || !c.style.window_class.empty());
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  std::string error;
  const auto module = win::ResourceModule::Parse(text, &error);
  if (!module) {
    check(error.starts_with("line ") && error.find(": ") != std::string::npos);
    return 0;
  }
  // Look-ups by the numbers and words the script may name.
  for (const int id : {0, 1, 2, 100, 3018, -1}) {
    if (const win::DialogTemplate* d = module->dialog(id)) Layout(*d);
    char buffer[8];
    std::memset(buffer, '#', sizeof buffer);
    const int n = win::LoadString(module->handle(), id, buffer, sizeof buffer);
    check(n >= 0 && n < static_cast<int>(sizeof buffer) && buffer[n] == '\0');
    if (const auto s = module->string(id)) check(std::string_view(buffer, n) == s->substr(0, n));
  }
  std::size_t start = 0;
  while ((start = text.find("dialog", start)) != std::string_view::npos) {
    start += 6;
    const std::size_t open = text.find('"', start), close = open == std::string_view::npos ? open : text.find('"', open + 1);
    if (close == std::string_view::npos) break;
    if (const win::DialogTemplate* d = module->dialog(std::string(text.substr(open + 1, close - open - 1)))) Layout(*d);
  }
  return 0;
}
