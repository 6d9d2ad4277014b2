// SPDX-License-Identifier: MIT
#include "quorvel/recruitment/classCursos.h"

#include "platform/automation/convert.h"
#include "platform/com/bind.h"
#include "quorvel/common/adjustment.h"
#include "quorvel/common/column_table.h"
#include "quorvel/common/new_key.h"
#include "quorvel/common/records.h"
#include "quorvel/common/sql.h"

namespace quorvel {

using automation::Variant;

namespace {

constexpr std::string_view kSelect =
    "SELECT RhsCursos.*, RhsDadosPessoais.Nome "
    "FROM ( RhsCursos "
    "LEFT JOIN RhsDadosPessoais ON RhsDadosPessoais.CodIndividual = RhsCursos.CodIndividual) ";

// '%VALUE%': the upper-cased value anywhere in the column, the caller's own
// wildcards kept inside.
std::string Anywhere(const Variant& value) {
  return sql::QuoteUpper("%" + automation::CStr(value) + "%");
}

// The columns of RhsCursos in table order, under `key`.
sql::ColumnTable Columns(std::int32_t key, std::int32_t pkCodIndividual, const std::string& pnNomeCurso,
                         const std::string& pnEntidade, const std::string& pnAnoPeriodo, const std::string& pnDuracao,
                         const std::string& pnDiploma) {
  using sql::kBlank;
  return {{"CodRegCurso", sql::Number(key), kBlank, sql::kInsertOnly},
          {"CodIndividual", sql::Number(pkCodIndividual), kBlank},
          {"NomeCurso", sql::Quote(pnNomeCurso)},
          {"Entidade", sql::Quote(pnEntidade)},
          {"AnoPeriodo", sql::Quote(pnAnoPeriodo)},
          {"Duracao", sql::Quote(pnDuracao)},
          {"Diploma", sql::Quote(pnDiploma)}};
}

}  // namespace

void classCursos::CarCurso(ado::Connection& ConnRH, std::string& DescErr, Variant& vlArray,
                           Variant& pkCodIndividual, Variant& pnNomeCurso, Variant& pnEntidade,
                           Variant& pnAnoPeriodo, Variant& pnDiploma) {
  static constexpr Column kColumns[] = {{"CodIndividual"}, {"Nome"},    {"NomeCurso"}, {"Entidade"},
                                        {"AnoPeriodo"},    {"Duracao"}, {"Diploma"}};
  Trapped(DescErr, [&] {
    sql::Filter where;
    where.Add(pkCodIndividual, "RhsCursos.CodIndividual = ", sql::Number);
    where.Add(pnNomeCurso, "UPPER(NomeCurso) LIKE ", Anywhere);
    where.Add(pnEntidade, "UPPER(Entidade) LIKE ", Anywhere);
    where.Add(pnAnoPeriodo, "UPPER(AnoPeriodo) LIKE ", Anywhere);
    where.Add(pnDiploma, "UPPER(Diploma) = ", sql::UpperText);
    std::string statement = std::string(kSelect) + where.Clause();
    fAjustaSql(ConnRH, statement);
    LoadList(ConnRH, statement, vlArray, kColumns);
  });
}

void classCursos::BusCurso(ado::Connection& ConnRH, std::string& DescErr, std::int32_t& pkCodRegCurso,
                           std::int32_t& pkCodIndividual, std::string& pnNome, std::string& pnNomeCurso,
                           std::string& pnEntidade, std::string& pnAnoPeriodo, std::string& pnDuracao,
                           std::string& pnDiploma) {
  Trapped(DescErr, [&] {
    RecordsetPtr rs = Open(ConnRH, std::string(kSelect) + "WHERE CodRegCurso = " + sql::Number(pkCodRegCurso));
    Copy(*rs, "CodRegCurso", pkCodRegCurso);
    Copy(*rs, "CodIndividual", pkCodIndividual);
    Copy(*rs, "Nome", pnNome);
    Copy(*rs, "NomeCurso", pnNomeCurso);
    Copy(*rs, "Entidade", pnEntidade);
    Copy(*rs, "AnoPeriodo", pnAnoPeriodo);
    Copy(*rs, "Duracao", pnDuracao);
    Copy(*rs, "Diploma", pnDiploma);
    rs->Close();
  });
}

void classCursos::ExcCurso(ado::Connection& ConnRH, std::string& DescErr, std::string&, std::string&,
                           std::int32_t& pkCodRegCurso) {
  Trapped(DescErr, [&] {
    Execute(ConnRH, "DELETE FROM RhsCursos " "WHERE CodRegCurso = " + sql::Number(pkCodRegCurso));
  });
}

void classCursos::AltCurso(ado::Connection& ConnRH, std::string& DescErr, std::string&, std::string&,
                           std::int32_t& pkCodRegCurso, std::int32_t& pkCodIndividual, std::string& pnNomeCurso,
                           std::string& pnEntidade, std::string& pnAnoPeriodo, std::string& pnDuracao,
                           std::string& pnDiploma) {
  Trapped(DescErr, [&] {
    Execute(ConnRH, sql::Update("RhsCursos",
                                Columns(pkCodRegCurso, pkCodIndividual, pnNomeCurso, pnEntidade, pnAnoPeriodo,
                                        pnDuracao, pnDiploma),
                                "WHERE CodRegCurso = " + sql::Number(pkCodRegCurso)));
  });
}

void classCursos::IncCurso(ado::Connection& ConnRH, std::string& DescErr, std::string&, std::string&,
                           std::int32_t& pkCodRegCurso, std::int32_t& pkCodIndividual, std::string& pnNomeCurso,
                           std::string& pnEntidade, std::string& pnAnoPeriodo, std::string& pnDuracao,
                           std::string& pnDiploma) {
  InsertTrapped(ConnRH, DescErr, pkCodRegCurso, {"RhsCursos", "CodRegCurso"},
                [&] { return fProxCodigo(ConnRH, DescErr); }, [&](std::int32_t key) {
    Execute(ConnRH, sql::Insert("RhsCursos", Columns(key, pkCodIndividual, pnNomeCurso, pnEntidade, pnAnoPeriodo,
                                                     pnDuracao, pnDiploma)));
  });
}

std::optional<std::int32_t> classCursos::fProxCodigo(ado::Connection& ConnRH, std::string& DescErr) {
  return NextKey(ConnRH, DescErr, "SELECT MAX(CodRegCurso) AS MaxCod " "FROM RhsCursos");
}

const com::ClassDescription<classCursos>& classCursos::Description() {
  using C = classCursos;
  static const com::ClassDescription<C> d{
      "Quorvel.classCursos",
      {
          com::Method<&C::CarCurso>("CarCurso", {"ConnRH", "DescErr", "vlArray", "pkCodIndividual", "pnNomeCurso",
                                                 "pnEntidade", "pnAnoPeriodo", "pnDiploma"}),
          com::Method<&C::BusCurso>("BusCurso", {"ConnRH", "DescErr", "pkCodRegCurso", "pkCodIndividual", "pnNome",
                                                 "pnNomeCurso", "pnEntidade", "pnAnoPeriodo", "pnDuracao",
                                                 "pnDiploma"}),
          com::Method<&C::ExcCurso>("ExcCurso", {"ConnRH", "DescErr", "User", "SourceMachine", "pkCodRegCurso"}),
          com::Method<&C::AltCurso>("AltCurso", {"ConnRH", "DescErr", "User", "SourceMachine", "pkCodRegCurso",
                                                 "pkCodIndividual", "pnNomeCurso", "pnEntidade", "pnAnoPeriodo",
                                                 "pnDuracao", "pnDiploma"}),
          com::Method<&C::IncCurso>("IncCurso", {"ConnRH", "DescErr", "User", "SourceMachine", "pkCodRegCurso",
                                                 "pkCodIndividual", "pnNomeCurso", "pnEntidade", "pnAnoPeriodo",
                                                 "pnDuracao", "pnDiploma"}),
      }};
  return d;
}

}  // namespace quorvel
