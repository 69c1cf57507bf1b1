#include "core/config/especiales.h"

#include <stdexcept>

namespace orda::config {

Especiales::Especiales() {
  for (const auto& g : kGruposEspeciales) option1[static_cast<std::size_t>(g.primero)] = true;
}

int grupoDe(int indice) {
  for (std::size_t g = 0; g < kGruposEspeciales.size(); ++g) {
    const auto& gr = kGruposEspeciales[g];
    if (indice >= gr.primero && indice < gr.primero + gr.cantidad) return static_cast<int>(g);
  }
  throw std::out_of_range("Opción especial inexistente: " + std::to_string(indice));
}

void Especiales::seleccionar(int indice) {
  const auto& g = kGruposEspeciales[static_cast<std::size_t>(grupoDe(indice))];
  for (int i = g.primero; i < g.primero + g.cantidad; ++i) option1[static_cast<std::size_t>(i)] = (i == indice);
}

int Especiales::seleccion(int grupo) const {
  const auto& g = kGruposEspeciales.at(static_cast<std::size_t>(grupo));
  for (int i = g.primero; i < g.primero + g.cantidad; ++i) {
    if (option1[static_cast<std::size_t>(i)]) return i;
  }
  return g.primero;
}

int opcionPorCaption(int grupo, std::string_view caption) {
  const auto& g = kGruposEspeciales.at(static_cast<std::size_t>(grupo));
  for (int i = g.primero; i < g.primero + g.cantidad; ++i) {
    if (i != kOpcionOculta && caption == kCaptionsEspeciales[static_cast<std::size_t>(i)]) return i;
  }
  return -1;
}

}  // namespace orda::config
