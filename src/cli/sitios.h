#pragma once
// `orda-cli site ...`: the installations library from a shell, and what
// `read`, `program` and `history` archive with --site.
#include <memory>
#include <optional>
#include <ostream>
#include <string>

#include "cli/tareas.h"
#include "sites/biblioteca.h"

namespace CLI {
class App;
}

namespace orda::cli {

// The library named by --db, ORDA_DB or the default file; null after
// printing why it cannot be opened. A read-only library's notice is printed.
std::unique_ptr<sites::Biblioteca> abrirBiblioteca(const std::optional<std::string>& db, std::ostream& err);

class ComandosSitio {
 public:
  // Adds `site` and its commands to the program's parser.
  explicit ComandosSitio(CLI::App& app);
  ~ComandosSitio();
  bool elegido() const;
  int ejecutar(const std::optional<std::string>& db, std::ostream& out, std::ostream& err);

 private:
  struct Opciones;
  std::unique_ptr<Opciones> o_;
};

// --site SITE (or "auto") of the device commands.
class ArchivadorSitio : public Archivador {
 public:
  ArchivadorSitio(std::optional<std::string> db, std::string sitio);
  ~ArchivadorSitio() override;
  std::optional<std::string> preparar() override;
  bool porSerie() const override { return sitio_ == "auto"; }
  int version(const imagen::ImagenMemoria& img, const std::string& serial, bool programada,
              std::ostream& err) override;
  int historial(std::span<const std::uint8_t> memoria, const std::string& serial, const config::Configuracion* alias,
                std::ostream& err) override;

 private:
  std::optional<sites::Sitio> elegir(const std::string& serial, std::ostream& err);

  std::optional<std::string> db_;
  std::string sitio_;
  std::unique_ptr<sites::Biblioteca> biblioteca_;
};

}  // namespace orda::cli
