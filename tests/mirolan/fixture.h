// SPDX-License-Identifier: MIT
#pragma once
// Temporary folders of chart files for the tests, and the process's current
// directory put back after each test (the dialog changes it).

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdlib>
#include <filesystem>
#include <mutex>
#include <thread>
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

// A FIFO that nobody writes to. Should a reader wait on it, the guard opens it
// for writing after a few seconds, so that the reader sees its end and the
// test goes on, and records that someone waited.
class UnwrittenFifo {
 public:
  explicit UnwrittenFifo(std::string path, std::chrono::milliseconds patience = std::chrono::seconds(5))
      : path_(std::move(path)) {
    std::filesystem::create_directories(std::filesystem::path(path_).parent_path());
    made_ = ::mkfifo(path_.c_str(), 0600) == 0;
    guard_ = std::thread([this, patience] {
      std::unique_lock lock(mutex_);
      if (wake_.wait_for(lock, patience, [this] { return done_; })) return;
      while (!wake_.wait_for(lock, std::chrono::milliseconds(50), [this] { return done_; })) {
        int fd = ::open(path_.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
        if (fd >= 0) {  // a reader is there: it was waiting
          waited_ = true;
          ::close(fd);
        }
      }
    });
  }
  ~UnwrittenFifo() {
    {
      std::lock_guard lock(mutex_);
      done_ = true;
    }
    wake_.notify_all();
    guard_.join();
  }
  UnwrittenFifo(const UnwrittenFifo&) = delete;
  UnwrittenFifo& operator=(const UnwrittenFifo&) = delete;

  bool made() const { return made_; }
  bool reader_waited() const { return waited_; }

 private:
  std::string path_;
  bool made_ = false;
  std::atomic<bool> waited_{false};
  std::mutex mutex_;
  std::condition_variable wake_;
  bool done_ = false;
  std::thread guard_;
};

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
