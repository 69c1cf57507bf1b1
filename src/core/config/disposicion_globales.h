#pragma once
// How the global options window lays its values out: the group boxes in the
// order they are built, and in each one its check boxes, numbered rows and
// text boxes with their captions. The window and the configuration report
// both read it, so the report says what the window shows.
#include <vector>

#include "core/config/globales.h"

namespace orda::config {

struct FilaGlobal {
  enum Tipo { Opcion, Numerada, Texto } tipo;
  int indice;              // option index, first option of a numbered row, or text box
  int cuantas = 0;         // numbered rows only: 8 phone entries or 4 groups
  const char* titulo = ""; // numbered rows only
};

struct GrupoGlobal {
  const char* titulo;
  std::vector<FilaGlobal> filas;
};

const std::vector<GrupoGlobal>& gruposGlobales();

// Caption of a check box that is not part of a numbered row ("" for those).
const char* captionOpcion(int indice);

}  // namespace orda::config
