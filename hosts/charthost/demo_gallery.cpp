// SPDX-License-Identifier: MIT
// mirolan_demo_gallery ROOT: writes a small gallery of chart templates of our
// own under ROOT/Gallery (an index of categories and a few chart files with
// drawn thumbnails) for charthost and for trying the new-chart dialog.

#include <cmath>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <string>
#include <vector>

#include "platform/vantrel/chartfile.h"

namespace {

constexpr int kWidth = 80;
constexpr int kHeight = 60;
constexpr std::uint32_t kWhite = 0xFFFFFF;
constexpr std::uint32_t kAxis = 0x404040;

using Painter = std::function<std::uint32_t(int x, int y)>;

vantrel::Picture Draw(const Painter& paint) {
  vantrel::Picture p;
  p.width = kWidth;
  p.height = kHeight;
  p.rgb.resize(kWidth * kHeight);
  for (int y = 0; y < kHeight; ++y)
    for (int x = 0; x < kWidth; ++x) {
      bool axis = (x == 6 && y >= 4 && y <= 54) || (y == 54 && x >= 6 && x <= 76);
      p.rgb[static_cast<std::size_t>(y) * kWidth + x] = axis ? kAxis : paint(x, y);
    }
  return p;
}

Painter Bars(std::vector<int> heights, std::vector<std::uint32_t> colours, bool stacked) {
  return [=](int x, int y) -> std::uint32_t {
    int slot = (x - 10) / 14;
    if (x < 10 || slot >= static_cast<int>(heights.size()) || (x - 10) % 14 > 9) return kWhite;
    int top = 54 - heights[static_cast<std::size_t>(slot)];
    if (y < top || y >= 54) return kWhite;
    if (stacked) return y < (top + 54) / 2 ? colours[1] : colours[0];
    return colours[static_cast<std::size_t>(slot) % colours.size()];
  };
}

Painter Line(double phase, std::uint32_t colour, bool filled) {
  return [=](int x, int y) -> std::uint32_t {
    if (x < 7) return kWhite;
    double v = 30 - 18 * std::sin(phase + x / 9.0);
    int at = static_cast<int>(std::lround(v));
    if (filled) return y >= at && y < 54 ? colour : kWhite;
    return std::abs(y - at) <= 1 ? colour : kWhite;
  };
}

Painter Pie(double exploded) {
  return [=](int x, int y) -> std::uint32_t {
    const std::uint32_t slices[] = {0xD04040, 0x40A040, 0x4060D0, 0xE0C040};
    double dx = x - 42, dy = y - 30;
    double angle = std::atan2(dy, dx) + M_PI;  // 0 .. 2 pi
    int slice = std::min(3, static_cast<int>(angle / (M_PI / 2)));
    if (slice == 0 && exploded > 0) {
      dx += exploded;
      dy += exploded;
    }
    return dx * dx + dy * dy <= 22.0 * 22.0 ? slices[slice] : kWhite;
  };
}

struct Chart {
  const char* category;
  const char* file;
  const char* description;
  Painter paint;
};

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: mirolan_demo_gallery ROOT\n";
    return 2;
  }
  std::filesystem::path gallery = std::filesystem::path(argv[1]) / "Gallery";
  const std::vector<Chart> charts{
      {"Bars", "Clustered.kwx", "Clustered bars: one bar per value, side by side.",
       Bars({30, 42, 22, 36, 46}, {0x3060C0, 0xC06030}, false)},
      {"Bars", "Stacked.kwx", "Stacked bars: the values of a category on top of each other.",
       Bars({40, 28, 46, 34, 20}, {0x3060C0, 0x60B040}, true)},
      {"Bars", "Single.kwx", "Bars of one series in one colour.", Bars({12, 24, 36, 44, 30}, {0x8040A0}, false)},
      {"Bars", "Growth.KRX", "Bars that grow from left to right.", Bars({8, 18, 28, 38, 48}, {0x20A0A0}, false)},
      {"Lines", "Wave.kwx", "A line chart of one series.", Line(0, 0xC03030, false)},
      {"Lines", "Shifted.kwx", "A line chart with the series shifted.", Line(1.5, 0x3030C0, false)},
      {"Lines", "Area.kwx", "An area chart: the line filled down to the axis.", Line(0.7, 0x60A0E0, true)},
      {"Pies", "Pie.kwx", "A pie of four slices.", Pie(0)},
      {"Pies", "Exploded.kwx", "A pie with its first slice pulled out.", Pie(5)},
  };
  std::error_code ec;
  for (const char* category : {"Bars", "Lines", "Pies", "Empty"})
    std::filesystem::create_directories(gallery / category, ec);
  {
    std::ofstream index(gallery / "Gallery.txt", std::ios::binary);
    index << "Bars,Bar charts\nLines,Line and area charts\nPies,Pie charts\nEmpty,No templates yet\n";
    if (!index) {
      std::cerr << "mirolan_demo_gallery: cannot write " << (gallery / "Gallery.txt").string() << "\n";
      return 1;
    }
  }
  for (const Chart& c : charts) {
    std::string path = (gallery / c.category / c.file).string();
    if (!vantrel::WriteChartFile(path, c.description, Draw(c.paint), "chart body")) {
      std::cerr << "mirolan_demo_gallery: cannot write " << path << "\n";
      return 1;
    }
  }
  // A damaged chart file: the dialog leaves it out of the thumbnails.
  std::ofstream(gallery / "Pies" / "Damaged.kwx", std::ios::binary) << "VCHF";
  return 0;
}
