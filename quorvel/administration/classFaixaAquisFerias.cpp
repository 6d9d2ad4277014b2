// SPDX-License-Identifier: MIT
#include "quorvel/administration/classFaixaAquisFerias.h"

#include "platform/com/bind.h"
#include "quorvel/common/records.h"
#include "quorvel/common/sql.h"

namespace quorvel {

std::int32_t classFaixaAquisFerias::fNrDiasFerias(ado::Connection& ConnRH, std::string& DescErr,
                                                  double& plNrFaltas) {
  std::int32_t result = -1;
  Trapped(DescErr, [&] {
    // A decimal point whatever the regional separator, so fractions reach the database.
    RecordsetPtr rs = Open(ConnRH, "SELECT * FROM RhsFaixaAquisFerias "
                                   "WHERE Teto >= " + sql::Number(Variant(plNrFaltas)) + " "
                                   "ORDER BY Teto ");
    if (!rs->EOF_()) {
      std::int32_t days = 0;
      Copy(*rs, "NrDiasAGozar", days);
      result = days;
    }
    rs->Close();
  });
  return result;
}

const com::ClassDescription<classFaixaAquisFerias>& classFaixaAquisFerias::Description() {
  using C = classFaixaAquisFerias;
  static const com::ClassDescription<C> d{
      "Quorvel.classFaixaAquisFerias",
      {
          com::Method<&C::fNrDiasFerias>("fNrDiasFerias", {"ConnRH", "DescErr", "plNrFaltas"}),
      }};
  return d;
}

}  // namespace quorvel
