// SPDX-License-Identifier: MIT
#include "quorvel/administration/classTipoFalta.h"

#include "platform/com/bind.h"
#include "quorvel/common/adjustment.h"
#include "quorvel/common/records.h"
#include "quorvel/common/sql.h"

namespace quorvel {

using automation::Variant;

Variant JustificationWords(const Variant& code) {
  const bool justified = code.is_string() && code.as_string() == "J";
  return Variant(justified ? "Justificada" : "Injustificada");
}

namespace {

Variant Justification(Record& r) { return JustificationWords(r.Field("Justificativa")); }

}  // namespace

void classTipoFalta::CarTipoFalta(ado::Connection& ConnRH, std::string& DescErr, Variant& vlArray,
                                  Variant& pkCodTipoFalta, Variant& pnDescrTipoFalta, Variant& pnJustificativa) {
  static constexpr Column kColumns[] = {
      {"CodTipoFalta"}, {"DescrTipoFalta"}, {"Justificativa", {}, &Justification}};
  Trapped(DescErr, [&] {
    sql::Filter where;
    where.Add(pkCodTipoFalta, "CodTipoFalta LIKE ", sql::Text);
    where.Add(pnDescrTipoFalta, "UPPER(DescrTipoFalta) LIKE ", sql::UpperText);
    where.Add(pnJustificativa, "Justificativa = ", sql::Text);
    std::string statement = "SELECT * " "FROM RhsTipoFalta " + where.Clause() + " ORDER BY DescrTipoFalta";
    fAjustaSql(ConnRH, statement);
    LoadWideList(ConnRH, statement, vlArray, kColumns);
  });
}

const com::ClassDescription<classTipoFalta>& classTipoFalta::Description() {
  using C = classTipoFalta;
  static const com::ClassDescription<C> d{
      "Quorvel.classTipoFalta",
      {
          com::Method<&C::CarTipoFalta>("CarTipoFalta", {"ConnRH", "DescErr", "vlArray", "pkCodTipoFalta",
                                                         "pnDescrTipoFalta", "pnJustificativa"}),
      }};
  return d;
}

}  // namespace quorvel
