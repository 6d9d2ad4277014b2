// SPDX-License-Identifier: MIT
#pragma once
// Printing values and result arrays for a reader.

#include <ostream>
#include <string>

#include "platform/automation/variant.h"

namespace hrapp {

// A value on its own line: texts quoted, Null as Null, Empty as Empty.
std::string Describe(const automation::Variant& v);
// A table cell: texts as they are, Null as Null, Empty as nothing.
std::string Cell(const automation::Variant& v);
// An array as an aligned table: a 2-D array one line per second index (row 0
// first), a 1-D array one line per element with its index, a whole record
// (captions and one row of 16 columns or more) one line per column.
void PrintTable(std::ostream& out, const automation::Variant& array, std::string_view indent = "  ");

}  // namespace hrapp
