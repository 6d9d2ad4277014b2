// SPDX-License-Identifier: MIT
#pragma once
// Folders and file names as the dialog needs them: listing with a wildcard,
// the current directory, joining and splitting paths ("/" separates).

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace mirolan {

struct FolderEntry {
  std::string name;
  bool directory = false;
};

// "*" any run, "?" one character; letters compared without regard to case.
bool WildcardMatch(std::string_view pattern, std::string_view name);
// Entries of folder whose names match the pattern ("." and ".." included
// for "*.*", as the platform lists them), sorted by name; empty when the
// folder cannot be read.
std::vector<FolderEntry> ListFolder(const std::string& folder, std::string_view pattern);

// The bytes of a regular file; nullopt for anything else (a folder, a FIFO, a
// device), which is never read and never waited on, and for a file that does
// not open or read.
std::optional<std::string> ReadRegularFile(const std::string& path);

// The entry of folder that `name` stands for where letter case is not told
// apart (galleries made on Windows): `name` itself when an entry of that name
// is there, otherwise the first (in name order) equal to it but for the case
// of its letters, the Portuguese ones included; nullopt when there is none.
std::optional<std::string> FindEntryIgnoringCase(const std::string& folder, std::string_view name);

bool SetCurrentDirectory(const std::string& folder);
std::string JoinPath(std::string_view folder, std::string_view name);
// Folder and file name of a path, split at the last "/"; both empty without one.
std::pair<std::string, std::string> SplitPath(std::string_view path);
// The last component of a folder ("Gallery" for "/charts/Gallery/").
std::string LastComponent(std::string_view folder);

}  // namespace mirolan
