// mProgGlobal: the global block, the daily SMS text and the fixed texts.
#include "core/config/especiales.h"
#include "core/config/globales.h"
#include "core/imagen/codificacion.h"
#include "core/programming/aprogramar.h"
#include "core/programming/corrida.h"
#include "core/texto/cp1252.h"
#include "core/texto/numero.h"

namespace orda::programming {

namespace {

using namespace config::opcion;
namespace caja = config::caja;

// Items first..first+n-1 of OpcionesGlobales, the first item in bit 0.
std::uint8_t bitsDeOpciones(const config::Globales& g, int primero, int n) {
  std::uint8_t b = 0;
  for (int k = n - 1; k >= 0; --k) b = static_cast<std::uint8_t>((b << 1) | (g.opcionActiva(primero + k) ? 1 : 0));
  return b;
}

std::string ubicacionTexto(int n) {
  return std::string("Configuraciones globales: «") + config::etiquetaTexto(n) + "» (Text" + std::to_string(n) + ")";
}

// The panel's identity texts come from the panel, not from an editor: a short
// one is reported but does not stop the run, and its missing bytes stay erased.
void identidad(Corrida& c, Registro& r, std::size_t offset, std::string_view texto, std::size_t n,
               const char* nombre) {
  const std::vector<std::uint8_t> b = texto::aCp1252(texto);
  for (std::size_t i = 0; i < n && i < b.size(); ++i) r[offset + i] = b[i];
  if (b.size() < n) c.error("mProgGlobal", kErrorArgumento, nombre, false);
}

}  // namespace

void mProgGlobal(const config::Configuracion& cfg, Corrida& c) {
  const config::Globales& g = cfg.globales;
  const std::string rutina = "mProgGlobal";
  Registro r(imagen::kGlobal.tamano);
  auto fallo = [&](std::optional<int> e, int n) { c.error(rutina, e, ubicacionTexto(n)); };
  auto minutos = [&](std::size_t offset, int n) {
    fallo(r.uint16(offset, texto::redondeoPar(texto::numeroInicial(g.text[static_cast<std::size_t>(n)]), 60)), n);
  };

  r[0] = g.opcionActiva(kNoPermitirDesarmar);
  r[1] = g.opcionActiva(kRearmadoAutomatico);
  r[2] = g.opcionActiva(kArmadoAlResetear);
  minutos(3, caja::kDuracionDisparo);
  r[5] = g.opcionActiva(kLlamadaDiaria);
  r.hora(6, g.text[caja::kHoraLlamada], 3);
  fallo(r.uint8(9, g.text[caja::kDuracionLlamada]), caja::kDuracionLlamada);
  r[10] = bitsDeOpciones(g, kLlamadaDiariaA, 8);
  r[11] = g.opcionActiva(kSmsDiario);
  r.hora(12, g.text[caja::kHoraSms], 3);
  r[15] = bitsDeOpciones(g, kSmsDiarioA, 8);
  r[16] = bitsDeOpciones(g, kGrupoHabilitado, 4);
  r[17] = g.opcionActiva(kServTecRemoto);
  minutos(18, caja::kDuracionStr);
  for (std::size_t k = 20; k <= 32; ++k) r[k] = 0;
  fallo(r.texto(20, 13, g.text[caja::kTextoSaldo]), caja::kTextoSaldo);
  identidad(c, r, 33, cfg.versionPanel, 3, "Versión del panel");
  r[36] = 0;
  identidad(c, r, 37, cfg.serialPanel, 5, "Número de serie del panel");
  r[42] = 0;
  std::uint8_t especiales = 0;
  for (std::size_t bit = 0; bit < config::kBitsEspeciales.size(); ++bit) {
    if (cfg.especiales.option1[static_cast<std::size_t>(config::kBitsEspeciales[bit])]) especiales |= 1u << bit;
  }
  r[43] = especiales;
  r[44] = bitsDeOpciones(g, kAvisoArmadoA, 8);
  r[45] = g.opcionActiva(kUsoClave);
  fallo(r.texto(46, 9, texto::mayusculas(g.text[caja::kClave])), caja::kClave);
  c.emitir(r, kCmdGlobal, 0, &imagen::kGlobal, 0);

  Registro diario(imagen::kMensajes.tamano);
  fallo(diario.texto(0, 64, g.text[caja::kMensajeSms]), caja::kMensajeSms);
  c.emitir(diario, kCmdMensaje, imagen::kSlotMensajeDiario, &imagen::kMensajes, imagen::kSlotMensajeDiario);

  for (std::size_t k = 0; k < 6; ++k) {
    Registro fijo(imagen::kMensajes.tamano);
    fijo.texto(0, 64, kTextosFijos[k]);
    c.emitir(fijo, kCmdMensaje, static_cast<std::uint8_t>(imagen::kPrimerTextoFijo + k), nullptr, 0);
  }
}

}  // namespace orda::programming
