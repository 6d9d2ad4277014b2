// SPDX-License-Identifier: MIT
#pragma once
// VariantArray: a 1-D or 2-D array of Variants with bounds per dimension,
// stored column-major as automation arrays are (the first index varies fastest).
// Growing the last dimension with preserve keeps the contents in amortised O(1)
// per added row.

#include "platform/export.h"

#include <cstddef>
#include <initializer_list>
#include <span>
#include <vector>

#include "platform/automation/variant.h"

namespace automation {

struct QV_EXPORT Bounds {
  long lower = 0;
  long upper = -1;  // upper < lower: no element
  long count() const noexcept { return upper >= lower ? upper - lower + 1 : 0; }
  friend bool operator==(Bounds, Bounds) = default;
};

class QV_EXPORT VariantArray {
 public:
  VariantArray() = default;                        // 1-D, no element
  explicit VariantArray(std::initializer_list<Bounds> dims);
  explicit VariantArray(std::span<const Bounds> dims);
  // An array of these bounds that takes over `elements`, given in storage order
  // (the first index varying fastest); a count other than the bounds' raises 9.
  VariantArray(std::span<const Bounds> dims, std::vector<Variant> elements);

  int dimensions() const noexcept { return static_cast<int>(dims_.size()); }
  // 1-based dimension number, as UBound(a, n); a wrong dimension raises 9.
  long lbound(int dimension = 1) const;
  long ubound(int dimension = 1) const;
  std::size_t size() const noexcept { return data_.size(); }

  // Element access; an index outside the bounds raises 9.
  Variant& at(long i);
  const Variant& at(long i) const;
  Variant& at(long i, long j);
  const Variant& at(long i, long j) const;

  // ReDim: new bounds, contents dropped.
  void redim(std::initializer_list<Bounds> dims);
  void redim(std::span<const Bounds> dims);
  // ReDim Preserve: only the last dimension may change; contents kept.
  void redim_preserve_last(Bounds last);
  // Adds one element (1-D) or one row (2-D: last dimension) at the end.
  void push_back_last();

  std::span<const Variant> elements() const noexcept { return data_; }
  friend bool operator==(const VariantArray&, const VariantArray&) = default;

 private:
  std::size_t offset(long i) const;
  std::size_t offset(long i, long j) const;
  void resize_last(Bounds last);

  std::vector<Bounds> dims_{Bounds{}};
  std::vector<Variant> data_;
};

}  // namespace automation
