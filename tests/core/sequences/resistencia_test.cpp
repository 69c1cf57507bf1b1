// A thousand random runs of everything the console asks of the panel, each
// under a random fault, against the simulated panel in virtual time: every
// run ends, the console is never left busy, the tables change only when a
// read completed, and without a fault every run goes through. Seeded: the
// same runs, faults and counts every time.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "monitoring/comandos.h"
#include "programming/aprogramar.h"
#include "reading/decodificar.h"
#include "sequences/banco_simulado.h"
#include "simulator/azar.h"
#include "simulator/demo.h"

namespace orda::secuencias::prueba {
namespace {

using link::FinSecuencia;

enum class Operacion { Lectura, Programacion, Historial, Comando, Forzado, Tendencia };
enum class Falla { Ninguna, ConfirmacionesPerdidas, Basura, Desenchufe, Silencio };

constexpr std::array<const char*, 6> kOperaciones = {"lectura", "programación", "historial",
                                                     "comando", "forzado",      "tendencia"};
constexpr std::array<const char*, 5> kFallas = {"ninguna", "confirmaciones perdidas", "basura", "desenchufe",
                                                "silencio"};
const char* const kComandos[] = {
    "sq", "va",    "vA",      "hola", "mi", "mH", "cH",
    "Hc", "V!202", "S!12345", "ts2",  "lt", "lh", "0123456789012345678901234567890123456789012345678901234567890123"};
const char* const kNombres[] = {"PORTON", "COCINA", "GARAJE", "ALTILLO", "PATIO"};

constexpr int kCorridas = 1000;
constexpr std::int64_t kLimiteSecuenciaMs = 240000;
// After a run: the panel back on the bus (0.5 s), its reports enabled (1 s),
// and a transfer that garbage started abandoned (2 s).
constexpr std::int64_t kReposoMs = 4000;
const programacion::FechaHora kAhora{2025, 6, 1, 10, 20, 30};

// By FinSecuencia.
const char* textoFin(FinSecuencia f) {
  constexpr const char* kFines[] = {"completa", "sin respuesta", "interrumpida", "detenida"};
  return kFines[static_cast<int>(f)];
}

// What a read may change: the tables and the options, not the panel's identity.
bool mismasTablas(const config::Configuracion& a, const config::Configuracion& b) {
  return a.entradas == b.entradas && a.salidas == b.salidas && a.tree == b.tree && a.globales == b.globales &&
         a.especiales == b.especiales;
}

class Resistencia {
 public:
  // Returns false after the first broken rule (already reported).
  bool corrida(int i) {
    const auto op = static_cast<Operacion>(azar(kOperaciones.size()));
    const auto falla = static_cast<Falla>(azar(kFallas.size()));
    contar(std::string("operación: ") + kOperaciones[static_cast<std::size_t>(op)]);
    contar(std::string("falla: ") + kFallas[static_cast<std::size_t>(falla)]);
    ::testing::ScopedTrace traza(__FILE__, __LINE__,
                                 ::testing::Message()
                                     << "corrida " << i << ": " << kOperaciones[static_cast<std::size_t>(op)]
                                     << " con falla " << kFallas[static_cast<std::size_t>(falla)]);
    if (op == Operacion::Programacion && azar(2) == 0) {
      b_.cfg.entradas.ponerTexto(3 + static_cast<int>(azar(8)), 1, kNombres[azar(std::size(kNombres))]);
    }
    const config::Configuracion antes = b_.cfg;
    const std::size_t resultados = b_.oyente.resultados.size();
    armar(falla, op);

    std::size_t esperados = 0;  // sequence ends this run must report
    std::string desenlace;
    switch (op) {
      case Operacion::Lectura:
      case Operacion::Programacion:
      case Operacion::Historial:
        if (!iniciar(op)) {
          // An image that cannot be encoded stops a programming run before it sends anything.
          esperados = b_.oyente.resultados.size() - resultados;
          desenlace = esperados == 0 ? "rechazada" : textoFin(b_.oyente.resultados[resultados].fin);
          break;
        }
        esperados = 1;
        if (azar(8) == 0 && !(avanzar(static_cast<std::int64_t>(azar(400))) && intentarDuranteOtra())) return false;
        if (!esperar(resultados + 1)) return false;
        {
          const link::ResultadoSecuencia& r = b_.oyente.resultados[resultados];
          desenlace = textoFin(r.fin);
          if (r.tipo == link::TipoSecuencia::Programacion && r.sinConfirmar > 0) desenlace = "sin confirmar";
          // A complete read asks for the history at once.
          if (r.tipo == link::TipoSecuencia::Lectura && r.fin == FinSecuencia::Completa && conHistorial_) {
            esperados = 2;
            if (!esperar(resultados + 2)) return false;
            desenlace += std::string(" + historial ") + textoFin(b_.oyente.resultados[resultados + 1].fin);
          }
        }
        break;
      case Operacion::Comando: {
        const std::string texto = kComandos[azar(std::size(kComandos))];
        const auto r = b_.consola.enviarComando(texto, kAhora, b_.ahora);
        desenlace = r.estado == EstadoComando::Enviado              ? "enviado"
                    : r.estado == EstadoComando::Local              ? "local"
                    : texto.size() > monitoreo::kLargoMaximoComando ? "demasiado largo"
                                                                    : "rechazado";
        avanzar(2000);
        break;
      }
      case Operacion::Forzado: {
        const int salida = static_cast<int>(azar(4));
        const bool antesSalida = b_.transporte.panel().salida(salida);
        b_.consola.seleccionarCanal(1 + static_cast<int>(azar(8)), b_.ahora);
        desenlace = b_.consola.forzarSalida(salida, b_.ahora) ? "encolado" : "rechazado";
        avanzar(2000);
        desenlace += b_.transporte.panel().salida(salida) != antesSalida ? ", salida cambiada" : ", salida igual";
        break;
      }
      case Operacion::Tendencia: {
        const int graf = b_.oyente.graf;
        b_.consola.seleccionarCanal(static_cast<int>(azar(9)), b_.ahora);
        avanzar(500 + static_cast<std::int64_t>(azar(2000)));
        desenlace = b_.oyente.graf > graf ? "con valores" : "sin valores";
        break;
      }
    }
    contar(std::string("desenlace: ") + kOperaciones[static_cast<std::size_t>(op)] + ", " + desenlace);

    // The fault is lifted, the panel plugged back, everything settles.
    b_.transporte.fallas = {};
    silencioHasta_.reset();
    if (!b_.transporte.enchufado()) b_.transporte.enchufar();
    if (!b_.correr(kReposoMs)) return romper("el reloj virtual no avanza");
    if (b_.consola.ocupado()) return romper("la consola quedó ocupada");
    if (b_.oyente.resultados.size() != resultados + esperados) return romper("una secuencia terminó dos veces");

    const bool lecturaCompleta =
        op == Operacion::Lectura && esperados > 0 && b_.oyente.resultados[resultados].fin == FinSecuencia::Completa;
    if (!lecturaCompleta && !mismasTablas(b_.cfg, antes))
      return romper("las tablas cambiaron sin una lectura completa");
    if (falla == Falla::Ninguna && !sinFalla(op, desenlace, antes, lecturaCompleta)) return false;
    // A read that took garbage for blocks may leave tables no encoder takes:
    // the user puts the panel's usual configuration back.
    if (desenlace == "detenida") b_.cfg = simulador::configuracionDemostracion();
    return true;
  }

  void imprimir() const {
    for (const auto& [clave, n] : cuentas_) std::printf("  %-60s %5d\n", clave.c_str(), n);
    std::printf("  %-60s %5lld s\n", "tiempo virtual", static_cast<long long>(b_.ahora / 1000));
  }
  int cuenta(const std::string& clave) const {
    const auto it = cuentas_.find(clave);
    return it == cuentas_.end() ? 0 : it->second;
  }

 private:
  std::uint64_t azar(std::size_t n) {
    estado_ = simulador::mezclar(estado_);
    return estado_ % n;
  }
  void contar(const std::string& clave) { ++cuentas_[clave]; }
  bool romper(const char* que) {
    ADD_FAILURE() << que;
    return false;
  }

  void armar(Falla falla, Operacion op) {
    simulador::Fallas& f = b_.transporte.fallas;
    f.latenciaMs = 1 + static_cast<int>(azar(40));
    switch (falla) {
      case Falla::Ninguna:
        break;
      case Falla::ConfirmacionesPerdidas:
        f.perderConfirmacionCada = 1 + static_cast<int>(azar(5));
        break;
      case Falla::Basura:
        f.basuraCada = 1 + static_cast<int>(azar(30));
        break;
      case Falla::Desenchufe: {
        // Somewhere in the run's reports; back on the bus a while later.
        const int reportes = op == Operacion::Lectura                               ? 260
                             : op == Operacion::Comando || op == Operacion::Forzado ? 2
                                                                                    : 66;
        f.desenchufarTrasReportes =
            b_.transporte.reportesEscritos() + 1 + static_cast<int>(azar(static_cast<std::size_t>(reportes)));
        reenchufarTrasMs_ = static_cast<std::int64_t>(azar(8000));
        break;
      }
      case Falla::Silencio: {
        // One in four runs starts on a silent panel.
        const std::int64_t desde = b_.ahora + static_cast<std::int64_t>(azar(800)) - 200;
        silencioDesde_ = desde;
        silencioHasta_ = desde + static_cast<std::int64_t>(azar(5000));
        f.silencio = b_.ahora >= silencioDesde_;
        break;
      }
    }
  }

  bool iniciar(Operacion op) {
    switch (op) {
      case Operacion::Lectura:
        conHistorial_ = azar(2) == 0;
        return b_.consola.leerProgramacion(b_.ahora, conHistorial_);
      case Operacion::Programacion:
        return b_.consola.programar(kAhora, b_.ahora);
      case Operacion::Historial:
        return b_.consola.refrescarHistorial(b_.ahora);
      default:
        return false;
    }
  }

  // While a run holds the link, whatever else the user starts is refused.
  bool intentarDuranteOtra() {
    if (!b_.consola.ocupado()) return true;
    const bool aceptada = azar(2) == 0
                              ? iniciar(static_cast<Operacion>(azar(3)))
                              : b_.consola.enviarComando("va", kAhora, b_.ahora).estado != EstadoComando::Rechazado;
    contar("rechazada durante otra corrida");
    return aceptada ? romper("se aceptó una orden durante otra corrida") : true;
  }

  // Time passes in small steps so that the silence and the replug come when due.
  bool avanzar(std::int64_t ms) {
    const std::int64_t fin = b_.ahora + ms;
    while (b_.ahora < fin) {
      if (!paso(std::min<std::int64_t>(10, fin - b_.ahora))) return false;
    }
    return true;
  }
  bool esperar(std::size_t resultados) {
    const std::int64_t fin = b_.ahora + kLimiteSecuenciaMs;
    while (b_.oyente.resultados.size() < resultados) {
      if (b_.ahora >= fin) return romper("la secuencia no terminó");
      if (!paso(10)) return false;
    }
    return true;
  }
  bool paso(std::int64_t ms) {
    if (!b_.correr(ms)) return romper("el reloj virtual no avanza");
    simulador::Fallas& f = b_.transporte.fallas;
    if (silencioHasta_) f.silencio = b_.ahora >= silencioDesde_ && b_.ahora < *silencioHasta_;
    if (b_.transporte.enchufado()) {
      desenchufadoEn_.reset();
    } else if (!desenchufadoEn_) {
      desenchufadoEn_ = b_.ahora;
      contar("desenchufes ocurridos");
    } else if (b_.ahora >= *desenchufadoEn_ + reenchufarTrasMs_) {
      b_.transporte.enchufar();
    }
    return true;
  }

  // Without a fault every run must go through.
  bool sinFalla(Operacion op, const std::string& desenlace, const config::Configuracion& antes, bool lecturaCompleta) {
    const std::map<Operacion, std::vector<std::string>> buenos = {
        {Operacion::Lectura, {"completa", "completa + historial completa"}},
        {Operacion::Programacion, {"completa"}},
        {Operacion::Historial, {"completa"}},
        {Operacion::Comando, {"enviado", "local", "demasiado largo"}},
        {Operacion::Forzado, {"encolado, salida cambiada"}},
        {Operacion::Tendencia, {"con valores", "sin valores"}},
    };
    const auto& ok = buenos.at(op);
    config::Configuracion copia = antes;
    const bool sinCodificar = desenlace == "detenida" && programacion::aProgramar(copia, img_).detenida();
    if (!sinCodificar && std::find(ok.begin(), ok.end(), desenlace) == ok.end()) {
      ADD_FAILURE() << "sin falla terminó " << desenlace;
      return false;
    }
    if (lecturaCompleta) {
      // The tables are what the panel holds.
      config::Configuracion esperada = antes;
      imagen::ImagenMemoria img{};
      const auto& m = b_.transporte.panel().memoriaDatos();
      std::copy(m.begin(), m.end(), img.begin());
      lectura::decodificarImagen(img, esperada);
      if (!mismasTablas(b_.cfg, esperada)) return romper("una lectura completa no dio lo que guarda el panel");
    }
    return true;
  }

  BancoSimulado b_;
  imagen::ImagenMemoria img_{};
  std::uint64_t estado_ = 20260;
  std::map<std::string, int> cuentas_;
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
  EXPECT_GT(r.cuenta("desenchufes ocurridos"), 50);
  for (const char* fin : {"desenlace: lectura, interrumpida", "desenlace: lectura, sin respuesta",
                          "desenlace: programación, sin confirmar", "desenlace: historial, interrumpida",
                          "rechazada durante otra corrida"}) {
    EXPECT_GT(r.cuenta(fin), 0) << fin;
  }
}

}  // namespace
}  // namespace orda::secuencias::prueba
