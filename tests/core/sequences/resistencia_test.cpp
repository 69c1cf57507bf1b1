// A thousand random runs of everything the console asks of the panel, each
// under a random fault, against the simulated panel in virtual time: every
// run ends, the console is never left busy, a failed read or history shows
// its box, the tables change only when a read completed (the memory viewer
// only when some transfer did), and without a fault every run goes through.
// Seeded: the same runs, faults and counts every time.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "core/monitoring/comandos.h"
#include "core/programming/aprogramar.h"
#include "core/reading/decodificar.h"
#include "core/simulator/azar.h"
#include "core/simulator/demo.h"
#include "link/banco.h"

namespace orda::sequences::prueba {
namespace {

using link::FinSecuencia;

enum Operacion { kLectura, kProgramacion, kHistorial, kComando, kForzado, kTendencia, kOperaciones };
enum Falla { kNinguna, kConfirmaciones, kBasura, kDesenchufe, kSilencio, kFallas };

const char* const kNombreOperacion[] = {"lectura", "programación", "historial", "comando", "forzado", "tendencia"};
const char* const kNombreFalla[] = {"ninguna", "confirmaciones perdidas", "basura", "desenchufe", "silencio"};
const char* const kNombreFin[] = {"completa", "sin respuesta", "interrumpida", "detenida"};  // by FinSecuencia
// What each operation may end in when nothing fails.
const std::vector<std::string> kSinFalla[] = {{"completa", "completa + historial completa"},
                                              {"completa"},
                                              {"completa"},
                                              {"enviado", "local", "demasiado largo"},
                                              {"encolado, salida cambiada"},
                                              {"con valores", "sin valores"}};

const char* const kComandos[] = {
    "sq", "va",    "vA",      "hola", "mi", "mH", "cH",
    "Hc", "V!202", "S!12345", "ts2",  "lt", "lh", "0123456789012345678901234567890123456789012345678901234567890123"};
const char* const kNombres[] = {"PORTON", "COCINA", "GARAJE", "ALTILLO", "PATIO"};
// The box of a transfer that failed, by its kind (read, history) and how it ended.
const std::map<std::pair<link::TipoSecuencia, FinSecuencia>, std::string> kCajas = {
    {{link::TipoSecuencia::Lectura, FinSecuencia::SinRespuesta},
     "El panel no respondió. La programación mostrada no cambió."},
    {{link::TipoSecuencia::Lectura, FinSecuencia::Interrumpida},
     "La transferencia se interrumpió. La programación mostrada no cambió."},
    {{link::TipoSecuencia::Historial, FinSecuencia::SinRespuesta},
     "El panel no respondió. Se mantienen los registros mostrados."},
    {{link::TipoSecuencia::Historial, FinSecuencia::Interrumpida},
     "La transferencia de registros históricos se interrumpió."},
};

constexpr int kCorridas = 1000;
constexpr std::int64_t kLimiteSecuenciaMs = 240000;
// After a run: the panel back on the bus (0.5 s), its reports enabled (1 s),
// and a transfer that garbage started abandoned (2 s).
constexpr std::int64_t kReposoMs = 4000;
const programming::FechaHora kAhora{2025, 6, 1, 10, 20, 30};

// What a read may change: the tables and the options, not the panel's identity.
bool mismasTablas(const config::Configuracion& a, const config::Configuracion& b) {
  return a.entradas == b.entradas && a.salidas == b.salidas && a.tree == b.tree && a.globales == b.globales &&
         a.especiales == b.especiales;
}

class Resistencia {
 public:
  Resistencia() {
    // While a transfer runs, the console asks for the next block and nothing else.
    b_.transporte.alEscribir = [this, log = b_.transporte.alEscribir](const link::BufferReporte& r, std::int64_t t) {
      log(r, t);
      const bool siguienteBloque = r[1] == 'p' && r[2] == 'n';
      if (b_.consola.enlace().enTransferencia() && !siguienteBloque) romper("se escribió durante una transferencia");
    };
    // The silence and the replug come when due.
    b_.trasCadaPaso = [this] {
      if (silencioHasta_) b_.transporte.fallas.silencio = b_.ahora >= silencioDesde_ && b_.ahora < *silencioHasta_;
      if (b_.transporte.enchufado()) {
        desenchufadoEn_.reset();
      } else if (!desenchufadoEn_) {
        desenchufadoEn_ = b_.ahora;
        contar("desenchufes ocurridos");
      } else if (b_.ahora >= *desenchufadoEn_ + reenchufarTrasMs_) {
        b_.transporte.enchufar();
      }
    };
  }
  // False after the first broken rule (already reported).
  bool corrida(int i) {
    const auto op = static_cast<Operacion>(azar(kOperaciones));
    const auto falla = static_cast<Falla>(azar(kFallas));
    contar(std::string("operación: ") + kNombreOperacion[op]);
    contar(std::string("falla: ") + kNombreFalla[falla]);
    SCOPED_TRACE(::testing::Message() << "corrida " << i << ": " << kNombreOperacion[op] << " con falla "
                                      << kNombreFalla[falla]);
    if (op == kProgramacion && azar(2) == 0) b_.cfg.entradas.ponerTexto(3 + azar(8), 1, kNombres[azar(5)]);
    const config::Configuracion antes = b_.cfg;
    const std::size_t previos = b_.oyente.resultados.size();
    const std::size_t cajas = b_.oyente.cajas.size(), vistas = b_.oyente.memoria.size();
    armar(falla, op);

    std::string desenlace;
    std::size_t fines = previos;  // sequence ends this run reports
    if (op <= kHistorial) {
      if (!iniciar(op)) {
        // An image no encoder takes stops a programming run before it sends anything.
        fines = b_.oyente.resultados.size();
        desenlace = fines == previos ? "rechazada" : fin(previos);
      } else {
        if (azar(8) == 0 && !(avanzar(azar(400)) && intentarDuranteOtra())) return false;
        if (!b_.esperarFin(++fines, kLimiteSecuenciaMs)) return romper("la secuencia no terminó");
        desenlace = fin(previos);
        const link::ResultadoSecuencia& r = b_.oyente.resultados[previos];
        if (r.sinConfirmar > 0) desenlace = "sin confirmar";
        // A complete read asks for the history at once.
        if (r.tipo == link::TipoSecuencia::Lectura && r.fin == FinSecuencia::Completa && conHistorial_) {
          if (!b_.esperarFin(++fines, kLimiteSecuenciaMs)) return romper("la secuencia no terminó");
          desenlace += " + historial " + fin(previos + 1);
        }
      }
    } else if (op == kComando) {
      const std::string texto = kComandos[azar(std::size(kComandos))];
      const EstadoComando e = b_.consola.enviarComando(texto, kAhora, b_.ahora).estado;
      desenlace = e == EstadoComando::Enviado                     ? "enviado"
                  : e == EstadoComando::Local                     ? "local"
                  : texto.size() > monitoring::kLargoMaximoComando ? "demasiado largo"
                                                                  : "rechazado";
      avanzar(2000);
    } else if (op == kForzado) {
      const int salida = azar(4);
      const bool antesSalida = b_.transporte.panel().salida(salida);
      b_.consola.seleccionarCanal(1 + azar(8), b_.ahora);
      desenlace = b_.consola.forzarSalida(salida, b_.ahora) ? "encolado" : "rechazado";
      avanzar(2000);
      desenlace += b_.transporte.panel().salida(salida) != antesSalida ? ", salida cambiada" : ", salida igual";
    } else {
      const int graf = b_.oyente.graf;
      b_.consola.seleccionarCanal(azar(9), b_.ahora);
      avanzar(500 + azar(2000));
      desenlace = b_.oyente.graf > graf ? "con valores" : "sin valores";
    }
    contar(std::string("desenlace: ") + kNombreOperacion[op] + ", " + desenlace);

    // The fault is lifted, the panel plugged back, everything settles.
    b_.transporte.fallas = {};
    silencioHasta_.reset();
    if (!b_.transporte.enchufado()) b_.transporte.enchufar();
    if (!b_.correr(kReposoMs)) return romper("el reloj virtual no avanza");
    if (b_.consola.ocupado()) return romper("la consola quedó ocupada");
    if (b_.oyente.resultados.size() != fines) return romper("una secuencia terminó dos veces");
    // A failed transfer says so in its own words; a run with none complete leaves the memory viewer
    // alone (a typed "lt" or "lh" starts a transfer of its own).
    std::size_t completas = 0;
    for (std::size_t k = previos; k < fines; ++k) {
      const link::ResultadoSecuencia& r = b_.oyente.resultados[k];
      completas += r.tipo != link::TipoSecuencia::Programacion && r.fin == FinSecuencia::Completa;
      const auto caja = kCajas.find({r.tipo, r.fin});
      if (caja == kCajas.end()) continue;
      const auto& c = b_.oyente.cajas;
      if (std::none_of(c.begin() + cajas, c.end(), [&](const auto& x) { return x.texto == caja->second; }))
        return romper(caja->second);
    }
    if (op != kComando && completas == 0 && b_.oyente.memoria.size() != vistas) return romper("visor de memoria");

    const bool lecturaCompleta = op == kLectura && fines > previos && fin(previos) == "completa";
    if (!lecturaCompleta && !mismasTablas(b_.cfg, antes))
      return romper("las tablas cambiaron sin una lectura completa");
    if (falla == kNinguna && !sinFalla(op, desenlace, antes, lecturaCompleta)) return false;
    // A read that took garbage for blocks may leave tables no encoder takes:
    // the user puts the panel's usual configuration back.
    if (desenlace == "detenida") b_.cfg = simulator::configuracionDemostracion();
    return true;
  }

  void imprimir() const {
    for (const auto& [clave, n] : cuentas) std::printf("  %-60s %5d\n", clave.c_str(), n);
    std::printf("  %-60s %5lld s\n", "tiempo virtual", static_cast<long long>(b_.ahora / 1000));
  }
  std::map<std::string, int> cuentas;

 private:
  int azar(std::size_t n) {
    estado_ = simulator::mezclar(estado_);
    return static_cast<int>(estado_ % n);
  }
  void contar(const std::string& clave) { ++cuentas[clave]; }
  bool romper(const std::string& que) {
    ADD_FAILURE() << que;
    return false;
  }
  std::string fin(std::size_t k) const { return kNombreFin[static_cast<int>(b_.oyente.resultados.at(k).fin)]; }

  void armar(Falla falla, Operacion op) {
    simulator::Fallas& f = b_.transporte.fallas;
    f.latenciaMs = 1 + azar(40);
    if (falla == kConfirmaciones) f.perderConfirmacionCada = 1 + azar(5);
    if (falla == kBasura) f.basuraCada = 1 + azar(30);
    if (falla == kDesenchufe) {
      // Somewhere in the run's reports; back on the bus up to 8 s later.
      const int reportes = op == kLectura ? 260 : op == kComando || op == kForzado ? 2 : 66;
      f.desenchufarTrasReportes = b_.transporte.reportesEscritos() + 1 + azar(reportes);
      reenchufarTrasMs_ = azar(8000);
    }
    if (falla == kSilencio) {
      // Up to 5 s; one in four runs starts on a silent panel.
      silencioDesde_ = b_.ahora + azar(800) - 200;
      silencioHasta_ = silencioDesde_ + azar(5000);
      f.silencio = b_.ahora >= silencioDesde_;
    }
  }

  bool iniciar(int op) {
    if (op == kLectura) return b_.consola.leerProgramacion(b_.ahora, conHistorial_ = azar(2) == 0);
    if (op == kProgramacion) return b_.consola.programar(kAhora, b_.ahora);
    return b_.consola.refrescarHistorial(b_.ahora);
  }

  // While a run holds the link, whatever else the user starts is refused, and says so.
  bool intentarDuranteOtra() {
    if (!b_.consola.ocupado()) return true;
    contar("rechazada durante otra corrida");
    Consola& c = b_.consola;
    const std::int64_t t = b_.ahora;
    imagen::ImagenMemoria destino{};
    const std::function<bool()> intentos[] = {
        [&] { return c.programar(kAhora, t); },
        [&] { return c.prepararGuardado(kAhora, t); },
        [&] { return c.leerProgramacion(t); },
        [&] { return c.leerParaComparar(t, destino); },
        [&] { return c.refrescarHistorial(t); },
        [&] { return c.enviarHora(kAhora, t); },
        [&] { return c.enviarFecha(kAhora, t); },
        [&] { return c.forzarSalida(0, t); },
        [&] { return c.enviarComando("V!203", kAhora, t).estado != EstadoComando::Rechazado; },
        [&] { return !c.rechazarSiOcupado(); },  // a save or an open
    };
    c.seleccionarCanal(1, t);  // the output lamps lit
    b_.oyente.textos.clear();
    if (intentos[azar(std::size(intentos))]()) return romper("se aceptó una orden durante otra corrida");
    return b_.oyente.texto(link::kPanelMensajes) == "Hay una operación en curso" || romper("rechazo sin aviso");
  }

  // The whole time passes unless the console never settles.
  bool avanzar(std::int64_t ms) {
    const std::int64_t fin = b_.ahora + ms;
    return (!b_.avanzar(ms, [] { return false; }) && b_.ahora >= fin) || romper("el reloj virtual no avanza");
  }

  bool sinFalla(Operacion op, const std::string& desenlace, const config::Configuracion& antes, bool lecturaCompleta) {
    const std::vector<std::string>& bien = kSinFalla[op];
    config::Configuracion copia = antes;
    const bool sinCodificar = desenlace == "detenida" && programming::aProgramar(copia, img_).detenida();
    if (!sinCodificar && std::find(bien.begin(), bien.end(), desenlace) == bien.end()) {
      return romper("sin falla terminó " + desenlace);
    }
    if (!lecturaCompleta) return true;
    // The tables are what the panel holds.
    const auto& m = b_.transporte.panel().memoriaDatos();
    std::copy(m.begin(), m.end(), img_.begin());
    reading::decodificarImagen(img_, copia);
    return mismasTablas(b_.cfg, copia) || romper("una lectura completa no dio lo que guarda el panel");
  }

  link::prueba::BancoSimulado b_;
  imagen::ImagenMemoria img_{};
  std::uint64_t estado_ = 20260;
  bool conHistorial_ = false;
  std::int64_t reenchufarTrasMs_ = 0;
  std::optional<std::int64_t> desenchufadoEn_;
  std::int64_t silencioDesde_ = 0;
  std::optional<std::int64_t> silencioHasta_;
};

TEST(Resistencia, MilCorridasAlAzarConFallasAlAzar) {
  Resistencia r;
  int hechas = 0;
  while (hechas < kCorridas && r.corrida(hechas)) ++hechas;
  std::printf("%d corridas:\n", hechas);
  r.imprimir();
  EXPECT_EQ(hechas, kCorridas);
  // Every fault bit, and every kind of end was seen.
  EXPECT_GT(r.cuentas["desenchufes ocurridos"], 50);
  for (const char* fin : {"desenlace: lectura, interrumpida", "desenlace: lectura, sin respuesta",
                          "desenlace: programación, sin confirmar", "desenlace: historial, interrumpida",
                          "rechazada durante otra corrida"}) {
    EXPECT_GT(r.cuentas[fin], 0) << fin;
  }
}

}  // namespace
}  // namespace orda::sequences::prueba
