#pragma once
// The simulated panel's only source of variety: a small counter-based
// generator, the same numbers on every platform for the same `semilla`.
#include <cstdint>

namespace orda::simulator {

// SplitMix64 step: a well-mixed 64-bit value from any 64-bit input.
constexpr std::uint64_t mezclar(std::uint64_t x) {
  x += 0x9E3779B97F4A7C15ULL;
  x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ULL;
  x = (x ^ (x >> 27)) * 0x94D049BB133111EBULL;
  return x ^ (x >> 31);
}

// A value in [0, n) drawn from `semilla` and up to three coordinates.
constexpr int sorteo(std::uint64_t semilla, std::uint64_t a, std::uint64_t b, std::uint64_t c, int n) {
  const std::uint64_t h = mezclar(mezclar(mezclar(semilla ^ a) ^ b) ^ c);
  return static_cast<int>(h % static_cast<std::uint64_t>(n));
}

}  // namespace orda::simulator
