#pragma once
// The global options window: the 36 check boxes of OpcionesGlobales and the
// text boxes Text1..Text9, bound to the core's global options. A box whose
// check fails when it loses the focus warns, takes the focus back and selects
// its text.
#include <QWidget>
#include <array>
#include <vector>

#include "core/config/configuracion.h"

class QCheckBox;
class QGridLayout;
class QLineEdit;

namespace orda::gui {

class Dialogos;

class Globales : public QWidget {
  Q_OBJECT

 public:
  // Takes the whole configuration: the balance number is mirrored into the
  // phone list's hidden row.
  Globales(config::Configuracion& configuracion, Dialogos& dialogos, QWidget* padre = nullptr);

  // OpcionesGlobales(i) and Text1..Text9.
  QCheckBox* opcion(int i) const { return opciones_.at(static_cast<std::size_t>(i)); }
  QLineEdit* texto(int n) const { return textos_.at(static_cast<std::size_t>(n)); }
  // Shows the options again after a read or a file opened.
  void recargar();

 signals:
  void mensajeEstado(const QString& texto);
  void cambiado();

 protected:
  bool eventFilter(QObject* objeto, QEvent* e) override;

 private:
  QWidget* construirGrupo(int grupo);
  void agregarOpcion(QGridLayout* g, int i);
  void agregarFilaNumerada(QGridLayout* g, const QString& titulo, int primera, int cuantas);
  void agregarTexto(QGridLayout* g, int n);
  void alCambiarTexto(int n, const QString& t);
  void revisar(int n);
  void alinearEtiquetas();

  config::Configuracion& config_;
  Dialogos& dialogos_;
  std::array<QCheckBox*, config::opcion::kCantidad> opciones_{};
  std::array<QLineEdit*, 10> textos_{};  // [1]..[9]
  std::vector<QGridLayout*> grillas_;
  bool cargando_ = false;   // controls being filled from the data
  bool retomando_ = false;  // a box is taking the focus back after its warning
};

}  // namespace orda::gui
