// Status bar panel 2 while a programming run sends its records: one step per
// record that went out, clock reports not counted, nothing when the run
// stopped before sending; and the end of the run.
#include <gtest/gtest.h>

#include "link/banco.h"

namespace orda::sequences::prueba {
namespace {

using link::prueba::Banco;

const programming::FechaHora kAhora{2025, 12, 31, 9, 5, 7};

std::vector<std::string> textosProgreso(const Banco& b) {
  std::vector<std::string> v;
  for (const auto& [panel, texto] : b.oyente.textos) {
    if (panel == link::kPanelMensajes && texto.rfind("Programando ", 0) == 0) v.push_back(texto);
  }
  return v;
}

// Then the end, at the computer's time the run started plus what it took.
TEST(ProgresoProgramacion, UnPasoPorRegistroEnviadoYElFinConSuHora) {
  struct Caso {
    const char* nombre;
    bool responde;
    std::int64_t hasta;  // when the run is certainly over
    const char* fin;
  };
  for (const Caso& c : {Caso{"panel que confirma", true, 4000, "Programación terminada 09:05:07"},
                        Caso{"panel mudo", false, 60000,
                             "Programación terminada 09:06:03 - 54 de 54 registros sin confirmar"}}) {
    Banco b;
    b.transporte.responde = c.responde;
    ASSERT_TRUE(b.consola.programar(kAhora, 0)) << c.nombre;
    // The clock reports went out first and count for nothing.
    EXPECT_TRUE(textosProgreso(b).empty()) << c.nombre;
    ASSERT_TRUE(b.correrHasta(c.hasta)) << c.nombre;
    const auto progreso = textosProgreso(b);
    ASSERT_EQ(progreso.size(), 54u) << c.nombre;
    EXPECT_EQ(progreso.front(), "Programando 1/54") << c.nombre;
    EXPECT_EQ(progreso[11], "Programando 12/54") << c.nombre;
    EXPECT_EQ(progreso.back(), "Programando 54/54") << c.nombre;
    std::string ultimo;
    for (const auto& [panel, texto] : b.oyente.textos) {
      if (panel == link::kPanelMensajes) ultimo = texto;
    }
    EXPECT_EQ(ultimo, c.fin) << c.nombre;
  }
}

// A listener that shows the run its own way hears the counts instead.
TEST(ProgresoProgramacion, OyentePropioRecibeLasCuentas) {
  struct Oyente : link::prueba::OyenteGrabador {
    std::vector<std::pair<int, int>> pasos;
    void progresoProgramacion(int enviados, int total) override { pasos.emplace_back(enviados, total); }
  };
  Banco b;
  Oyente propio;
  propio.reloj = &b.ahora;
  sequences::Consola consola{b.transporte, propio, b.cfg, b.img, 0};
  b.transporte.responde = false;
  ASSERT_TRUE(consola.programar(kAhora, 0));
  // A silent panel: the two clock reports, then one record a second.
  for (std::int64_t t = 1000; t <= 3000; t += 1000) consola.alVencer(b.ahora = t);
  EXPECT_TRUE(propio.textos.empty());
  EXPECT_EQ(propio.pasos, (std::vector<std::pair<int, int>>{{1, 54}, {2, 54}}));
}

}  // namespace
}  // namespace orda::sequences::prueba
