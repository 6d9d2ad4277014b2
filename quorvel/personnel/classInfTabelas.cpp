#include "quorvel/personnel/classInfTabelas.h"

#include <string_view>

#include "platform/automation/array.h"
#include "platform/automation/convert.h"
#include "platform/automation/error.h"
#include "quorvel/common/fields.h"
#include "quorvel/common/module1.h"
#include "quorvel/common/records.h"
#include "quorvel/common/sql.h"

namespace quorvel {

using automation::Bounds;
using automation::Variant;
using automation::VariantArray;

namespace {

// The caller's texts reach the statement only when they are what they claim to be.
void Refuse() { automation::raise(automation::err::kInvalidArgument); }

const std::string& Name(const std::string& name) {
  if (!sql::IsName(name)) Refuse();
  return name;
}

// "col [ASC|DESC], 2 DESC, ...": names or positions, each optionally with its direction.
bool IsOrderBy(std::string_view text) {
  while (true) {
    const std::size_t comma = text.find(',');
    std::string_view item = text.substr(0, comma);
    while (!item.empty() && item.front() == ' ') item.remove_prefix(1);
    while (!item.empty() && item.back() == ' ') item.remove_suffix(1);
    if (const std::size_t blank = item.rfind(' '); blank != std::string_view::npos) {
      const std::string_view direction = item.substr(blank + 1);
      if (!com::EqualsNoCase(direction, "ASC") && !com::EqualsNoCase(direction, "DESC")) return false;
      item = item.substr(0, blank);
      while (!item.empty() && item.back() == ' ') item.remove_suffix(1);
    }
    const bool position = !item.empty() && item.find_first_not_of("0123456789") == std::string_view::npos;
    if (!position && !sql::IsName(item)) return false;
    if (comma == std::string_view::npos) return true;
    text.remove_prefix(comma + 1);
  }
}

// An element of a pair array in its text form: Null gives nothing.
std::string Element(const VariantArray& pairs, long i, long j) {
  const Variant& v = pairs.at(i, j);
  return v.is_null() ? std::string() : automation::CStr(v);
}
std::string PairName(const VariantArray& pairs, long i) {
  std::string name = Element(pairs, i, 0);
  Name(name);
  return name;
}
std::string PairLiteral(const VariantArray& pairs, long i) {
  std::string literal = Element(pairs, i, 1);
  if (!sql::IsLiteral(literal)) Refuse();
  return literal;
}

// "WHERE key = literal" of pair 0.
std::string KeyCondition(const VariantArray& pairs) {
  return "WHERE " + PairName(pairs, 0) + " = " + PairLiteral(pairs, 0);
}

}  // namespace

void classInfTabelas::pCarCamposTabela(ado::Connection& ConnRH, std::string& DescErr, std::string& vlTabela,
                                       Variant& vlArray) {
  Trapped(DescErr, [&] {
    RecordsetPtr rs = Open(ConnRH, "SELECT * " "FROM " + Name(vlTabela) + " " "WHERE 1 <> 1");
    vlArray = VariantArray({Bounds{0, 3}, Bounds{0, 0}});
    VariantArray& a = vlArray.as_array();
    a.at(0, 0) = Variant("Nome do campo");
    a.at(1, 0) = Variant("Tipo do campo");
    a.at(2, 0) = Variant("Tamanho do campo");
    a.at(3, 0) = Variant("Aceita nulos?");
    for (std::size_t i = 0, n = rs->FieldCount(); i < n; ++i) {
      const ado::Field field = rs->Fields(i);
      const long row = static_cast<long>(i) + 1;
      a.push_back_last();
      a.at(0, row) = Variant(field.Name());
      a.at(1, row) = Variant(static_cast<std::int32_t>(field.Type()));
      a.at(2, row) = Variant(static_cast<std::int32_t>(field.DefinedSize()));
      a.at(3, row) = Variant((field.Attributes() & ado::adFldIsNullable) ? "S" : "N");
    }
  });
}

void classInfTabelas::pCarregaDadosTabela(ado::Connection& ConnRH, std::string& DescErr, std::string& vlNomeTabela,
                                          Variant& vlOrderBy, Variant& vlArray) {
  Trapped(DescErr, [&] {
    std::string statement = "SELECT * " "FROM " + Name(vlNomeTabela) + " ";
    if (!vlOrderBy.is_null()) {
      const std::string order = automation::CStr(vlOrderBy);
      if (!IsOrderBy(order)) Refuse();
      statement += "ORDER BY " + order;
    }
    RecordsetPtr rs = Open(ConnRH, statement);
    if (rs->EOF_()) {
      vlArray = VariantArray({Bounds{0, 0}, Bounds{0, 0}});
      vlArray.as_array().at(0, 0) = Variant(automation::Null);
    } else {
      vlArray = VariantArray({Bounds{0, static_cast<long>(rs->FieldCount()) - 1}, Bounds{0, 0}});
      VariantArray& a = vlArray.as_array();
      long n = 0;
      for (; !rs->EOF_(); ++n) {
        a.push_back_last();
        FillFields(*rs, a, n);
        rs->MoveNext();
      }
      a.redim_preserve_last(Bounds{0, n - 1});  // the spare last row
    }
    rs->Close();
  });
}

void classInfTabelas::pCarTabelasAuxiliares(ado::Connection& ConnRH, std::string& DescErr, Variant& vlArray) {
  static constexpr Column kColumns[] = {{"NomeTabela"}, {"DescrTabela"}};
  Trapped(DescErr, [&] {
    vlArray = VariantArray({Bounds{0, 1}, Bounds{0, 0}});  // before the statement: a failure leaves it so
    LoadList(ConnRH, "SELECT * " "FROM FauTabelasAuxiliares ", vlArray, kColumns);
  });
}

void classInfTabelas::pIncTabelasAuxiliares(ado::Connection& ConnRH, std::string& DescErr, std::string&,
                                            std::string&, std::string& vlNomeTabela, Variant& vlArray) {
  Trapped(DescErr, [&] {
    const VariantArray& pairs = vlArray.as_array();
    std::string names, literals;
    for (long i = 0; i <= pairs.ubound(1); ++i) {
      if (!names.empty()) names += ", ";
      names += PairName(pairs, i);
      if (!literals.empty()) literals += ", ";
      literals += PairLiteral(pairs, i);
    }
    Execute(ConnRH, "INSERT INTO " + Name(vlNomeTabela) + " " "(" + names + ") " "VALUES (" + literals + ")");
  });
}

void classInfTabelas::pAltTabelasAuxiliares(ado::Connection& ConnRH, std::string& DescErr, std::string&,
                                            std::string&, std::string& vlNomeTabela, Variant& vlArray) {
  Trapped(DescErr, [&] {
    const VariantArray& pairs = vlArray.as_array();
    std::string assignments;
    for (long i = 1; i <= pairs.ubound(1); ++i) {
      if (!assignments.empty()) assignments += ", ";
      assignments += PairName(pairs, i) + " = " + PairLiteral(pairs, i);
    }
    Execute(ConnRH, "UPDATE " + Name(vlNomeTabela) + " SET " + assignments + " " + KeyCondition(pairs));
  });
}

void classInfTabelas::pExcTabelasAuxiliares(ado::Connection& ConnRH, std::string& DescErr, std::string&,
                                            std::string&, std::string& plNomeTabela, Variant& vlArray) {
  Trapped(DescErr, [&] {
    const VariantArray& pairs = vlArray.as_array();
    Execute(ConnRH, "DELETE FROM " + Name(plNomeTabela) + " " + KeyCondition(pairs));
  });
}

const com::ClassDescription<classInfTabelas>& classInfTabelas::Description() {
  using C = classInfTabelas;
  static const com::ClassDescription<C> d{
      "Quorvel.classInfTabelas",
      {
          com::Method<&C::pCarCamposTabela>("pCarCamposTabela", {"ConnRH", "DescErr", "vlTabela", "vlArray"}),
          com::Method<&C::pCarregaDadosTabela>("pCarregaDadosTabela",
                                               {"ConnRH", "DescErr", "vlNomeTabela", "vlOrderBy", "vlArray"}),
          com::Method<&C::pCarTabelasAuxiliares>("pCarTabelasAuxiliares", {"ConnRH", "DescErr", "vlArray"}),
          com::Method<&C::pIncTabelasAuxiliares>(
              "pIncTabelasAuxiliares", {"ConnRH", "DescErr", "User", "SourceMachine", "vlNomeTabela", "vlArray"}),
          com::Method<&C::pAltTabelasAuxiliares>(
              "pAltTabelasAuxiliares", {"ConnRH", "DescErr", "User", "SourceMachine", "vlNomeTabela", "vlArray"}),
          com::Method<&C::pExcTabelasAuxiliares>(
              "pExcTabelasAuxiliares", {"ConnRH", "DescErr", "User", "SourceMachine", "plNomeTabela", "vlArray"}),
      }};
  return d;
}

}  // namespace quorvel
