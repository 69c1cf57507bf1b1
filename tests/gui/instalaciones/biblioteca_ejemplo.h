#pragma once
// A small library's data, shared by the library's tests, the Instalaciones
// window test and the manual's pictures: a history dump, a site by name and
// serial, and a library holding both.
#include <algorithm>
#include <cstdint>
#include <initializer_list>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "core/config/configuracion.h"
#include "core/history/memoria.h"
#include "sites/biblioteca.h"

namespace orda::ejemplo {

inline std::uint8_t bcd(int v) { return static_cast<std::uint8_t>(((v / 10) << 4) | (v % 10)); }

// `registros` history records after the reference record, one a minute from
// 2025-03-01 00:00 (minute `primero` + 1 first); every third a zone trigger.
inline std::vector<std::uint8_t> volcado(int registros = 300, int primero = 0) {
  std::vector<std::uint8_t> m(history::kTamanoHistorial, 0);
  m[8] = static_cast<std::uint8_t>((registros + 1) % history::kRegistrosPorBloque);
  m[9] = static_cast<std::uint8_t>((registros + 1) / history::kRegistrosPorBloque);
  for (int k = 1; k <= registros; ++k) {
    const int i = primero + k;
    const std::uint8_t r[10] = {bcd(25), bcd(3), bcd(1 + i / 1440), bcd(i / 60 % 24), bcd(i % 60), 0,
                                static_cast<std::uint8_t>(i % 3 == 0 ? 10 : 8), 0, 0, 0};
    std::copy(std::begin(r), std::end(r), m.begin() + static_cast<std::ptrdiff_t>(history::direccionRegistro(k)));
  }
  return m;
}

inline sites::Sitio sitio(const char* nombre, std::optional<std::string> serie = std::nullopt) {
  sites::Sitio s;
  s.nombre = nombre;
  s.serie = std::move(serie);
  return s;
}

// "Casa" (serial 12345, one version read and the history above), "Oficina",
// "Depósito", then `otros`.
inline void llenar(const sites::Destino& d, std::initializer_list<sites::Sitio> otros = {}) {
  sites::Biblioteca b(d);
  const std::int64_t casa = b.crearSitio(sitio("Casa", "12345"));
  b.crearSitio(sitio("Oficina"));
  b.crearSitio(sitio("Depósito"));
  for (const sites::Sitio& s : otros) b.crearSitio(s);
  b.archivarVersion(casa, imagen::ImagenMemoria{}, sites::Origen::Leida);
  b.fusionarHistorial(casa, volcado(), config::Configuracion{});
}

}  // namespace orda::ejemplo
