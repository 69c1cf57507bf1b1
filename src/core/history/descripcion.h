#pragma once
// The Spanish description of an event from its four code bytes. Zone and
// phone events name the input's alias or the phone entry's number, read from
// the configuration tables.
#include <cstdint>
#include <string>

#include "core/config/tabla.h"

namespace orda::history {

struct Descripcion {
  bool ok = true;
  std::string texto;
  std::string error;  // set when a lookup needed a table row that does not exist
};

// entradas: the input table (alias of input k in row k + 2, column 1);
// tree: the phone list (number of entry k in row k + 2, column 3; entry 10 is
// the hidden row 12). Never throws.
Descripcion describirEvento(std::uint8_t codigo1, std::uint8_t codigo2, std::uint8_t codigo3, std::uint8_t codigo4,
                            const config::Tabla& entradas, const config::Tabla& tree);

}  // namespace orda::history
