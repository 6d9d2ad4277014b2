// SPDX-License-Identifier: MIT
#include "quorvel/recruitment/classEscolaridadeCandidato.h"

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
    "SELECT RhsEscolaridadeCandidato.*, RhsNivelEscolaridade.DescrNivel "
    "FROM ( RhsEscolaridadeCandidato "
    "LEFT JOIN RhsNivelEscolaridade ON RhsNivelEscolaridade.CodNivel = RhsEscolaridadeCandidato.CodNivel) ";

// The columns of RhsEscolaridadeCandidato in table order, under `key`.
sql::ColumnTable Columns(std::int32_t key, std::int32_t pkCodCandidato, std::int32_t pkCodNivel,
                         const std::string& pnNomeEntidade, std::uint8_t pnSerieSemestre,
                         const std::string& pnAnoConclusao) {
  using sql::kBlank;
  return {{"CodRegEscolaridadeCandidato", sql::Number(key), kBlank, sql::kInsertOnly},
          {"CodCandidato", sql::Number(pkCodCandidato), kBlank},
          {"CodNivel", sql::Number(pkCodNivel), kBlank},
          {"NomeEntidade", sql::Quote(pnNomeEntidade)},
          {"SerieSemestre", sql::Number(pnSerieSemestre), kBlank, {.after_value = " , "}},
          {"AnoConclusao", sql::Quote(pnAnoConclusao)}};
}

}  // namespace

void classEscolaridadeCandidato::CarComboNomeEntidade(ado::Connection& ConnRH, std::string& DescErr,
                                                      Variant& vlArray) {
  Trapped(DescErr, [&] {
    LoadCombo(ConnRH, "SELECT DISTINCT NomeEntidade " "FROM RhsEscolaridadeCandidato " "WHERE NomeEntidade <> ''",
              vlArray, "NomeEntidade");
  });
}

void classEscolaridadeCandidato::IncEscolaridadeCandidato(ado::Connection& ConnRH, std::string& DescErr,
                                                          std::string&, std::string&,
                                                          std::int32_t& pkCodRegEscolaridadeCandidato,
                                                          std::int32_t& pkCodCandidato, std::int32_t& pkCodNivel,
                                                          std::string& pnNomeEntidade,
                                                          std::uint8_t& pnSerieSemestre,
                                                          std::string& pnAnoConclusao) {
  InsertTrapped(ConnRH, DescErr, pkCodRegEscolaridadeCandidato, {"RhsEscolaridadeCandidato", "CodRegEscolaridadeCandidato"},
                [&] { return fProxCodigo(ConnRH, DescErr); }, [&](std::int32_t key) {
    Execute(ConnRH, sql::Insert("RhsEscolaridadeCandidato", Columns(key, pkCodCandidato, pkCodNivel, pnNomeEntidade,
                                                                    pnSerieSemestre, pnAnoConclusao)));
  });
}

void classEscolaridadeCandidato::ExcEscolaridadeCandidato(ado::Connection& ConnRH, std::string& DescErr,
                                                          std::string&, std::string&,
                                                          std::int32_t& pkCodRegEscolaridadeCandidato) {
  Trapped(DescErr, [&] {
    Execute(ConnRH, "DELETE FROM RhsEscolaridadeCandidato " "WHERE CodRegEscolaridadeCandidato = " +
                        sql::Number(pkCodRegEscolaridadeCandidato));
  });
}

void classEscolaridadeCandidato::CarEscolaridadeCandidato(ado::Connection& ConnRH, std::string& DescErr,
                                                          Variant& vlArray, Variant& pkCodCandidato,
                                                          Variant& pkCodNivel, Variant& pnNomeEntidade,
                                                          Variant& pnSerieSemestre, Variant& pnAnoConclusao) {
  static constexpr Column kColumns[] = {{"CodRegEscolaridadeCandidato"}, {"CodCandidato"}, {"CodNivel"},
                                        {"DescrNivel"}, {"SerieSemestre"}, {"NomeEntidade"}, {"AnoConclusao"}};
  Trapped(DescErr, [&] {
    sql::Filter where;
    where.Add(pkCodCandidato, "(CodCandidato) LIKE ", sql::Text);
    where.Add(pkCodNivel, "(RhsEscolaridadeCandidato.CodNivel) LIKE ", sql::Text);
    where.Add(pnNomeEntidade, "NomeEntidade LIKE ", sql::Text);
    where.Add(pnSerieSemestre, "SerieSemestre = ", sql::Number);
    where.Add(pnAnoConclusao, "UPPER(AnoConclusao) LIKE ", sql::UpperText);
    std::string statement = std::string(kSelect) + where.Clause();
    fAjustaSql(ConnRH, statement);
    LoadList(ConnRH, statement, vlArray, kColumns);
  });
}

void classEscolaridadeCandidato::BusEscolaridadeCandidato(ado::Connection& ConnRH, std::string& DescErr,
                                                          std::int32_t& pkCodRegEscolaridadeCandidato,
                                                          std::int32_t& pkCodCandidato, std::int32_t& pkCodNivel,
                                                          std::string& pnDescrNivel, std::string& pnNomeEntidade,
                                                          std::uint8_t& pnSerieSemestre,
                                                          std::string& pnAnoConclusao) {
  Trapped(DescErr, [&] {
    RecordsetPtr rs = Open(ConnRH, std::string(kSelect) + "WHERE CodRegEscolaridadeCandidato = " +
                                       sql::Number(pkCodRegEscolaridadeCandidato));
    Copy(*rs, "CodRegEscolaridadeCandidato", pkCodRegEscolaridadeCandidato);
    Copy(*rs, "CodCandidato", pkCodCandidato);
    Copy(*rs, "CodNivel", pkCodNivel);
    Copy(*rs, "DescrNivel", pnDescrNivel);
    Copy(*rs, "NomeEntidade", pnNomeEntidade);
    Copy(*rs, "SerieSemestre", pnSerieSemestre);
    Copy(*rs, "AnoConclusao", pnAnoConclusao);
    rs->Close();
  });
}

void classEscolaridadeCandidato::AltEscolaridadeCandidato(ado::Connection& ConnRH, std::string& DescErr,
                                                          std::string&, std::string&,
                                                          std::int32_t& pkCodRegEscolaridadeCandidato,
                                                          std::int32_t& pkCodCandidato, std::int32_t& pkCodNivel,
                                                          std::string& pnNomeEntidade,
                                                          std::uint8_t& pnSerieSemestre,
                                                          std::string& pnAnoConclusao) {
  Trapped(DescErr, [&] {
    Execute(ConnRH, sql::Update("RhsEscolaridadeCandidato",
                                Columns(pkCodRegEscolaridadeCandidato, pkCodCandidato, pkCodNivel, pnNomeEntidade,
                                        pnSerieSemestre, pnAnoConclusao),
                                "WHERE CodRegEscolaridadeCandidato = " + sql::Number(pkCodRegEscolaridadeCandidato)));
  });
}

std::optional<std::int32_t> classEscolaridadeCandidato::fProxCodigo(ado::Connection& ConnRH,
                                                                    std::string& DescErr) {
  return NextKey(ConnRH, DescErr,
                 "SELECT MAX(CodRegEscolaridadeCandidato) AS MaxCod " "FROM RhsEscolaridadeCandidato");
}

const com::ClassDescription<classEscolaridadeCandidato>& classEscolaridadeCandidato::Description() {
  using C = classEscolaridadeCandidato;
  static constexpr const char* kRecord[] = {"ConnRH",         "DescErr",        "User",
                                            "SourceMachine",  "pkCodRegEscolaridadeCandidato", "pkCodCandidato",
                                            "pkCodNivel",     "pnNomeEntidade", "pnSerieSemestre",
                                            "pnAnoConclusao"};
  static const com::ClassDescription<C> d{
      "Quorvel.classEscolaridadeCandidato",
      {
          com::Method<&C::CarComboNomeEntidade>("CarComboNomeEntidade", {"ConnRH", "DescErr", "vlArray"}),
          com::Method<&C::IncEscolaridadeCandidato>("IncEscolaridadeCandidato", kRecord),
          com::Method<&C::ExcEscolaridadeCandidato>(
              "ExcEscolaridadeCandidato",
              {"ConnRH", "DescErr", "User", "SourceMachine", "pkCodRegEscolaridadeCandidato"}),
          com::Method<&C::CarEscolaridadeCandidato>(
              "CarEscolaridadeCandidato", {"ConnRH", "DescErr", "vlArray", "pkCodCandidato", "pkCodNivel",
                                           "pnNomeEntidade", "pnSerieSemestre", "pnAnoConclusao"}),
          com::Method<&C::BusEscolaridadeCandidato>(
              "BusEscolaridadeCandidato",
              {"ConnRH", "DescErr", "pkCodRegEscolaridadeCandidato", "pkCodCandidato", "pkCodNivel",
               "pnDescrNivel", "pnNomeEntidade", "pnSerieSemestre", "pnAnoConclusao"}),
          com::Method<&C::AltEscolaridadeCandidato>("AltEscolaridadeCandidato", kRecord),
      }};
  return d;
}

}  // namespace quorvel
