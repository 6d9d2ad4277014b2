// SPDX-License-Identifier: MIT
#include "platform/ado/ado.h"

#include <algorithm>
#include <vector>

#include "platform/ado/odbc.h"

namespace ado {
namespace {

// A buffer of `size` bytes as ODBC takes it (room for a terminator, a 16-bit length).
SQLSMALLINT BufferSize(std::size_t size) { return static_cast<SQLSMALLINT>(std::clamp<std::size_t>(size, 2, 32767)); }

// The text a buffer holds of a full text of `length` bytes.
std::string BufferText(const std::vector<SQLCHAR>& buffer, SQLSMALLINT length) {
  const std::size_t n = std::min(static_cast<std::size_t>(std::max<SQLSMALLINT>(length, 0)), buffer.size() - 1);
  return std::string(reinterpret_cast<const char*>(buffer.data()), n);
}

}  // namespace

std::vector<DataSource> DataSources(std::size_t name_buffer, std::size_t description_buffer) {
  const std::shared_ptr<odbc::Handle> env = odbc::Environment();
  std::vector<SQLCHAR> name(static_cast<std::size_t>(BufferSize(name_buffer)));
  std::vector<SQLCHAR> description(static_cast<std::size_t>(BufferSize(description_buffer)));
  std::vector<DataSource> sources;
  for (SQLUSMALLINT direction = SQL_FETCH_FIRST;; direction = SQL_FETCH_NEXT) {
    SQLSMALLINT name_length = 0;
    SQLSMALLINT description_length = 0;
    const SQLRETURN rc = SQLDataSources(env->get(), direction, name.data(), static_cast<SQLSMALLINT>(name.size()),
                                        &name_length, description.data(),
                                        static_cast<SQLSMALLINT>(description.size()), &description_length);
    // Success with information (a text cut to its buffer) still names a source.
    if (!odbc::Succeeded(rc)) break;
    sources.push_back({BufferText(name, name_length), BufferText(description, description_length)});
  }
  return sources;
}

}  // namespace ado
