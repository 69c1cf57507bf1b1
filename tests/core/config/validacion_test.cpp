#include "core/config/validacion.h"

#include <gtest/gtest.h>

#include "core/config/alternar.h"
#include "core/config/configuracion.h"
#include "core/config/globales.h"
#include "core/config/tablas.h"

namespace orda::config {
namespace {

using Accion = ValidacionCelda::Accion;

struct CasoCelda {
  TipoTabla tabla;
  int col;
  const char* texto;
  Accion accion;
  const char* resultado;  // text written, or the warning
};

// The window's tests commit one value of each outcome per table; here the
// limits.
TEST(LeaveCell, LimitesDeCadaTabla) {
  using enum TipoTabla;
  const CasoCelda casos[] = {
      {Entradas, 37, "3.3", Accion::Escribir, "3.3"},
      {Entradas, 38, "3.31", Accion::Rechazar, kAvisoVoltaje},
      {Entradas, 8, "327675", Accion::Escribir, "327675"},
      {Entradas, 8, "327676", Accion::Rechazar, kAvisoRetardoActivacion},
      {Entradas, 9, "65535", Accion::Escribir, "65535"},
      {Entradas, 9, "65536", Accion::Rechazar, kAvisoRetardoDisparo},
      {Entradas, 9, "abc", Accion::Escribir, "abc"},  // no number: worth 0
      {Salidas, 4, "23:59", Accion::Escribir, "23:59"},
      {Salidas, 8, "12:60", Accion::Rechazar, kAvisoHora},
      {Salidas, 10, "9:30", Accion::Rechazar, kAvisoHora},
      {Salidas, 14, "12:5", Accion::Rechazar, kAvisoHora},
      {Tree, 2, " 4 ", Accion::Escribir, " 4 "},  // blanks around a number
      {Tree, 2, "5", Accion::Rechazar, kAvisoPrivilegio},
      {Tree, 2, "4a", Accion::Rechazar, kAvisoPrivilegio},
      {Tree, 3, "0123456789", Accion::Escribir, "0123456789"},
      {Tree, 3, "012345678", Accion::Rechazar, kAvisoNumero},
      {Tree, 3, "01234 6789", Accion::Rechazar, kAvisoNumero},
      {Tree, 3, "**********", Accion::NoEscribir, ""},
      {Tree, 4, "14", Accion::Escribir, "14"},
      {Tree, 4, "15", Accion::Rechazar, kAvisoRing},
      {Tree, 4, "1a", Accion::Rechazar, kAvisoRing},
      {Tree, 4, "", Accion::Escribir, ""},
  };
  const Tabla tablas[] = {nuevaTablaEntradas(), nuevaTablaSalidas(), nuevaTablaTree()};  // in TipoTabla's order
  for (const CasoCelda& c : casos) {
    const ValidacionCelda v = validarLeaveCell(tablas[static_cast<int>(c.tabla)], c.col, c.texto);
    EXPECT_EQ(v.accion, c.accion) << c.col << " " << c.texto;
    EXPECT_EQ(v.accion == Accion::Rechazar ? v.aviso.texto : v.texto, c.resultado) << c.col << " " << c.texto;
  }
}

// The window's tests lose the focus on a refused value, an input's name and
// an output's time; here the other cells each table writes.
TEST(LostFocus, UsaLaMayusculaDeCadaTabla) {
  Tabla e = nuevaTablaEntradas();
  EXPECT_FALSE(confirmarLostFocus(e, 3, 18, "hola"));
  EXPECT_EQ(e.texto(3, 18), "hola");  // messages keep their case on focus loss

  Tabla t = nuevaTablaTree();
  EXPECT_FALSE(confirmarLostFocus(t, 3, 1, "ana"));
  EXPECT_EQ(t.texto(3, 1), "ANA");
  EXPECT_FALSE(confirmarLostFocus(t, 4, 3, ""));
  EXPECT_EQ(t.texto(4, 3), "**********");

  Tabla s = nuevaTablaSalidas();
  EXPECT_FALSE(confirmarLostFocus(s, 3, 1, "luz"));
  EXPECT_EQ(s.texto(3, 1), "LUZ");
}

TEST(Globales, RevisionesAlPerderElFoco) {
  struct Caso {
    int caja;
    const char* texto;
    const char* reescrito;
    const char* aviso;
  };
  const Caso casos[] = {
      {1, "23:59", "23:59", ""},       {1, "12:5", "12:5", kAvisoHora},
      {2, "255", "255", ""},           {2, "256", "256", kAvisoDuracionLlamada},
      {2, " 12abc", "12", ""},         {5, "1092", "1092", ""},
      {6, "1093", "1093", kAvisoMinutos}, {7, "0555", "555", ""},
      {7, "abc", "0", ""},             {9, "ab", "ab", kAvisoClave},
      {9, "", "", kAvisoClave},        {9, "abc", "abc", ""},
  };
  for (const Caso& c : casos) {
    const RevisionTexto r = revisarTextoGlobal(c.caja, c.texto);
    EXPECT_EQ(r.texto, c.reescrito) << c.caja << " " << c.texto;
    EXPECT_EQ(r.aviso.texto, c.aviso) << c.caja << " " << c.texto;
  }
  // The SMS text's counter, in letters; a text longer than its box (reloaded) goes below zero.
  EXPECT_EQ(caracteresRestantes(31, "Comunicación OK"), "Caracteres restantes: 16");
  EXPECT_EQ(caracteresRestantes(3, "abcd"), "Caracteres restantes:-1");
}

TEST(Alternar, MarcasTipoYHabilitacionDeDisparo) {
  Tabla e = nuevaTablaEntradas();
  // The window's tests go round the four trigger-enable pictures and click
  // marks on and off; here an unknown picture goes back to off.
  e.ponerImagen(3, 7, "RARO");
  toggleCell(e, 3, 7);
  EXPECT_EQ(e.imagen(3, 7), "NOG2");

  // The type resets both thresholds, whatever was typed.
  e.ponerTexto(4, 37, "3.00");
  toggleCell(e, 4, 6);
  EXPECT_EQ(e.celda(4, 6), (Celda{"Activa en alto", "FLANCOASC"}));
  EXPECT_EQ(e.texto(4, 38), "1.80");
  e.ponerTexto(4, 38, "0.10");
  toggleCell(e, 4, 6);
  EXPECT_EQ(e.celda(4, 6), (Celda{"Activa en bajo", "FLANCODESC"}));
  EXPECT_EQ(e.texto(4, 37), "1.20");
  EXPECT_EQ(e.texto(4, 38), "0.50");

  EXPECT_FALSE(toggleCell(e, 3, 1));  // text cell
  EXPECT_FALSE(toggleCell(e, 2, 2));  // header row

  Tabla s = nuevaTablaSalidas();
  EXPECT_TRUE(toggleCell(s, 3, 9));
  EXPECT_EQ(s.imagen(3, 9), "OKG");
  Tabla t = nuevaTablaTree();
  EXPECT_FALSE(toggleCell(t, 3, 2));
}

}  // namespace
}  // namespace orda::config
