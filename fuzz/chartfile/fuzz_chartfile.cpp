// SPDX-License-Identifier: MIT
// Chart files on any bytes, read as the thumbnail window and the chart
// engine read them: no crash, no sanitizer report, no file or input
// information left open, texts within their buffers, pictures within the
// format's limits; what reads whole writes back to the same bytes.

#include <sys/mman.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "mirolan/mirolan.h"
#include "platform/vantrel/chartfile.h"

namespace {

void check(bool ok) {
  if (!ok) std::abort();
}

// The one file every input is written to: in memory, named by its descriptor.
int File() {
  static const int fd = ::memfd_create("fuzz_chartfile", MFD_CLOEXEC);
  check(fd >= 0);
  return fd;
}

void Write(const std::uint8_t* data, std::size_t size) {
  check(::ftruncate(File(), 0) == 0);
  for (std::size_t done = 0; done < size;) {
    const ssize_t n = ::pwrite(File(), data + done, size - done, static_cast<off_t>(done));
    check(n > 0);
    done += static_cast<std::size_t>(n);
  }
}

bool Known(short status) { return status <= VT_OK && status >= VT_ERR_NO_INPUT_INFO; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Write(data, size);
  const std::string file = "/proc/self/fd/" + std::to_string(File());
  const char* path = file.c_str();

  // The description into buffers of several sizes; the whole of it into one as large as the file.
  std::vector<char> whole(size + 1, '#');
  const short described = ThumbWIN_LoadDescription(path, whole.data(), static_cast<int>(whole.size()));
  check(Known(described));
  const std::string description = described == VT_OK ? std::string(whole.data()) : std::string();  // to a NUL
  for (const int room : {1, 2, 17}) {
    std::vector<char> buffer(static_cast<std::size_t>(room) + 1, '#');
    const short s = ThumbWIN_LoadDescription(path, buffer.data(), room);
    check(s == described && buffer[static_cast<std::size_t>(room)] == '#');
    if (s == VT_OK) check(description.starts_with(buffer.data()) && std::strlen(buffer.data()) < std::size_t(room));
  }

  win::HGLOBAL dib = nullptr;
  const short pictured = ThumbWIN_LoadThumbnail(path, &dib);
  check(Known(pictured) && (pictured == VT_OK) == (dib != nullptr));
  vantrel::Picture picture;
  if (dib) {
    picture = vantrel::ReadDib(dib);
    check(picture.width >= 1 && picture.width <= vantrel::kMaxThumbnailSide && picture.height >= 1 &&
          picture.height <= vantrel::kMaxThumbnailSide);
    win::GlobalFree(dib);
  }

  // A file read whole (a description without NUL and a thumbnail) writes back to its own first bytes.
  const std::size_t length = size >= 8 ? data[6] | (data[7] << 8) : 0;
  if (described == VT_OK && pictured == VT_OK && description.size() == length) {
    const std::string again = vantrel::EncodeChartFile(description, picture);
    check(again.size() <= size && std::memcmp(again.data(), data, again.size()) == 0);
  }

  // The engine's reader: the same statuses, in its order.
  for (const int want_thumbnail : {0, 1}) {
    for (const int want_description : {0, 0x10000, 1}) {
      win::HGLOBAL thumbnail = nullptr;
      std::string text = "old";
      const short s = ReadKRXFile(&file, want_thumbnail, want_thumbnail ? &thumbnail : nullptr, 0,
                                  want_description, &text);
      check(Known(s));
      if (want_thumbnail) check(thumbnail != nullptr ? pictured == VT_OK : s == pictured);
      if (s == VT_OK && (want_description & 0xFFFF)) check(text == description.substr(0, 255));
      if (s == VT_OK && !(want_description & 0xFFFF)) check(text.empty());
      win::GlobalFree(thumbnail);
    }
  }
  check(vantrel::OpenIoBlocks() == 0 && vantrel::LiveInputInfos() == 0);
  return 0;
}
