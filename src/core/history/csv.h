#pragma once
// The history as comma-separated values, as spreadsheets read them: a field
// with a comma, a quote or a line break is quoted, quotes doubled; lines end
// in CRLF. The console's export and orda-cli write the same text.
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/history/filas.h"

namespace orda::history {

std::string campoCsv(std::string_view campo);
std::string filaCsv(const std::vector<std::string>& campos);

// The column headers, then one line per record; a record whose description
// failed has an empty description field.
std::string encabezadoCsv();
std::string filaCsv(const FilaHistorial& f);
std::string historialCsv(std::span<const FilaHistorial> filas);

}  // namespace orda::history
