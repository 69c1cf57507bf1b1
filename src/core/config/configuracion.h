#pragma once
// The whole configuration being edited: the three tables, the global
// options, the special functions and the panel's identity texts.
#include <string>
#include <string_view>

#include "core/config/especiales.h"
#include "core/config/globales.h"
#include "core/config/tabla.h"

namespace orda::config {

struct Configuracion {
  Tabla entradas;
  Tabla salidas;
  Tabla tree;
  Globales globales;
  Especiales especiales;
  std::string versionPanel = " - ";   // 3 characters
  std::string serialPanel = "  -  ";  // 5 characters

  Configuracion();
  bool operator==(const Configuracion&) const = default;
};

// Sets Text7: rewritten as a number and copied into the phone list's hidden
// row, as every change of the box does.
void cambiarNumeroSaldo(Configuracion& c, std::string_view texto);

// Sets a global text box as typing it would: Text7 through its rewrite.
void cambiarTextoGlobal(Configuracion& c, int caja, std::string_view texto);

// Status bar texts of the panel's identity: "V2.02" and "SN: 12345".
std::string textoVersion(std::string_view versionPanel);
std::string textoSerial(std::string_view serialPanel);

}  // namespace orda::config
