// SPDX-License-Identifier: MIT
#include "quorvel/personnel/classRelatorios.h"

#include "platform/automation/array.h"
#include "platform/com/bind.h"
#include "quorvel/common/column_table.h"
#include "quorvel/common/column_values.h"
#include "quorvel/common/fields.h"
#include "quorvel/common/records.h"
#include "quorvel/common/sql.h"

namespace quorvel {

using automation::Variant;

void classRelatorios::pCarRelatorios(ado::Connection& ConnRH, std::string& DescErr, Variant& vlArray) {
  Trapped(DescErr, [&] {
    RecordsetPtr rs = Open(ConnRH, "SELECT * " "FROM RhsRelatorios " "ORDER BY DescrRelatorio ");
    automation::VariantArray& a = FieldCaptions(*rs, vlArray);
    if (!rs->EOF_()) rs->MoveFirst();  // an empty catalogue is the caption row alone
    AppendRecords(*rs, a);
    rs->Close();
  });
}

void classRelatorios::IncTabelaTemporaria(ado::Connection& conn, std::string& DescErr, Variant& plCodigo) {
  Trapped(DescErr, [&] {
    // Codigo is an integer column.
    const sql::ColumnValue code{"Codigo", FittedLiteral(conn, sql::NumberOrQuoted(plCodigo), kInteger)};
    Execute(conn, sql::Insert("TempRegistros", {&code, 1}, {.names = ")  ", .values = ")"}));
  });
}

void classRelatorios::ExcTabelaTemporaria(ado::Connection& conn, std::string& DescErr) {
  Trapped(DescErr, [&] { Execute(conn, "DELETE  FROM TempRegistros"); });
}

const com::ClassDescription<classRelatorios>& classRelatorios::Description() {
  using C = classRelatorios;
  static const com::ClassDescription<C> d{
      "Quorvel.classRelatorios",
      {
          com::Method<&C::pCarRelatorios>("pCarRelatorios", {"ConnRH", "DescErr", "vlArray"}),
          com::Method<&C::IncTabelaTemporaria>("IncTabelaTemporaria", {"conn", "DescErr", "plCodigo"}),
          com::Method<&C::ExcTabelaTemporaria>("ExcTabelaTemporaria", {"conn", "DescErr"}),
      }};
  return d;
}

}  // namespace quorvel
