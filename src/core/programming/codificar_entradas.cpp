// progEntradas and progSMSentradas: the eight input records and their texts.
#include "core/config/alternar.h"
#include "core/config/tablas.h"
#include "core/imagen/codificacion.h"
#include "core/programming/aprogramar.h"
#include "core/programming/corrida.h"
#include "core/texto/numero.h"

namespace orda::programming {

namespace {

using config::Tabla;

// Eight marks starting at `col`, mark k in bit k - 1.
std::uint8_t bitsDeMarcas(const Tabla& t, int fila, int col, int cuantas) {
  std::uint8_t b = 0;
  for (int k = cuantas - 1; k >= 0; --k) b = static_cast<std::uint8_t>((b << 1) | (t.marcada(fila, col + k) ? 1 : 0));
  return b;
}

std::uint8_t codigoHabDisparo(const std::string& imagen) {
  for (std::uint8_t i = 0; i < 3; ++i) {
    if (imagen == config::kEstadosHabDisparo[i]) return i;
  }
  return 3;
}

}  // namespace

void progEntradas(const config::Configuracion& cfg, Corrida& c) {
  const Tabla& t = cfg.entradas;
  const int colComparacion = t.findColumn("Valor de comparación");
  const int colRetardo = t.findColumn("Retardo de");
  const int colSmsAct = t.findColumn("Si activa");
  const int colSmsDisp = t.findColumn("Si dispara envía");
  const int colHab = t.findColumn("Hab");
  const int colGrupo = t.findColumn("Grupo");
  const int colLlamada = t.findColumn("Si dispara llama");
  const int colEscala = t.findColumn("Constante de escalado para SMS");
  const std::string rutina = "progEntradas";

  for (int i = 0; i < 8; ++i) {
    const int f = i + Tabla::kPrimeraFila;
    Registro r(imagen::kEntradas.tamano);
    auto fallo = [&](std::optional<int> e, int col) { c.error(rutina, e, ubicacionCelda(t, f, col)); };

    fallo(r.texto(0, 13, t.texto(f, config::colEntradas::kAlias)), config::colEntradas::kAlias);
    r[13] = t.texto(f, config::colEntradas::kTipo) == config::kTipoBajo ? 3 : 2;
    fallo(r.uint16(14, imagen::cuentasDeVoltaje(t.texto(f, colComparacion))), colComparacion);
    fallo(r.uint16(16, imagen::cuentasDeVoltaje(t.texto(f, colComparacion + 1))), colComparacion + 1);
    fallo(r.uint16(18, texto::pisoEscalado(texto::numeroInicial(t.texto(f, colRetardo)), 1, 5)), colRetardo);
    fallo(r.uint16(20, texto::pisoEscalado(texto::numeroInicial(t.texto(f, colRetardo + 1)), 1, 1)), colRetardo + 1);
    r[22] = bitsDeMarcas(t, f, colSmsAct, 8);
    r[23] = bitsDeMarcas(t, f, colSmsDisp, 8);
    r[24] = codigoHabDisparo(t.imagen(f, colHab));
    r[25] = bitsDeMarcas(t, f, colGrupo, 4);
    r[26] = bitsDeMarcas(t, f, colLlamada, 8);
    if (const auto pf = imagen::flotantePanel(t.texto(f, colEscala))) {
      for (std::size_t k = 0; k < 4; ++k) r[27 + k] = static_cast<std::uint8_t>(*pf >> (8 * k));
    } else {
      fallo(kErrorDesbordamiento, colEscala);
    }
    fallo(r.texto(35, 4, t.texto(f, colEscala + 1)), colEscala + 1);
    c.emitir(r, kCmdEntrada, static_cast<std::uint8_t>(i), &imagen::kEntradas, static_cast<std::size_t>(i));
  }
}

void progSMSentradas(const config::Configuracion& cfg, Corrida& c) {
  const Tabla& t = cfg.entradas;
  const int colAct = t.findColumn("Si activa");
  const int colDisp = t.findColumn("Si dispara");
  const int columnas[3] = {colAct + 8, colAct + 9, colDisp + 8};
  for (int i = 0; i < 8; ++i) {
    const int f = i + Tabla::kPrimeraFila;
    for (int k = 0; k < 3; ++k) {
      Registro r(imagen::kMensajes.tamano, 0x00);  // slots are cleared before their text
      c.error("progSMSentradas", r.texto(0, 64, t.texto(f, columnas[k])), ubicacionCelda(t, f, columnas[k]));
      const std::size_t slot = imagen::slotMensaje(static_cast<std::size_t>(i), static_cast<std::size_t>(k));
      c.emitir(r, kCmdMensaje, static_cast<std::uint8_t>(slot), &imagen::kMensajes, slot);
    }
  }
}

}  // namespace orda::programming
