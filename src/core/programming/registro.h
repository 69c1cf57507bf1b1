#pragma once
// A record being built: up to 64 bytes, every byte no field writes left at
// its fill value, and the fields' encodings with their failures.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/programming/errores.h"

namespace orda::programming {

class Registro {
 public:
  explicit Registro(std::size_t tamano, std::uint8_t relleno = 0xFF) : tamano_(tamano) { bytes_.fill(relleno); }

  std::size_t tamano() const { return tamano_; }
  const std::array<std::uint8_t, 64>& bytes() const { return bytes_; }
  std::uint8_t& operator[](std::size_t i) { return bytes_.at(i); }
  std::uint8_t operator[](std::size_t i) const { return bytes_.at(i); }

  // E1: the text's Windows-1252 bytes then one NUL, in a field of n bytes.
  // Fails (subscript) when the text does not leave room for its NUL.
  std::optional<int> texto(std::size_t offset, std::size_t n, std::string_view utf8);
  // E3: the leading number rounded half to even, 0..255.
  std::optional<int> uint8(std::size_t offset, std::string_view textoNumero);
  // E4: little-endian 0..65535.
  std::optional<int> uint16(std::size_t offset, std::optional<std::int64_t> valor);
  // E2: BCD time bytes from "HH:MM", `cuantos` bytes.
  void hora(std::size_t offset, std::string_view texto, std::size_t cuantos);

 private:
  std::size_t tamano_;
  std::array<std::uint8_t, 64> bytes_{};
};

}  // namespace orda::programming
