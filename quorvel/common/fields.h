// SPDX-License-Identifier: MIT
#pragma once
// Result arrays whose columns are the record set's own fields, for the
// methods that read tables they know only by name.

#include "platform/ado/ado.h"
#include "platform/automation/array.h"
#include "platform/automation/variant.h"

namespace quorvel {

// vlArray becomes (0 To n-1, 0 To 0), n the record set's field count, with
// each field's name in row 0 in the record set's order.
automation::VariantArray& FieldCaptions(const ado::Recordset& rs, automation::Variant& vlArray);

// Every field of the current record, in the record set's order, into row
// `row` of a (Null kept).
void FillFields(const ado::Recordset& rs, automation::VariantArray& a, long row);

// Adds one row per record, from the current one to the end, each filled by
// FillFields after the array has grown.
void AppendRecords(ado::Recordset& rs, automation::VariantArray& a);

}  // namespace quorvel
