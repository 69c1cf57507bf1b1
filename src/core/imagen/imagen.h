#pragma once
// The console's copy of the panel's configuration memory and where each
// record lies in it.
#include <array>
#include <cstddef>
#include <cstdint>

namespace orda::imagen {

// Indices 0..12287 mirror panel addresses 0x1C000..0x1EFFF; index 12288 has
// no panel address and only a loaded file ever sets it.
constexpr std::size_t kTamanoImagen = 12289;
constexpr std::size_t kTamanoMemoria = 12288;
using ImagenMemoria = std::array<std::uint8_t, kTamanoImagen>;

constexpr std::uint32_t kDireccionBase = 0x1C000;
constexpr std::uint8_t kBorrado = 0xFF;

constexpr std::size_t indice(std::uint32_t direccion) { return direccion - kDireccionBase; }

// Records: base panel address and size.
struct Bloque {
  std::uint32_t direccion;
  std::size_t tamano;
  std::size_t cantidad;
  constexpr std::size_t inicio(std::size_t i) const { return indice(direccion) + i * tamano; }
};

constexpr Bloque kMensajes{0x1C000, 64, 71};  // message slots, 65..70 never imaged
constexpr Bloque kEntradas{0x1E000, 64, 8};
constexpr Bloque kSalidas{0x1E800, 51, 4};
constexpr Bloque kTelefonos{0x1EC00, 32, 10};
constexpr Bloque kGlobal{0x1EF00, 64, 1};

constexpr std::size_t kSlotMensajeDiario = 64;
constexpr std::size_t kPrimerTextoFijo = 65;

// Slot of input i's message k (0 activation, 1 deactivation, 2 trigger).
constexpr std::size_t slotMensaje(std::size_t entrada, std::size_t k) { return 4 * entrada + k; }

}  // namespace orda::imagen
