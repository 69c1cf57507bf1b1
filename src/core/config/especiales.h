#pragma once
// The special functions: fourteen option buttons in five groups, one chosen
// per group ("Ninguno" by default); index 3 is never shown.
#include <array>
#include <string>
#include <string_view>

namespace orda::config {

struct GrupoEspecial {
  const char* titulo;   // group box caption
  const char* campo;    // field name
  int primero;          // first index of the group
  int cantidad;
};

inline constexpr int kCantidadOpciones = 14;
inline constexpr int kOpcionOculta = 3;

inline constexpr std::array<GrupoEspecial, 5> kGruposEspeciales = {{
    {"Comportamiento Entrada 1", "comportamientoEntrada1", 0, 4},
    {"Comportamiento Entrada 2", "comportamientoEntrada2", 4, 3},
    {"Comportamiento Salida 1", "comportamientoSalida1", 7, 3},
    {"Comportamiento Salida 2", "comportamientoSalida2", 10, 2},
    {"Comportamiento Salida 3", "comportamientoSalida3", 12, 2},
}};

inline constexpr std::array<const char*, kCantidadOpciones> kCaptionsEspeciales = {
    "Ninguno", "Arma el sistema", "Arma/Desarma el sistema", "",
    "Ninguno", "Desarma el sistema", "Arma/Desarma el sistema en modo silencio",
    "Ninguno", "Enciende sirena", "Enciende sirena y da aviso de armado/desarmado",
    "Ninguno", "Listo para armar",
    "Ninguno", "Sistema armado"};

// Option1 index of each bit of the global block's offset 43.
inline constexpr std::array<int, 8> kBitsEspeciales = {1, 2, 5, 6, 8, 9, 11, 13};

struct Especiales {
  std::array<bool, kCantidadOpciones> option1{};

  Especiales();
  // Selects an option, deselecting the others of its group only.
  void seleccionar(int indice);
  // Index of the selected option of group g (the first one if several).
  int seleccion(int grupo) const;
  bool operator==(const Especiales&) const = default;
};

int grupoDe(int indice);
// Index of the option with that caption in group g, or -1.
int opcionPorCaption(int grupo, std::string_view caption);

}  // namespace orda::config
