// SPDX-License-Identifier: MIT
#include "quorvel/personnel/classBanco.h"

#include "platform/com/bind.h"
#include "quorvel/common/adjustment.h"
#include "quorvel/common/records.h"
#include "quorvel/common/sql.h"

namespace quorvel {

using automation::Variant;

void classBanco::BusBanco(ado::Connection& ConnRH, std::string& DescErr, std::int32_t& pkNumBanco,
                          std::string& pnNomeBanco, std::string& pnRazaoSocialBanco) {
  Trapped(DescErr, [&] {
    RecordsetPtr rs =
        Open(ConnRH, "SELECT RhsBanco.* " "FROM RhsBanco " "WHERE RhsBanco.NumBanco = " + sql::Number(pkNumBanco));
    Copy(*rs, "NumBanco", pkNumBanco);
    Copy(*rs, "NomeBanco", pnNomeBanco);
    Copy(*rs, "RazaoSocialBanco", pnRazaoSocialBanco);
    rs->Close();
  });
}

void classBanco::CarBanco(ado::Connection& ConnRH, std::string& DescErr, Variant& vlArray, Variant& pkNumBanco,
                          Variant& pnNomeBanco, Variant& pnRazaoSocialBanco) {
  static constexpr Column kColumns[] = {{"NumBanco"}, {"NomeBanco"}, {"RazaoSocialBanco"}};
  Trapped(DescErr, [&] {
    sql::Filter where;
    where.Add(pkNumBanco, "NumBanco LIKE ", sql::Text);
    where.Add(pnNomeBanco, "UPPER(NomeBanco) LIKE ", sql::UpperText);
    where.Add(pnRazaoSocialBanco, "UPPER(RazaoSocialBanco) LIKE ", sql::UpperText);
    std::string statement = "SELECT RhsBanco.* " "FROM RhsBanco " + where.Clause() + " ORDER BY NumBanco";
    fAjustaSql(ConnRH, statement);
    LoadList(ConnRH, statement, vlArray, kColumns);
  });
}

const com::ClassDescription<classBanco>& classBanco::Description() {
  using C = classBanco;
  static const com::ClassDescription<C> d{
      "Quorvel.classBanco",
      {
          com::Method<&C::BusBanco>("BusBanco", {"ConnRH", "DescErr", "pkNumBanco", "pnNomeBanco",
                                                 "pnRazaoSocialBanco"}),
          com::Method<&C::CarBanco>("CarBanco", {"ConnRH", "DescErr", "vlArray", "pkNumBanco", "pnNomeBanco",
                                                 "pnRazaoSocialBanco"}),
      }};
  return d;
}

}  // namespace quorvel
