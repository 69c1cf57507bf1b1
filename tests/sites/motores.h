#pragma once
// A fresh, empty library per test on each engine: a SQLite file in its own
// temporary folder, or a database of its own on the test server.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include <QTemporaryDir>

#include "sites/destino.h"

namespace orda::sites::pruebas {

inline constexpr const char* kVariableServidor = "ORDA_PRUEBAS_PG";

class BaseDePrueba {
 public:
  // Empty when this engine cannot be tested here (why in `motivo`).
  explicit BaseDePrueba(Motor motor);
  ~BaseDePrueba();
  bool lista() const { return destino_.has_value(); }
  const std::string& motivo() const { return motivo_; }
  const Destino& destino() const { return *destino_; }
  std::string url() const;

 private:
  std::optional<Destino> destino_;
  std::string motivo_;
  QTemporaryDir carpeta_;
  std::string baseCreada_;  // server database to drop at the end
};

// A history dump of `registros` event records after the reference record,
// record i on day 1 + i / 86400 from 2025-01-01 at second i, codes
// {4, i % 9, i % 7, 0}, numbered from `primero`.
std::vector<std::uint8_t> volcado(int registros, int primero = 0);

}  // namespace orda::sites::pruebas
