#include <gtest/gtest.h>

#include "core/config/alternar.h"
#include "core/config/configuracion.h"
#include "core/config/tablas.h"
#include "core/config/validacion.h"

namespace orda::config {
namespace {

TEST(TablasNuevas, ValoresPorDefecto) {
  const Configuracion c;
  const Tabla& e = c.entradas;
  EXPECT_EQ(e.columnas(), 41);
  EXPECT_EQ(e.filas(), 11);
  for (int f = 3; f <= 10; ++f) {
    EXPECT_EQ(e.texto(f, 0), std::to_string(f - 2));
    EXPECT_EQ(e.texto(f, 1), "ENTRADA" + std::to_string(f - 2));
    EXPECT_EQ(e.celda(f, 6), (Celda{"Activa en bajo", "FLANCODESC"}));
    EXPECT_EQ(e.texto(f, 8), "600");
    EXPECT_EQ(e.texto(f, 9), "1");
    EXPECT_EQ(e.texto(f, 37), "1.20");
    EXPECT_EQ(e.texto(f, 38), "0.50");
    EXPECT_EQ(e.texto(f, 39), "1.000");
    for (int col : {2, 7, 10, 17, 20, 27, 29, 36}) EXPECT_EQ(e.imagen(f, col), "NOG2");
  }
  EXPECT_EQ(c.salidas.columnas(), 15);
  EXPECT_EQ(c.salidas.texto(6, 1), "SALIDA4");
  EXPECT_EQ(c.salidas.texto(6, 14), "00:00");
  const Tabla& t = c.tree;
  EXPECT_EQ(t.filas(), 13);
  EXPECT_EQ(t.ultimaFila(), 11);
  EXPECT_EQ(t.texto(11, 1), "SERV TECNICO");
  EXPECT_EQ(t.texto(3, 3), "**********");
  EXPECT_EQ(t.texto(12, 0), "w");
  EXPECT_EQ(t.texto(12, 3), "555");  // Text7 mirrored into the hidden row
  EXPECT_EQ(e.texto(0, 0), "q");
  EXPECT_EQ(e.texto(1, 18), "Si activa/desactiva envía SMS a ...");
  EXPECT_EQ(e.texto(2, 18), "Mensaje de Activación");
}

TEST(TablasNuevas, FindColumnBuscaEnElPrimerEncabezado) {
  const Tabla e = nuevaTablaEntradas();
  EXPECT_EQ(e.findColumn("Valor"), 37);
  EXPECT_EQ(e.findColumn("Retardo"), 8);
  EXPECT_EQ(e.findColumn("Si activa"), 10);
  EXPECT_EQ(e.findColumn("Si dispara"), 20);
  EXPECT_EQ(e.findColumn("Si dispara llama"), 29);
  EXPECT_EQ(e.findColumn("Hab"), 7);
  EXPECT_EQ(e.findColumn("Constante de escalado para SMS"), 39);
  EXPECT_EQ(e.findColumn("valor"), 40);  // case-sensitive; none found gives the last column
}

TEST(Alternar, MarcasTipoYHabilitacionDeDisparo) {
  Tabla e = nuevaTablaEntradas();
  // Four clicks bring the trigger enable back to off.
  const char* ciclo[] = {"OKG", "OKGRG", "OKG24", "NOG2"};
  for (const char* esperado : ciclo) {
    EXPECT_TRUE(toggleCell(e, 3, 7));
    EXPECT_EQ(e.imagen(3, 7), esperado);
  }
  e.ponerImagen(3, 7, "RARO");
  toggleCell(e, 3, 7);
  EXPECT_EQ(e.imagen(3, 7), "NOG2");

  // The type resets both thresholds, whatever was typed.
  e.ponerTexto(4, 37, "3.00");
  toggleCell(e, 4, 6);
  EXPECT_EQ(e.celda(4, 6), (Celda{"Activa en alto", "FLANCOASC"}));
  EXPECT_EQ(e.texto(4, 37), "2.50");
  EXPECT_EQ(e.texto(4, 38), "1.80");
  e.ponerTexto(4, 38, "0.10");
  toggleCell(e, 4, 6);
  EXPECT_EQ(e.celda(4, 6), (Celda{"Activa en bajo", "FLANCODESC"}));
  EXPECT_EQ(e.texto(4, 37), "1.20");
  EXPECT_EQ(e.texto(4, 38), "0.50");

  EXPECT_FALSE(toggleCell(e, 3, 1));  // text cell
  EXPECT_FALSE(toggleCell(e, 2, 2));  // header row
  toggleCell(e, 5, 12);
  EXPECT_EQ(e.imagen(5, 12), "OKG");
  toggleCell(e, 5, 12);
  EXPECT_EQ(e.imagen(5, 12), "NOG2");

  Tabla s = nuevaTablaSalidas();
  EXPECT_TRUE(toggleCell(s, 3, 9));
  EXPECT_EQ(s.imagen(3, 9), "OKG");
  Tabla t = nuevaTablaTree();
  EXPECT_FALSE(toggleCell(t, 3, 2));
}

}  // namespace
}  // namespace orda::config
