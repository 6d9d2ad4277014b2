#include "sendrik/data_sources.h"

#include <sql.h>
#include <sqlext.h>

#include <algorithm>
#include <stdexcept>
#include <vector>

namespace sendrik {
namespace {

// An ODBC environment handle, released on destruction.
class Environment {
 public:
  Environment() {
    if (!SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_ENV, SQL_NULL_HANDLE, &handle_))) {
      handle_ = SQL_NULL_HENV;
      return;
    }
    if (!SQL_SUCCEEDED(SQLSetEnvAttr(handle_, SQL_ATTR_ODBC_VERSION, reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3), 0))) {
      SQLFreeHandle(SQL_HANDLE_ENV, handle_);
      handle_ = SQL_NULL_HENV;
    }
  }
  ~Environment() {
    if (handle_ != SQL_NULL_HENV) SQLFreeHandle(SQL_HANDLE_ENV, handle_);
  }
  Environment(const Environment&) = delete;
  Environment& operator=(const Environment&) = delete;

  SQLHENV get() const { return handle_; }

 private:
  SQLHENV handle_ = SQL_NULL_HENV;
};

// The text of a buffer of `size` bytes whose full text has `length` bytes.
std::string BufferText(const std::vector<SQLCHAR>& buffer, SQLSMALLINT length) {
  const std::size_t n = std::min(static_cast<std::size_t>(std::max<SQLSMALLINT>(length, 0)), buffer.size() - 1);
  return std::string(reinterpret_cast<const char*>(buffer.data()), n);
}

SQLSMALLINT BufferSize(std::size_t size) {
  return static_cast<SQLSMALLINT>(std::clamp<std::size_t>(size, 2, 32767));
}

// Characters of UTF-8 text (bytes that do not continue a sequence).
std::size_t CharacterCount(std::string_view text) {
  return static_cast<std::size_t>(
      std::count_if(text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

}  // namespace

Enumeration EnumerateDataSources(std::size_t name_buffer, std::size_t description_buffer) {
  Enumeration result;
  Environment env;
  if (env.get() == SQL_NULL_HENV) return result;
  result.allocated = true;
  std::vector<SQLCHAR> name(static_cast<std::size_t>(BufferSize(name_buffer)));
  std::vector<SQLCHAR> description(static_cast<std::size_t>(BufferSize(description_buffer)));
  for (SQLUSMALLINT direction = SQL_FETCH_FIRST;; direction = SQL_FETCH_NEXT) {
    SQLSMALLINT name_length = 0;
    SQLSMALLINT description_length = 0;
    const SQLRETURN rc = SQLDataSources(env.get(), direction, name.data(), static_cast<SQLSMALLINT>(name.size()),
                                        &name_length, description.data(),
                                        static_cast<SQLSMALLINT>(description.size()), &description_length);
    // Success with information (a text cut to the buffer) still names a source.
    if (!SQL_SUCCEEDED(rc)) break;
    result.sources.push_back({BufferText(name, name_length), BufferText(description, description_length)});
  }
  return result;
}

std::optional<ListEntry> MakeListEntry(std::string_view name) {
  if (name.find_first_not_of(' ') == std::string_view::npos) return std::nullopt;
  const std::string_view prefix = name.substr(0, kPrefixLength);
  if (std::find(kPrefixes.begin(), kPrefixes.end(), prefix) == kPrefixes.end()) return std::nullopt;
  const std::string_view rest = name.substr(kPrefixLength);
  const std::size_t length = CharacterCount(rest);
  if (length > kEntryWidth) throw std::length_error("data source name too long");
  ListEntry entry;
  entry.text.reserve(rest.size() + (kEntryWidth - length) + kPrefixLength);
  entry.text.append(rest).append(kEntryWidth - length, ' ').append(prefix);
  entry.name = std::string(name);
  return entry;
}

Listing ListDataSources(const std::vector<DataSource>& sources) {
  Listing listing;
  for (const DataSource& source : sources) {
    try {
      if (auto entry = MakeListEntry(source.name)) listing.entries.push_back(std::move(*entry));
    } catch (const std::exception&) {
      listing.failed = true;
      break;
    }
  }
  return listing;
}

}  // namespace sendrik
