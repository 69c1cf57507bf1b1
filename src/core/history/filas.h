#pragma once
// The rows the history view shows for a whole history memory dump.
#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "core/config/tabla.h"
#include "core/history/memoria.h"

namespace orda::history {

inline constexpr std::array<std::string_view, 8> kEncabezados = {
    "Nº", "Fecha", "Hora", "Descripción", "Código 1", "Código 2", "Código 3", "Código 4"};
inline constexpr std::array<std::string_view, 8> kUnidades = {
    "Reg", "dd/mm/aa", "hh:mm:ss", "", "00~FF", "00~FF", "00~FF", "00~FF"};

struct FilaHistorial {
  int indice = 0;
  std::string numero;  // "Nº" column: the record's index, "0" for the reference record
  std::string fecha;
  std::string hora;
  std::string descripcion;  // empty when error is set
  std::array<std::string, 4> codigos;
  std::string error;  // why the description is missing; empty when it is there
  bool ok() const { return error.empty(); }
};

struct Historial {
  CantidadRegistros cantidad;
  std::vector<FilaHistorial> filas;  // records 0 .. cantidad.cantidad - 1
};

// memoria: a history dump from its first byte (4096 bytes, or a whole image
// whose start holds the history). A record whose bytes lie beyond the dump
// gives a row with only its number and an error.
Historial filasHistorial(std::span<const std::uint8_t> memoria, const config::Tabla& entradas,
                         const config::Tabla& tree);

}  // namespace orda::history
