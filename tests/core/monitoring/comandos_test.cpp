// "Enviar", the clock commands and output forcing, as the panel receives them.
#include <gtest/gtest.h>

#include "link/banco.h"
#include "link/textos.h"

namespace orda::link::prueba {
namespace {

using secuencias::EstadoComando;

const programacion::FechaHora kHora{2025, 12, 31, 9, 5, 7};

struct Enviado {
  const char* texto;
  std::vector<std::uint8_t> bytes;  // bytes 1.. of the report written
  const char* campo;                // the command field afterwards
};

TEST(Enviar, ComandosEscritosVanComoTextoConSuCR) {
  const std::string s61(61, 's');
  const Enviado casos[] = {
      {"lh", {0x6C, 0x68, 0x0D, 'D', 0}, "lh"},  // byte 4 keeps what the buffer held
      {"V!203", {'V', '!', '2', '0', '3', 13, 'G', 0}, "V!203"},
      {"Hc12", {'H', 'c', '1', '2', 'C', 'L', 'A', 'V', 13, 0, 0}, "Hc12CLAV"},
      {"ñ", {0xF1, 13, 'C', 0}, "ñ"},
  };
  for (const auto& c : casos) {
    Banco b;
    b.cfg.globales.text[9] = "CLAV";
    b.consola.enviarComando("ABCDEFG", kHora, 0);
    const auto r = b.consola.enviarComando(c.texto, kHora, 0);
    EXPECT_EQ(r.estado, EstadoComando::Enviado) << c.texto;
    EXPECT_EQ(r.textoCampo, c.campo);
    ASSERT_EQ(b.transporte.escritos.size(), 2u) << c.texto;
    const BufferReporte& w = b.transporte.escritos[1];
    EXPECT_EQ(std::vector<std::uint8_t>(w.begin() + 1, w.begin() + 1 + static_cast<std::ptrdiff_t>(c.bytes.size())),
              c.bytes)
        << c.texto;
    EXPECT_EQ(b.oyente.registro.back().texto, std::string(c.texto) + "\r");  // echoed as typed
  }
  Banco b;
  EXPECT_EQ(b.consola.enviarComando(s61, kHora, 0).estado, EstadoComando::Enviado);
  EXPECT_EQ(b.transporte.escritos.at(0)[62], 13);
  EXPECT_EQ(b.transporte.escritos.at(0)[64], 0);
}

TEST(Enviar, IdentidadDelPanel) {
  Banco b;
  b.consola.enviarComando("V!203", kHora, 0);
  b.consola.enviarComando("S!98765X", kHora, 0);
  EXPECT_EQ(b.cfg.versionPanel, "203");
  EXPECT_EQ(b.cfg.serialPanel, "98765");
  b.consola.enviarComando("V!2", kHora, 0);
  EXPECT_EQ(b.cfg.versionPanel, "2");
  EXPECT_EQ(b.transporte.escritos.size(), 3u);  // all of them also went to the panel
}

TEST(Enviar, ComandosPropiosDeLaConsolaNoSeEnvian) {
  const std::pair<const char*, ComandoLocal> casos[] = {
      {"mi", ComandoLocal::MostrarMemoria},
      {"mh", ComandoLocal::MostrarHistorial},
      {"mH", ComandoLocal::ActualizarHistorial},
  };
  for (const auto& [texto, local] : casos) {
    Banco b;
    EXPECT_EQ(b.consola.enviarComando(texto, kHora, 0).estado, EstadoComando::Local);
    EXPECT_TRUE(b.transporte.escritos.empty());
    EXPECT_EQ(b.oyente.locales, std::vector<ComandoLocal>{local});
    EXPECT_EQ(b.oyente.registro.at(0).texto, std::string(texto) + "\r");
  }
}

TEST(Enviar, CHMandaLaHoraEnLugarDelTexto) {
  Banco b;
  EXPECT_EQ(b.consola.enviarComando("cH", kHora, 0).estado, EstadoComando::Enviado);
  ASSERT_EQ(b.transporte.escritos.size(), 1u);
  const BufferReporte& w = b.transporte.escritos[0];
  EXPECT_EQ(std::vector<std::uint8_t>(w.begin() + 1, w.begin() + 6), (std::vector<std::uint8_t>{'c', 'H', 0x09, 0x05, 0x07}));
  EXPECT_TRUE(b.consola.enlace().esperandoConfirmacion());
}

TEST(Enviar, MasDeSesentaYUnCaracteresSeRechaza) {
  const std::string s62(62, 's');
  const std::string hc = "Hc" + std::string(57, 'x');  // 59, and the password makes 63
  for (const std::string& texto : {s62, hc}) {
    Banco b;
    b.cfg.globales.text[9] = "ABCD";
    const auto r = b.consola.enviarComando(texto, kHora, 0);
    EXPECT_EQ(r.estado, EstadoComando::Rechazado);
    EXPECT_EQ(r.mensaje, "El comando no puede superar 61 caracteres");
    EXPECT_EQ(r.textoCampo, texto);
    EXPECT_TRUE(b.transporte.escritos.empty());
    EXPECT_TRUE(b.oyente.registro.empty());
    ASSERT_EQ(b.oyente.cajas.size(), 1u);
    EXPECT_EQ(b.oyente.cajas[0].texto, "El comando no puede superar 61 caracteres");
  }
  Banco b;  // nothing sent: a long local or clock command is fine
  EXPECT_EQ(b.consola.enviarComando("mi" + std::string(70, 'x'), kHora, 0).estado, EstadoComando::Local);
}

TEST(Reloj, HoraYFechaEnBcdPorElEnvioConfirmado) {
  Banco b;
  b.consola.enviarHora(kHora, 0);
  b.consola.enviarFecha(kHora, 0);
  b.correr(1500);
  ASSERT_EQ(b.transporte.escritos.size(), 2u);
  const auto& h = b.transporte.escritos[0];
  const auto& f = b.transporte.escritos[1];
  EXPECT_EQ(std::vector<std::uint8_t>(h.begin() + 1, h.begin() + 6), (std::vector<std::uint8_t>{'c', 'H', 0x09, 0x05, 0x07}));
  EXPECT_EQ(std::vector<std::uint8_t>(f.begin() + 1, f.begin() + 6), (std::vector<std::uint8_t>{'c', 'F', 0x31, 0x12, 0x25}));
  EXPECT_EQ(b.transporte.momentos[1], 1000);  // no acknowledgement: one second
}

TEST(ForzarSalida, SoloConUnaEntradaSeleccionada) {
  Banco b;
  EXPECT_FALSE(b.consola.forzarSalida(2, 0));
  EXPECT_TRUE(b.transporte.escritos.empty());
  b.consola.seleccionarCanal(2, 0);
  EXPECT_TRUE(b.consola.forzarSalida(2, 0));
  ASSERT_EQ(b.transporte.escritos.size(), 1u);
  EXPECT_TRUE(Banco::empieza(b.transporte.escritos[0], "ts3"));
  EXPECT_FALSE(b.consola.forzarSalida(4, 0));
}

TEST(EnvioConfirmado, EnElOrdenEncoladoUnoPorConfirmacionOPorSegundo) {
  Banco b;
  b.consola.seleccionarCanal(1, 0);
  b.consola.forzarSalida(0, 0);
  b.consola.enviarHora(kHora, 0);
  b.consola.enviarFecha(kHora, 0);
  b.consola.forzarSalida(3, 0);
  b.correrHasta(400);
  b.recibir("Salida grabada");  // releases the next at once
  b.correrHasta(3000);
  std::vector<std::pair<std::string, std::int64_t>> vistos;
  for (std::size_t i = 0; i < b.transporte.escritos.size(); ++i) {
    const auto& w = b.transporte.escritos[i];
    if (w[1] == 'v') continue;  // trending requests go out on their own
    vistos.emplace_back(std::string{static_cast<char>(w[1]), static_cast<char>(w[2])}, b.transporte.momentos[i]);
  }
  const std::vector<std::pair<std::string, std::int64_t>> esperado = {
      {"ts", 0}, {"cH", 400}, {"cF", 1400}, {"ts", 2400}};
  EXPECT_EQ(vistos, esperado);
}

}  // namespace
}  // namespace orda::link::prueba
