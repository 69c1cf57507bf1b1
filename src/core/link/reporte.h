#pragma once
// One output report: the 65 bytes of the shared output buffer that a command
// writes. Bytes a command does not write keep whatever the buffer held
// before, as the panel expects (it takes a command's length from its letters).
#include <array>
#include <bitset>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace orda::link {

constexpr std::size_t kTamanoReporte = 65;
using BufferReporte = std::array<std::uint8_t, kTamanoReporte>;

struct Reporte {
  BufferReporte bytes{};
  std::bitset<kTamanoReporte> escrito;

  void poner(std::size_t i, std::uint8_t v) {
    bytes.at(i) = v;
    escrito.set(i);
  }
  // The buffer as it goes on the wire after this command was written into it.
  void aplicarSobre(BufferReporte& buffer) const {
    for (std::size_t i = 0; i < kTamanoReporte; ++i) {
      if (escrito[i]) buffer[i] = bytes[i];
    }
  }
  std::uint8_t comando() const { return bytes[1]; }
  bool operator==(const Reporte&) const = default;
};

// A command of plain letters: report id 0, then the letters from byte 1 on
// ("pn", "sq", "lt", "va").
inline Reporte reporteLetras(std::string_view letras) {
  Reporte r;
  r.poner(0, 0);
  for (std::size_t i = 0; i < letras.size() && i + 1 < kTamanoReporte; ++i) {
    r.poner(i + 1, static_cast<std::uint8_t>(letras[i]));
  }
  return r;
}

}  // namespace orda::link
