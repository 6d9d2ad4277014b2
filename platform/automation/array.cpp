// SPDX-License-Identifier: MIT
#include "platform/automation/array.h"

#include <algorithm>
#include <new>

#include "platform/automation/error.h"

namespace automation {

namespace {

// VB refuses a dimension whose upper bound lies below lower - 1.
void check(Bounds b) {
  if (b.upper < b.lower && b.upper != b.lower - 1) raise(err::kSubscriptOutOfRange);
}

// More elements than an automation array can hold raise out of memory (7).
constexpr std::size_t kMaxElements = 0x7FFFFFFF;

// Elements of checked bounds, computed without overflow.
std::size_t element_count(std::span<const Bounds> dims) {
  std::size_t n = 1;
  for (Bounds b : dims) {
    if (b.upper < b.lower) return 0;
    const auto span = static_cast<unsigned long>(b.upper) - static_cast<unsigned long>(b.lower);
    if (span >= kMaxElements) raise(err::kOutOfMemory);
    n *= span + 1;
    if (n > kMaxElements) raise(err::kOutOfMemory);
  }
  return n;
}

// Storage that cannot be had raises out of memory, as the runtime's ReDim.
template <class F>
void allocating(F&& f) {
  try {
    f();
  } catch (const std::bad_alloc&) {
    raise(err::kOutOfMemory);
  }
}

}  // namespace

VariantArray::VariantArray(std::initializer_list<Bounds> dims)
    : VariantArray(std::span<const Bounds>(dims.begin(), dims.size())) {}

VariantArray::VariantArray(std::span<const Bounds> dims) { redim(dims); }

VariantArray::VariantArray(std::span<const Bounds> dims, std::vector<Variant> elements) {
  if (dims.empty()) raise(err::kSubscriptOutOfRange);
  for (Bounds b : dims) check(b);
  if (elements.size() != element_count(dims)) raise(err::kSubscriptOutOfRange);
  dims_.assign(dims.begin(), dims.end());
  data_ = std::move(elements);
}

long VariantArray::lbound(int dimension) const {
  if (dimension < 1 || dimension > dimensions()) raise(err::kSubscriptOutOfRange);
  return dims_[static_cast<std::size_t>(dimension - 1)].lower;
}

long VariantArray::ubound(int dimension) const {
  if (dimension < 1 || dimension > dimensions()) raise(err::kSubscriptOutOfRange);
  return dims_[static_cast<std::size_t>(dimension - 1)].upper;
}

std::size_t VariantArray::offset(long i) const {
  if (dims_.size() != 1) raise(err::kSubscriptOutOfRange);
  const Bounds b = dims_[0];
  if (i < b.lower || i > b.upper) raise(err::kSubscriptOutOfRange);
  return static_cast<std::size_t>(i - b.lower);
}

std::size_t VariantArray::offset(long i, long j) const {
  if (dims_.size() != 2) raise(err::kSubscriptOutOfRange);
  const Bounds b0 = dims_[0];
  const Bounds b1 = dims_[1];
  if (i < b0.lower || i > b0.upper || j < b1.lower || j > b1.upper) raise(err::kSubscriptOutOfRange);
  return static_cast<std::size_t>(i - b0.lower) +
         static_cast<std::size_t>(j - b1.lower) * static_cast<std::size_t>(b0.count());
}

Variant& VariantArray::at(long i) { return data_[offset(i)]; }
const Variant& VariantArray::at(long i) const { return data_[offset(i)]; }
Variant& VariantArray::at(long i, long j) { return data_[offset(i, j)]; }
const Variant& VariantArray::at(long i, long j) const { return data_[offset(i, j)]; }

void VariantArray::redim(std::initializer_list<Bounds> dims) {
  redim(std::span<const Bounds>(dims.begin(), dims.size()));
}

void VariantArray::redim(std::span<const Bounds> dims) {
  if (dims.empty()) raise(err::kSubscriptOutOfRange);
  for (Bounds b : dims) check(b);
  std::vector<Variant> data;
  allocating([&] { data.resize(element_count(dims)); });
  dims_.assign(dims.begin(), dims.end());
  data_ = std::move(data);
}

void VariantArray::resize_last(Bounds last) {
  std::vector<Bounds> dims = dims_;
  dims.back() = last;
  const std::size_t n = element_count(dims);
  // Geometric growth of the storage keeps repeated one-row growth amortised O(1).
  allocating([&] {
    if (n > data_.capacity()) data_.reserve(std::max(n, data_.capacity() * 2));
    data_.resize(n);
  });
  dims_ = std::move(dims);
}

void VariantArray::redim_preserve_last(Bounds last) {
  check(last);
  // Column-major storage: the kept elements stay where they are (by position,
  // as VB keeps them when the lower bound moves).
  resize_last(last);
}

void VariantArray::push_back_last() {
  Bounds last = dims_.back();
  if (last.upper < last.lower) last.upper = last.lower - 1;
  ++last.upper;
  resize_last(last);
}

}  // namespace automation
