#include "core/history/descripcion.h"

#include <gtest/gtest.h>

#include "core/config/tablas.h"

namespace orda::history {
namespace {

using config::colEntradas::kAlias;
using config::colTree::kTelefono;

struct Tablas {
  config::Tabla entradas = config::nuevaTablaEntradas();
  config::Tabla tree = config::nuevaTablaTree();
  Tablas() {
    for (int k = 1; k <= 8; ++k) entradas.ponerTexto(k + 2, kAlias, "ZONA" + std::to_string(k));
    for (int k = 1; k <= 10; ++k) tree.ponerTexto(k + 2, kTelefono, "11555000" + std::to_string(k));
  }
};

struct Caso {
  int c1, c2, c3, c4;
  const char* texto;
};

// Every form of entry, the codigo2 selections with their edges, the odd
// texts and the gaps between listed codes.
TEST(DescribirEvento, FormasYBordesDeLaTabla) {
  const Tablas t;
  const Caso casos[] = {
      {0, 0, 5, 2, "Registro de referencia:  209 registros"},
      {4, 0, 0, 0, "Inicio del sistema: Reprogramación"},
      {4, 8, 0, 0, "Inicio del sistema: Error por bajo voltaje"},
      {4, 12, 0, 0, "Inicio del sistema: "},
      {10, 2, 0, 0, "Disparo por zona 3: ZONA3"},
      {10, 7, 0, 0, "Disparo por zona 8: ZONA8"},
      {13, 1, 0, 0, "Error - Número máximo de reintentos en llamada al número: 115550001"},
      {13, 2, 4, 0, "Error - Número máximo de reintentos en SMS al número: 115550005"},
      {13, 3, 8, 0, "Error - Número máximo de reintentos en SMS al número: 115550009"},
      {13, 1, 9, 0, "Error - Número máximo de reintentos en llamada al número: 1155500010"},  // hidden row 12
      {13, 0, 200, 0, ""},  // no lookup, so no failure
      {18, 0, 0, 0, "Sin descripción"},
      {109, 0, 5, 0, "Forzado de salida 1 por USB: Activada"},
      {109, 0, 0, 0, "Forzado de salida 1 por USB: Desactivada"},
      {114, 0, 0, 0, "Sin descripción"},
      {202, 2, 0, 0, "Grupo 2 activado/armado por SMS"},
      {204, 0, 0, 0, ""},
      {204, 2, 0, 0, "Actualización hora de mensaje dario por SMS"},  // spelt as the panel's users know it
      {204, 5, 0, 0, "Actualización hora de sistema por SMS"},
      {204, 6, 0, 0, ""},
      {210, 2, 0, 0, "Número telefónico3 eliminado por SMS"},
      {213, 255, 0, 0, "Deshabilitación de entrada 256 por SMS"},
      {217, 0, 0, 0, ""},
      {218, 0, 0, 0, "Sin descripción"},
      {255, 0, 0, 0, "Reservado"},
  };
  for (const Caso& c : casos) {
    const Descripcion d = describirEvento(c.c1, c.c2, c.c3, c.c4, t.entradas, t.tree);
    EXPECT_TRUE(d.ok) << c.c1 << "/" << c.c2 << ": " << d.error;
    EXPECT_EQ(d.texto, c.texto) << c.c1 << "/" << c.c2 << "/" << c.c3 << "/" << c.c4;
  }
}

// A row past the tables is an error, never an exception; its text is checked
// where the history's rows are built.
TEST(DescribirEvento, SoloZonaYTelefonoPuedenFallar) {
  const Tablas t;
  for (int c1 = 0; c1 < 256; ++c1) {
    for (int c2 = 0; c2 < 256; ++c2) {
      const auto b = [](int v) { return static_cast<std::uint8_t>(v); };
      Descripcion d;
      ASSERT_NO_THROW(d = describirEvento(b(c1), b(c2), 255, 255, t.entradas, t.tree));
      const bool falla = (c1 == 10 && c2 >= 8) || (c1 == 13 && c2 >= 1 && c2 <= 3);
      ASSERT_EQ(d.ok, !falla) << c1 << "/" << c2;
    }
  }
}

}  // namespace
}  // namespace orda::history
