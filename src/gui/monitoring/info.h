#pragma once
// "Info": the terminal to the panel. The log mRT shows, newest at the top,
// everything the panel sends that nothing else takes (black) and the link's
// plug and unplug lines (dark green); the command field Text1 sends what the
// user types ("Enviar", or Enter), "Limpiar" empties the log. The window also
// sends the clock commands and the history window's request.
//
// The main window hosts it in a sub-window and adds it to the link's
// listeners (agregarAlRegistro); the console's own commands ("mi", "mh",
// "mH") leave through the three signals.
#include <QWidget>
#include <functional>

#include "core/link/oyente.h"
#include "core/programming/puesta_en_hora.h"

class QLineEdit;
class QPushButton;
class QTextEdit;

namespace orda::motor {
class MotorEnlace;
}

namespace orda::gui {

class Info : public QWidget, public link::OyenteEnlace {
  Q_OBJECT

 public:
  // The computer's clock for "cH" and "cF" (empty: the real one).
  using RelojCivil = std::function<programming::FechaHora()>;

  explicit Info(motor::MotorEnlace& motor, RelojCivil relojCivil = {}, QWidget* padre = nullptr);

  // The window's place in the main window's inner area (pixels): its
  // bottom-right third.
  static QRect geometriaEn(QSize areaInterior);

  QTextEdit* mRT() const { return mRT_; }
  QLineEdit* Text1() const { return text1_; }
  QPushButton* Command2() const { return command2_; }  // "Enviar"
  QPushButton* Command1() const { return command1_; }  // "Limpiar"

  // Puts the text at the top of the log. The panel's line ends (LF CR, a
  // lone CR after a typed command) become plain line breaks.
  void agregarAlRegistro(const std::string& texto, link::Color color) override;

  // The history window's request: "lh" in the command field, sent and
  // echoed, and the retrieval started. False when the link is busy.
  bool pedirHistorial();
  // A transfer or a programming run holds the link and the image.
  bool ocupado() const;

 public slots:
  void Command2_Click();  // "Enviar"
  void Command1_Click();  // "Limpiar"
  bool Command3_Click();  // the panel's time from the computer's clock
  bool Command4_Click();  // the panel's date

 signals:
  void mostrarMemoria();       // "mi"
  void mostrarHistorial();     // "mh"
  void actualizarHistorial();  // "mH": shown, laid out again and filled from the image

 protected:
  void resizeEvent(QResizeEvent* e) override;

 private:
  void disponer();
  void eco(const QString& texto);

  motor::MotorEnlace& motor_;
  RelojCivil relojCivil_;
  QTextEdit* mRT_;
  QLineEdit* text1_;
  QPushButton* command2_;
  QPushButton* command1_;
};

}  // namespace orda::gui
