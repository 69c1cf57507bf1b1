// progNumTel and progSalidas: the phone list and the four outputs.
#include "core/config/tablas.h"
#include "core/programming/aprogramar.h"
#include "core/programming/corrida.h"

namespace orda::programming {

using config::Tabla;

void progNumTel(config::Configuracion& cfg, Corrida& c) {
  // The hidden row carries the balance-query number of the global options.
  config::cambiarNumeroSaldo(cfg, cfg.globales.text[config::caja::kNumeroSaldo]);
  const Tabla& t = cfg.tree;
  const std::string rutina = "progNumTel";
  for (int i = 0; i < 10; ++i) {
    const int f = i + Tabla::kPrimeraFila;
    Registro r(imagen::kTelefonos.tamano);
    auto fallo = [&](std::optional<int> e, int col) { c.error(rutina, e, ubicacionCelda(t, f, col)); };
    fallo(r.texto(0, 13, t.texto(f, config::colTree::kPerteneceA)), config::colTree::kPerteneceA);
    fallo(r.uint8(13, t.texto(f, config::colTree::kPrivilegio)), config::colTree::kPrivilegio);
    fallo(r.texto(14, 11, t.texto(f, config::colTree::kTelefono)), config::colTree::kTelefono);
    fallo(r.uint8(25, t.texto(f, config::colTree::kDuracionRing)), config::colTree::kDuracionRing);
    c.emitir(r, kCmdTelefono, static_cast<std::uint8_t>(i), &imagen::kTelefonos, static_cast<std::size_t>(i));
  }
}

void progSalidas(const config::Configuracion& cfg, Corrida& c) {
  const Tabla& t = cfg.salidas;
  using namespace config::colSalidas;
  for (int i = 0; i < 4; ++i) {
    const int f = i + Tabla::kPrimeraFila;
    Registro r(imagen::kSalidas.tamano);
    r[0] = t.marcada(f, kEncendida) ? 1 : 0;
    for (int k = 0; k < 4; ++k) {
      const auto base = static_cast<std::size_t>(7 * k);
      r[1 + base] = t.marcada(f, hab(k)) ? 1 : 0;
      r.hora(2 + base, t.texto(f, desde(k)), 3);
      r.hora(5 + base, t.texto(f, hasta(k)), 2);
      r[7 + base] = 0;
    }
    c.error("progSalidas", r.texto(29, 13, t.texto(f, kAlias)), ubicacionCelda(t, f, kAlias));
    c.emitir(r, kCmdSalida, static_cast<std::uint8_t>(i), &imagen::kSalidas, static_cast<std::size_t>(i));
  }
}

}  // namespace orda::programming
