#include "quorvel/administration/classAnotacao.h"

#include "platform/com/bind.h"
#include "quorvel/common/new_key.h"
#include "quorvel/common/records.h"
#include "quorvel/common/sql.h"

namespace quorvel {

using automation::Variant;

namespace {

std::string Key(std::int32_t key) { return std::to_string(key); }
std::string Day(const automation::Date& date) { return sql::Date(Variant(date)); }

}  // namespace

void classAnotacao::BusAnotacao(ado::Connection& ConnRH, std::string& DescErr, std::int32_t& pkCodRegAnotacao,
                                std::int32_t& pkCodFuncionario, std::string& pnNome,
                                std::int32_t& pkCodTipoAnotacao, std::string& pnDescrTipoAnotacao,
                                automation::Date& pnDataAnotacao, std::string& pnDescrAnotacao) {
  Trapped(DescErr, [&] {
    RecordsetPtr rs = Open(
        ConnRH,
        "SELECT RhsAnotacao.*, RhsDadosPessoais.Nome, "
        "RhsTipoAnotacao.DescrTipoAnotacao "
        "FROM ((( RhsAnotacao "
        "LEFT JOIN RhsDadosFuncionario ON RhsDadosFuncionario.CodFuncionario = RhsAnotacao.CodFuncionario) "
        "LEFT JOIN RhsDadosPessoais ON RhsDadosPessoais.CodIndividual = RhsDadosFuncionario.CodIndividual) "
        "LEFT JOIN RhsTipoAnotacao ON RhsTipoAnotacao.CodTipoAnotacao = RhsAnotacao.CodTipoAnotacao) "
        "WHERE CodRegAnotacao = " + Key(pkCodRegAnotacao));
    Copy(*rs, "CodRegAnotacao", pkCodRegAnotacao);
    Copy(*rs, "CodFuncionario", pkCodFuncionario);
    Copy(*rs, "Nome", pnNome);
    Copy(*rs, "CodTipoAnotacao", pkCodTipoAnotacao);
    Copy(*rs, "DescrTipoAnotacao", pnDescrTipoAnotacao);
    Copy(*rs, "DataAnotacao", pnDataAnotacao);
    Copy(*rs, "DescrAnotacao", pnDescrAnotacao);
    rs->Close();
  });
}

void classAnotacao::ExcAnotacao(ado::Connection& ConnRH, std::string& DescErr, std::string&, std::string&,
                                std::int32_t& pkCodRegAnotacao) {
  Trapped(DescErr, [&] {
    Execute(ConnRH, "DELETE FROM RhsAnotacao " "WHERE CodRegAnotacao = " + Key(pkCodRegAnotacao));
  });
}

void classAnotacao::CarAnotacao(ado::Connection& ConnRH, std::string& DescErr, Variant& vlArray,
                                Variant& pkCodFuncionario, Variant& pkCodTipoAnotacao, Variant& pnDataAnotacao) {
  static constexpr Column kColumns[] = {{"CodRegAnotacao"},    {"CodFuncionario"}, {"CodTipoAnotacao"},
                                        {"DescrTipoAnotacao"}, {"DataAnotacao"},   {"DescrAnotacao"}};
  Trapped(DescErr, [&] {
    sql::Filter where;
    where.Add(pkCodFuncionario, "CodFuncionario = ", sql::Number);
    where.Add(pkCodTipoAnotacao, "RhsAnotacao.CodTipoAnotacao = ", sql::Number);
    where.Add(pnDataAnotacao, "DataAnotacao = ", sql::Date);
    const std::string statement =
        "SELECT RhsAnotacao.*, RhsTipoAnotacao.DescrTipoAnotacao "
        "FROM ( RhsAnotacao "
        "LEFT JOIN RhsTipoAnotacao ON RhsTipoAnotacao.CodTipoAnotacao = RhsAnotacao.CodTipoAnotacao) " +
        where.Clause();
    LoadList(ConnRH, statement, vlArray, kColumns);
  });
}

void classAnotacao::AltAnotacao(ado::Connection& ConnRH, std::string& DescErr, std::string&, std::string&,
                                std::int32_t& pkCodRegAnotacao, std::int32_t& pkCodFuncionario,
                                std::int32_t& pkCodTipoAnotacao, automation::Date& pnDataAnotacao,
                                std::string& pnDescrAnotacao) {
  Trapped(DescErr, [&] {
    Execute(ConnRH, "UPDATE RhsAnotacao SET "
                    "CodFuncionario = " + Key(pkCodFuncionario) + ", "
                    "CodTipoAnotacao = " + Key(pkCodTipoAnotacao) + ", "
                    "DataAnotacao = " + Day(pnDataAnotacao) + ", "
                    "DescrAnotacao = " + sql::Quote(pnDescrAnotacao) + " "
                    "WHERE CodRegAnotacao = " + Key(pkCodRegAnotacao));
  });
}

void classAnotacao::IncAnotacao(ado::Connection& ConnRH, std::string& DescErr, std::string&, std::string&,
                                std::int32_t& pkCodRegAnotacao, std::int32_t& pkCodFuncionario,
                                std::int32_t& pkCodTipoAnotacao, automation::Date& pnDataAnotacao,
                                std::string& pnDescrAnotacao) {
  InsertTrapped(ConnRH, DescErr, pkCodRegAnotacao, {"RhsAnotacao", "CodRegAnotacao"},
                [&] { return fProxCodigo(ConnRH, DescErr); }, [&](std::int32_t key) {
    Execute(ConnRH, "INSERT INTO RhsAnotacao ("
                    "CodRegAnotacao, CodFuncionario, CodTipoAnotacao, DataAnotacao, DescrAnotacao) "
                    "VALUES ("
                    " " + Key(key) + ", "
                    " " + Key(pkCodFuncionario) + ", "
                    " " + Key(pkCodTipoAnotacao) + ", " +
                    Day(pnDataAnotacao) + ", " +
                    sql::Quote(pnDescrAnotacao) + ") ");
  });
}

std::optional<std::int32_t> classAnotacao::fProxCodigo(ado::Connection& ConnRH, std::string& DescErr) {
  return NextKey(ConnRH, DescErr, "SELECT MAX(CodRegAnotacao) AS MaxCod " "FROM RhsAnotacao");
}

const com::ClassDescription<classAnotacao>& classAnotacao::Description() {
  using C = classAnotacao;
  static const com::ClassDescription<C> d{
      "Quorvel.classAnotacao",
      {
          com::Method<&C::BusAnotacao>("BusAnotacao",
                                       {"ConnRH", "DescErr", "pkCodRegAnotacao", "pkCodFuncionario", "pnNome",
                                        "pkCodTipoAnotacao", "pnDescrTipoAnotacao", "pnDataAnotacao",
                                        "pnDescrAnotacao"}),
          com::Method<&C::ExcAnotacao>("ExcAnotacao",
                                       {"ConnRH", "DescErr", "User", "SourceMachine", "pkCodRegAnotacao"}),
          com::Method<&C::CarAnotacao>("CarAnotacao", {"ConnRH", "DescErr", "vlArray", "pkCodFuncionario",
                                                       "pkCodTipoAnotacao", "pnDataAnotacao"}),
          com::Method<&C::AltAnotacao>("AltAnotacao",
                                       {"ConnRH", "DescErr", "User", "SourceMachine", "pkCodRegAnotacao",
                                        "pkCodFuncionario", "pkCodTipoAnotacao", "pnDataAnotacao",
                                        "pnDescrAnotacao"}),
          com::Method<&C::IncAnotacao>("IncAnotacao",
                                       {"ConnRH", "DescErr", "User", "SourceMachine", "pkCodRegAnotacao",
                                        "pkCodFuncionario", "pkCodTipoAnotacao", "pnDataAnotacao",
                                        "pnDescrAnotacao"}),
      }};
  return d;
}

}  // namespace quorvel
