#pragma once
// Every message box and file dialog of the console goes through this
// interface, so that tests answer them and read what was shown instead of
// blocking on a modal window.
#include <QString>
#include <QStringList>
#include <optional>

class QWidget;

namespace orda::gui {

enum class Icono { Ninguno, Critico, Pregunta, Exclamacion, Informacion };
enum class Botones { Aceptar, SiNo, SiNoCancelar };
enum class Respuesta { Aceptar, Si, No, Cancelar };

struct PedidoArchivo {
  QString titulo;
  QString carpeta;     // initial folder
  QString nombre;      // preset file name, may be empty
  QString filtro;      // "*.dat"
  QString extension;   // default extension without the dot: "dat"
};

class Dialogos {
 public:
  virtual ~Dialogos() = default;
  virtual Respuesta mensaje(const QString& texto, const QString& titulo, Icono icono,
                            Botones botones = Botones::Aceptar) = 0;
  // The chosen path, or nothing when the user cancelled.
  virtual std::optional<QString> archivoParaGuardar(const PedidoArchivo& p) = 0;
  virtual std::optional<QString> archivoParaAbrir(const PedidoArchivo& p) = 0;
};

// The real dialogs, parented to the main window.
class DialogosQt : public Dialogos {
 public:
  explicit DialogosQt(QWidget* padre = nullptr) : padre_(padre) {}
  void ponerPadre(QWidget* padre) { padre_ = padre; }
  Respuesta mensaje(const QString& texto, const QString& titulo, Icono icono, Botones botones) override;
  std::optional<QString> archivoParaGuardar(const PedidoArchivo& p) override;
  std::optional<QString> archivoParaAbrir(const PedidoArchivo& p) override;

 private:
  QWidget* padre_;
};

}  // namespace orda::gui
