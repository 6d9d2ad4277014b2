#include "quorvel/common/records.h"

#include <vector>

#include "platform/automation/array.h"
#include "platform/automation/convert.h"
#include "platform/automation/error.h"

namespace quorvel {

using automation::Bounds;
using automation::VariantArray;

const Variant& Record::Field(std::string_view name) {
  for (const Known& k : known_) {
    if (k.name == name) return rs_.Fields(k.position).Value();
  }
  for (std::size_t i = 0, n = rs_.FieldCount(); i < n; ++i) {
    if (com::EqualsNoCase(rs_.Fields(i).Name(), name)) {
      known_.push_back({name, i});
      return rs_.Fields(i).Value();
    }
  }
  return rs_.Fields(name).Value();  // raises "item not found"
}

RecordsetPtr Open(ado::Connection& ConnRH, std::string_view statement) {
  RecordsetPtr rs = ConnRH.Execute(statement, -1);
  if (!rs) automation::raise(automation::err::kNoCurrentRecord);  // a statement that returned no rows at all
  return rs;
}

void Execute(ado::Connection& ConnRH, std::string_view statement) { ConnRH.Execute(statement, -1); }

namespace {

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

}  // namespace

void LoadList(ado::Connection& ConnRH, std::string_view statement, Variant& vlArray,
              std::span<const Column> columns) {
  RecordsetPtr rs = Open(ConnRH, statement);
  VariantArray& a = Captions(vlArray, columns, 1);
  Record record(*rs);
  for (long row = 1; !rs->EOF_(); ++row) {
    a.push_back_last();
    FillRow(record, a, row, columns);
    rs->MoveNext();
  }
  rs->Close();
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
void Copy(const ado::Recordset& rs, std::string_view field, automation::Date& out) {
  out = automation::CDate(rs.Fields(field).Value());
}
void Copy(const ado::Recordset& rs, std::string_view field, bool& out) {
  out = automation::CBool(rs.Fields(field).Value());
}
void Copy(const ado::Recordset& rs, std::string_view field, Variant& out) { out = rs.Fields(field).Value(); }

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
