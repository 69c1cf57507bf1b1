#pragma once
// The signal level indicator (status bar panel 1) and its poll: "sq" every
// five seconds unless the user switched the poll off by clicking the panel,
// which then shows "L0X".
#include <cstdint>
#include <string>

namespace orda::link {

inline constexpr std::int64_t kPeriodoSenalMs = 5000;

struct NivelSenal {
  const char* imagen;
  const char* texto;
};

// The level from the answer's bytes 4 and 5: two ASCII digits, the first a
// blank for one digit. Any other bytes give what the digits' arithmetic gives.
int valorSenal(std::uint8_t decenas, std::uint8_t unidades);
NivelSenal nivelSenal(int v);

struct PanelSenal {
  std::string imagen = "L0_INT";
  std::string texto;

  bool sondeoActivo() const;
  // A click: with a level shown, the poll goes off; otherwise it goes on.
  void alternar();
};

}  // namespace orda::link
