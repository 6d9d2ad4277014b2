// SPDX-License-Identifier: MIT
#include "quorvel/health/classExameMedico.h"

#include "platform/com/bind.h"
#include "quorvel/common/adjustment.h"
#include "quorvel/common/column_table.h"
#include "quorvel/common/new_key.h"
#include "quorvel/common/records.h"
#include "quorvel/common/sql.h"

namespace quorvel {

using automation::Variant;

namespace {

// The columns of RhsExameMedico in table order, under `key`.
sql::ColumnTable Columns(std::int32_t key, std::int32_t pkCodFuncionario, std::int32_t pkCodTipoExame,
                         const automation::Date& pnDataExame, const std::string& pnAptoFuncao,
                         const std::string& pnRiscosOcupacionais, const std::string& pnExamesComplementares,
                         const std::string& pnMedicoResponsavel, std::int32_t pnNrRegistroMedico,
                         std::int32_t pkCodConselho, float pnDiasPerdidos) {
  using sql::kBlank;
  return {{"CodRegExameMedico", sql::Number(key), kBlank, sql::kInsertOnly},
          {"CodFuncionario", sql::Number(pkCodFuncionario), kBlank},
          {"CodTipoExame", sql::Number(pkCodTipoExame), kBlank},
          {"DataExame", sql::Date(pnDataExame)},
          {"AptoFuncao", sql::Quote(pnAptoFuncao)},
          {"RiscosOcupacionais", sql::Quote(pnRiscosOcupacionais)},
          {"ExamesComplementares", sql::Quote(pnExamesComplementares)},
          {"MedicoResponsavel", sql::Quote(pnMedicoResponsavel)},
          {"NrRegistroMedico", sql::Number(pnNrRegistroMedico), kBlank},
          {"CodConselho", sql::Number(pkCodConselho), kBlank},
          {"DiasPerdidos", sql::Single(pnDiasPerdidos)}};
}

}  // namespace

void classExameMedico::BusExameMedico(ado::Connection& ConnRH, std::string& DescErr,
                                      std::int32_t& pkCodRegExameMedico, std::int32_t& pkCodFuncionario,
                                      std::string& pnNome, std::int32_t& pkCodTipoExame,
                                      std::string& pnDescrTipoExame, automation::Date& pnDataExame,
                                      std::string& pnAptoFuncao, std::string& pnRiscosOcupacionais,
                                      std::string& pnExamesComplementares, std::string& pnMedicoResponsavel,
                                      std::int32_t& pnNrRegistroMedico, std::int32_t& pkCodConselho,
                                      std::string& pnSiglaConselho, float& pnDiasPerdidos) {
  Trapped(DescErr, [&] {
    RecordsetPtr rs = Open(
        ConnRH,
        "SELECT RhsExameMedico.*, RhsDadosPessoais.Nome, "
        "RhsTipoExameMedico.DescrTipoExame, RhsConselho.SiglaConselho "
        "FROM (((( RhsExameMedico "
        "LEFT JOIN RhsDadosFuncionario ON RhsDadosFuncionario.CodFuncionario = RhsExameMedico.CodFuncionario) "
        "LEFT JOIN RhsDadosPessoais ON RhsDadosPessoais.CodIndividual = RhsDadosFuncionario.CodIndividual) "
        "LEFT JOIN RhsTipoExameMedico ON RhsTipoExameMedico.CodTipoExame = RhsExameMedico.CodTipoExame) "
        "LEFT JOIN RhsConselho ON RhsConselho.CodConselho = RhsExameMedico.CodConselho) "
        "WHERE CodRegExameMedico = " + sql::Number(pkCodRegExameMedico));
    Copy(*rs, "CodRegExameMedico", pkCodRegExameMedico);
    Copy(*rs, "CodFuncionario", pkCodFuncionario);
    Copy(*rs, "Nome", pnNome);
    Copy(*rs, "CodTipoExame", pkCodTipoExame);
    Copy(*rs, "DescrTipoExame", pnDescrTipoExame);
    Copy(*rs, "DataExame", pnDataExame);
    Copy(*rs, "AptoFuncao", pnAptoFuncao);
    Copy(*rs, "RiscosOcupacionais", pnRiscosOcupacionais);
    Copy(*rs, "ExamesComplementares", pnExamesComplementares);
    Copy(*rs, "MedicoResponsavel", pnMedicoResponsavel);
    Copy(*rs, "NrRegistroMedico", pnNrRegistroMedico);
    Copy(*rs, "CodConselho", pkCodConselho);
    Copy(*rs, "SiglaConselho", pnSiglaConselho);
    Copy(*rs, "DiasPerdidos", pnDiasPerdidos);
    rs->Close();
  });
}

void classExameMedico::ExcExameMedico(ado::Connection& ConnRH, std::string& DescErr, std::string&, std::string&,
                                      std::int32_t& pkCodRegExameMedico) {
  Trapped(DescErr, [&] {
    Execute(ConnRH, "DELETE FROM RhsExameMedico " "WHERE CodRegExameMedico = " + sql::Number(pkCodRegExameMedico));
  });
}

void classExameMedico::CarExameMedico(ado::Connection& ConnRH, std::string& DescErr, Variant& vlArray,
                                      Variant& pkCodFuncionario, Variant& pkCodTipoExame, Variant& pnDataExame,
                                      Variant& pnAptoFuncao, Variant& pnNrRegistroMedico, Variant& pkCodConselho,
                                      Variant& pnDiasPerdidos) {
  static constexpr Column kColumns[] = {
      {"CodRegExameMedico"}, {"CodFuncionario"}, {"DescrTipoExame"}, {"DataExame"}, {"DiasPerdidos"}};
  Trapped(DescErr, [&] {
    sql::Filter where;
    where.Add(pkCodFuncionario, "CodFuncionario = ", sql::Number);
    // The exam-type table has a CodTipoExame too: the filter names the record's.
    where.Add(pkCodTipoExame, "RhsExameMedico.CodTipoExame = ", sql::Number);
    where.Add(pnDataExame, "DataExame = ", sql::Date);
    where.Add(pnAptoFuncao, "AptoFuncao = ", sql::Text);
    where.Add(pnNrRegistroMedico, "NrRegistroMedico = ", sql::Number);
    where.Add(pkCodConselho, "CodConselho = ", sql::Number);
    where.Add(pnDiasPerdidos, "DiasPerdidos = ", sql::Number);
    LoadList(ConnRH,
             "SELECT RhsExameMedico.*, RhsTipoExameMedico.DescrTipoExame "
             "FROM ( RhsExameMedico "
             "LEFT JOIN RhsTipoExameMedico ON RhsTipoExameMedico.CodTipoExame = RhsExameMedico.CodTipoExame) " +
                 where.Clause(),
             vlArray, kColumns);
  });
}

void classExameMedico::AltExameMedico(ado::Connection& ConnRH, std::string& DescErr, std::string&, std::string&,
                                      std::int32_t& pkCodRegExameMedico, std::int32_t& pkCodFuncionario,
                                      std::int32_t& pkCodTipoExame, automation::Date& pnDataExame,
                                      std::string& pnAptoFuncao, std::string& pnRiscosOcupacionais,
                                      std::string& pnExamesComplementares, std::string& pnMedicoResponsavel,
                                      std::int32_t& pnNrRegistroMedico, std::int32_t& pkCodConselho,
                                      float& pnDiasPerdidos) {
  Trapped(DescErr, [&] {
    std::string statement = sql::Update("RhsExameMedico",
                                        Columns(pkCodRegExameMedico, pkCodFuncionario, pkCodTipoExame, pnDataExame,
                                                pnAptoFuncao, pnRiscosOcupacionais, pnExamesComplementares,
                                                pnMedicoResponsavel, pnNrRegistroMedico, pkCodConselho,
                                                pnDiasPerdidos),
                                        "WHERE CodRegExameMedico = " + sql::Number(pkCodRegExameMedico));
    fAjustaSql(ConnRH, statement);
    Execute(ConnRH, statement);
  });
}

void classExameMedico::IncExameMedico(ado::Connection& ConnRH, std::string& DescErr, std::string&, std::string&,
                                      std::int32_t& pkCodRegExameMedico, std::int32_t& pkCodFuncionario,
                                      std::int32_t& pkCodTipoExame, automation::Date& pnDataExame,
                                      std::string& pnAptoFuncao, std::string& pnRiscosOcupacionais,
                                      std::string& pnExamesComplementares, std::string& pnMedicoResponsavel,
                                      std::int32_t& pnNrRegistroMedico, std::int32_t& pkCodConselho,
                                      float& pnDiasPerdidos) {
  InsertTrapped(ConnRH, DescErr, pkCodRegExameMedico, {"RhsExameMedico", "CodRegExameMedico"},
                [&] { return fProxCodigo(ConnRH, DescErr); }, [&](std::int32_t key) {
    std::string statement = sql::Insert("RhsExameMedico",
                                        Columns(key, pkCodFuncionario, pkCodTipoExame, pnDataExame, pnAptoFuncao,
                                                pnRiscosOcupacionais, pnExamesComplementares, pnMedicoResponsavel,
                                                pnNrRegistroMedico, pkCodConselho, pnDiasPerdidos),
                                        {.values = " ) "});
    fAjustaSql(ConnRH, statement);
    Execute(ConnRH, statement);
  });
}

std::optional<std::int32_t> classExameMedico::fProxCodigo(ado::Connection& ConnRH, std::string& DescErr) {
  return NextKey(ConnRH, DescErr, "SELECT MAX(CodRegExameMedico) AS MaxCod " "FROM RhsExameMedico");
}

const com::ClassDescription<classExameMedico>& classExameMedico::Description() {
  using C = classExameMedico;
  static const com::ClassDescription<C> d{
      "Quorvel.classExameMedico",
      {
          com::Method<&C::BusExameMedico>(
              "BusExameMedico",
              {"ConnRH", "DescErr", "pkCodRegExameMedico", "pkCodFuncionario", "pnNome", "pkCodTipoExame",
               "pnDescrTipoExame", "pnDataExame", "pnAptoFuncao", "pnRiscosOcupacionais", "pnExamesComplementares",
               "pnMedicoResponsavel", "pnNrRegistroMedico", "pkCodConselho", "pnSiglaConselho", "pnDiasPerdidos"}),
          com::Method<&C::ExcExameMedico>("ExcExameMedico",
                                          {"ConnRH", "DescErr", "User", "SourceMachine", "pkCodRegExameMedico"}),
          com::Method<&C::CarExameMedico>("CarExameMedico",
                                          {"ConnRH", "DescErr", "vlArray", "pkCodFuncionario", "pkCodTipoExame",
                                           "pnDataExame", "pnAptoFuncao", "pnNrRegistroMedico", "pkCodConselho",
                                           "pnDiasPerdidos"}),
          com::Method<&C::AltExameMedico>(
              "AltExameMedico",
              {"ConnRH", "DescErr", "User", "SourceMachine", "pkCodRegExameMedico", "pkCodFuncionario",
               "pkCodTipoExame", "pnDataExame", "pnAptoFuncao", "pnRiscosOcupacionais", "pnExamesComplementares",
               "pnMedicoResponsavel", "pnNrRegistroMedico", "pkCodConselho", "pnDiasPerdidos"}),
          com::Method<&C::IncExameMedico>(
              "IncExameMedico",
              {"ConnRH", "DescErr", "User", "SourceMachine", "pkCodRegExameMedico", "pkCodFuncionario",
               "pkCodTipoExame", "pnDataExame", "pnAptoFuncao", "pnRiscosOcupacionais", "pnExamesComplementares",
               "pnMedicoResponsavel", "pnNrRegistroMedico", "pkCodConselho", "pnDiasPerdidos"}),
      }};
  return d;
}

}  // namespace quorvel
