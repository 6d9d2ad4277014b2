// SQLite extension: the functions the HR statements call that SQLite lacks.
//   cstr(x)  (also CStr: SQLite names are case-insensitive)  x as text, Null stays Null
//   now()    the current local date and time, "yyyy-mm-dd hh:mm:ss"
//   upper(x) upper case of UTF-8 text, accented letters included
#include <sqlite3ext.h>

#include <ctime>
#include <string>
#include <string_view>

#include "platform/automation/text.h"

SQLITE_EXTENSION_INIT1

namespace {

std::string_view TextOf(sqlite3_value* v) {
  const auto* p = reinterpret_cast<const char*>(sqlite3_value_text(v));
  return p ? std::string_view(p, static_cast<std::size_t>(sqlite3_value_bytes(v))) : std::string_view();
}

void ResultText(sqlite3_context* ctx, std::string_view text) {
  sqlite3_result_text(ctx, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
}

void Cstr(sqlite3_context* ctx, int, sqlite3_value** argv) {
  if (sqlite3_value_type(argv[0]) == SQLITE_NULL) return sqlite3_result_null(ctx);
  ResultText(ctx, TextOf(argv[0]));
}

void Upper(sqlite3_context* ctx, int, sqlite3_value** argv) {
  if (sqlite3_value_type(argv[0]) == SQLITE_NULL) return sqlite3_result_null(ctx);
  ResultText(ctx, automation::UCase(TextOf(argv[0])));
}

void Now(sqlite3_context* ctx, int, sqlite3_value**) {
  std::time_t t = std::time(nullptr);
  std::tm local{};
  localtime_r(&t, &local);
  char text[32];
  std::size_t n = std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &local);
  ResultText(ctx, std::string_view(text, n));
}

}  // namespace

extern "C" __attribute__((visibility("default"))) int sqlite3_extension_init(
    sqlite3* db, char** /*error*/, const sqlite3_api_routines* api) {
  SQLITE_EXTENSION_INIT2(api);
  const int pure = SQLITE_UTF8 | SQLITE_DETERMINISTIC;
  int rc = sqlite3_create_function(db, "cstr", 1, pure, nullptr, Cstr, nullptr, nullptr);
  if (rc == SQLITE_OK) rc = sqlite3_create_function(db, "upper", 1, pure, nullptr, Upper, nullptr, nullptr);
  if (rc == SQLITE_OK) rc = sqlite3_create_function(db, "now", 0, SQLITE_UTF8, nullptr, Now, nullptr, nullptr);
  return rc;
}
