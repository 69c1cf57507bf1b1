#pragma once
// The console archives by itself in the installations library: once a
// complete read told the panel's serial and a site has that serial, each
// complete read (a version "leida"), each programming run with every record
// confirmed ("programada") and each complete history retrieval (events
// merged) go to that site. Status bar panel 2 tells what was archived, that
// the panel belongs to no site (once per panel) or why the library cannot
// be reached. The library works on its own thread: the window never waits.
#include <QObject>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>
#include <set>
#include <string>

#include "core/link/oyente.h"
#include "sites/trabajador.h"

namespace orda::gui {

class Dialogos;
class Main;

class ArchivadorConsola : public QObject, private link::OyenteEnlace {
  Q_OBJECT

 public:
  ArchivadorConsola(Main& m, sites::Destino destino);
  ~ArchivadorConsola() override;

  // The site of the panel last read, once the library answered.
  const std::optional<sites::Sitio>& sitio() const { return sitio_; }
  sites::Trabajador& trabajador() { return trabajador_; }
  const sites::Destino& destino() const { return destino_; }
  // Another library from now on; the site of the panel is asked again at
  // the next read.
  void cambiarDestino(sites::Destino destino);

 signals:
  // Something was archived, or the site of the panel changed.
  void archivado();
  // The panel just read belongs to no site (its serial), or to one (empty).
  void panelSinInstalacion(const QString& serial);

 private:
  void secuenciaTerminada(const link::ResultadoSecuencia& r) override;
  void agregarAlRegistro(const std::string& texto, link::Color color) override;

  void responder(const sites::ArchivoAutomatico& a, const std::string& serial);
  void fallar(const std::string& motivo);
  void avisar(const QString& texto);
  // The caption names the site of the panel: "... - Instalación "Casa"".
  void ponerTitulo();

  Main& m_;
  sites::Destino destino_;
  sites::Trabajador trabajador_;
  QString sufijoTitulo_;
  std::optional<std::string> serial_;  // from the last complete read of the attached panel
  std::optional<sites::Sitio> sitio_;
  std::set<std::string> sinSitioAvisados_;
  std::string ultimoFallo_;
  QStringList pendiente_;  // notices held while a transfer shows its progress
};

// The menu "Instalaciones" and its child window, over the archiver's library.
void ponerInstalaciones(Main& m, Dialogos& dialogos, ArchivadorConsola& archivador);

}  // namespace orda::gui
