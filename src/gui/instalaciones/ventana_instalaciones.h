#pragma once
// "Instalaciones": the sites of the library with a search box, the chosen
// site's details, its configuration versions and its events (filtered by
// dates, text and code, newest first, a page at a time). Every request goes
// through the library's worker thread; an answer that arrives after the user
// moved on is dropped.
#include <QWidget>
#include <optional>
#include <vector>

#include "sites/trabajador.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QTableWidget;

namespace orda::gui {

class Dialogos;

class VentanaInstalaciones : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kFilasPorPagina = 200;

  VentanaInstalaciones(sites::Trabajador& trabajador, Dialogos& dialogos, QWidget* padre = nullptr);

  // The list again, with the search box's text.
  void recargar();
  // A panel that belongs to no site: "Crear instalación para este panel"
  // fills a new site with its serial.
  void ofrecerCrear(const QString& serial);

  // For the tests and the manual's pictures.
  QLineEdit* buscar() const { return buscar_; }
  QListWidget* lista() const { return lista_; }
  QLineEdit* campo(int i) const { return campos_[static_cast<std::size_t>(i)]; }  // nombre, dirección, contacto, teléfono, serie
  QPushButton* boton(const QString& nombre) const;
  QTableWidget* versiones() const { return versiones_; }
  QTableWidget* eventos() const { return eventos_; }
  QLineEdit* filtro(int i) const { return filtros_[static_cast<std::size_t>(i)]; }  // desde, hasta, texto, código
  QLabel* paginaTexto() const { return pagina_; }

 signals:
  void mensajeEstado(const QString& texto);
  // "Abrir en la consola": the version's image, named for the status bar.
  void abrirEnConsola(const imagen::ImagenMemoria& img, const QString& origen);
  // "Comparar": two versions (older first), or one and the tables.
  void comparar(const imagen::ImagenMemoria& antes, const std::optional<imagen::ImagenMemoria>& despues,
                const QString& queSeCompara);

 private:
  void elegir(int fila);
  void cargarVersiones();
  void cargarEventos();
  void nueva();
  void guardar();
  void borrar();
  void exportarDat();
  void abrirVersion();
  void compararVersiones();
  // The chosen versions, older first; none when no site is shown.
  std::vector<sites::Version> elegidas() const;
  void exportarCsv();
  std::optional<sites::FiltroEventos> filtroEventos();
  void fallo(const std::string& motivo);
  std::optional<QString> rutaParaGuardar(const QString& titulo, const QString& nombre, const QString& extension);

  sites::Trabajador& trabajador_;
  Dialogos& dialogos_;
  QLineEdit* buscar_;
  QListWidget* lista_;
  std::array<QLineEdit*, 5> campos_{};
  QPlainTextEdit* notas_;
  QPushButton* crearPanel_;
  QTableWidget* versiones_;
  QTableWidget* eventos_;
  std::array<QLineEdit*, 4> filtros_{};
  QLabel* pagina_;

  std::vector<sites::Sitio> sitios_;
  std::optional<sites::Sitio> actual_;  // empty: a new site being written
  std::vector<sites::Version> listaVersiones_;
  QString serialSinSitio_;
  int salto_ = 0;
  std::int64_t total_ = 0;
  int generacion_ = 0;  // bumped when the chosen site changes
};

}  // namespace orda::gui
