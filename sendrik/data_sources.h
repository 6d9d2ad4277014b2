// SPDX-License-Identifier: MIT
#pragma once
// The ODBC data sources that the update program lists.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ado/ado.h"

namespace sendrik {

using DataSource = ado::DataSource;

// Every user and system data source of the driver manager, in its order,
// read through buffers of the given sizes (a text cut to its buffer is still
// listed, and the enumeration goes on).
struct Enumeration {
  bool allocated = false;  // false: no ODBC environment could be allocated
  std::vector<DataSource> sources;
};
inline constexpr std::size_t kEnumerationBuffer = 1024;
Enumeration EnumerateDataSources(std::size_t name_buffer = kEnumerationBuffer,
                                 std::size_t description_buffer = kEnumerationBuffer);

// The accepted prefixes, compared with their letter case.
inline constexpr std::array<std::string_view, 2> kPrefixes{"DsnKel", "RodERu"};
inline constexpr std::size_t kPrefixLength = 6;
inline constexpr std::size_t kEntryWidth = 100;

// An entry of the list: the text shown (the name without its prefix, padded
// with blanks to 100 characters, then the prefix) and the exact name.
struct ListEntry {
  std::string text;
  std::string name;
};

// The entry of a data source, nothing when its name has no accepted prefix.
// A name whose part after the prefix is longer than 100 characters raises
// std::length_error.
std::optional<ListEntry> MakeListEntry(std::string_view name);

// The entries of the given data sources, in their order. `failed` is set when
// a name could not be listed; the entries before it are kept.
struct Listing {
  std::vector<ListEntry> entries;
  bool failed = false;
};
Listing ListDataSources(const std::vector<DataSource>& sources);

inline constexpr std::string_view kListFailure = "Não foi possível localizar Conexões ODBC.";

}  // namespace sendrik
