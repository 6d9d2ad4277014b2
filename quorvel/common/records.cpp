// SPDX-License-Identifier: MIT
#include "quorvel/common/records.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "platform/automation/array.h"
#include "platform/automation/convert.h"
#include "platform/automation/error.h"
#include "platform/automation/regional.h"
#include "platform/com/dispatch.h"
#include "quorvel/common/backslashes.h"

namespace quorvel {

using automation::Bounds;
using automation::VariantArray;

const Variant& Record::Field(std::string_view name) {
  if (next_ == known_.size()) next_ = 0;
  if (next_ < known_.size() && known_[next_].name == name) return rs_.Fields(known_[next_++].position).Value();
  for (std::size_t k = 0; k < known_.size(); ++k) {
    if (known_[k].name == name) {
      next_ = k + 1;
      return rs_.Fields(known_[k].position).Value();
    }
  }
  for (std::size_t i = 0, n = rs_.FieldCount(); i < n; ++i) {
    if (com::EqualsNoCase(rs_.Fields(i).Name(), name)) {
      known_.push_back({name, i});
      next_ = known_.size();
      return rs_.Fields(i).Value();
    }
  }
  return rs_.Fields(name).Value();  // raises "item not found"
}

RecordsetPtr Open(ado::Connection& ConnRH, std::string_view statement) {
  RecordsetPtr rs = ConnRH.Execute(ForConnection(ConnRH, statement), -1);
  if (!rs) automation::raise(automation::err::kNoCurrentRecord);  // a statement that returned no rows at all
  return rs;
}

void Execute(ado::Connection& ConnRH, std::string_view statement) {
  ConnRH.Execute(ForConnection(ConnRH, statement), -1);
}

namespace {

// The rows of a list as they are read, in blocks of a fixed size; the array
// is made once at the end, at its final size, so that growing the list moves
// no element and asks for no storage larger than a block.
class Rows {
 public:
  explicit Rows(std::size_t columns)
      : columns_(columns), per_block_(std::max<std::size_t>(kBlock / std::max<std::size_t>(columns, 1), 1) * columns) {}

  // Makes room for one more row.
  void Begin() {
    if (blocks_.empty() || blocks_.back().size() + columns_ > per_block_) {
      blocks_.emplace_back();
      blocks_.back().reserve(per_block_);
    }
    ++rows_;
  }
  // The next cell of the current row.
  void Put(const Variant& v) { blocks_.back().push_back(v); }
  void Put(Variant&& v) { blocks_.back().push_back(std::move(v)); }

  // vlArray becomes (0 To n-1, 0 To rows): the captions in row 0, the rows
  // read after them; a row left unfinished by a failure is completed with Empty.
  void Store(Variant& vlArray, std::span<const Column> columns) {
    std::vector<Variant> data;
    data.reserve(columns_ * (rows_ + 1));
    for (std::size_t i = 0; i < columns_; ++i)
      data.push_back(i < columns.size() ? Variant(columns[i].caption) : Variant());  // wider lists: Empty
    for (std::vector<Variant>& b : blocks_) {
      for (Variant& v : b) data.push_back(std::move(v));
      std::vector<Variant>().swap(b);
    }
    blocks_.clear();
    data.resize(columns_ * (rows_ + 1));
    const Bounds dims[] = {{0, static_cast<long>(columns_) - 1}, {0, static_cast<long>(rows_)}};
    vlArray = VariantArray(dims, std::move(data));
  }

 private:
  static constexpr std::size_t kBlock = 2048;  // cells of a block, about 80 KB
  std::size_t columns_;
  std::size_t per_block_;
  std::size_t rows_ = 0;
  std::vector<std::vector<Variant>> blocks_;
};

Variant Cell(Record& record, const Column& c) {
  if (c.compute) return c.compute(record);
  return record.Field(c.field.empty() ? c.caption : c.field);
}

// Dimensions vlArray (0 To n-1, 0 To rows-1) with the captions in row 0.
VariantArray& Captions(Variant& vlArray, std::span<const Column> columns, long rows) {
  vlArray = VariantArray({Bounds{0, static_cast<long>(columns.size()) - 1}, Bounds{0, rows - 1}});
  VariantArray& a = vlArray.as_array();
  for (std::size_t i = 0; i < columns.size(); ++i) a.at(static_cast<long>(i), 0) = Variant(columns[i].caption);
  return a;
}

void FillRow(Record& record, VariantArray& a, long row, std::span<const Column> columns) {
  for (std::size_t i = 0; i < columns.size(); ++i) a.at(static_cast<long>(i), row) = Cell(record, columns[i]);
}

// Reads every record into `rows` with put_row; on a failure the captions and
// the rows read so far are stored before the error goes on.
template <class PutRow>
void ReadRows(ado::Recordset& rs, Rows& rows, Variant& vlArray, std::span<const Column> columns, PutRow&& put_row) {
  try {
    while (!rs.EOF_()) {
      rows.Begin();
      put_row();
      rs.MoveNext();
    }
    rs.Close();
  } catch (...) {
    rows.Store(vlArray, columns);
    throw;
  }
  rows.Store(vlArray, columns);
}

}  // namespace

namespace {

// The given columns, then Empty up to `width` in every row and in the caption row.
void LoadPadded(ado::Recordset& rs, Variant& vlArray, std::span<const Column> columns, std::size_t width) {
  Rows rows(width);
  Record record(rs);
  ReadRows(rs, rows, vlArray, columns, [&] {
    for (const Column& c : columns) rows.Put(Cell(record, c));
    for (std::size_t i = columns.size(); i < width; ++i) rows.Put(Variant());
  });
}

}  // namespace

void LoadWideList(ado::Connection& ConnRH, std::string_view statement, Variant& vlArray,
                  std::span<const Column> columns) {
  RecordsetPtr rs = Open(ConnRH, statement);
  const std::size_t width = rs->FieldCount();
  if (width < columns.size()) automation::raise(automation::err::kSubscriptOutOfRange);
  LoadPadded(*rs, vlArray, columns, width);
}

void LoadList(ado::Connection& ConnRH, std::string_view statement, Variant& vlArray,
              std::span<const Column> columns, std::size_t width) {
  RecordsetPtr rs = Open(ConnRH, statement);
  LoadPadded(*rs, vlArray, columns, std::max(width, columns.size()));
}

void LoadList(ado::Connection& ConnRH, std::string_view statement, Variant& vlArray,
              std::span<const Column> columns, const CellFunction& cell) {
  RecordsetPtr rs = Open(ConnRH, statement);
  Rows rows(columns.size());
  Record record(*rs);
  ReadRows(*rs, rows, vlArray, columns, [&] {
    for (std::size_t i = 0; i < columns.size(); ++i) {
      std::optional<Variant> given = cell(record, i);
      rows.Put(given ? std::move(*given) : Cell(record, columns[i]));
    }
  });
}

void LoadList(ado::Connection& ConnRH, std::string_view statement, Variant& vlArray,
              std::span<const Column> columns) {
  RecordsetPtr rs = Open(ConnRH, statement);
  Rows rows(columns.size());
  Record record(*rs);
  try {
    while (!rs->EOF_()) {
      rows.Begin();
      for (const Column& c : columns) {
        if (c.compute) {
          rows.Put(c.compute(record));
        } else {
          rows.Put(record.Field(c.field.empty() ? c.caption : c.field));
        }
      }
      rs->MoveNext();
    }
    rs->Close();
  } catch (...) {
    rows.Store(vlArray, columns);  // the captions and the rows read so far stay
    throw;
  }
  rows.Store(vlArray, columns);
}

void LoadCombo(ado::Connection& ConnRH, std::string_view statement, Variant& vlArray, std::string_view field) {
  vlArray = VariantArray({Bounds{0, 0}});
  RecordsetPtr rs = Open(ConnRH, statement);
  VariantArray& a = vlArray.as_array();
  while (!rs->EOF_()) {
    a.at(a.ubound(1)) = rs->Fields(field).Value();
    a.push_back_last();
    rs->MoveNext();
  }
  rs->Close();
}

void FillRecord(const ado::Recordset& rs, Variant& vlArray, std::span<const Column> columns) {
  VariantArray& a = Captions(vlArray, columns, 2);
  Record record(rs);
  FillRow(record, a, 1, columns);
}

void Copy(const ado::Recordset& rs, std::string_view field, std::string& out) {
  out = automation::CStr(rs.Fields(field).Value());
}
void Copy(const ado::Recordset& rs, std::string_view field, std::int32_t& out) {
  out = automation::CLng(rs.Fields(field).Value());
}
void Copy(const ado::Recordset& rs, std::string_view field, std::int16_t& out) {
  out = automation::CInt(rs.Fields(field).Value());
}
void Copy(const ado::Recordset& rs, std::string_view field, std::uint8_t& out) {
  out = automation::CByte(rs.Fields(field).Value());
}
void Copy(const ado::Recordset& rs, std::string_view field, double& out) {
  out = automation::CDbl(rs.Fields(field).Value());
}
void Copy(const ado::Recordset& rs, std::string_view field, float& out) {
  out = automation::CSng(rs.Fields(field).Value());
}
void Copy(const ado::Recordset& rs, std::string_view field, automation::Date& out) {
  out = automation::CDate(rs.Fields(field).Value());
}
void Copy(const ado::Recordset& rs, std::string_view field, bool& out) {
  out = automation::CBool(rs.Fields(field).Value());
}
void Copy(const ado::Recordset& rs, std::string_view field, Variant& out) { out = rs.Fields(field).Value(); }

double ReadBackAsText(double x) {
  // From 1 to 1e9 the text is the whole part, the comma and the fraction
  // rounded to 15 digits in all, which reaches the whole part only for a
  // fraction above 0.999999: the reading gives the whole part, without the text.
  if (x >= 1 && x < 1e9 && x - std::trunc(x) < 0.999 && automation::regional().decimal_separator == ",")
    return std::trunc(x);
  return automation::Val(automation::CStr(Variant(x)));
}

std::optional<std::int32_t> NextKey(ado::Connection& ConnRH, std::string& DescErr, std::string_view statement) {
  std::optional<std::int32_t> key;
  Trapped(DescErr, [&] {
    RecordsetPtr rs = Open(ConnRH, statement);
    const Variant& max = rs->Fields("MaxCod").Value();
    key = max.is_null() ? 1 : automation::CLng(Variant(automation::CDbl(max) + 1.0));
    rs->Close();
  });
  return key;
}

}  // namespace quorvel
