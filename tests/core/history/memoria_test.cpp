#include "core/history/memoria.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "core/config/tablas.h"
#include "core/history/filas.h"

namespace orda::history {
namespace {

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

Historial filasPorDefecto(const Memoria& m) {
  return filasHistorial(m, config::nuevaTablaEntradas(), config::nuevaTablaTree());
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

TEST(FilasHistorial, ElRegistro102EsElPrimeroDelBloque1) {
  Memoria m = memoriaCon(103 - 102, 1);
  ponerRegistro(m, 101, {0, 0, 0, 0, 0, 0, 16});
  std::fill_n(m.begin() + 1020, 4, 0xAB);  // spare bytes, never a record
  ponerRegistro(m, 102, {0, 0, 0, 0, 0, 0, 17});
  const Historial h = filasPorDefecto(m);
  ASSERT_EQ(h.filas.size(), 103u);
  EXPECT_EQ(h.filas[101].descripcion, "Lectura de registros históricos");
  EXPECT_EQ(h.filas[102].numero, "102");
  EXPECT_EQ(h.filas[102].descripcion, "Lectura de parámetros");
}

TEST(FilasHistorial, MemoriaBorradaSeLimitaA408Registros) {
  const Historial h = filasPorDefecto(Memoria(kTamanoHistorial, 0xFF));
  ASSERT_EQ(h.filas.size(), 408u);
  for (const FilaHistorial& f : {h.filas[0], h.filas[407]}) {
    EXPECT_EQ(f.fecha, "165/165/165");
    EXPECT_EQ(f.hora, "165:165:165");
    EXPECT_EQ(f.codigos[0], "FF");
    EXPECT_EQ(f.descripcion, "Reservado");
  }
}

TEST(FilasHistorial, ComoLasMuestraLaVistaYLasFallasNoDetienenElResto) {
  Memoria m = memoriaCon(5, 0);
  ponerRegistro(m, 1, {0x24, 0x03, 0x07, 0x13, 0x45, 0x09, 0x0A, 0x02, 0x00, 0x00});
  ponerRegistro(m, 2, {0x24, 0x12, 0x31, 0x23, 0x59, 0x59, 10, 8});
  ponerRegistro(m, 3, {0, 0, 0, 0, 0, 0, 13, 1, 10});
  ponerRegistro(m, 4, {0, 0, 0, 0, 0, 0, 2});
  const Historial h = filasPorDefecto(m);
  ASSERT_EQ(h.filas.size(), 5u);
  EXPECT_EQ(h.filas[0].numero, "0");
  const FilaHistorial& f = h.filas[1];
  EXPECT_EQ(f.numero, "1");
  EXPECT_EQ(f.fecha, "07/03/24");
  EXPECT_EQ(f.hora, "13:45:09");
  EXPECT_EQ(f.descripcion, "Disparo por zona 3: ENTRADA3");
  EXPECT_EQ(f.codigos, (std::array<std::string, 4>{"0A", "02", "00", "00"}));
  EXPECT_EQ(h.filas[2].error, "Fila 11 inexistente en la tabla de entradas");
  EXPECT_EQ(h.filas[2].descripcion, "");
  EXPECT_EQ(h.filas[2].fecha, "31/12/24");
  EXPECT_EQ(h.filas[3].error, "Fila 13 inexistente en la lista de teléfonos");
  EXPECT_EQ(h.filas[4].descripcion, "Registro de prueba");
}

TEST(FilasHistorial, VolcadoCortoNoLeeFueraDeLaMemoria) {
  Memoria m = memoriaCon(20, 0);
  m.resize(100);
  const Historial h = filasPorDefecto(m);
  ASSERT_EQ(h.filas.size(), 20u);
  EXPECT_TRUE(h.filas[9].ok());
  EXPECT_EQ(h.filas[10].numero, "10");
  EXPECT_EQ(h.filas[10].error, "Registro 10 fuera de la memoria de 100 bytes");
  EXPECT_EQ(h.filas[10].fecha, "");
}

}  // namespace
}  // namespace orda::history
