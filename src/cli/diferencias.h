#pragma once
// `diff`: two configurations compared field by field, from two files or from
// the panel and a file. Exit status as diff(1): 0 equal, 1 different, 2 error.
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "cli/sesion_panel.h"
#include "core/compare/comparar.h"
#include "core/imagen/imagen.h"

namespace orda::cli {

inline constexpr int kIguales = 0;
inline constexpr int kDistintas = 1;
inline constexpr int kErrorComparacion = 2;

// One line each, "Ventana | Fila | Campo | Antes -> Después", or a JSON array
// of objects with the keys ventana, fila, campo, antes, despues (and offset
// for raw bytes).
void escribirDiferencias(const std::vector<compare::Diferencia>& d, bool json, std::ostream& out);

// `diff A.dat B.dat`: what B changes from A.
int comandoDiferencias(const std::string& antes, const std::string& despues, bool json, bool bytes,
                       std::ostream& out, std::ostream& err);

// `diff --panel FILE.dat`: the panel's configuration, read as `read` reads it
// (nothing is written), against the file: what programming the file would
// change. Without a complete read the status is 2.
class TareaDiferencias : public Tarea {
 public:
  TareaDiferencias(std::string ruta, bool json, bool bytes) : ruta_(std::move(ruta)), json_(json), bytes_(bytes) {}
  std::optional<std::string> preparar(SesionPanel& s) override;
  void iniciar(SesionPanel& s, std::int64_t ahoraMs) override;
  void secuenciaTerminada(const link::ResultadoSecuencia& r) override;

  // The exit status: the comparison's, or 2 when it did not happen.
  int codigo(int codigoSesion) const { return comparada_ ? codigoSesion : kErrorComparacion; }

 private:
  std::string ruta_;
  bool json_;
  bool bytes_;
  imagen::ImagenMemoria archivo_{};
  bool comparada_ = false;
};

}  // namespace orda::cli
