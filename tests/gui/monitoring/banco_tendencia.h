#pragma once
// The trending window on the simulated panel in virtual time: the link
// engine runs from deadline to deadline, the window hears what the
// link reports, and every report the panel gets is kept.
#include <QStringList>
#include <QTemporaryDir>
#include <memory>
#include <string>
#include <vector>

#include "gui/comun/imagenes_aplicacion.h"
#include "gui/comun/texto_qt.h"
#include "gui/monitoring/ventana_tendencia.h"
#include "core/simulator/transporte_simulado.h"
#include "motor/motor_enlace.h"

namespace orda::gui {

// Hands the live values to the window, made after the engine it needs.
struct OyenteBanco : link::OyenteEnlace {
  link::OyenteEnlace* ventana = nullptr;

  void actGraf(const link::ValoresAnalogicos& v) override {
    if (ventana != nullptr) ventana->actGraf(v);
  }
  void actLedEntradas(const link::EstadoEntradas& e) override {
    if (ventana != nullptr) ventana->actLedEntradas(e);
  }
  void actLedSalidas(const link::EstadoSalidas& s) override {
    if (ventana != nullptr) ventana->actLedSalidas(s);
  }
};

struct BancoTendencia {
  QTemporaryDir carpeta;
  std::int64_t ahora = 0;
  config::Configuracion cfg;
  imagen::ImagenMemoria imagenMemoria{};
  ImagenesAplicacion imagenes;
  simulator::TransporteSimulado transporte{[this] { return ahora; }};
  OyenteBanco oyente;
  motor::MotorEnlace motor{transporte, oyente, cfg, imagenMemoria, [this] { return ahora; }};
  sequences::Consola& consola = motor.consola();
  std::unique_ptr<Trending> ventana;
  std::vector<std::string> enviados;  // bytes 1..3 of every report the panel got
  QStringList mensajes;               // the window's mensajeEstado

  BancoTendencia() {
    imagenes.cargar({qEnvironmentVariable("ORDA_IMAGENES")}, carpeta.filePath(QStringLiteral("imagenes.log")));
    transporte.alEscribir = [this](const link::BufferReporte& b, std::int64_t) {
      enviados.emplace_back(reinterpret_cast<const char*>(&b[1]), 3);
    };
    motor.conectar();
    ventana = std::make_unique<Trending>(motor, cfg, imagenes);
    oyente.ventana = ventana.get();
    QObject::connect(ventana.get(), &Trending::mensajeEstado, [this](const QString& t) { mensajes.append(t); });
    avanzar(1600);  // the panel is plugged in and its reports enabled
  }
  ~BancoTendencia() { oyente.ventana = nullptr; }

  // Moves the clock to `hasta`, running every deadline on the way in order.
  void avanzar(std::int64_t hasta) {
    for (;;) {
      const auto t = motor.proximoVencimiento();
      if (!t || *t > hasta) break;
      ahora = std::max(ahora, *t);
      motor.vencer();
    }
    ahora = hasta;
  }

  int cuantos(std::string_view dos) const {
    return static_cast<int>(std::count_if(enviados.begin(), enviados.end(),
                                          [dos](const std::string& e) { return e.compare(0, 2, dos) == 0; }));
  }
};

}  // namespace orda::gui
