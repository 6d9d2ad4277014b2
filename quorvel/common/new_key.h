// SPDX-License-Identifier: MIT
#pragma once
// Inserts whose key is the next key of the table (fProxCodigo). Two writers
// may read the same largest key and try the same new key; the one whose
// insert the database refuses for that key takes the next key again and tries
// once more, a bounded number of times.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/ado/ado.h"
#include "platform/automation/error.h"
#include "quorvel/common/records.h"

namespace quorvel {

// The table and key column an insert allocates its key for, as the
// statements name them.
struct KeyColumn {
  std::string_view table;
  std::string_view column;
};

// Attempts of one insert, each with a key of its own.
inline constexpr int kInsertAttempts = 32;

// The error of an insert whose every attempt lost its key to other writers:
// vbObjectError + 513, the first number of a component's own errors.
inline constexpr int kKeyTaken = -2147220991;
inline constexpr std::string_view kKeyTakenDescription =
    "The new key was taken by another writer on every attempt; nothing was inserted";

// Whether a failure is the database's refusal of a duplicate in a unique
// key (PostgreSQL's SQLSTATE 23505, SQLite's constraint failure).
bool IsUniqueViolation(const automation::Error& error);

// Whether the insert that failed with `error` lost its key: a unique-key
// violation while the table holds a row under that key (the literal as the
// insert wrote it). A failure of the look-up itself answers no.
bool LostKey(ado::Connection& ConnRH, const automation::Error& error, KeyColumn key, std::string_view literal);

// A pause of up to `attempt` milliseconds, drawn from the clock, so that
// writers that lost a key together do not all meet again at the next one.
void PauseAfterLostKey(int attempt);

// The key as the inserts write it: a number, or quoted text.
inline std::string KeyLiteral(std::int32_t key) { return std::to_string(key); }
std::string KeyLiteral(const std::string& key);

// Takes a key with next() (a failed one: the key parameter becomes the empty
// key and nothing is sent), stores it into pk and runs insert(key). When
// another writer took that key first, takes the next one and tries again; the
// key parameter always holds the key of the last attempt, which is the one
// written on success. When every attempt lost its key, pk becomes the empty
// key and kKeyTaken is raised. Any other failure goes on as it was.
template <class Key, class Next, class Insert>
void InsertWithNewKey(ado::Connection& ConnRH, Key& pk, KeyColumn column, Next&& next, Insert&& insert) {
  for (int attempt = 1;; ++attempt) {
    const std::optional<Key> key = next();
    pk = key.value_or(Key{});
    if (!key) return;
    try {
      insert(*key);
      return;
    } catch (const automation::Error& e) {
      if (!LostKey(ConnRH, e, column, KeyLiteral(*key))) throw;
    }
    if (attempt == kInsertAttempts) {
      pk = Key{};
      automation::raise(kKeyTaken, kKeyTakenDescription);
    }
    PauseAfterLostKey(attempt);
  }
}

// The same under the error trap of an insert method.
template <class Key, class Next, class Insert>
void InsertTrapped(ado::Connection& ConnRH, std::string& DescErr, Key& pk, KeyColumn column, Next&& next,
                   Insert&& insert) {
  Trapped(DescErr, [&] { InsertWithNewKey(ConnRH, pk, column, next, insert); });
}

}  // namespace quorvel
