#pragma once
// "Biblioteca…": which installations library the console uses (the default
// SQLite file, another SQLite file or a PostgreSQL server). The choice is
// kept in the console's settings without its password: the password typed
// here serves this session only (~/.pgpass is the lasting place).
#include <QDialog>
#include <optional>
#include <string>

#include "sites/destino.h"

class QLineEdit;
class QRadioButton;
class QSettings;

namespace orda::gui {

class Dialogos;

inline constexpr const char* kClaveBiblioteca = "biblioteca/direccion";

// The address kept in the settings, if any; --db and ORDA_DB come first.
std::optional<std::string> direccionGuardada(QSettings& ajustes);
// Keeps `destino` (the default when empty) with no password in it.
void guardarDireccion(QSettings& ajustes, const std::optional<sites::Destino>& destino);

class DialogoBiblioteca : public QDialog {
  Q_OBJECT

 public:
  DialogoBiblioteca(const sites::Destino& actual, Dialogos& dialogos, QWidget* padre = nullptr);

  QRadioButton* opcion(int i) const { return opciones_[static_cast<std::size_t>(i)]; }  // omisión, archivo, servidor
  QLineEdit* archivo() const { return archivo_; }
  QLineEdit* url() const { return url_; }
  QLineEdit* clave() const { return clave_; }

  void accept() override;

 signals:
  // Empty: the default file.
  void elegida(const std::optional<sites::Destino>& destino);

 private:
  Dialogos& dialogos_;
  std::array<QRadioButton*, 3> opciones_{};
  QLineEdit* archivo_;
  QLineEdit* url_;
  QLineEdit* clave_;
};

}  // namespace orda::gui
