#pragma once
// "Histórico": the panel's event log as a grid, one row per record, with its
// number, date, time, description and the four code bytes.
//
// Refrescar asks the panel for its history memory through the Info window
// (so "lh" shows in the device log); the grid is filled from the image only
// once that transfer is complete. A request the panel never answers, or a
// transfer cut short, leaves the rows shown before. mActualizar fills the
// grid from the image as it is ("mH").
//
// The main window hosts it in a sub-window and adds it to the link's
// listeners (secuenciaTerminada).
#include <QPointer>
#include <QWidget>

#include "core/config/configuracion.h"
#include "core/imagen/imagen.h"
#include "core/link/oyente.h"

class QPushButton;
class QTableView;

namespace orda::gui {

class Dialogos;
class EncabezadoHistorico;
class Info;
class ModeloHistorico;

class Historico : public QWidget, public link::OyenteEnlace {
  Q_OBJECT

 public:
  // The description of a record names inputs and phone entries of `cfg`.
  Historico(const imagen::ImagenMemoria& imagenMemoria, const config::Configuracion& cfg, Dialogos& dialogos,
            QWidget* padre = nullptr);
  ~Historico() override;

  // The window whose sender carries the history request.
  void ponerInfo(Info* info);

  QTableView* TablaHistorico() const { return tabla_; }
  const ModeloHistorico& modelo() const { return *modelo_; }
  QPushButton* mSincro() const { return mSincro_; }
  QPushButton* mLimpiar() const { return mLimpiar_; }
  QPushButton* mExportar() const { return mExportar_; }
  QPushButton* mEsconder() const { return mEsconder_; }

  int cantidadRegistros() const { return cantidadRegistros_; }
  int erroresMostrados() const { return erroresMostrados_; }
  // Widths in pixels: the grid's and the window's (its content) now, and as laid out at load.
  int anchoTabla() const { return anchoTabla_; }
  int anchoVentana() const { return anchoVentana_; }
  int anchoBaseTabla() const { return anchoBaseTabla_; }
  int anchoBaseVentana() const { return anchoBaseVentana_; }
  // A request went out and its transfer has not ended.
  bool esperandoHistorial() const { return esperando_; }

  QSize sizeHint() const override;

  void secuenciaTerminada(const link::ResultadoSecuencia& r) override;

 public slots:
  // Lays the window and the empty grid out again.
  void Form_Load();
  // Asks the panel for its history; the grid is filled when the transfer
  // completes. False when nothing was asked (no sender, the link busy).
  bool Refrescar();
  // Fills the grid from the image, unless a requested transfer is still on
  // (it fills the grid when it completes) or the link is filling the image.
  void mActualizar();
  void mEsconder_Click();
  void mSincro_Click();    // retrieves the history again
  void mLimpiar_Click();   // empties the grid
  void mExportar_Click();  // saves the rows shown as CSV

 signals:
  void mensajeEstado(const QString& texto);
  void escondida();

 protected:
  void resizeEvent(QResizeEvent* e) override;

 private:
  void decodificar();
  void disponer();
  void ajustarVentana();
  bool escribirCsv(const QString& ruta);

  const imagen::ImagenMemoria& imagenMemoria_;
  const config::Configuracion& cfg_;
  Dialogos& dialogos_;
  QPointer<Info> info_;

  ModeloHistorico* modelo_;
  EncabezadoHistorico* encabezado_;
  QTableView* tabla_;
  QPushButton* mSincro_;
  QPushButton* mLimpiar_;
  QPushButton* mExportar_;
  QPushButton* mEsconder_;

  int cantidadRegistros_ = 0;
  int anchoBaseTabla_ = 0;
  int anchoBaseVentana_ = 0;
  int anchoTabla_ = 0;
  int anchoVentana_ = 0;
  int altoFila_ = 0;
  int erroresMostrados_ = 0;  // over the window's life
  bool esperando_ = false;
};

}  // namespace orda::gui
