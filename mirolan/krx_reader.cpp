// SPDX-License-Identifier: MIT
// The chart-file reader: opens the file, reads the thumbnail and/or the
// description through the SDK, and releases everything on every path.

#include <cstring>

#include "mirolan/mirolan.h"
#include "platform/vantrel/chartfile.h"

namespace {

constexpr int kDescriptionSize = 256;

bool Wanted(int flag) { return (flag & 0xFFFF) != 0; }

}  // namespace

extern "C" short ReadKRXFile(const std::string* file_name, int want_thumbnail, win::HGLOBAL* thumbnail, int,
                             int want_description, std::string* description) {
  unsigned char io[VT_IO_BLOCK_SIZE] = {};
  short status = IOopen(io, file_name ? file_name->c_str() : nullptr, 0, 0);
  if (status == VT_OK) {
    void* info = Tiff_AllocInputInfo(io);
    if (!info) {
      status = VT_ERR_NO_INPUT_INFO;
    } else {
      if (Wanted(want_thumbnail)) status = FKRX_ReadThumbnail(info, thumbnail);
      if (status == VT_OK) {
        if (Wanted(want_description)) {
          char text[kDescriptionSize] = {};
          status = FKRX_ReadDescription(info, text, kDescriptionSize);
          if (status == VT_OK && description) description->assign(text, strnlen(text, kDescriptionSize));
        } else if (description) {
          description->clear();
        }
      }
      Tiff_FreeInputInfo(info);
    }
  }
  IOclose(io);
  return status;
}
