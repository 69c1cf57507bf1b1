// The history memory as the console shows it: where each record lies, how
// each event reads, and the rows exported as CSV.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "core/config/tablas.h"
#include "core/history/csv.h"
#include "core/history/descripcion.h"
#include "core/history/filas.h"
#include "core/history/memoria.h"

namespace orda::history {
namespace {

using config::colEntradas::kAlias;
using config::colTree::kTelefono;

struct Caso {
  int c1, c2, c3, c4;
  const char* texto;
};

// Every form of entry, the codigo2 selections with their edges, the odd
// texts and the gaps between listed codes; the reference record, a zone and
// the first phone are read where the window and orda-cli show a history.
TEST(DescribirEvento, FormasYBordesDeLaTabla) {
  config::Tabla entradas = config::nuevaTablaEntradas(), tree = config::nuevaTablaTree();
  for (int k = 1; k <= 8; ++k) entradas.ponerTexto(k + 2, kAlias, "ZONA" + std::to_string(k));
  for (int k = 1; k <= 10; ++k) tree.ponerTexto(k + 2, kTelefono, "11555000" + std::to_string(k));
  const Caso casos[] = {
      {4, 0, 0, 0, "Inicio del sistema: Reprogramación"},
      {4, 8, 0, 0, "Inicio del sistema: Error por bajo voltaje"},
      {4, 12, 0, 0, "Inicio del sistema: "},
      {10, 7, 0, 0, "Disparo por zona 8: ZONA8"},
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
    const Descripcion d = describirEvento(c.c1, c.c2, c.c3, c.c4, entradas, tree);
    EXPECT_TRUE(d.ok) << c.c1 << "/" << c.c2 << ": " << d.error;
    EXPECT_EQ(d.texto, c.texto) << c.c1 << "/" << c.c2 << "/" << c.c3 << "/" << c.c4;
  }
}

using Memoria = std::vector<std::uint8_t>;

Memoria memoriaCon(int c3, int c4, std::uint8_t relleno = 0) {
  Memoria m(kTamanoHistorial, relleno);
  std::fill_n(m.begin(), kTamanoRegistro, 0);
  m[8] = static_cast<std::uint8_t>(c3);
  m[9] = static_cast<std::uint8_t>(c4);
  return m;
}

void ponerRegistro(Memoria& m, std::size_t n, std::initializer_list<std::uint8_t> bytes) {
  std::copy(bytes.begin(), bytes.end(), m.begin() + static_cast<std::ptrdiff_t>(direccionRegistro(n)));
}

TEST(MemoriaHistorial, DireccionSaltaLosBytesLibresDeCadaBloque) {
  const std::pair<std::size_t, std::size_t> casos[] = {{0, 0}, {1, 10}, {101, 1010}, {102, 1024}, {203, 2034},
                                                       {204, 2048}, {407, 4082}};
  for (auto [n, dir] : casos) EXPECT_EQ(direccionRegistro(n), dir) << n;
}

TEST(MemoriaHistorial, CantidadDelRegistroDeReferencia) {
  struct Caso {
    int c3, c4, anunciada, cantidad;
    bool limitada;
  };
  for (const Caso& c : {Caso{5, 2, 209, 209, false}, Caso{0, 0, 0, 0, false}, Caso{0, 4, 408, 408, false},
                        Caso{1, 4, 409, 408, true}, Caso{255, 255, 26265, 408, true}}) {
    const CantidadRegistros r = cantidadRegistros(memoriaCon(c.c3, c.c4));
    EXPECT_EQ(r.anunciada, c.anunciada);
    EXPECT_EQ(r.cantidad, c.cantidad);
    EXPECT_EQ(r.limitada, c.limitada);
  }
  EXPECT_EQ(cantidadRegistros(Memoria(9, 0xFF)).cantidad, 0);
}

// A whole row as the view shows it, the records after the first block and
// an erased memory's rows are checked where the window shows them.
TEST(FilasHistorial, LasFallasYUnVolcadoCortoNoDetienenElResto) {
  Memoria m = memoriaCon(20, 0);
  ponerRegistro(m, 2, {0x24, 0x12, 0x31, 0x23, 0x59, 0x59, 10, 8});
  ponerRegistro(m, 3, {0, 0, 0, 0, 0, 0, 13, 1, 10});
  ponerRegistro(m, 4, {0, 0, 0, 0, 0, 0, 2});
  m.resize(100);
  const Historial h = filasHistorial(m, config::nuevaTablaEntradas(), config::nuevaTablaTree());
  ASSERT_EQ(h.filas.size(), 20u);
  EXPECT_EQ(h.filas[2].error, "Fila 11 inexistente en la tabla de entradas");
  EXPECT_EQ(h.filas[2].descripcion, "");
  EXPECT_EQ(h.filas[2].fecha, "31/12/24");
  EXPECT_EQ(h.filas[3].error, "Fila 13 inexistente en la lista de teléfonos");
  EXPECT_EQ(h.filas[4].descripcion, "Registro de prueba");
  EXPECT_TRUE(h.filas[9].ok());
  EXPECT_EQ(h.filas[10].numero, "10");
  EXPECT_EQ(h.filas[10].error, "Registro 10 fuera de la memoria de 100 bytes");
  EXPECT_EQ(h.filas[10].fecha, "");
}

// The rows as a whole are checked where the window exports them.
TEST(Csv, ComillasSoloDondeHacenFalta) {
  const std::pair<const char*, const char*> casos[] = {  // a field and how it is written
      {"", ""}, {"dice \"hola\"", "\"dice \"\"hola\"\"\""}, {"dos\nlíneas", "\"dos\nlíneas\""},
      {"cr\r", "\"cr\r\""}};
  for (const auto& [campo, escrito] : casos) EXPECT_EQ(campoCsv(campo), escrito) << campo;
}

}  // namespace
}  // namespace orda::history
