#pragma once
// The simulated panel's two memories and their sizes.
#include <array>
#include <cstddef>
#include <cstdint>

#include "core/programming/puesta_en_hora.h"

namespace orda::simulator {

using programming::FechaHora;

inline constexpr std::size_t kTamanoDatos = 12288;
inline constexpr std::size_t kTamanoHistorialPanel = 4096;
inline constexpr int kCantidadEntradas = 8;
inline constexpr int kCantidadSalidas = 4;

using MemoriaDatos = std::array<std::uint8_t, kTamanoDatos>;
using MemoriaHistorial = std::array<std::uint8_t, kTamanoHistorialPanel>;

}  // namespace orda::simulator
