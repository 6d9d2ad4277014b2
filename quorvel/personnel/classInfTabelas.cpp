// SPDX-License-Identifier: MIT
#include "quorvel/personnel/classInfTabelas.h"

#include <string_view>
#include <utility>
#include <vector>

#include "platform/automation/array.h"
#include "platform/automation/convert.h"
#include "platform/automation/error.h"
#include "platform/automation/text.h"
#include "platform/com/bind.h"
#include "quorvel/common/column_table.h"
#include "quorvel/common/column_values.h"
#include "quorvel/common/dialect.h"
#include "quorvel/common/fields.h"
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

// The literals of a table's columns as its database keeps them
// (column_values.h): on SQLite, which keeps any value in any column, a date
// column takes a date text in the library's form, and an integer column a
// whole number in its range; what PostgreSQL would refuse is refused. Other
// databases take every literal as given, and nothing is asked of them.
class TableColumns {
 public:
  TableColumns(ado::Connection& ConnRH, const std::string& table) : conn_(ConnRH) {
    if (!IsSqlite(ConnRH)) return;
    RecordsetPtr rs = Open(ConnRH, "SELECT * " "FROM " + table + " " "WHERE 1 <> 1");
    for (std::size_t i = 0, n = rs->FieldCount(); i < n; ++i) {
      const ado::Field field = rs->Fields(i);
      types_.push_back({field.Name(), field.Type()});
    }
    rs->Close();
  }

  std::string Literal(const std::string& name, std::string literal) const {
    const ado::DataType* type = TypeOf(name);
    if (!type) return literal;
    switch (*type) {
      case ado::DataType::adDBDate:
      case ado::DataType::adDBTimeStamp: {
        const std::string given = automation::Trim(literal);
        if (com::EqualsNoCase(given, "Null")) return literal;
        if (!sql::IsQuoted(given)) {
          automation::raise(automation::err::kDatabase, "column " + name + " is of type date: " + literal);
        }
        return sql::Quote(DateTextFor(conn_, sql::Unquoted(given), *type == ado::DataType::adDBTimeStamp));
      }
      case ado::DataType::adSmallInt: return FittedLiteral(conn_, literal, kSmallint);
      case ado::DataType::adInteger: return FittedLiteral(conn_, literal, kInteger);
      case ado::DataType::adBigInt: return FittedLiteral(conn_, literal, kBigint);
      default: return literal;
    }
  }

 private:
  // The type of a column by its name (the last part of a dotted name, without its quotes).
  const ado::DataType* TypeOf(std::string_view name) const {
    if (const std::size_t dot = name.rfind('.'); dot != std::string_view::npos) name.remove_prefix(dot + 1);
    if (name.size() >= 2 && name.front() == '"' && name.back() == '"') name = name.substr(1, name.size() - 2);
    for (const auto& [column, type] : types_) {
      if (com::EqualsNoCase(column, name)) return &type;
    }
    return nullptr;
  }

  ado::Connection& conn_;
  std::vector<std::pair<std::string, ado::DataType>> types_;
};

// The pairs from `first` to the last, each checked (PairName, PairLiteral)
// before anything is sent.
struct Pair {
  std::string name, literal;
};
std::vector<Pair> Pairs(const VariantArray& pairs, long first, long last) {
  std::vector<Pair> out;
  for (long i = first; i <= last; ++i) {
    std::string name = PairName(pairs, i);
    out.push_back({std::move(name), PairLiteral(pairs, i)});
  }
  return out;
}

// The condition "name = literal" of a pair, its literal as the table's column keeps it.
std::string Assignment(const Pair& pair, const TableColumns& columns) {
  return pair.name + " = " + columns.Literal(pair.name, pair.literal);
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
    const VariantArray& array = vlArray.as_array();
    const std::vector<Pair> pairs = Pairs(array, 0, array.ubound(1));
    const TableColumns columns(ConnRH, Name(vlNomeTabela));
    sql::ColumnTable row;
    for (const Pair& pair : pairs) row.push_back({pair.name, columns.Literal(pair.name, pair.literal)});
    Execute(ConnRH, sql::Insert(vlNomeTabela, row, {.values = ")"}));
  });
}

void classInfTabelas::pAltTabelasAuxiliares(ado::Connection& ConnRH, std::string& DescErr, std::string&,
                                            std::string&, std::string& vlNomeTabela, Variant& vlArray) {
  Trapped(DescErr, [&] {
    const VariantArray& array = vlArray.as_array();
    const std::vector<Pair> values = Pairs(array, 1, array.ubound(1));
    const Pair key = Pairs(array, 0, 0).front();
    const TableColumns columns(ConnRH, Name(vlNomeTabela));
    sql::ColumnTable row;
    for (const Pair& pair : values) row.push_back({pair.name, columns.Literal(pair.name, pair.literal)});
    Execute(ConnRH, sql::Update(vlNomeTabela, row, "WHERE " + Assignment(key, columns)));
  });
}

void classInfTabelas::pExcTabelasAuxiliares(ado::Connection& ConnRH, std::string& DescErr, std::string&,
                                            std::string&, std::string& plNomeTabela, Variant& vlArray) {
  Trapped(DescErr, [&] {
    const Pair key = Pairs(vlArray.as_array(), 0, 0).front();
    const TableColumns columns(ConnRH, Name(plNomeTabela));
    Execute(ConnRH, "DELETE FROM " + plNomeTabela + " " "WHERE " + Assignment(key, columns));
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
