#pragma once
// Plain stand-ins for the windows whose full behaviour comes later: the
// device log in Info, and an empty view for the others.
#include <QWidget>

#include "link/oyente.h"

class QTextEdit;

namespace orda::gui {

// The device information window reduced to its log "mRT": newest text first.
class InfoProvisional : public QWidget, public link::OyenteEnlace {
 public:
  explicit InfoProvisional(QWidget* padre = nullptr);
  void agregarAlRegistro(const std::string& texto, link::Color color) override;
  QTextEdit* mRT() const { return mRT_; }

 private:
  QTextEdit* mRT_;
};

class VistaProvisional : public QWidget {
 public:
  explicit VistaProvisional(const QString& aviso, QWidget* padre = nullptr);
};

}  // namespace orda::gui
