// "Enviar", the clock commands, output forcing and the two polls, as the
// panel receives them.
#include <gtest/gtest.h>

#include "link/banco.h"

namespace orda::link::prueba {
namespace {

using sequences::EstadoComando;

const programming::FechaHora kHora{2025, 12, 31, 9, 5, 7};

std::vector<std::uint8_t> desde1(const BufferReporte& b, std::size_t n) { return {b.begin() + 1, b.begin() + 1 + static_cast<std::ptrdiff_t>(n)}; }

TEST(Enviar, QueLlegaAlPanelYQueQuedaEnElCampo) {
  struct Caso {
    std::string texto;
    EstadoComando estado;
    std::vector<std::uint8_t> bytes;  // of the second report written; empty: nothing written
    std::string campo;
  };
  const Caso casos[] = {
      {"lh", EstadoComando::Enviado, {0x6C, 0x68, 0x0D, 'D', 0}, "lh"},  // byte 4 keeps the buffer's
      {"Hc12", EstadoComando::Enviado, {'H', 'c', '1', '2', 'C', 'L', 'A', 'V', 13, 0, 0}, "Hc12CLAV"},
      {"ñ", EstadoComando::Enviado, {0xF1, 13, 'C', 0}, "ñ"},
      {std::string(61, 's'), EstadoComando::Enviado, {'s'}, std::string(61, 's')},
      {std::string(62, 's'), EstadoComando::Rechazado, {}, std::string(62, 's')},
      {"Hc" + std::string(57, 'x'), EstadoComando::Rechazado, {}, "Hc" + std::string(57, 'x')},  // 63 with the password
      {"mi" + std::string(70, 'x'), EstadoComando::Local, {}, "mi" + std::string(70, 'x')},
      {"S!98765X", EstadoComando::Enviado, {'S', '!', '9', '8', '7', '6', '5', 'X', 13}, "S!98765X"},
  };
  for (const auto& c : casos) {
    Banco b;
    b.cfg.globales.text[9] = "CLAV";
    b.consola.enviarComando("ABCDEFG", kHora, 0);
    const auto r = b.consola.enviarComando(c.texto, kHora, 0);
    EXPECT_EQ(r.estado, c.estado) << c.texto;
    EXPECT_EQ(r.textoCampo, c.campo);
    ASSERT_EQ(b.transporte.escritos.size(), c.bytes.empty() ? 1u : 2u) << c.texto;
    if (!c.bytes.empty()) {
      EXPECT_EQ(desde1(b.transporte.escritos[1], c.bytes.size()), c.bytes) << c.texto;
    }
    if (c.estado == EstadoComando::Rechazado) {
      EXPECT_EQ(r.mensaje, "El comando no puede superar 61 caracteres");
      EXPECT_EQ(b.oyente.cajas.at(0).texto, r.mensaje);
      EXPECT_EQ(b.oyente.registro.size(), 1u);
    } else {
      EXPECT_EQ(b.oyente.registro.back().first, c.texto + "\r");  // echoed as typed
    }
    if (c.texto.starts_with("S!")) {
      EXPECT_EQ(b.cfg.serialPanel, "98765");  // the digits only
    }
  }
}

// The clock's bytes are checked where the window sends them.
TEST(EnvioConfirmado, EnOrdenUnoPorConfirmacionOPorSegundo) {
  Banco b;
  EXPECT_FALSE(b.consola.forzarSalida(0, 0));  // no input selected: the lamps are off
  b.consola.seleccionarCanal(1, 0);
  b.consola.forzarSalida(0, 0);
  b.consola.enviarHora(kHora, 0);
  b.consola.enviarFecha(kHora, 0);
  b.consola.forzarSalida(2, 0);
  b.correrHasta(400);
  b.recibir("Salida grabada");  // releases the next at once
  b.correrHasta(3000);
  std::vector<std::pair<std::string, std::int64_t>> vistos;
  for (const auto& p : b.pedidos()) if (p.first[0] != 'v') vistos.push_back(p);
  EXPECT_EQ(vistos, (decltype(vistos){{"ts", 0}, {"cH", 400}, {"cF", 1400}, {"ts", 2400}}));
  std::vector<BufferReporte> confirmados;
  for (const auto& w : b.transporte.escritos) if (w[1] != 'v') confirmados.push_back(w);
  EXPECT_EQ(desde1(confirmados[3], 3), (std::vector<std::uint8_t>{'t', 's', '3'}));
}

// The lamp's pictures are checked where the window shows them.
TEST(Sondeos, SenalCadaCincoSegundosSalvoApagadaYTendenciaCada50ms) {
  Banco b;
  b.correrHasta(10000);
  b.consola.alternarSenal();  // no level shown yet: the poll stays on
  b.recibir("sq:17");
  b.consola.alternarSenal();
  b.correrHasta(20000);
  b.consola.alternarSenal();
  b.consola.seleccionarCanal(3, 20000);
  b.correrHasta(20150);
  b.consola.seleccionarCanal(0, 20150);
  b.correrHasta(25000);
  EXPECT_EQ(b.pedidos(), (decltype(b.pedidos()){
                             {"sq", 5000}, {"sq", 10000}, {"vA", 20050}, {"va", 20100}, {"vA", 20150}, {"sq", 25000}}));
}

}  // namespace
}  // namespace orda::link::prueba
