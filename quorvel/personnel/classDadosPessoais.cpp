// SPDX-License-Identifier: MIT
#include "quorvel/personnel/classDadosPessoais.h"

#include "platform/automation/array.h"
#include "platform/automation/clock.h"
#include "platform/automation/convert.h"
#include "platform/com/bind.h"
#include "quorvel/common/adjustment.h"
#include "quorvel/common/column_table.h"
#include "quorvel/common/column_values.h"
#include "quorvel/common/formatting.h"
#include "quorvel/common/new_key.h"
#include "quorvel/common/records.h"
#include "quorvel/common/sql.h"

namespace quorvel {

using automation::Variant;

namespace {

// The empty masks of the postal code and of the height.
constexpr std::string_view kEmptyCep = "     -   ";
constexpr std::string_view kEmptyAltura = " ,  ";

// The types of the number columns written from Variants, as the schema
// declares them: their literals are fitted to them (FittedLiteral).
constexpr NumberType kNrFilhos = kSmallint;
constexpr NumberType kAltura = Numeric(4, 2);
constexpr NumberType kPeso = Numeric(5, 2);

// Altura: Null or the empty mask give Null; any other value must be a number,
// written quoted with a decimal point.
std::string Altura(ado::Connection& ConnRH, const Variant& value) {
  if (value.is_null() || (value.is_string() && value.as_string() == kEmptyAltura)) return "Null";
  return FittedLiteral(ConnRH, sql::Quote(sql::Number(value)), kAltura);
}

// The texts that the whole-record insert and update carry in pnArray.
struct Extra {
  std::string observacoes;
  std::int32_t pais = 0;
};

Extra ReadInsertArray(const Variant& pnArray) {
  const automation::VariantArray& a = pnArray.as_array();
  Extra e{automation::CStr(a.at(0, 1)), automation::CInt(a.at(0, 2))};
  automation::CStr(a.at(0, 3));
  automation::CStr(a.at(0, 4));
  return e;
}

Extra ReadUpdateArray(const Variant& pnArray) {
  const automation::VariantArray& a = pnArray.as_array();
  const Variant& pais = a.at(0, 2);
  Extra e{automation::CStr(a.at(0, 1)),
          pais.is_string() && pais.as_string().empty() ? 0 : automation::CLng(pais)};
  automation::CStr(a.at(0, 3));
  automation::CStr(a.at(0, 4));
  return e;
}

// The columns of RhsDadosPessoais in table order, for the whole-record insert
// (under `key`) and update. The update writes the empty postal-code mask as Null.
sql::ColumnTable Columns(ado::Connection& ConnRH, sql::Write write, std::int32_t key, const std::string& pnNome,
                         const std::string& pnNomePai, const std::string& pnNomeMae, const std::string& pnLogradouro,
                         const std::string& pnEndereco, const std::string& pnNrEndereco,
                         const std::string& pnComplEndereco, const std::string& pnBairro, std::int32_t pkCodCidade,
                         const std::string& pnUF, const std::string& pnCEP, const std::string& pnTelResidencial,
                         const std::string& pnTelCelular, const std::string& pnTelRecados, const std::string& pnEMail,
                         std::int32_t pkCodEstadoCivil, const std::string& pnNomeConjuge, const Variant& pnNrFilhos,
                         const std::string& pnFilhosFicamCom, const std::string& pnSexo, const Variant& pnAltura,
                         const Variant& pnPeso, std::int32_t pkNaturalidade, std::int16_t pkCodNacionalidade,
                         const Variant& pnDataChegadaBrasil, const automation::Date& pnDataNasc,
                         std::uint8_t pkCodGrauInstrucao, const std::string& pnNrIdentidade,
                         const Variant& pnDataExpIdentidade, const std::string& pnOrgaoExpIdentidade,
                         const std::string& pnNrCPF, const std::string& pnNrPIS, const Variant& pnDataCTPS,
                         const Variant& pnNrCTPS, const std::string& pnSerieCTPS, const std::string& pnNrReservista,
                         const std::string& pnCatReservista, const std::string& pnNrCNH, const std::string& pnCatCNH,
                         const Variant& pnValidadeCNH, const std::string& pnNrTituloEleitor,
                         const std::string& pnZonaTituloEleitor, const std::string& pnSecaoTituloEleitor,
                         const std::string& pnHabProfissional, const std::string& pnNrHabilitacao,
                         std::int32_t pkCodConselho, const Variant& pnDataAposentadoria,
                         const std::string& pnDefFisico, const std::string& pnTipoDeficiencia,
                         std::uint8_t pkCodCorPele, const std::string& pnFumante,
                         const automation::Date& pnDataUltimaAtualizacao, const std::string& pnStatus,
                         const std::string& pnSituacao, const std::string& pnCaminhoFoto, const Extra& extra) {
  using sql::kBlank;
  return {
      {"CodIndividual", sql::Number(key), kBlank, sql::kInsertOnly},
      {"Nome", sql::Quote(pnNome)},
      {"NomePai", sql::Quote(pnNomePai)},
      {"NomeMae", sql::Quote(pnNomeMae)},
      {"Logradouro", sql::Quote(pnLogradouro)},
      {"Endereco", sql::Quote(pnEndereco)},
      {"NrEndereco", sql::Quote(pnNrEndereco)},
      {"ComplEndereco", sql::Quote(pnComplEndereco)},
      {"Bairro", sql::Quote(pnBairro)},
      {"CodCidade", sql::Number(pkCodCidade), kBlank},
      {"UF", sql::Quote(pnUF)},
      {"CEP", write == sql::kUpdate && pnCEP == kEmptyCep ? "Null" : sql::Quote(pnCEP)},
      {"TelResidencial", sql::Quote(pnTelResidencial)},
      {"TelCelular", sql::Quote(pnTelCelular)},
      {"TelRecados", sql::Quote(pnTelRecados)},
      {"EMail", sql::Quote(pnEMail)},
      {"CodEstadoCivil", sql::Number(pkCodEstadoCivil), kBlank},
      {"NomeConjuge", sql::Quote(pnNomeConjuge)},
      {"NrFilhos", FittedLiteral(ConnRH, sql::OptionalNumber(pnNrFilhos), kNrFilhos), kBlank},
      {"FilhosFicamCom", sql::Quote(pnFilhosFicamCom)},
      {"Sexo", sql::Quote(pnSexo)},
      {"Altura", Altura(ConnRH, pnAltura), kBlank},
      {"Peso", FittedLiteral(ConnRH, sql::OptionalNumber(pnPeso), kPeso), kBlank},
      {"Naturalidade", sql::Number(pkNaturalidade), kBlank, {.after_listed = ",  "}},
      {"CodNacionalidade", sql::Number(pkCodNacionalidade), kBlank},
      {"DataChegadaBrasil", sql::OptionalDate(pnDataChegadaBrasil), kBlank},
      {"DataNasc", sql::Date(pnDataNasc)},
      {"CodGrauInstrucao", sql::Number(pkCodGrauInstrucao), kBlank},
      {"NrIdentidade", sql::Quote(pnNrIdentidade)},
      {"DataExpIdentidade", sql::OptionalDate(pnDataExpIdentidade), kBlank},
      {"OrgaoExpIdentidade", sql::Quote(pnOrgaoExpIdentidade)},
      {"NrCPF", sql::Quote(pnNrCPF)},
      {"NrPIS", sql::Quote(pnNrPIS)},
      {"DataCTPS", sql::OptionalDate(pnDataCTPS), kBlank},
      {"NrCTPS", sql::OptionalNumber(pnNrCTPS), kBlank},
      {"SerieCTPS", sql::Quote(pnSerieCTPS)},
      {"NrReservista", sql::Quote(pnNrReservista)},
      {"CatReservista", sql::Quote(pnCatReservista)},
      {"NrCNH", sql::Quote(pnNrCNH)},
      {"CatCNH", sql::Quote(pnCatCNH)},
      {"ValidadeCNH", sql::OptionalDate(pnValidadeCNH), kBlank},
      {"NrTituloEleitor", sql::Quote(pnNrTituloEleitor)},
      {"ZonaTituloEleitor", sql::Quote(pnZonaTituloEleitor)},
      {"SecaoTituloEleitor", sql::Quote(pnSecaoTituloEleitor)},
      {"HabProfissional", sql::Quote(pnHabProfissional)},
      {"NrHabilitacao", sql::Quote(pnNrHabilitacao)},
      {"CodConselho", sql::Number(pkCodConselho), kBlank},
      {"DataAposentadoria", sql::OptionalDate(pnDataAposentadoria), kBlank},
      {"DefFisico", sql::Quote(pnDefFisico)},
      {"TipoDeficiencia", sql::Quote(pnTipoDeficiencia)},
      {"CodCorPele", sql::Number(pkCodCorPele), kBlank},
      {"Fumante", sql::Quote(pnFumante)},
      {"DataUltimaAtualizacao", sql::Date(pnDataUltimaAtualizacao)},
      {"Status", sql::Quote(pnStatus)},
      {"Situacao", sql::Quote(pnSituacao)},
      {"CaminhoFoto", sql::Quote(pnCaminhoFoto)},
      {"Observacoes", sql::Quote(extra.observacoes)},
      {"CodPais", sql::Number(extra.pais), kBlank, {.listed = "codPais"}},
  };
}

// "(Idade)": whole days since DataNasc over 365.25, read back from its
// regional text as Val does (the Brazilian decimal comma stops the reading).
Variant Idade(Record& record) {
  const double days = automation::Today().value - automation::CDate(record.Field("DataNasc")).value;
  const double years = automation::CLng(Variant(days)) / 365.25;
  return Variant(ReadBackAsText(years));
}

}  // namespace

void classDadosPessoais::BusStatus(ado::Connection& ConnRH, std::string& DescErr, std::int32_t& pkCodIndividual,
                                   std::string& pnStatus) {
  Trapped(DescErr, [&] {
    RecordsetPtr rs = Open(ConnRH, "SELECT Status " "FROM RhsDadosPessoais "
                                   "WHERE CodIndividual = " + sql::Number(pkCodIndividual));
    if (!rs->EOF_()) Copy(*rs, "Status", pnStatus);
    rs->Close();
  });
}

void classDadosPessoais::AltSituacao(ado::Connection& ConnRH, std::string& DescErr, std::string&, std::string&,
                                     std::int32_t& pkCodIndividual, std::string& pnSituacao) {
  Trapped(DescErr, [&] {
    Execute(ConnRH, "UPDATE RhsDadosPessoais " "SET Situacao = " + sql::Quote(pnSituacao) +
                    "WHERE CodIndividual = " + sql::Number(pkCodIndividual));
  });
}

void classDadosPessoais::CarComboHabProfissional(ado::Connection& ConnRH, std::string& DescErr, Variant& vlArray) {
  Trapped(DescErr, [&] {
    LoadCombo(ConnRH, "SELECT DISTINCT HabProfissional " "FROM RhsDadosPessoais " "WHERE HabProfissional <> ''",
              vlArray, "HabProfissional");
  });
}

void classDadosPessoais::CarComboBairro(ado::Connection& ConnRH, std::string& DescErr, Variant& vlArray) {
  Trapped(DescErr, [&] {
    LoadCombo(ConnRH, "SELECT DISTINCT Bairro " "FROM RhsDadosPessoais " "WHERE Bairro <> ''", vlArray, "Bairro");
  });
}

void classDadosPessoais::CarComboLogradouro(ado::Connection& ConnRH, std::string& DescErr, Variant& vlArray) {
  Trapped(DescErr, [&] {
    LoadCombo(ConnRH, "SELECT DISTINCT Logradouro " "FROM RhsDadosPessoais " "WHERE Logradouro <> ''", vlArray,
              "Logradouro");
  });
}

void classDadosPessoais::CarComboEndereco(ado::Connection& ConnRH, std::string& DescErr, Variant& vlArray) {
  Trapped(DescErr, [&] {
    LoadCombo(ConnRH, "SELECT DISTINCT Endereco " "FROM RhsDadosPessoais " "WHERE Endereco <> ''", vlArray,
              "Endereco");
  });
}

void classDadosPessoais::CarComboFilhosFicamCom(ado::Connection& ConnRH, std::string& DescErr, Variant& vlArray) {
  Trapped(DescErr, [&] {
    LoadCombo(ConnRH, "SELECT DISTINCT FilhosFicamCom " "FROM RhsDadosPessoais " "WHERE FilhosFicamCom <> '' "
              "ORDER BY FilhosFicamCom ", vlArray, "FilhosFicamCom");
  });
}

void classDadosPessoais::AltStatus(ado::Connection& ConnRH, std::string& DescErr, std::string&, std::string&,
                                   std::int32_t& pkCodIndividual, std::string& pnStatus) {
  Trapped(DescErr, [&] {
    Execute(ConnRH, "UPDATE RhsDadosPessoais SET " "Status = " + sql::Quote(pnStatus) + ", "
                    "DataUltimaAtualizacao = " + sql::Date(automation::Today()) + " "
                    "WHERE CodIndividual = " + sql::Number(pkCodIndividual));
  });
}

void classDadosPessoais::AltDadosPessoais(ado::Connection& ConnRH, std::string& DescErr, std::int32_t& pkCodIndividual,
    std::string& pnNome,
    std::string& pnNomePai,
    std::string& pnNomeMae,
    std::string& pnLogradouro,
    std::string& pnEndereco,
    std::string& pnNrEndereco,
    std::string& pnComplEndereco,
    std::string& pnBairro,
    std::int32_t& pkCodCidade,
    std::string& pnUF,
    std::string& pnCEP,
    std::string& pnTelResidencial,
    std::string& pnTelCelular,
    std::string& pnTelRecados,
    std::string& pnEMail,
    std::int32_t& pkCodEstadoCivil,
    std::string& pnNomeConjuge,
    Variant& pnNrFilhos,
    std::string& pnFilhosFicamCom,
    std::string& pnSexo,
    Variant& pnAltura,
    Variant& pnPeso,
    std::int32_t& pkNaturalidade,
    std::int16_t& pkCodNacionalidade,
    Variant& pnDataChegadaBrasil,
    automation::Date& pnDataNasc,
    std::uint8_t& pkCodGrauInstrucao,
    std::string& pnNrIdentidade,
    Variant& pnDataExpIdentidade,
    std::string& pnOrgaoExpIdentidade,
    std::string& pnNrCPF,
    std::string& pnNrPIS,
    Variant& pnDataCTPS,
    Variant& pnNrCTPS,
    std::string& pnSerieCTPS,
    std::string& pnNrReservista,
    std::string& pnCatReservista,
    std::string& pnNrCNH,
    std::string& pnCatCNH,
    Variant& pnValidadeCNH,
    std::string& pnNrTituloEleitor,
    std::string& pnZonaTituloEleitor,
    std::string& pnSecaoTituloEleitor,
    std::string& pnHabProfissional,
    std::string& pnNrHabilitacao,
    std::int32_t& pkCodConselho,
    Variant& pnDataAposentadoria,
    std::string& pnDefFisico,
    std::string& pnTipoDeficiencia,
    std::uint8_t& pkCodCorPele,
    std::string& pnFumante,
    automation::Date& pnDataUltimaAtualizacao,
    std::string& pnStatus,
    std::string& pnSituacao,
    std::string& pnCaminhoFoto,
    Variant& pnArray) {
  const Extra extra = ReadUpdateArray(pnArray);
  Trapped(DescErr, [&] {
    std::string s = sql::Update(
        "RhsDadosPessoais",
        Columns(ConnRH, sql::kUpdate, pkCodIndividual, pnNome, pnNomePai, pnNomeMae, pnLogradouro, pnEndereco,
                pnNrEndereco, pnComplEndereco, pnBairro, pkCodCidade, pnUF, pnCEP, pnTelResidencial, pnTelCelular,
                pnTelRecados, pnEMail, pkCodEstadoCivil, pnNomeConjuge, pnNrFilhos, pnFilhosFicamCom, pnSexo,
                pnAltura, pnPeso, pkNaturalidade, pkCodNacionalidade, pnDataChegadaBrasil, pnDataNasc,
                pkCodGrauInstrucao, pnNrIdentidade, pnDataExpIdentidade, pnOrgaoExpIdentidade, pnNrCPF, pnNrPIS,
                pnDataCTPS, pnNrCTPS, pnSerieCTPS, pnNrReservista, pnCatReservista, pnNrCNH, pnCatCNH, pnValidadeCNH,
                pnNrTituloEleitor, pnZonaTituloEleitor, pnSecaoTituloEleitor, pnHabProfissional, pnNrHabilitacao,
                pkCodConselho, pnDataAposentadoria, pnDefFisico, pnTipoDeficiencia, pkCodCorPele, pnFumante,
                pnDataUltimaAtualizacao, pnStatus, pnSituacao, pnCaminhoFoto, extra),
        "WHERE CodIndividual = " + sql::Number(pkCodIndividual));
    fAjustaSql(ConnRH, s);
    Execute(ConnRH, s);
  });
}

void classDadosPessoais::IncDadosPessoais(ado::Connection& ConnRH, std::string& DescErr, std::int32_t& pkCodIndividual,
    std::string& pnNome,
    std::string& pnNomePai,
    std::string& pnNomeMae,
    std::string& pnLogradouro,
    std::string& pnEndereco,
    std::string& pnNrEndereco,
    std::string& pnComplEndereco,
    std::string& pnBairro,
    std::int32_t& pkCodCidade,
    std::string& pnUF,
    std::string& pnCEP,
    std::string& pnTelResidencial,
    std::string& pnTelCelular,
    std::string& pnTelRecados,
    std::string& pnEMail,
    std::int32_t& pkCodEstadoCivil,
    std::string& pnNomeConjuge,
    Variant& pnNrFilhos,
    std::string& pnFilhosFicamCom,
    std::string& pnSexo,
    Variant& pnAltura,
    Variant& pnPeso,
    std::int32_t& pkNaturalidade,
    std::int16_t& pkCodNacionalidade,
    Variant& pnDataChegadaBrasil,
    automation::Date& pnDataNasc,
    std::uint8_t& pkCodGrauInstrucao,
    std::string& pnNrIdentidade,
    Variant& pnDataExpIdentidade,
    std::string& pnOrgaoExpIdentidade,
    std::string& pnNrCPF,
    std::string& pnNrPIS,
    Variant& pnDataCTPS,
    Variant& pnNrCTPS,
    std::string& pnSerieCTPS,
    std::string& pnNrReservista,
    std::string& pnCatReservista,
    std::string& pnNrCNH,
    std::string& pnCatCNH,
    Variant& pnValidadeCNH,
    std::string& pnNrTituloEleitor,
    std::string& pnZonaTituloEleitor,
    std::string& pnSecaoTituloEleitor,
    std::string& pnHabProfissional,
    std::string& pnNrHabilitacao,
    std::int32_t& pkCodConselho,
    Variant& pnDataAposentadoria,
    std::string& pnDefFisico,
    std::string& pnTipoDeficiencia,
    std::uint8_t& pkCodCorPele,
    std::string& pnFumante,
    automation::Date& pnDataUltimaAtualizacao,
    std::string& pnStatus,
    std::string& pnSituacao,
    std::string& pnCaminhoFoto,
    Variant& pnArray) {
  const Extra extra = ReadInsertArray(pnArray);
  InsertTrapped(ConnRH, DescErr, pkCodIndividual, {"RhsDadosPessoais", "CodIndividual"},
                [&] { return fProxCodigo(ConnRH, DescErr); }, [&](std::int32_t key) {
    std::string s = sql::Insert(
        "RhsDadosPessoais",
        Columns(ConnRH, sql::kInsert, key, pnNome, pnNomePai, pnNomeMae, pnLogradouro, pnEndereco, pnNrEndereco,
                pnComplEndereco, pnBairro, pkCodCidade, pnUF, pnCEP, pnTelResidencial, pnTelCelular, pnTelRecados,
                pnEMail, pkCodEstadoCivil, pnNomeConjuge, pnNrFilhos, pnFilhosFicamCom, pnSexo, pnAltura, pnPeso,
                pkNaturalidade, pkCodNacionalidade, pnDataChegadaBrasil, pnDataNasc, pkCodGrauInstrucao,
                pnNrIdentidade, pnDataExpIdentidade, pnOrgaoExpIdentidade, pnNrCPF, pnNrPIS, pnDataCTPS, pnNrCTPS,
                pnSerieCTPS, pnNrReservista, pnCatReservista, pnNrCNH, pnCatCNH, pnValidadeCNH, pnNrTituloEleitor,
                pnZonaTituloEleitor, pnSecaoTituloEleitor, pnHabProfissional, pnNrHabilitacao, pkCodConselho,
                pnDataAposentadoria, pnDefFisico, pnTipoDeficiencia, pkCodCorPele, pnFumante, pnDataUltimaAtualizacao,
                pnStatus, pnSituacao, pnCaminhoFoto, extra));
    fAjustaSql(ConnRH, s);
    Execute(ConnRH, s);
  });
}

void classDadosPessoais::BusDadosPessoais(ado::Connection& ConnRH, std::string& DescErr, Variant& vlArray,
                                          std::int32_t& pkCodIndividual) {
  static constexpr Column kColumns[] = {
      {"CodIndividual"}, {"Nome"}, {"NomePai"}, {"NomeMae"}, {"Logradouro"}, {"Endereco"}, {"NrEndereco"},
      {"ComplEndereco"}, {"Bairro"}, {"CodCidadeRes", "CodCidade"}, {"DescrCidadeRes"}, {"UF"}, {"CEP"},
      {"TelResidencial"}, {"TelCelular"}, {"TelRecados"}, {"EMail"}, {"CodEstadoCivil"},
      {"DescrEstadoCivil", "EstadoCivil"}, {"NomeConjuge"}, {"NrFilhos"}, {"FilhosFicamCom"}, {"Sexo"}, {"Altura"},
      {"Peso"}, {"CodCidadeNat", "Naturalidade"}, {"DescrCidadeNat"}, {"CodNacionalidade"},
      {"DescrNacionalidade", "Nacionalidade"}, {"DataChegadaBrasil"}, {"DataNasc"}, {"CodGrauInstrucao"},
      {"GrauInstrucao"}, {"NrIdentidade"}, {"DataExpIdentidade"}, {"OrgaoExpIdentidade"}, {"NrCPF"}, {"NrPIS"},
      {"DataCTPS"}, {"NrCTPS"}, {"SerieCTPS"}, {"NrReservista"}, {"CatReservista"}, {"NrCNH"}, {"CatCNH"},
      {"ValidadeCNH"}, {"NrTituloEleitor"}, {"ZonaTituloEleitor"}, {"SecaoTituloEleitor"}, {"HabProfissional"},
      {"NrHabilitacao"}, {"CodConselho"}, {"NomeConselho"}, {"DataAposentadoria"}, {"DefFisico"},
      {"TipoDeficiencia"}, {"CodCorPele"}, {"CorPele"}, {"Fumante"}, {"DataUltimaAtualizacao"}, {"Status"},
      {"Situacao"}, {"CaminhoFoto"}, {"Observacoes"}, {"CopPais", "CodPais"}};
  static_assert(std::size(kColumns) == 65);
  Trapped(DescErr, [&] {
    RecordsetPtr rs = Open(ConnRH,
        "SELECT RhsDadosPessoais.*, CadCidade.Cidade AS DescrCidadeRes, "
        "RhsEstadoCivil.EstadoCivil, RhsCidadeNat.Cidade AS DescrCidadeNat, "
        "RhsNacionalidade.Nacionalidade, RhsGrauInstrucao.GrauInstrucao, "
        "RhsConselho.NomeConselho, RhsCorPele.CorPele "
        "FROM ((((((( RhsDadosPessoais "
        "LEFT JOIN CadEndCidades as CadCidade on CadCidade.CodCidade =  RhsDadosPessoais.CodCidade) "
        "LEFT JOIN RhsEstadoCivil ON RhsEstadoCivil.CodEstadoCivil = RhsDadosPessoais.CodEstadoCivil) "
        "LEFT JOIN CadEndCidades AS RhsCidadeNat ON RhsCidadeNat.CodCidade = RhsDadosPessoais.Naturalidade) "
        "LEFT JOIN RhsNacionalidade ON RhsNacionalidade.CodNacionalidade = RhsDadosPessoais.CodNacionalidade) "
        "LEFT JOIN RhsGrauInstrucao ON RhsGrauInstrucao.CodGrauInstrucao = RhsDadosPessoais.CodGrauInstrucao) "
        "LEFT JOIN RhsConselho ON RhsConselho.CodConselho = RhsDadosPessoais.CodConselho) "
        "LEFT JOIN RhsCorPele ON RhsCorPele.CodCorPele = RhsDadosPessoais.CodCorPele) "
        "WHERE RhsDadosPessoais.CodIndividual = " + sql::Number(pkCodIndividual));
    FillRecord(*rs, vlArray, kColumns);
    rs->Close();
  });
}

void classDadosPessoais::BusNome(ado::Connection& ConnRH, std::string& DescErr, std::int32_t& pkCodIndividual,
                                 std::string& pnNome) {
  Trapped(DescErr, [&] {
    RecordsetPtr rs = Open(ConnRH, "SELECT Nome " "FROM RhsDadosPessoais "
                                   "WHERE CodIndividual = " + sql::Number(pkCodIndividual));
    if (!rs->EOF_()) Copy(*rs, "Nome", pnNome);
    rs->Close();
  });
}

void classDadosPessoais::fExisteCPF(ado::Connection& ConnRH, std::string& DescErr, std::string& pnNrCPF,
                                    std::int32_t& result) {
  result = 0;
  Trapped(DescErr, [&] {
    RecordsetPtr rs = Open(ConnRH, "SELECT DISTINCT CodIndividual, NrCPF " "FROM RhsDadosPessoais "
                                   "WHERE NrCPF = " + sql::Quote(pnNrCPF));
    std::int32_t key = -1;
    if (!rs->EOF_()) Copy(*rs, "CodIndividual", key);
    result = key;
    rs->Close();
  });
}

void classDadosPessoais::fExisteNrIdentidade(ado::Connection& ConnRH, std::string& DescErr,
                                             std::string& pnNrIdentidade, std::int32_t& result) {
  result = 0;
  Trapped(DescErr, [&] {
    std::string s = "SELECT DISTINCT CodIndividual, NrIdentidade " "FROM RhsDadosPessoais "
                    "WHERE UPPER(NrIdentidade) = " + sql::QuoteUpper(pnNrIdentidade);
    fAjustaSql(ConnRH, s);
    RecordsetPtr rs = Open(ConnRH, s);
    std::int32_t key = -1;
    if (!rs->EOF_()) Copy(*rs, "CodIndividual", key);
    result = key;
    rs->Close();
  });
}

void classDadosPessoais::fExisteNome(ado::Connection& ConnRH, std::string& DescErr, std::string& pnNome,
                                     bool& result) {
  result = false;
  Trapped(DescErr, [&] {
    std::string s = "SELECT DISTINCT Nome " "FROM RhsDadosPessoais " "WHERE UPPER(Nome) = " + sql::QuoteUpper(pnNome);
    fAjustaSql(ConnRH, s);
    RecordsetPtr rs = Open(ConnRH, s);
    result = !rs->EOF_();
    rs->Close();
  });
}

void classDadosPessoais::CarDadosPessoais(ado::Connection& ConnRH, std::string& DescErr, Variant& vlArray,
                                          Variant& pkCodIndividual, Variant& pnNome, Variant& pkCodCidade,
                                          Variant& pnUF, Variant& pnSexo, Variant& pkCodNacionalidade,
                                          Variant& pnNrIdentidade, Variant& pnNrCPF, Variant& pnDefFisico,
                                          Variant& pnArrayStatus, Variant& pnSituacao) {
  static constexpr Column kColumns[] = {{"CodIndividual"}, {"Nome"},  {"Status"},       {"(Idade)", {}, &Idade},
                                        {"DataNasc"},      {"Sexo"},  {"NrIdentidade"}, {"NrCPF"},
                                        {"Situacao"},      {"NomePai"}, {"NomeMae"}};
  Trapped(DescErr, [&] {
    sql::Filter where;
    where.Add(pkCodIndividual, "cstr(CodIndividual) LIKE ", sql::Text);
    where.Add(pnNome, "UPPER(Nome) LIKE ", sql::UpperText);
    where.Add(pkCodCidade, "CodCidade = ", sql::Number);
    where.Add(pnUF, "UF = ", sql::Text);
    where.Add(pnSexo, "Sexo = ", sql::Text);
    where.Add(pkCodNacionalidade, "CodNacionalidade = ", sql::Number);
    where.Add(pnNrIdentidade, "UPPER(NrIdentidade) LIKE ", sql::UpperText);
    where.Add(pnNrCPF, "UPPER(NrCPF) LIKE ", sql::UpperText);
    where.Add(pnDefFisico, "DefFisico = ", sql::Text);
    if (!pnArrayStatus.is_null()) {
      const automation::VariantArray& statuses = pnArrayStatus.as_array();
      std::string group;
      for (long i = 0; i <= statuses.ubound(1); ++i) group += (i == 0 ? "(" : " OR ") + ("Status = " + sql::Text(statuses.at(i)));
      where.Add(group + ")");
    }
    where.Add(pnSituacao, "Situacao = ", sql::Text);
    std::string s = "SELECT CodIndividual, Nome, NomePai, NomeMae, DataNasc, Sexo, NrIdentidade, "
                    "NrCPF, Status, Situacao "
                    "FROM RhsDadosPessoais " + where.Clause() + " ORDER BY Nome";
    fAjustaSql(ConnRH, s);
    LoadList(ConnRH, s, vlArray, kColumns);
  });
}

void classDadosPessoais::CarDadosPessoaisFiltro(
    ado::Connection& ConnRH, std::string& DescErr, Variant& vlArray, Variant& pnSexo, Variant& pnFumante,
    Variant& pkCodCargoPret, Variant& pkCodEstadoCivil, Variant& pnFilhos, Variant& pnDispHorasExtras,
    Variant& pnDispViagens, Variant& pnMeioTransporte, Variant& pnIdadeInicial, Variant& pnIdadeFinal,
    Variant& pkCidadeResid, Variant& pkCodGrauInstrucao, Variant& pkCodCargoExper, Variant& pnExperMin,
    Variant& pnSituacaoCandidato, Variant& pnArrayConhec) {
  static constexpr Column kColumns[] = {{"CodIndividual"}, {"Nome"},   {"Status"},       {"Situacao"},
                                        {"(Idade)", {}, &Idade},      {"DataNasc"},     {"Sexo"},
                                        {"NrIdentidade"},  {"NrCPF"},  {"NomePai"},      {"NomeMae"},
                                        {"CodCandidato"}};
  Trapped(DescErr, [&] {
    sql::Filter where;
    where.Add(pnSexo, "UPPER(Sexo) = ", sql::UpperText);
    where.Add(pnFumante, "UPPER(Fumante) = ", sql::UpperText);
    where.Add(pkCodCargoPret, "RhsCargoCandidato.CodCargo = ", sql::Number);
    where.Add(pkCodEstadoCivil, "CodEstadoCivil = ", sql::Number);
    if (!pnFilhos.is_null()) where.Add(automation::CStr(pnFilhos) == "S" ? "NrFilhos > 0" : "NrFilhos = 0");
    where.Add(pnDispHorasExtras, "DispHorasExtras = ", sql::Text);
    where.Add(pnDispViagens, "DispViagens = ", sql::Text);
    where.Add(pnMeioTransporte, "MeioTransporte = ", sql::Text);
    const std::string age = "(" + DateDays(ConnRH, "now()") + "-" + DateDays(ConnRH, "DataNasc") + ") / 365.25)";
    where.Add(pnIdadeInicial, "(" + age + " >= ", sql::Number);
    where.Add(pnIdadeFinal, " (" + age + " <= ", sql::Number);
    where.Add(pkCidadeResid, "RhsDadosPessoais.CodCidade = ", sql::Number);
    where.Add(pkCodGrauInstrucao, "CodGrauInstrucao >= ", sql::Number);
    // The experience in years is the day count over 365.0: PostgreSQL's
    // date - date is an integer, and over 365 its quotient would be whole years.
    if (!pkCodCargoExper.is_null()) {
      const std::string cargo = sql::Number(pkCodCargoExper);
      std::string condition = "RhsExperCandidato.CodCargo = " + cargo;
      if (!pnExperMin.is_null())
        condition += " AND RhsExperCandidato.CodCandidato IN (" "SELECT CodCandidato " "FROM RhsExperCandidato "
                     "WHERE CodCargo = " + cargo + " " "GROUP BY CodCandidato "
                     "HAVING (SUM(" +
                     DateDays(ConnRH, "(CASE WHEN DataSaida is null then  '" +
                                          fFormataDataSql(Variant(automation::Today())) + "'else  DataSaida end )") +
                     " - " + DateDays(ConnRH, "(DataEntrada)") + ")/365.0) >= " + sql::Number(pnExperMin) + ")";
      where.Add(condition);
    }
    where.Add(pnSituacaoCandidato, "RhsDadosCandidato.Situacao = ", sql::Text);
    if (!pnArrayConhec.is_null()) {
      const automation::VariantArray& codes = pnArrayConhec.as_array();
      const long last = codes.ubound(1);
      std::string nest;
      for (long i = 1; i <= last; ++i) {
        nest += "(SELECT CodCandidato FROM RhsConhecCandidato " "INNER JOIN RhsConhecimento ON "
                "RhsConhecimento.CodConhec = RhsConhecCandidato.CodConhec WHERE " "CodCompletoConhec LIKE " +
                sql::Quote("%." + automation::CStr(codes.at(i)) + ".%");
        if (i < last) nest += " AND CodCandidato IN ";
      }
      if (last >= 1) nest += std::string(static_cast<std::size_t>(last), ')');
      where.Add("RhsDadosCandidato.CodCandidato IN " + nest);
    }
    std::string s = "SELECT DISTINCT RhsDadosPessoais.CodIndividual, Nome, NomePai, NomeMae, "
                    "DataNasc, Sexo, NrIdentidade, NrCPF, Status, RhsDadosCandidato.Situacao, "
                    "RhsDadosCandidato.CodCandidato "
                    "FROM (((( RhsDadosCandidato "
                    "INNER JOIN RhsDadosPessoais ON RhsDadosPessoais.CodIndividual = RhsDadosCandidato.CodIndividual) "
                    "LEFT JOIN RhsCargoCandidato ON RhsCargoCandidato.CodCandidato = RhsDadosCandidato.CodCandidato) "
                    "LEFT JOIN RhsExperCandidato ON RhsExperCandidato.CodCandidato = RhsDadosCandidato.CodCandidato) "
                    "LEFT JOIN RhsConhecCandidato ON RhsConhecCandidato.CodCandidato = RhsDadosCandidato.CodCandidato) " +
                    where.Clause() + " ORDER BY Nome";
    fAjustaSql(ConnRH, s);
    LoadList(ConnRH, s, vlArray, kColumns);
  });
}

std::optional<std::int32_t> classDadosPessoais::fProxCodigo(ado::Connection& ConnRH, std::string& DescErr) {
  return NextKey(ConnRH, DescErr, "SELECT MAX(CodIndividual) AS MaxCod " "FROM RhsDadosPessoais");
}

const com::ClassDescription<classDadosPessoais>& classDadosPessoais::Description() {
  using C = classDadosPessoais;
  static const com::ClassDescription<C> d{
      "Quorvel.classDadosPessoais",
      {
          com::Method<&C::BusStatus>("BusStatus", {"ConnRH", "DescErr", "pkCodIndividual", "pnStatus"}),
          com::Method<&C::AltSituacao>("AltSituacao", {"ConnRH", "DescErr", "User", "SourceMachine",
                                                       "pkCodIndividual", "pnSituacao"}),
          com::Method<&C::CarComboHabProfissional>("CarComboHabProfissional", {"ConnRH", "DescErr", "vlArray"}),
          com::Method<&C::CarComboBairro>("CarComboBairro", {"ConnRH", "DescErr", "vlArray"}),
          com::Method<&C::CarComboLogradouro>("CarComboLogradouro", {"ConnRH", "DescErr", "vlArray"}),
          com::Method<&C::CarComboEndereco>("CarComboEndereco", {"ConnRH", "DescErr", "vlArray"}),
          com::Method<&C::CarComboFilhosFicamCom>("CarComboFilhosFicamCom", {"ConnRH", "DescErr", "vlArray"}),
          com::Method<&C::AltStatus>("AltStatus", {"ConnRH", "DescErr", "User", "SourceMachine", "pkCodIndividual",
                                                   "pnStatus"}),
          com::Method<&C::AltDadosPessoais>("AltDadosPessoais", {"ConnRH", "DescErr", "pkCodIndividual",
              "pnNome", "pnNomePai", "pnNomeMae", "pnLogradouro", "pnEndereco", "pnNrEndereco", "pnComplEndereco",
              "pnBairro", "pkCodCidade", "pnUF", "pnCEP", "pnTelResidencial", "pnTelCelular", "pnTelRecados",
              "pnEMail", "pkCodEstadoCivil", "pnNomeConjuge", "pnNrFilhos", "pnFilhosFicamCom", "pnSexo",
              "pnAltura", "pnPeso", "pkNaturalidade", "pkCodNacionalidade", "pnDataChegadaBrasil", "pnDataNasc",
              "pkCodGrauInstrucao", "pnNrIdentidade", "pnDataExpIdentidade", "pnOrgaoExpIdentidade", "pnNrCPF",
              "pnNrPIS", "pnDataCTPS", "pnNrCTPS", "pnSerieCTPS", "pnNrReservista", "pnCatReservista", "pnNrCNH",
              "pnCatCNH", "pnValidadeCNH", "pnNrTituloEleitor", "pnZonaTituloEleitor", "pnSecaoTituloEleitor",
              "pnHabProfissional", "pnNrHabilitacao", "pkCodConselho", "pnDataAposentadoria", "pnDefFisico",
              "pnTipoDeficiencia", "pkCodCorPele", "pnFumante", "pnDataUltimaAtualizacao", "pnStatus",
              "pnSituacao", "pnCaminhoFoto", "pnArray"}),
          com::Method<&C::IncDadosPessoais>("IncDadosPessoais", {"ConnRH", "DescErr", "pkCodIndividual",
              "pnNome", "pnNomePai", "pnNomeMae", "pnLogradouro", "pnEndereco", "pnNrEndereco", "pnComplEndereco",
              "pnBairro", "pkCodCidade", "pnUF", "pnCEP", "pnTelResidencial", "pnTelCelular", "pnTelRecados",
              "pnEMail", "pkCodEstadoCivil", "pnNomeConjuge", "pnNrFilhos", "pnFilhosFicamCom", "pnSexo",
              "pnAltura", "pnPeso", "pkNaturalidade", "pkCodNacionalidade", "pnDataChegadaBrasil", "pnDataNasc",
              "pkCodGrauInstrucao", "pnNrIdentidade", "pnDataExpIdentidade", "pnOrgaoExpIdentidade", "pnNrCPF",
              "pnNrPIS", "pnDataCTPS", "pnNrCTPS", "pnSerieCTPS", "pnNrReservista", "pnCatReservista", "pnNrCNH",
              "pnCatCNH", "pnValidadeCNH", "pnNrTituloEleitor", "pnZonaTituloEleitor", "pnSecaoTituloEleitor",
              "pnHabProfissional", "pnNrHabilitacao", "pkCodConselho", "pnDataAposentadoria", "pnDefFisico",
              "pnTipoDeficiencia", "pkCodCorPele", "pnFumante", "pnDataUltimaAtualizacao", "pnStatus",
              "pnSituacao", "pnCaminhoFoto", "pnArray"}),
          com::Method<&C::BusDadosPessoais>("BusDadosPessoais", {"ConnRH", "DescErr", "vlArray", "pkCodIndividual"}),
          com::Method<&C::BusNome>("BusNome", {"ConnRH", "DescErr", "pkCodIndividual", "pnNome"}),
          com::Method<&C::fExisteCPF>("fExisteCPF", {"ConnRH", "DescErr", "pnNrCPF", "result"}),
          com::Method<&C::fExisteNrIdentidade>("fExisteNrIdentidade", {"ConnRH", "DescErr", "pnNrIdentidade", "result"}),
          com::Method<&C::fExisteNome>("fExisteNome", {"ConnRH", "DescErr", "pnNome", "result"}),
          com::Method<&C::CarDadosPessoais>("CarDadosPessoais", {"ConnRH", "DescErr", "vlArray", "pkCodIndividual",
              "pnNome", "pkCodCidade", "pnUF", "pnSexo", "pkCodNacionalidade", "pnNrIdentidade", "pnNrCPF",
              "pnDefFisico", "pnArrayStatus", "pnSituacao"}),
          com::Method<&C::CarDadosPessoaisFiltro>("CarDadosPessoaisFiltro", {"ConnRH", "DescErr", "vlArray",
              "pnSexo", "pnFumante", "pkCodCargoPret", "pkCodEstadoCivil", "pnFilhos", "pnDispHorasExtras",
              "pnDispViagens", "pnMeioTransporte", "pnIdadeInicial", "pnIdadeFinal", "pkCidadeResid",
              "pkCodGrauInstrucao", "pkCodCargoExper", "pnExperMin", "pnSituacaoCandidato", "pnArrayConhec"}),
      }};
  return d;
}

}  // namespace quorvel
