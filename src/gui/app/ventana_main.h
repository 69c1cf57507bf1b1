#pragma once
// "Main": the console's one top-level window. A multiple-document frame with
// the menus, the toolbar, the status bar and one child window per table or
// view; child windows are created once and then only shown and hidden.
//
// How the other windows hook in:
//  - contents: ponerContenido(Vista, widget) puts a window's widget in its
//    sub-window (caption and icon stay the console's); a widget with a
//    `mensajeEstado(QString)` signal has it shown in status bar panel 2.
//  - panel 2: ponerMensaje(texto), or panelMensajes() for the panel itself.
//  - commands: ejecutar(Comando) runs any menu, toolbar or hot key command;
//    ganchos() holds the file, programming, reading and history commands that
//    the other windows supply.
//  - the link: motor() is every window's one handle to it (motor().consola()
//    is the panel's state machine, motor().ahoraMs() the console's clock; the
//    engine re-arms its timer whenever the console is used); agregarOyente()
//    lets a window hear what the link
//    reports (device log, live values, sequence ends); configuracionLeida()
//    is emitted when a read refilled the configuration.
#include <QMainWindow>
#include <QPointer>
#include <QStringList>
#include <QUrl>
#include <array>
#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "gui/app/menus.h"
#include "gui/app/ganchos.h"
#include "motor/motor_enlace.h"
#include "core/config/configuracion.h"
#include "core/imagen/imagen.h"
#include "core/link/oyente.h"

namespace orda::motor {
class Despertador;
}

class QAction;
class QMdiArea;
class QMdiSubWindow;
class QShortcut;
class QToolBar;

namespace orda::gui {

class BarraEstado;
class Comunicacion;
class Dialogos;
class FiltroTeclas;
class Form1;
class ImagenesAplicacion;
class Notificados;
class PanelEstado;

struct DependenciasMain {
  Dialogos* dialogos = nullptr;
  ImagenesAplicacion* imagenes = nullptr;
  motor::MotorEnlace::FabricaTransporte fabricaTransporte;
  motor::MotorEnlace::Reloj reloj;       // empty: real time
  QString carpetaAplicacion;      // empty: the running program's
  QStringList carpetasImagenes;   // empty: "images" there, then the folder itself
  QString rutaRegistroImagenes;   // empty: beside them, or the user's data folder
  std::function<bool(const QUrl&)> abrirUrl;  // empty: the system's default handler
};

class Main : public QMainWindow, private link::OyenteEnlace {
  Q_OBJECT

 public:
  explicit Main(DependenciasMain d, QWidget* padre = nullptr);
  ~Main() override;

  // The start-up: link, splash, pictures, toolbar and status bar, the window
  // itself, the child windows, hot keys, layout. Shows the window.
  void arrancar();

  void ejecutar(Comando c);
  // The hot key with this id, as if pressed; false for an unknown id.
  bool teclaRapida(int id);

  Ganchos& ganchos() { return ganchos_; }

  // Child windows.
  QMdiArea& area() const { return *area_; }
  QMdiSubWindow* subventana(Vista v) const;
  QWidget* contenido(Vista v) const;
  void ponerContenido(Vista v, QWidget* w);
  // Builds a window's content when it is (re)created; Historico is created
  // again each time it is shown after being closed.
  void ponerFabrica(Vista v, std::function<QWidget*()> fabrica);
  // The window's content, made (hidden) when it does not exist yet.
  QWidget* cargar(Vista v);
  // The memory viewer, created the first time it is needed, and its sub-window.
  Form1& visorMemoria();
  QMdiSubWindow* subventanaMemoria() const { return memoria_; }
  bool menuMarcado(Vista v) const { return marcado_.at(static_cast<std::size_t>(v)); }
  bool botonPulsado(Vista v) const;
  // Lays the child windows out in the client area as at start-up, and gives
  // Seguimiento two thirds of its width.
  void disponerVentanas();

  QAction* accion(const QString& nombre) const;
  QToolBar* barraHerramientas() const { return barra_; }
  BarraEstado* barraEstado() const { return estado_.get(); }
  PanelEstado& panelMensajes() const;

  // The link.
  motor::MotorEnlace& motor() const { return *motor_; }
  config::Configuracion& configuracion() { return cfg_; }
  imagen::ImagenMemoria& imagenMemoria() { return imagenMemoria_; }
  // A line of the link's own (a device that cannot be opened) for the device log.
  void avisoDelEnlace(const std::string& linea);
  void agregarOyente(link::OyenteEnlace* o);
  // `o` hears the link for as long as `ventana` lives.
  void agregarOyente(link::OyenteEnlace* o, const QObject* ventana);
  void quitarOyente(link::OyenteEnlace* o);

  Dialogos& dialogos() const { return *d_.dialogos; }
  const ImagenesAplicacion& imagenes() const { return *d_.imagenes; }
  QString carpetaAplicacion() const { return carpetaApp_; }
  Notificados* notificados() const { return notificados_; }
  Comunicacion* comunicacion() const { return comunicacion_; }
  bool cerrandoPrograma() const { return cerrandoPrograma_; }
  bool teclasTomadas() const { return !teclas_.empty(); }

 public slots:
  // Status bar panel 2.
  void ponerMensaje(const QString& texto);

 signals:
  // A read from the panel refilled the configuration: windows show it again.
  void configuracionLeida();

 protected:
  void closeEvent(QCloseEvent* e) override;
  bool eventFilter(QObject* objeto, QEvent* e) override;

 private:
  // Start-up pieces.
  void construirMenus();
  void cargarImagenes();
  void construirBarras();
  void abrirVentanas();
  void tomarTeclas();
  void soltarTeclas();

  // Child windows.
  QMdiSubWindow* crearSubventana(Vista v);
  QMdiSubWindow* asegurarSubventana(Vista v);
  void llenar(Vista v);
  void ajustarSeguimiento();
  void mostrar(Vista v);
  void ocultar(Vista v);
  void marcar(Vista v, bool si);
  void pulsar(Vista v, bool si);
  void verVentana(Vista v);
  void mostrarHistorial();
  void cerrarHijas();

  // Commands.
  void ayuda();
  void ponerGanchosPorDefecto();
  void mostrarMemoria();

  // What the link reports.
  void textoPanel(int panel, const std::string& texto) override;
  void imagenPanel(int panel, const std::string& clave) override;
  void agregarAlRegistro(const std::string& texto, link::Color color) override;
  void progresoTransferencia(const std::string& texto, int bloque, int total) override;
  void memoriaActualizada(const std::string& titulo) override;
  void actGraf(const link::ValoresAnalogicos& v) override;
  void actLedEntradas(const link::EstadoEntradas& e) override;
  void actLedSalidas(const link::EstadoSalidas& s) override;
  void mostrarError(const std::string& texto, const std::string& titulo, link::Icono icono,
                    link::TipoError tipo) override;
  void comandoLocal(link::ComandoLocal c) override;
  void secuenciaTerminada(const link::ResultadoSecuencia& r) override;

  DependenciasMain d_;
  QString carpetaApp_;
  config::Configuracion cfg_;
  imagen::ImagenMemoria imagenMemoria_{};
  std::unique_ptr<motor::MotorEnlace> motor_;
  std::unique_ptr<motor::Despertador> despertador_;  // runs motor_ in real time
  Ganchos ganchos_;

  QMdiArea* area_ = nullptr;
  QToolBar* barra_ = nullptr;
  std::unique_ptr<BarraEstado> estado_;
  Comunicacion* comunicacion_ = nullptr;
  Notificados* notificados_ = nullptr;
  QMdiSubWindow* memoria_ = nullptr;
  Form1* form1_ = nullptr;

  std::array<QPointer<QMdiSubWindow>, kCantidadVistas> subventanas_{};
  std::array<std::function<QWidget*()>, kCantidadVistas> fabricas_{};
  std::array<bool, kCantidadVistas> marcado_{};
  std::map<QString, QAction*> acciones_;
  std::vector<std::pair<int, QShortcut*>> teclas_;
  FiltroTeclas* filtroTeclas_ = nullptr;
  std::vector<link::OyenteEnlace*> oyentes_;

  bool cerrandoPrograma_ = false;
  bool descargado_ = false;
};

}  // namespace orda::gui
