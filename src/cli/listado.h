#pragma once
// A readable listing of a configuration, laid out like the console's
// windows: the header texts of each table and the captions of each option.
#include <string>

#include "core/config/configuracion.h"

namespace orda::cli {

std::string listarConfiguracion(const config::Configuracion& cfg);

}  // namespace orda::cli
