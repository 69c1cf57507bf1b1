#pragma once
// A property a fuzz target checks: when it breaks, say which and stop, so
// that libFuzzer keeps the input.
#include <cstdio>
#include <cstdlib>

namespace orda::fuzz {

inline void exigir(bool condicion, const char* que) {
  if (!condicion) {
    std::fprintf(stderr, "propiedad rota: %s\n", que);
    std::abort();
  }
}

}  // namespace orda::fuzz
