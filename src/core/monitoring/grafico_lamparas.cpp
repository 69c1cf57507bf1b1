#include "core/monitoring/grafico_lamparas.h"

#include <array>
#include <utility>

#include "core/config/tablas.h"

namespace orda::monitoring {

namespace {

// Normal picture and its pressed look.
constexpr std::array<std::pair<std::string_view, std::string_view>, 2> kPresionadas{{
    {lamparas::kApagada, lamparas::kApagadaPresionada},
    {lamparas::kRoja, lamparas::kRojaPresionada},
}};

}  // namespace

std::string_view lamparaEntrada(int canal, std::uint8_t estado) {
  if (canal == 0) return lamparas::kSinCanal;
  if (estado == 0) return lamparas::kApagada;
  return estado == 1 ? lamparas::kVerde : lamparas::kAmarilla;
}

std::string_view lamparaSalida(int canal, std::int16_t estado) {
  if (canal == 0) return lamparas::kSinCanal;
  return estado == -1 ? lamparas::kRoja : lamparas::kApagada;
}

std::string_view aspectoPresionado(std::string_view clave) {
  for (const auto& [normal, presionada] : kPresionadas) {
    if (clave == normal) return presionada;
  }
  return clave;
}

std::string_view aspectoNormal(std::string_view clave) {
  for (const auto& [normal, presionada] : kPresionadas) {
    if (clave == presionada) return normal;
  }
  return clave;
}

std::string aliasLampara(const config::Tabla& tabla, int indice) {
  const int fila = config::Tabla::kPrimeraFila + indice;
  return tabla.existe(fila, config::colEntradas::kAlias) ? tabla.texto(fila, config::colEntradas::kAlias) : std::string();
}

}  // namespace orda::monitoring
