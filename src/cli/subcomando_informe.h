#pragma once
// orda-cli report: the configuration report of a .dat file as PDF, made
// without a display.
#include <ostream>
#include <string>

#include "report/modelo_informe.h"

namespace orda::cli {

// Runs inside its own offscreen Qt application; `programa` is argv[0].
int comandoInforme(char* programa, const std::string& dat, const std::string& pdf,
                   const report::OpcionesInforme& opciones, std::ostream& err);

}  // namespace orda::cli
