// SPDX-License-Identifier: MIT
// The chart engine's SDK stand-in: chart files, pictures, I/O blocks.

#include <gtest/gtest.h>
#include <unistd.h>

#include <array>
#include <string>

#include "platform/vantrel/chartfile.h"
#include "platform/win/gdi.h"
#include "platform/win/window.h"
#include "tests/mirolan/fixture.h"
#include "tests/win/gui_environment.h"

namespace {

using mirolantest::Solid;
using mirolantest::TempFolder;
using mirolantest::WriteBytes;

std::string Valid(std::string_view description, int width = 8, int height = 6) {
  return vantrel::EncodeChartFile(description, Solid(width, height, 0x102030));
}

// Header bytes by hand, for files that claim more than they hold.
std::string Header(unsigned description_length, std::string_view description, unsigned width, unsigned height) {
  std::string b = "VCHF";
  auto put = [&](unsigned v) {
    b.push_back(static_cast<char>(v & 0xFF));
    b.push_back(static_cast<char>(v >> 8));
  };
  put(1);
  put(description_length);
  b.append(description);
  put(width);
  put(height);
  return b;
}

struct FileCase {
  const char* label;
  std::string bytes;
  short thumbnail_status;
  short description_status;
  std::string description;  // as read into 256 bytes
};

class ChartFileTest : public ::testing::TestWithParam<FileCase> {};

TEST_P(ChartFileTest, ReadsWhatTheFileHolds) {
  const FileCase& c = GetParam();
  TempFolder dir;
  std::string path = dir / "chart.kwx";
  WriteBytes(path, c.bytes);
  std::size_t blocks = win::GlobalBlocksLive();

  alignas(8) unsigned char io[VT_IO_BLOCK_SIZE];
  ASSERT_EQ(IOopen(io, path.c_str(), 0, 0), VT_OK);
  void* info = Tiff_AllocInputInfo(io);
  ASSERT_NE(info, nullptr);
  win::HGLOBAL picture = nullptr;
  EXPECT_EQ(FKRX_ReadThumbnail(info, &picture), c.thumbnail_status);
  EXPECT_EQ(picture != nullptr, c.thumbnail_status == VT_OK);
  char text[256] = "untouched";
  EXPECT_EQ(FKRX_ReadDescription(info, text, sizeof text), c.description_status);
  if (c.description_status == VT_OK) {
    EXPECT_EQ(std::string(text), c.description);
  }
  Tiff_FreeInputInfo(info);
  EXPECT_EQ(IOclose(io), VT_OK);

  // The thumbnail window's loaders say the same.
  win::HGLOBAL loaded = nullptr;
  EXPECT_EQ(ThumbWIN_LoadThumbnail(path.c_str(), &loaded), c.thumbnail_status);
  char longer[512];
  ThumbWIN_LoadDescription(path.c_str(), longer, sizeof longer);
  if (c.description_status != VT_OK) {
    EXPECT_STREQ(longer, "");
  }

  win::GlobalFree(picture);
  win::GlobalFree(loaded);
  EXPECT_EQ(win::GlobalBlocksLive(), blocks);
  EXPECT_EQ(vantrel::OpenIoBlocks(), 0);
  EXPECT_EQ(vantrel::LiveInputInfos(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Files, ChartFileTest,
    ::testing::Values(
        FileCase{"complete", Valid("Stacked bars"), VT_OK, VT_OK, "Stacked bars"},
        FileCase{"chart after the header", vantrel::EncodeChartFile("Pie", Solid(2, 2, 0), "BODY"), VT_OK, VT_OK,
                 "Pie"},
        FileCase{"no description", Valid(""), VT_OK, VT_ERR_NO_DESCRIPTION, ""},
        FileCase{"no thumbnail", Header(4, "Line", 0, 0), VT_ERR_NO_THUMBNAIL, VT_OK, "Line"},
        FileCase{"description cut at 255", Valid(std::string(300, 'd')), VT_OK, VT_OK, std::string(255, 'd')},
        FileCase{"empty file", "", VT_ERR_FORMAT, VT_ERR_FORMAT, ""},
        FileCase{"another format", "GIF89a and more bytes", VT_ERR_FORMAT, VT_ERR_FORMAT, ""},
        FileCase{"version 2", "VCHF\x02" + Header(1, "x", 1, 1).substr(5) + "abc", VT_ERR_FORMAT, VT_ERR_FORMAT, ""},
        FileCase{"description longer than the file", Header(200, "short", 0, 0), VT_ERR_FORMAT, VT_ERR_FORMAT, ""},
        FileCase{"pixels cut short", Header(1, "x", 10, 10) + std::string(20, '\0'), VT_ERR_FORMAT, VT_ERR_FORMAT, ""},
        FileCase{"thumbnail too large", Header(1, "x", 2000, 1), VT_ERR_FORMAT, VT_ERR_FORMAT, ""}),
    [](const auto& info) {
      std::string name;
      for (char ch : std::string(info.param.label)) name += std::isalnum(static_cast<unsigned char>(ch)) ? ch : '_';
      return name;
    });

TEST(ChartFile, EveryCutShortCopyIsRefusedWithoutReadingPastIt) {
  TempFolder dir;
  std::string path = dir / "cut.kwx";
  const std::string whole = vantrel::EncodeChartFile("Cut", Solid(3, 2, 0xABCDEF));
  for (std::size_t n = 0; n <= whole.size(); ++n) {
    SCOPED_TRACE(n);
    WriteBytes(path, whole.substr(0, n));
    win::HGLOBAL dib = nullptr;
    short want = n == whole.size() ? VT_OK : VT_ERR_FORMAT;
    EXPECT_EQ(ThumbWIN_LoadThumbnail(path.c_str(), &dib), want);
    win::GlobalFree(dib);
  }
}

TEST(ChartFile, ThumbnailKeepsItsPixels) {
  TempFolder dir;
  vantrel::Picture p = Solid(3, 2, 0);  // odd width: rows are padded in the picture
  p.rgb = {0xFF0000, 0x00FF00, 0x0000FF, 0x123456, 0xFFFFFF, 0x000001};
  ASSERT_TRUE(vantrel::WriteChartFile(dir / "p.krx", "Colours", p));
  win::HGLOBAL dib = nullptr;
  ASSERT_EQ(ThumbWIN_LoadThumbnail((dir / "p.krx").c_str(), &dib), VT_OK);
  vantrel::Picture back = vantrel::ReadDib(dib);
  EXPECT_EQ(back.width, 3);
  EXPECT_EQ(back.height, 2);
  EXPECT_EQ(back.rgb, p.rgb);
  EXPECT_EQ(win::GlobalSize(dib), 40u + 12u * 2u);
  win::GlobalFree(dib);
}

TEST(IoBlock, FailedOpensCloseSafely) {
  TempFolder dir;
  struct Case {
    const char* label;
    std::string path;
  };
  // Nothing but a regular file is read, and nothing waits on a FIFO or a device.
  mirolantest::UnwrittenFifo fifo(dir / "fifo.kwx");
  ASSERT_TRUE(fifo.made());
  const std::array<Case, 5> cases{{{"missing", dir / "none.kwx"},
                                   {"a folder", dir.path()},
                                   {"empty path", ""},
                                   {"a FIFO", dir / "fifo.kwx"},
                                   {"a device", "/dev/zero"}}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    alignas(8) unsigned char io[VT_IO_BLOCK_SIZE];
    EXPECT_EQ(IOopen(io, c.path.c_str(), 0, 0), VT_ERR_OPEN);
    EXPECT_EQ(Tiff_AllocInputInfo(io), nullptr);
    EXPECT_EQ(IOclose(io), VT_OK);
    EXPECT_EQ(IOclose(io), VT_OK);
    win::HGLOBAL dib = nullptr;
    EXPECT_EQ(ThumbWIN_LoadThumbnail(c.path.c_str(), &dib), VT_ERR_OPEN);
    EXPECT_EQ(dib, nullptr);
    char text[16] = "old";
    ThumbWIN_LoadDescription(c.path.c_str(), text, sizeof text);
    EXPECT_STREQ(text, "");
  }
  EXPECT_FALSE(fifo.reader_waited());
  EXPECT_EQ(IOopen(nullptr, "x", 0, 0), VT_ERR_ARGUMENT);
  alignas(8) unsigned char io[VT_IO_BLOCK_SIZE];
  EXPECT_EQ(IOopen(io, nullptr, 0, 0), VT_ERR_ARGUMENT);
  EXPECT_EQ(IOclose(io), VT_OK);
  EXPECT_EQ(vantrel::OpenIoBlocks(), 0);
}

TEST(IoBlock, FileTooLargeForAChartGivesNoInputInformation) {
  TempFolder dir;
  std::string path = dir / "huge.kwx";
  WriteBytes(path, Valid("big"));
  ASSERT_EQ(::truncate(path.c_str(), 17 * 1024 * 1024), 0);  // sparse
  alignas(8) unsigned char io[VT_IO_BLOCK_SIZE];
  ASSERT_EQ(IOopen(io, path.c_str(), 0, 0), VT_OK);
  EXPECT_EQ(Tiff_AllocInputInfo(io), nullptr);
  IOclose(io);
  win::HGLOBAL dib = nullptr;
  EXPECT_EQ(ThumbWIN_LoadThumbnail(path.c_str(), &dib), VT_ERR_READ);
  EXPECT_EQ(dib, nullptr);
}

TEST(Readers, RefuseMissingArguments) {
  EXPECT_EQ(FKRX_ReadThumbnail(nullptr, nullptr), VT_ERR_ARGUMENT);
  char text[4];
  EXPECT_EQ(FKRX_ReadDescription(nullptr, text, 4), VT_ERR_ARGUMENT);
  EXPECT_EQ(ThumbWIN_LoadThumbnail("x", nullptr), VT_ERR_ARGUMENT);
  EXPECT_EQ(ThumbWIN_LoadDescription("x", nullptr, 10), VT_ERR_ARGUMENT);
  EXPECT_EQ(ThumbWIN_LoadDescription("x", text, 0), VT_ERR_ARGUMENT);
  Tiff_FreeInputInfo(nullptr);
}

TEST(GraphicsLibrary, StartsAndStopsAreCounted) {
  int before = vantrel::GraphicsLibraryStarts();
  InitPAVLIB();
  EXPECT_EQ(vantrel::GraphicsLibraryStarts(), before + 1);
  FiniPAVLIB();
  EXPECT_EQ(vantrel::GraphicsLibraryStarts(), before);
}

TEST(Trace, RecordsTheCallsInOrder) {
  std::vector<std::string> calls;
  vantrel::TraceCalls(&calls);
  alignas(8) unsigned char io[VT_IO_BLOCK_SIZE];
  IOopen(io, "/nonexistent/x.kwx", 0, 0);
  IOclose(io);
  char text[8];
  ThumbWIN_LoadDescription("/nonexistent/x.kwx", text, 8);  // its own opening is not traced
  vantrel::TraceCalls(nullptr);
  IOclose(io);
  EXPECT_EQ(calls, (std::vector<std::string>{"IOopen", "IOclose", "ThumbWIN_LoadDescription"}));
}

// DibBlt draws into a window's picture.
TEST(DibBlt, StretchesThePictureIntoTheRectangle) {
  vantrel::Picture p = Solid(2, 2, 0);
  p.rgb = {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFF00};
  win::UniqueGlobal dib(vantrel::MakeDib(p));
  ASSERT_NE(dib, nullptr);
  win::HWND window = win::CreateMainWindow("blit", 60, 60, {});
  ASSERT_NE(window, nullptr);
  win::HDC dc = win::GetDC(window);
  ASSERT_NE(dc, nullptr);
  EXPECT_EQ(DibBlt(dc, 10, 10, 20, 20, dib.get(), 0, 0, SRCCOPY), VT_OK);
  struct Probe {
    int x, y;
    win::COLORREF colour;
  };
  const std::array<Probe, 4> probes{{{12, 12, win::RGB(255, 0, 0)},
                                     {27, 12, win::RGB(0, 255, 0)},
                                     {12, 27, win::RGB(0, 0, 255)},
                                     {27, 27, win::RGB(255, 255, 0)}}};
  for (const Probe& probe : probes)
    EXPECT_EQ(win::GetPixel(dc, probe.x, probe.y), probe.colour) << probe.x << "," << probe.y;
  EXPECT_EQ(DibBlt(dc, 0, 0, 5, 5, dib.get(), 0, 0, 0x00EE0086ul), VT_ERR_ARGUMENT);  // only SRCCOPY
  EXPECT_EQ(DibBlt(dc, 0, 0, 5, 5, nullptr, 0, 0, SRCCOPY), VT_ERR_FORMAT);
  EXPECT_EQ(DibBlt(dc, 0, 0, 5, 5, dib.get(), 2, 0, SRCCOPY), VT_ERR_ARGUMENT);  // origin outside
  EXPECT_EQ(DibBlt(nullptr, 0, 0, 5, 5, dib.get(), 0, 0, SRCCOPY), VT_ERR_ARGUMENT);
  win::ReleaseDC(window, dc);
  win::DestroyWindow(window);
}

}  // namespace
