#pragma once
// The comparison commands of the Archivo menu: "Comparar con archivo…" (the
// tables against a .dat file), "Comparar con el panel" (the panel, read into
// an image of its own, against the tables: what the next Programar would
// change) and the option "Comparar antes de programar", which makes
// Programar read the panel first and list the changes in its question. The
// option is kept in the console's settings. Results go to the child window
// "Diferencias", whose rows take the user to their cell or box.
#include <QObject>
#include <memory>

#include "core/compare/comparar.h"
#include "core/imagen/imagen.h"
#include "core/link/oyente.h"

class QAction;
class QMdiSubWindow;
class QSettings;

namespace orda::gui {

class AccionesConsola;
class Diferencias;
class Main;

inline constexpr const char* kClaveCompararAntes = "comparacion/antesDeProgramar";

class AccionesComparar : public QObject, private link::OyenteEnlace {
  Q_OBJECT

 public:
  // Lives as long as `m` (its child); `consola` runs the programming itself.
  AccionesComparar(Main& m, AccionesConsola& consola);
  ~AccionesComparar() override;  // QSettings is incomplete here

  // Adds the three menu items and takes over Programar's hook.
  void instalar();

  void compararConArchivo();
  void compararConPanel();
  // Two images, or one against the tables when `despues` is empty.
  void compararImagenes(const imagen::ImagenMemoria& antes, const std::optional<imagen::ImagenMemoria>& despues,
                        const QString& queSeCompara);
  void programar();
  bool antesDeProgramar() const;

  // The window, made (hidden) the first time.
  Diferencias& ventana();
  QMdiSubWindow* subventana() const { return subventana_; }
  // Shows the cell or box of a difference in its window.
  void irA(const compare::Diferencia& d);

 private:
  enum class Pendiente { Nada, Mostrar, Programar };

  void leerPanel(Pendiente despues);
  void secuenciaTerminada(const link::ResultadoSecuencia& r) override;
  void alLeerPanel(bool completa);
  std::vector<compare::Diferencia> contraLasTablas(const imagen::ImagenMemoria& img);
  void mostrar(const QString& queSeCompara, std::vector<compare::Diferencia> lista);
  void preguntarYProgramar(const std::vector<compare::Diferencia>& lista);

  Main& m_;
  AccionesConsola& consola_;
  std::unique_ptr<QSettings> ajustes_;
  QAction* antes_ = nullptr;
  Diferencias* ventana_ = nullptr;
  QMdiSubWindow* subventana_ = nullptr;
  imagen::ImagenMemoria panel_{};
  Pendiente pendiente_ = Pendiente::Nada;
};

}  // namespace orda::gui
