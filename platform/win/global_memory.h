// SPDX-License-Identifier: MIT
#pragma once
// Global memory blocks: movable blocks handed between a library and its
// caller by handle (pictures of the chart engine travel this way). A handle
// is checked against the live blocks, so a stale or foreign one fails
// instead of crashing.

#include "platform/export.h"

#include <cstddef>
#include <memory>

namespace win {

struct GlobalBlock;
using HGLOBAL = GlobalBlock*;

inline constexpr unsigned GMEM_FIXED = 0x0000;
inline constexpr unsigned GMEM_MOVEABLE = 0x0002;
inline constexpr unsigned GMEM_ZEROINIT = 0x0040;
inline constexpr unsigned GHND = GMEM_MOVEABLE | GMEM_ZEROINIT;

// A block of size bytes (always zero-filled here); nullptr when it cannot be had.
QV_EXPORT HGLOBAL GlobalAlloc(unsigned flags, std::size_t size);
// nullptr when freed; the handle itself when it is not a live block.
QV_EXPORT HGLOBAL GlobalFree(HGLOBAL block);
// The block's bytes (nullptr for a handle that is not live); unlock is a no-op kept for callers.
QV_EXPORT void* GlobalLock(HGLOBAL block);
QV_EXPORT bool GlobalUnlock(HGLOBAL block);
QV_EXPORT std::size_t GlobalSize(HGLOBAL block);  // 0 for a handle that is not live

// Live blocks of the process (tests check that nothing leaks).
QV_EXPORT std::size_t GlobalBlocksLive();

// Owns a block: frees it when it dies.
struct QV_EXPORT GlobalFreeDeleter {
  void operator()(GlobalBlock* block) const { GlobalFree(block); }
};
using UniqueGlobal = std::unique_ptr<GlobalBlock, GlobalFreeDeleter>;

}  // namespace win
