// SPDX-License-Identifier: MIT
#include "platform/vantrel/chartfile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cstring>
#include <fstream>
#include <memory>
#include <mutex>
#include <new>
#include <optional>

namespace vantrel {
namespace {

constexpr char kMagic[4] = {'V', 'C', 'H', 'F'};
constexpr std::uint16_t kVersion = 1;
constexpr std::size_t kFixedHeader = 4 + 2 + 2;  // magic, version, description length
constexpr std::size_t kDibHeader = 40;
// The largest chart file the readers take in: header, longest description, largest thumbnail and room for the chart.
constexpr off_t kMaxChartFile = 16 * 1024 * 1024;
constexpr std::uint32_t kIoOpen = 0x56494F31u;  // "VIO1": the block holds an open file

std::atomic<int> open_blocks{0};
std::atomic<int> live_infos{0};
std::atomic<int> graphics_starts{0};

struct Trace {
  std::mutex mutex;
  std::vector<std::string>* calls = nullptr;
};

Trace& Tracer() {
  static Trace trace;
  return trace;
}

void Called(const char* name) {
  std::lock_guard lock(Tracer().mutex);
  if (Tracer().calls) Tracer().calls->emplace_back(name);
}

// The caller's 24 bytes.
struct IoBlock {
  std::uint32_t state;
  std::int32_t fd;
  std::int64_t size;
  std::int64_t reserved;
};
static_assert(sizeof(IoBlock) == VT_IO_BLOCK_SIZE);

// The caller's block holds any bytes: it is copied, never read in place.
IoBlock Fetch(const void* io) {
  IoBlock block;
  std::memcpy(&block, io, sizeof block);
  return block;
}

void Store(void* io, const IoBlock& block) { std::memcpy(io, &block, sizeof block); }

struct InputInfo {
  std::string bytes;  // the whole file
};

std::uint16_t U16(std::string_view b, std::size_t at) {
  return static_cast<std::uint16_t>(static_cast<unsigned char>(b[at]) | (static_cast<unsigned char>(b[at + 1]) << 8));
}

void Put16(std::string& out, unsigned v) {
  out.push_back(static_cast<char>(v & 0xFF));
  out.push_back(static_cast<char>((v >> 8) & 0xFF));
}

void Put32(unsigned char* at, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) at[i] = static_cast<unsigned char>((v >> (8 * i)) & 0xFF);
}

std::uint32_t Get32(const unsigned char* at) {
  return static_cast<std::uint32_t>(at[0]) | (static_cast<std::uint32_t>(at[1]) << 8) |
         (static_cast<std::uint32_t>(at[2]) << 16) | (static_cast<std::uint32_t>(at[3]) << 24);
}

// A chart file's parts, every length checked against the bytes there are.
struct Parsed {
  short status = VT_OK;
  std::string_view description;
  int width = 0;
  int height = 0;
  std::string_view pixels;
};

Parsed Parse(std::string_view b) {
  Parsed p;
  if (b.size() < kFixedHeader || std::memcmp(b.data(), kMagic, 4) != 0 || U16(b, 4) != kVersion) {
    p.status = VT_ERR_FORMAT;
    return p;
  }
  std::size_t length = U16(b, 6);
  std::size_t at = kFixedHeader;
  if (b.size() - at < length + 4) {
    p.status = VT_ERR_FORMAT;
    return p;
  }
  p.description = b.substr(at, length);
  at += length;
  p.width = U16(b, at);
  p.height = U16(b, at + 2);
  at += 4;
  if (p.width > kMaxThumbnailSide || p.height > kMaxThumbnailSide) {
    p.status = VT_ERR_FORMAT;
    return p;
  }
  std::size_t bytes = static_cast<std::size_t>(p.width) * p.height * 3;
  if (b.size() - at < bytes) {
    p.status = VT_ERR_FORMAT;
    return p;
  }
  p.pixels = b.substr(at, bytes);
  return p;
}

short Open(IoBlock* io, const char* path) {
  io->state = 0;
  io->fd = -1;
  io->size = 0;
  io->reserved = 0;
  if (!path) return VT_ERR_ARGUMENT;
  // Non-blocking, so that a FIFO or a device never makes the caller wait; only
  // a regular file is kept (and then read as usual).
  int fd = ::open(path, O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) return VT_ERR_OPEN;
  struct stat st {};
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK) != 0) {
    ::close(fd);
    return VT_ERR_OPEN;
  }
  io->state = kIoOpen;
  io->fd = fd;
  io->size = st.st_size;
  ++open_blocks;
  return VT_OK;
}

short Close(IoBlock* io) {
  if (io->state != kIoOpen) return VT_OK;  // never opened, or already closed
  ::close(io->fd);
  io->state = 0;
  io->fd = -1;
  --open_blocks;
  return VT_OK;
}

InputInfo* Alloc(const IoBlock* io) {
  if (io->state != kIoOpen || io->size < 0 || io->size > kMaxChartFile) return nullptr;
  auto info = std::unique_ptr<InputInfo>(new (std::nothrow) InputInfo);
  if (!info) return nullptr;
  try {
    info->bytes.resize(static_cast<std::size_t>(io->size));
  } catch (const std::bad_alloc&) {
    return nullptr;
  }
  std::size_t done = 0;
  while (done < info->bytes.size()) {
    ssize_t n = ::pread(io->fd, info->bytes.data() + done, info->bytes.size() - done, static_cast<off_t>(done));
    if (n < 0) return nullptr;
    if (n == 0) break;  // shorter than it was: the parser sees what there is
    done += static_cast<std::size_t>(n);
  }
  info->bytes.resize(done);
  ++live_infos;
  return info.release();
}

void Free(InputInfo* info) {
  if (!info) return;
  std::unique_ptr<InputInfo> owned(info);
  --live_infos;
}

short ReadThumbnail(const InputInfo* info, win::HGLOBAL* out) {
  if (!info || !out) return VT_ERR_ARGUMENT;
  Parsed p = Parse(info->bytes);
  if (p.status != VT_OK) return p.status;
  if (p.width == 0 || p.height == 0) return VT_ERR_NO_THUMBNAIL;
  Picture picture;
  picture.width = p.width;
  picture.height = p.height;
  picture.rgb.resize(static_cast<std::size_t>(p.width) * p.height);
  for (std::size_t i = 0; i < picture.rgb.size(); ++i) {
    auto c = [&](std::size_t k) { return static_cast<std::uint32_t>(static_cast<unsigned char>(p.pixels[i * 3 + k])); };
    picture.rgb[i] = (c(0) << 16) | (c(1) << 8) | c(2);
  }
  win::HGLOBAL dib = MakeDib(picture);
  if (!dib) return VT_ERR_MEMORY;
  *out = dib;
  return VT_OK;
}

short ReadDescription(const InputInfo* info, char* text, int size) {
  if (!info || !text || size <= 0) return VT_ERR_ARGUMENT;
  Parsed p = Parse(info->bytes);
  if (p.status != VT_OK) return p.status;
  if (p.description.empty()) return VT_ERR_NO_DESCRIPTION;
  std::size_t n = std::min(p.description.size(), static_cast<std::size_t>(size - 1));
  std::memcpy(text, p.description.data(), n);
  text[n] = '\0';
  return VT_OK;
}

// Open, read what f reads, release and close: the thumbnail window's loaders.
template <class F>
short WithFile(const char* path, F f) {
  IoBlock io;
  short status = Open(&io, path);
  if (status == VT_OK) {
    InputInfo* info = Alloc(&io);
    status = info ? f(info) : VT_ERR_READ;
    Free(info);
  }
  Close(&io);
  return status;
}

int RowStride(int width) { return (width * 3 + 3) / 4 * 4; }

}  // namespace

std::string EncodeChartFile(std::string_view description, const Picture& thumbnail, std::string_view chart) {
  std::string out(kMagic, 4);
  Put16(out, kVersion);
  std::string_view d = description.substr(0, 0xFFFF);
  Put16(out, static_cast<unsigned>(d.size()));
  out.append(d);
  bool has = thumbnail.width > 0 && thumbnail.height > 0 && thumbnail.width <= kMaxThumbnailSide &&
             thumbnail.height <= kMaxThumbnailSide &&
             thumbnail.rgb.size() == static_cast<std::size_t>(thumbnail.width) * thumbnail.height;
  Put16(out, has ? static_cast<unsigned>(thumbnail.width) : 0);
  Put16(out, has ? static_cast<unsigned>(thumbnail.height) : 0);
  if (has) {
    for (std::uint32_t c : thumbnail.rgb) {
      out.push_back(static_cast<char>((c >> 16) & 0xFF));
      out.push_back(static_cast<char>((c >> 8) & 0xFF));
      out.push_back(static_cast<char>(c & 0xFF));
    }
  }
  out.append(chart);
  return out;
}

bool WriteChartFile(const std::string& path, std::string_view description, const Picture& thumbnail,
                    std::string_view chart) {
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  std::string bytes = EncodeChartFile(description, thumbnail, chart);
  file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(file);
}

win::HGLOBAL MakeDib(const Picture& picture) {
  if (picture.width <= 0 || picture.height <= 0 || picture.width > kMaxThumbnailSide ||
      picture.height > kMaxThumbnailSide ||
      picture.rgb.size() != static_cast<std::size_t>(picture.width) * picture.height)
    return nullptr;
  int stride = RowStride(picture.width);
  std::size_t image = static_cast<std::size_t>(stride) * picture.height;
  win::HGLOBAL dib = win::GlobalAlloc(win::GHND, kDibHeader + image);
  auto* b = static_cast<unsigned char*>(win::GlobalLock(dib));
  if (!b) return win::GlobalFree(dib), nullptr;
  Put32(b + 0, kDibHeader);
  Put32(b + 4, static_cast<std::uint32_t>(picture.width));
  Put32(b + 8, static_cast<std::uint32_t>(picture.height));
  b[12] = 1;   // planes
  b[14] = 24;  // bits per pixel
  Put32(b + 20, static_cast<std::uint32_t>(image));
  for (int y = 0; y < picture.height; ++y) {
    unsigned char* row = b + kDibHeader + static_cast<std::size_t>(picture.height - 1 - y) * stride;
    for (int x = 0; x < picture.width; ++x) {
      std::uint32_t c = picture.at(x, y);
      row[x * 3 + 0] = static_cast<unsigned char>(c & 0xFF);
      row[x * 3 + 1] = static_cast<unsigned char>((c >> 8) & 0xFF);
      row[x * 3 + 2] = static_cast<unsigned char>((c >> 16) & 0xFF);
    }
  }
  win::GlobalUnlock(dib);
  return dib;
}

Picture ReadDib(win::HGLOBAL dib) {
  Picture p;
  std::size_t size = win::GlobalSize(dib);
  const auto* b = static_cast<const unsigned char*>(win::GlobalLock(dib));
  if (!b || size < kDibHeader || Get32(b) != kDibHeader || b[14] != 24 || Get32(b + 16) != 0) return p;
  auto width = static_cast<std::int32_t>(Get32(b + 4));
  auto height = static_cast<std::int32_t>(Get32(b + 8));
  if (width <= 0 || height <= 0 || width > kMaxThumbnailSide || height > kMaxThumbnailSide) return p;
  int stride = RowStride(width);
  if (size - kDibHeader < static_cast<std::size_t>(stride) * height) return p;
  p.width = width;
  p.height = height;
  p.rgb.resize(static_cast<std::size_t>(width) * height);
  for (int y = 0; y < height; ++y) {
    const unsigned char* row = b + kDibHeader + static_cast<std::size_t>(height - 1 - y) * stride;
    for (int x = 0; x < width; ++x)
      p.rgb[static_cast<std::size_t>(y) * width + x] = (static_cast<std::uint32_t>(row[x * 3 + 2]) << 16) |
                                                       (static_cast<std::uint32_t>(row[x * 3 + 1]) << 8) | row[x * 3];
  }
  return p;
}

int OpenIoBlocks() { return open_blocks; }
int LiveInputInfos() { return live_infos; }
int GraphicsLibraryStarts() { return graphics_starts; }

void TraceCalls(std::vector<std::string>* trace) {
  std::lock_guard lock(Tracer().mutex);
  Tracer().calls = trace;
}

}  // namespace vantrel

using vantrel::Called;

extern "C" {

void InitPAVLIB(void) {
  Called("InitPAVLIB");
  ++vantrel::graphics_starts;
}

void FiniPAVLIB(void) {
  Called("FiniPAVLIB");
  if (vantrel::graphics_starts > 0) --vantrel::graphics_starts;
}

short ThumbWIN_LoadDescription(const char* path, char* text, int size) {
  Called("ThumbWIN_LoadDescription");
  if (!text || size <= 0) return VT_ERR_ARGUMENT;
  text[0] = '\0';
  return vantrel::WithFile(path,
                           [&](const vantrel::InputInfo* info) { return vantrel::ReadDescription(info, text, size); });
}

short ThumbWIN_LoadThumbnail(const char* path, win::HGLOBAL* dib) {
  Called("ThumbWIN_LoadThumbnail");
  if (!dib) return VT_ERR_ARGUMENT;
  return vantrel::WithFile(path, [&](const vantrel::InputInfo* info) { return vantrel::ReadThumbnail(info, dib); });
}

short DibBlt(win::HDC dc, int x, int y, int cx, int cy, win::HGLOBAL dib, int sx, int sy, unsigned long rop) {
  Called("DibBlt");
  if (!dc || rop != SRCCOPY || cx <= 0 || cy <= 0) return VT_ERR_ARGUMENT;
  vantrel::Picture p = vantrel::ReadDib(dib);
  if (p.width == 0) return VT_ERR_FORMAT;
  if (sx < 0 || sy < 0 || sx >= p.width || sy >= p.height) return VT_ERR_ARGUMENT;
  win::Bitmap bitmap(p.width - sx, p.height - sy, 0);
  for (int row = sy; row < p.height; ++row)
    for (int col = sx; col < p.width; ++col) {
      std::uint32_t c = p.at(col, row);
      bitmap.set_pixel(col - sx, row - sy, win::RGB((c >> 16) & 0xFF, (c >> 8) & 0xFF, c & 0xFF));
    }
  return win::StretchBitmap(dc, x, y, cx, cy, bitmap) ? VT_OK : VT_ERR_ARGUMENT;
}

short IOopen(void* io, const char* path, int, int) {
  Called("IOopen");
  if (!io) return VT_ERR_ARGUMENT;
  vantrel::IoBlock block;
  short status = vantrel::Open(&block, path);
  vantrel::Store(io, block);
  return status;
}

short IOclose(void* io) {
  Called("IOclose");
  if (!io) return VT_ERR_ARGUMENT;
  vantrel::IoBlock block = vantrel::Fetch(io);
  short status = vantrel::Close(&block);
  vantrel::Store(io, block);
  return status;
}

void* Tiff_AllocInputInfo(void* io) {
  Called("Tiff_AllocInputInfo");
  if (!io) return nullptr;
  vantrel::IoBlock block = vantrel::Fetch(io);
  return vantrel::Alloc(&block);
}

void Tiff_FreeInputInfo(void* info) {
  Called("Tiff_FreeInputInfo");
  vantrel::Free(static_cast<vantrel::InputInfo*>(info));
}

short FKRX_ReadThumbnail(void* info, win::HGLOBAL* thumbnail) {
  Called("FKRX_ReadThumbnail");
  return vantrel::ReadThumbnail(static_cast<const vantrel::InputInfo*>(info), thumbnail);
}

short FKRX_ReadDescription(void* info, char* text, int size) {
  Called("FKRX_ReadDescription");
  return vantrel::ReadDescription(static_cast<const vantrel::InputInfo*>(info), text, size);
}

}  // extern "C"
