// SPDX-License-Identifier: MIT
#pragma once
// The version check of the lines that record a script in fauversaodb.

#include <functional>
#include <string>
#include <string_view>

namespace ado {
class Connection;
}

namespace sendrik {

// Lower case of the ASCII letters only, so that positions stay those of the line.
std::string LowerAscii(std::string_view text);

// True when the line names the version table in any letter case.
bool NamesVersionTable(std::string_view command);

// Version number of a value such as "3.00.0013": the leading number of its
// text from the sixth character, as plain decimal text ("13"; "0" when none).
std::string VersionNumber(std::string_view value);

// Plain decimal text of a number: whole numbers without a decimal part.
std::string PlainNumber(double value);

// The two values of a version line (the text between "values('" and the
// comma, and between ", '" and ")", each without its closing quote). A line
// whose value cannot be cut out raises automation::Error 5.
std::string FirstVersionValue(std::string_view command);
std::string SecondVersionValue(std::string_view command);

// The version-table queries.
inline constexpr std::string_view kFirstVersionQuery = " SELECT versaopd  FROM fauversaodb  ORDER BY versaopd DESC ";
inline constexpr std::string_view kSecondVersionQuery = " SELECT versaoct  FROM fauversaodb  ORDER BY versaoct DESC ";

inline constexpr std::string_view kVersionWarning = "O último script passado não foi o anterior a este!";

// Checks a command before it runs: for each of its two values that has a
// version number other than 0, compares it with the number after the greatest
// one stored, and calls `warn` when they differ. Failures (a value that cannot
// be cut out, a failing query) raise automation::Error.
void CheckVersion(ado::Connection& connection, std::string_view command, const std::function<void()>& warn);

}  // namespace sendrik
