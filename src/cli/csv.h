#pragma once
// Comma-separated values as spreadsheets read them: a field with a comma,
// a quote or a line break is quoted, quotes doubled; lines end in CRLF.
#include <string>
#include <string_view>
#include <vector>

namespace orda::cli {

std::string campoCsv(std::string_view campo);
std::string filaCsv(const std::vector<std::string>& campos);

}  // namespace orda::cli
