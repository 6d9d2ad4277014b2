// SPDX-License-Identifier: MIT
#pragma once
// Stand-in for the chart engine's SDK, second part: chart files, their
// thumbnails and descriptions, file I/O blocks, the drawing of a picture and
// the start and stop of the engine's graphics library.
//
// A chart file of ours (extension .KWX or .KRX, any case) is little-endian:
//
//   "VCHF"                 4 bytes
//   version                u16, 1
//   description length     u16, then that many bytes of single-byte text
//   thumbnail width        u16 (0: no thumbnail), at most 1024
//   thumbnail height       u16, at most 1024
//   pixels                 width * height * 3 bytes, R G B, row by row from the top
//   the chart itself       anything that follows (not read here)
//
// Pictures travel as device-independent bitmaps in global memory: a 40-byte
// header (size 40, width, height > 0 bottom-up, planes 1, 24 bits, no
// compression, image size, 0, 0, 0, 0) and rows of B G R padded to 4 bytes,
// the bottom row first. The receiver frees them with GlobalFree.
//
// Statuses are short, 0 for success.

#include "platform/export.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/win/gdi.h"
#include "platform/win/global_memory.h"

inline constexpr short VT_OK = 0;
inline constexpr short VT_ERR_ARGUMENT = -1;  // a null or unusable argument
inline constexpr short VT_ERR_OPEN = -2;      // the file does not open (missing, a folder, no right)
inline constexpr short VT_ERR_READ = -3;      // reading failed
inline constexpr short VT_ERR_FORMAT = -4;    // not a chart file, or cut short
inline constexpr short VT_ERR_NO_DESCRIPTION = -5;
inline constexpr short VT_ERR_NO_THUMBNAIL = -6;
inline constexpr short VT_ERR_MEMORY = -7;
inline constexpr short VT_ERR_NO_INPUT_INFO = -8;  // for callers: the input information could not be made

inline constexpr int VT_IO_BLOCK_SIZE = 24;  // bytes of an I/O block, owned by the caller
inline constexpr unsigned long SRCCOPY = 0x00CC0020ul;

extern "C" {

// The graphics library: InitPAVLIB once at a library's start, FiniPAVLIB at its end.
QV_EXPORT void InitPAVLIB(void);
QV_EXPORT void FiniPAVLIB(void);

// Description of a chart file into text (at most size - 1 bytes and a
// terminator); an empty text when there is none.
QV_EXPORT short ThumbWIN_LoadDescription(const char* path, char* text, int size);
// Thumbnail of a chart file; on VT_OK *dib is a new picture that the caller frees.
QV_EXPORT short ThumbWIN_LoadThumbnail(const char* path, win::HGLOBAL* dib);
// Draws the picture, from its point (sx, sy), stretched into x, y, cx, cy. SRCCOPY only.
QV_EXPORT short DibBlt(win::HDC dc, int x, int y, int cx, int cy, win::HGLOBAL dib, int sx, int sy, unsigned long rop);

// Opens a file for reading into the caller's I/O block (VT_IO_BLOCK_SIZE
// bytes). IOclose after every IOopen, also a failed one.
QV_EXPORT short IOopen(void* io, const char* path, int mode, int flags);
QV_EXPORT short IOclose(void* io);
// Input information over an open block; nullptr when the block is not open,
// the file cannot be read or is larger than a chart file can be.
QV_EXPORT void* Tiff_AllocInputInfo(void* io);
QV_EXPORT void Tiff_FreeInputInfo(void* info);
// Thumbnail (a new picture in *thumbnail, the caller frees it) and
// description (at most size - 1 bytes and a terminator) of the file.
QV_EXPORT short FKRX_ReadThumbnail(void* info, win::HGLOBAL* thumbnail);
QV_EXPORT short FKRX_ReadDescription(void* info, char* text, int size);

}  // extern "C"

namespace vantrel {

inline constexpr int kMaxThumbnailSide = 1024;

// A picture as RGB values (0xRRGGBB), row by row from the top.
struct QV_EXPORT Picture {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> rgb;
  std::uint32_t at(int x, int y) const { return rgb[static_cast<std::size_t>(y) * width + x]; }
};

// A chart file's bytes; false from WriteChartFile when it cannot be written.
QV_EXPORT std::string EncodeChartFile(std::string_view description, const Picture& thumbnail, std::string_view chart = {});
QV_EXPORT bool WriteChartFile(const std::string& path, std::string_view description, const Picture& thumbnail,
                    std::string_view chart = {});

// A picture of global memory (see above); an empty picture for anything else.
QV_EXPORT win::HGLOBAL MakeDib(const Picture& picture);
QV_EXPORT Picture ReadDib(win::HGLOBAL dib);

// For tests: what is open now, and the SDK calls made while a trace is set
// (function names, in order; nullptr stops tracing).
QV_EXPORT int OpenIoBlocks();
QV_EXPORT int LiveInputInfos();
QV_EXPORT int GraphicsLibraryStarts();  // InitPAVLIB calls not yet ended by FiniPAVLIB
QV_EXPORT void TraceCalls(std::vector<std::string>* trace);

}  // namespace vantrel
