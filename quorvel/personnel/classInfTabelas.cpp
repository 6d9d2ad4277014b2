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

// The ORDER BY text a caller may give: items separated by commas, each a
// column position, a column name or a function of one
// ("UPPER(NomeBanco)", "SUBSTR(Nome, 1, 3)", nested too; text and number
// functions only), optionally
// followed by ASC or DESC and then NULLS FIRST or NULLS LAST. Only names,
// digits, parentheses, commas, dots and blanks can pass, so the text can
// neither end the statement nor add a clause to it.
class OrderByText {
 public:
  explicit OrderByText(std::string_view text) : text_(text) {}

  bool Valid() {
    do {
      if (!Item()) return false;
    } while (Take(','));
    Blanks();
    return at_ == text_.size();
  }

 private:
  bool Item() {
    if (!Term(true)) return false;
    std::size_t before = at_;
    std::string_view word = Word();
    if (com::EqualsNoCase(word, "ASC") || com::EqualsNoCase(word, "DESC")) {
      before = at_;
      word = Word();
    }
    if (com::EqualsNoCase(word, "NULLS")) {
      const std::string_view which = Word();
      return com::EqualsNoCase(which, "FIRST") || com::EqualsNoCase(which, "LAST");
    }
    at_ = before;  // not part of the item: a comma or the end must follow
    return true;
  }

  // A position (where allowed), a name, or a name followed by its arguments,
  // the first of which is a name or a function of one (never a bare number).
  bool Term(bool position_allowed) {
    const std::string_view word = Word();
    if (word.empty()) return false;
    if (word.find_first_not_of("0123456789") == std::string_view::npos) return position_allowed;
    if (!sql::IsName(word)) return false;
    if (!Take('(')) return true;
    if (!IsOrderingFunction(word) || ++depth_ > kMaxDepth || !Term(false)) return false;
    while (Take(',')) {
      const std::size_t before = at_;
      if (!Term(false)) {
        at_ = before;
        if (!Number()) return false;
      }
    }
    --depth_;
    return Take(')');
  }

  bool Number() {
    const std::string_view word = Word();
    return !word.empty() && word.find_first_not_of("0123456789") == std::string_view::npos;
  }

  void Blanks() {
    while (at_ < text_.size() && text_[at_] == ' ') ++at_;
  }
  bool Take(char c) {
    Blanks();
    if (at_ >= text_.size() || text_[at_] != c) return false;
    ++at_;
    return true;
  }
  // The next run of characters up to a blank, a parenthesis or a comma
  // (a double-quoted part taken whole).
  std::string_view Word() {
    Blanks();
    const std::size_t start = at_;
    bool quoted = false;
    for (; at_ < text_.size(); ++at_) {
      const char c = text_[at_];
      if (c == '"') quoted = !quoted;
      else if (!quoted && (c == ' ' || c == '(' || c == ')' || c == ',')) break;
    }
    return text_.substr(start, at_ - start);
  }

  // Functions of a value that only compute a sort key: a function the
  // database runs for its effect (pg_sleep, pg_terminate_backend) never passes.
  static bool IsOrderingFunction(std::string_view name) {
    static constexpr std::string_view kFunctions[] = {"UPPER", "LOWER", "SUBSTR", "SUBSTRING", "TRIM",
                                                      "LTRIM", "RTRIM", "LENGTH", "ABS", "COALESCE"};
    for (const std::string_view f : kFunctions) {
      if (com::EqualsNoCase(name, f)) return true;
    }
    return false;
  }

  static constexpr int kMaxDepth = 16;  // functions within functions
  std::string_view text_;
  std::size_t at_ = 0;
  int depth_ = 0;
};

bool IsOrderBy(std::string_view text) { return OrderByText(text).Valid(); }

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
