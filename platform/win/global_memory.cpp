// SPDX-License-Identifier: MIT
#include "platform/win/global_memory.h"

#include <mutex>
#include <new>
#include <unordered_set>
#include <vector>

namespace win {

struct GlobalBlock {
  std::vector<std::byte> bytes;
};

namespace {

struct Blocks {
  std::mutex mutex;
  std::unordered_set<GlobalBlock*> live;
};

Blocks& All() {
  static Blocks blocks;
  return blocks;
}

bool IsLive(GlobalBlock* block) {
  std::lock_guard lock(All().mutex);
  return block && All().live.count(block) != 0;
}

}  // namespace

HGLOBAL GlobalAlloc(unsigned, std::size_t size) {
  auto block = std::unique_ptr<GlobalBlock>(new (std::nothrow) GlobalBlock);
  if (!block) return nullptr;
  try {
    block->bytes.resize(size);
  } catch (const std::bad_alloc&) {
    return nullptr;
  } catch (const std::length_error&) {
    return nullptr;
  }
  std::lock_guard lock(All().mutex);
  All().live.insert(block.get());
  return block.release();
}

HGLOBAL GlobalFree(HGLOBAL block) {
  {
    std::lock_guard lock(All().mutex);
    if (!block || All().live.erase(block) == 0) return block;
  }
  std::unique_ptr<GlobalBlock> owned(block);
  return nullptr;
}

void* GlobalLock(HGLOBAL block) {
  if (!IsLive(block)) return nullptr;
  return block->bytes.data();
}

bool GlobalUnlock(HGLOBAL block) { return IsLive(block); }

std::size_t GlobalSize(HGLOBAL block) { return IsLive(block) ? block->bytes.size() : 0; }

std::size_t GlobalBlocksLive() {
  std::lock_guard lock(All().mutex);
  return All().live.size();
}

}  // namespace win
