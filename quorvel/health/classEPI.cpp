// SPDX-License-Identifier: MIT
#include "quorvel/health/classEPI.h"

#include "platform/com/bind.h"
#include "quorvel/common/adjustment.h"
#include "quorvel/common/records.h"
#include "quorvel/common/sql.h"

namespace quorvel {

using automation::Variant;

void classEPI::CarEPI(ado::Connection& ConnRH, std::string& DescErr, Variant& vlArray, Variant& pkCodEPI,
                      Variant& pnNomeEPI) {
  static constexpr Column kColumns[] = {{"CodEPI"}, {"NomeEPI"}};
  Trapped(DescErr, [&] {
    sql::Filter where;
    where.Add(pkCodEPI, "CStr(CodEPI) LIKE ", sql::Text);
    where.Add(pnNomeEPI, "UPPER(NomeEPI) LIKE ", sql::UpperText);
    std::string statement = "SELECT * " "FROM RhsEPI " + where.Clause() + " ORDER BY NomeEPI";
    fAjustaSql(ConnRH, statement);
    LoadWideList(ConnRH, statement, vlArray, kColumns);
  });
}

const com::ClassDescription<classEPI>& classEPI::Description() {
  using C = classEPI;
  static const com::ClassDescription<C> d{
      "Quorvel.classEPI",
      {
          com::Method<&C::CarEPI>("CarEPI", {"ConnRH", "DescErr", "vlArray", "pkCodEPI", "pnNomeEPI"}),
      }};
  return d;
}

}  // namespace quorvel
