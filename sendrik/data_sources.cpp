// SPDX-License-Identifier: MIT
#include "sendrik/data_sources.h"

#include <algorithm>
#include <stdexcept>

#include "platform/automation/error.h"

namespace sendrik {
namespace {

// Characters of UTF-8 text (bytes that do not continue a sequence).
std::size_t CharacterCount(std::string_view text) {
  return static_cast<std::size_t>(
      std::count_if(text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

}  // namespace

Enumeration EnumerateDataSources(std::size_t name_buffer, std::size_t description_buffer) {
  Enumeration result;
  try {
    result.sources = ado::DataSources(name_buffer, description_buffer);
  } catch (const automation::Error&) {
    return result;  // no environment: an empty list, without a message
  }
  result.allocated = true;
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
