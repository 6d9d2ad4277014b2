// SPDX-License-Identifier: MIT
#include "quorvel/common/fields.h"

namespace quorvel {

using automation::Bounds;
using automation::Variant;
using automation::VariantArray;

VariantArray& FieldCaptions(const ado::Recordset& rs, Variant& vlArray) {
  const long n = static_cast<long>(rs.FieldCount());
  vlArray = VariantArray({Bounds{0, n - 1}, Bounds{0, 0}});
  VariantArray& a = vlArray.as_array();
  for (long j = 0; j < n; ++j) a.at(j, 0) = Variant(rs.Fields(static_cast<std::size_t>(j)).Name());
  return a;
}

void FillFields(const ado::Recordset& rs, VariantArray& a, long row) {
  for (std::size_t j = 0, n = rs.FieldCount(); j < n; ++j) a.at(static_cast<long>(j), row) = rs.Fields(j).Value();
}

void AppendRecords(ado::Recordset& rs, VariantArray& a) {
  while (!rs.EOF_()) {
    a.push_back_last();
    FillFields(rs, a, a.ubound(2));
    rs.MoveNext();
  }
}

}  // namespace quorvel
