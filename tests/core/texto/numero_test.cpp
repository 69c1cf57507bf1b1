#include "core/texto/numero.h"

#include <gtest/gtest.h>

#include <cmath>

#include "core/texto/cp1252.h"

namespace orda::texto {
namespace {

TEST(NumeroInicial, TomaSoloElNumeroDelComienzo) {
  struct Caso {
    const char* texto;
    double valor;
    const char* reescrito;
  };
  for (const Caso& c : {Caso{"600", 600, "600"}, Caso{"0555", 555, "555"}, Caso{"12.50abc", 12.5, "12.5"},
                        Caso{"abc", 0, "0"}, Caso{"", 0, "0"}, Caso{"  -3.3", -3.3, "-3.3"},
                        Caso{".5", 0.5, "0.5"}, Caso{"1e3", 1000, "1000"}, Caso{"1e+20", 1e20, "100000000000000000000"},
                        Caso{"-0", 0, "0"}, Caso{"12 34", 12, "12"}, Caso{"1.5e-2", 0.015, "0.015"}}) {
    const Numero n = numeroInicial(c.texto);
    EXPECT_DOUBLE_EQ(n.valor, c.valor) << c.texto;
    EXPECT_EQ(textoNumerico(n), c.reescrito) << c.texto;
  }
}

TEST(NumeroInicial, PisoExactoSobreElTextoDecimal) {
  // A double product would land just below the integer for these.
  EXPECT_EQ(pisoEscalado(numeroInicial("3.3"), 10240, 33), 1024);
  EXPECT_EQ(pisoEscalado(numeroInicial("1.20"), 10240, 33), 372);
  EXPECT_EQ(pisoEscalado(numeroInicial("1.65"), 10240, 33), 512);
  EXPECT_EQ(pisoEscalado(numeroInicial("600"), 1, 5), 120);
  EXPECT_EQ(pisoEscalado(numeroInicial("3"), 1, 5), 0);
  EXPECT_EQ(pisoEscalado(numeroInicial("-0.1"), 1, 1), -1);
  EXPECT_EQ(pisoEscalado(numeroInicial("99999999999999999999"), 1, 1), std::nullopt);
}

TEST(NumeroInicial, NumerosFueraDeRangoNoSeLeenComoCero) {
  EXPECT_TRUE(std::isinf(numeroInicial("1e400").valor));
  EXPECT_EQ(numeroInicial("1e-400").valor, 0.0);
  const Numero largo = numeroInicial(std::string(500, '1') + "e200");  // must not throw
  EXPECT_TRUE(std::isinf(largo.valor));
  EXPECT_EQ(pisoEscalado(largo, 1, 1), std::nullopt);
}

TEST(NumeroInicial, RedondeoAlParMasCercano) {
  EXPECT_EQ(redondeoPar(numeroInicial("2.5"), 1), 2);
  EXPECT_EQ(redondeoPar(numeroInicial("3.5"), 1), 4);
  EXPECT_EQ(redondeoPar(numeroInicial("3.49"), 1), 3);
  EXPECT_EQ(redondeoPar(numeroInicial("5"), 60), 300);
  EXPECT_EQ(redondeoPar(numeroInicial("0.0125"), 60), 1);  // 0.75 s
  EXPECT_EQ(redondeoPar(numeroInicial("-2.5"), 1), -2);
}

TEST(Cp1252, IdaYVueltaDeCadaByte) {
  for (int b = 0; b < 256; ++b) {
    const auto byte = static_cast<std::uint8_t>(b);
    const std::string t = desdeCp1252(&byte, 1);
    ASSERT_EQ(aCp1252(t), std::vector<std::uint8_t>{byte}) << b;
  }
  EXPECT_EQ(aCp1252("€ñ"), (std::vector<std::uint8_t>{0x80, 0xF1}));
  EXPECT_EQ(aCp1252("日"), std::vector<std::uint8_t>{'?'});
}

TEST(Cp1252, MayusculasComoLasGuardanLosEditores) {
  EXPECT_EQ(mayusculas("señal éxito ÿ œ abc1"), "SEÑAL ÉXITO Ÿ Œ ABC1");
  EXPECT_EQ(mayusculas("ß÷µ"), "ß÷µ");
}

}  // namespace
}  // namespace orda::texto
