// SPDX-License-Identifier: MIT
#include "quorvel/common/new_key.h"

#include <chrono>
#include <thread>

#include "quorvel/common/sql.h"

namespace quorvel {

bool IsUniqueViolation(const automation::Error& error) {
  if (error.number() != automation::err::kDatabase) return false;
  // The data layer's description: one "[SQLSTATE] message" line per diagnostic.
  const std::string& d = error.description();
  for (const std::string_view mark : {"[23505]", "[23000]", "UNIQUE constraint failed"}) {
    if (d.find(mark) != std::string::npos) return true;
  }
  return false;
}

bool LostKey(ado::Connection& ConnRH, const automation::Error& error, KeyColumn key, std::string_view literal) {
  if (!IsUniqueViolation(error)) return false;
  try {
    const RecordsetPtr rs = Open(ConnRH, "SELECT " + std::string(key.column) + " FROM " + std::string(key.table) +
                                             " WHERE " + std::string(key.column) + " = " + std::string(literal));
    const bool taken = !rs->EOF_();
    rs->Close();
    return taken;
  } catch (const automation::Error&) {
    return false;  // the insert's own error is the one to report
  }
}

void PauseAfterLostKey(int attempt) {
  using namespace std::chrono;
  const auto tick = static_cast<std::uint64_t>(steady_clock::now().time_since_epoch().count());
  const auto span = static_cast<std::uint64_t>(attempt) * 1000;  // microseconds
  std::this_thread::sleep_for(microseconds((tick * 0x9E3779B97F4A7C15ull >> 32) % span));
}

std::string KeyLiteral(const std::string& key) { return sql::Quote(key); }

}  // namespace quorvel
