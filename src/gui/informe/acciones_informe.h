#pragma once
// "Informe…" and "Imprimir…" (menu Archivo): the configuration report of the
// tables as they stand, written as PDF or sent to a printer. Both ask the
// report's options first; both make the same document. Nothing here talks
// to the panel or touches the image.
#include <QObject>
#include <QString>
#include <functional>
#include <optional>

#include "gui/informe/dialogo_informe.h"

class QPrinter;

namespace orda::gui {

class Main;

class AccionesInforme : public QObject {
 public:
  // Lives as long as `m` (its child).
  explicit AccionesInforme(Main& m);

  // Adds the two commands to the Archivo menu, before "Salir".
  void instalar();

  void informe();
  void imprimir();

  // What the user answers; tests replace them. Empty: cancelled.
  std::function<std::optional<PedidoInforme>(const PedidoInforme&)> pedirOpciones;
  // Shows the print dialog for the printer; false: cancelled.
  std::function<bool(QPrinter&)> elegirImpresora;

 private:
  report::Informe armar(const PedidoInforme& p) const;

  Main& m_;
  PedidoInforme ultimo_;  // the last choice, offered again
};

}  // namespace orda::gui
