#include "quorvel/common/module1.h"

#include "platform/automation/convert.h"

namespace quorvel {

void RemoveDialectWords(std::string& statement) {
  for (const std::string_view word : {std::string_view("UPPER"), std::string_view("csng"), std::string_view("cstr")}) {
    std::string out;
    out.reserve(statement.size());
    bool quoted = false;  // a doubled quote inside a literal closes and reopens it: still right
    for (std::size_t i = 0; i < statement.size();) {
      const char c = statement[i];
      if (c == '\'') {
        quoted = !quoted;
      } else if (!quoted && statement.compare(i, word.size(), word) == 0) {
        i += word.size();
        continue;
      }
      out += c;
      ++i;
    }
    statement = std::move(out);
  }
}

bool NamesPostgres(std::string_view connection_string) noexcept {
  return connection_string.find("postgres") != std::string_view::npos;
}

void fAjustaSql(ado::Connection& ConnRH, std::string& statement) {
  if (NamesPostgres(ConnRH.ConnectionString())) return;
  RemoveDialectWords(statement);
}

std::string fFormataNumeroSql(const Variant& value) {
  if (value.is_null()) return {};
  std::string text = automation::CStr(value);
  for (char& c : text) {
    if (c == ',') c = '.';
  }
  return text;
}

std::string fFormataDataSql(const Variant& value) {
  if (value.is_null()) return {};
  return automation::Format(value, "yyyy/mm/dd");
}

std::string fFormataHoraSql(const Variant& value) {
  if (value.is_null()) return {};
  return automation::Format(value, "hh:mm");
}

void pTrataErro(std::string& DescErr, const ErrObject& err) {
  const std::string text = std::to_string(err.number) + "    " + std::string(kIdentification);
  if (err.number != 0) DescErr = text;
}

}  // namespace quorvel
