#pragma once
// Temporary folders of chart files for the tests, and the process's current
// directory put back after each test (the dialog changes it).

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include "platform/vantrel/chartfile.h"

namespace mirolantest {

class TempFolder {
 public:
  TempFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "mirolan-XXXXXX").string();
    if (char* made = ::mkdtemp(pattern.data())) path_ = made;
  }
  ~TempFolder() {
    std::error_code ec;
    if (!path_.empty()) std::filesystem::remove_all(path_, ec);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  const std::string& path() const { return path_; }
  std::string operator/(std::string_view name) const { return path_ + "/" + std::string(name); }

 private:
  std::string path_;
};

inline vantrel::Picture Solid(int width, int height, std::uint32_t rgb) {
  vantrel::Picture p;
  p.width = width;
  p.height = height;
  p.rgb.assign(static_cast<std::size_t>(width) * height, rgb);
  return p;
}

inline void WriteBytes(const std::string& path, std::string_view bytes) {
  std::filesystem::create_directories(std::filesystem::path(path).parent_path());
  std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// A chart file with a description and a plain thumbnail of one colour.
inline void WriteChart(const std::string& path, std::string_view description, std::uint32_t rgb = 0x3366CC) {
  WriteBytes(path, vantrel::EncodeChartFile(description, Solid(8, 6, rgb)));
}

class CurrentDirectoryGuard {
 public:
  CurrentDirectoryGuard() : saved_(std::filesystem::current_path()) {}
  ~CurrentDirectoryGuard() {
    std::error_code ec;
    std::filesystem::current_path(saved_, ec);
  }
  CurrentDirectoryGuard(const CurrentDirectoryGuard&) = delete;
  CurrentDirectoryGuard& operator=(const CurrentDirectoryGuard&) = delete;

 private:
  std::filesystem::path saved_;
};

}  // namespace mirolantest
