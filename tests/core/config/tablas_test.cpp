#include <gtest/gtest.h>

#include "core/config/alternar.h"
#include "core/config/configuracion.h"
#include "core/config/tablas.h"
#include "core/config/validacion.h"

namespace orda::config {
namespace {

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
