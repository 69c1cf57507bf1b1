#pragma once
// Info and Histórico on the simulated panel in virtual time, without the main
// window: the bench is the link's listener and passes on to the two windows
// what the main window would (device log, sequence ends, boxes, panel 2).
#include <QCoreApplication>
#include <QStringList>
#include <memory>
#include <vector>

#include "motor/motor_enlace.h"
#include "gui/comun/texto_qt.h"
#include "dialogos_grabados.h"
#include "gui/history/historico.h"
#include "gui/monitoring/info.h"
#include "core/simulator/transporte_simulado.h"

namespace orda::gui {

struct BancoEnlace : link::OyenteEnlace {
  std::int64_t ahora = 0;
  config::Configuracion cfg;
  imagen::ImagenMemoria imagen{};
  DialogosGrabados dialogos;
  std::vector<link::BufferReporte> escritos;  // every report the panel got
  QStringList panel2;
  std::unique_ptr<motor::MotorEnlace> motor;
  std::unique_ptr<Info> info;
  std::unique_ptr<Historico> historico;

  // 31 December 2025, 09:05:07 on the computer's clock.
  static programming::FechaHora reloj() { return {2025, 12, 31, 9, 5, 7}; }

  BancoEnlace() {
    auto fabrica = [this](motor::MotorEnlace::Reloj r) -> std::unique_ptr<link::Transporte> {
      auto t = std::make_unique<simulator::TransporteSimulado>(std::move(r));
      t->alEscribir = [this](const link::BufferReporte& b, std::int64_t) { escritos.push_back(b); };
      return t;
    };
    motor = std::make_unique<motor::MotorEnlace>(fabrica, *this, cfg, imagen, [this] { return ahora; });
    info = std::make_unique<Info>(*motor, &BancoEnlace::reloj);
    historico = std::make_unique<Historico>(imagen, cfg, dialogos);
    historico->ponerInfo(info.get());
    QObject::connect(historico.get(), &Historico::mensajeEstado, [this](const QString& t) { panel2 << t; });
    motor->conectar();
    avanzar(2000);  // the panel is plugged in and settled
  }
  ~BancoEnlace() override {
    historico.reset();
    info.reset();
    motor.reset();
  }

  // Moves the clock to `hasta`, running every deadline on the way, then
  // what the windows queued.
  void avanzar(std::int64_t hasta) {
    for (;;) {
      const auto t = motor->proximoVencimiento();
      if (!t || *t > hasta) break;
      ahora = std::max(ahora, *t);
      motor->vencer();
    }
    ahora = hasta;
    QCoreApplication::processEvents();
  }
  void esperar(std::int64_t ms) { avanzar(ahora + ms); }

  simulator::TransporteSimulado& panel() { return static_cast<simulator::TransporteSimulado&>(motor->transporte()); }

  void agregarAlRegistro(const std::string& texto, link::Color color) override {
    if (info) info->agregarAlRegistro(texto, color);
  }
  void textoPanel(int panel, const std::string& texto) override {
    if (panel == link::kPanelMensajes) panel2 << q(texto);
  }
  void mostrarError(const std::string& texto, const std::string& titulo, link::Icono, link::TipoError) override {
    dialogos.mensaje(q(texto), q(titulo), Icono::Exclamacion, Botones::Aceptar);
  }
  void secuenciaTerminada(const link::ResultadoSecuencia& r) override {
    if (historico) historico->secuenciaTerminada(r);
  }
};

}  // namespace orda::gui
