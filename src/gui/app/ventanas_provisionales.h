#pragma once
// A plain stand-in for a window whose content comes in a later version.
#include <QWidget>

namespace orda::gui {

class VistaProvisional : public QWidget {
 public:
  explicit VistaProvisional(const QString& aviso, QWidget* padre = nullptr);
};

}  // namespace orda::gui
