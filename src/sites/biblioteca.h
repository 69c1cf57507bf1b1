#pragma once
// The installations library: each site (a customer's panel), every
// configuration read, programmed or saved for it, and every history record
// ever retrieved from it, merged so that each record is stored once.
//
// One Biblioteca is one connection and must be used from the thread that
// opened it; the windows use it through Trabajador (sites/trabajador.h).
// Every method throws Error with a message for the user. Each change is one
// transaction: a process killed half way leaves the library as it was.
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "core/config/configuracion.h"
#include "core/history/memoria.h"
#include "core/imagen/imagen.h"
#include "sites/conexion.h"
#include "sites/destino.h"

namespace orda::sites {

struct Sitio {
  std::int64_t id = 0;
  std::string nombre;
  std::string direccion;
  std::string contacto;
  std::string telefono;
  std::optional<std::string> serie;  // the panel's serial number, unique when set
  std::string notas;
  std::string creado;    // "2026-03-07T13:45:00Z"
  std::string cambiado;
  bool operator==(const Sitio&) const = default;
};

enum class Origen { Leida, Programada, Archivo, Importada };
// "leida", "programada", "archivo", "importada"
const char* textoOrigen(Origen o);
std::optional<Origen> origenDeTexto(std::string_view t);

struct Version {
  std::int64_t id = 0;
  std::int64_t sitio = 0;
  std::string sha256;  // 64 hexadecimal digits of the image
  std::string cuando;
  Origen origen = Origen::Leida;
  std::string usuario;  // who was logged in on the computer
  std::string nota;
};

struct Archivada {
  std::int64_t version = 0;
  bool nueva = false;  // false: the same image was the site's last version
};

struct Evento {
  history::EventRecord registro{};
  std::string descripcion;  // as written when the record was archived
  std::int64_t recuperacion = 0;
};

struct Recuperacion {
  std::int64_t id = 0;
  std::string cuando;
  int registros = 0;  // records the panel held
  int nuevos = 0;     // of those, not in the library before
};

struct Fecha {
  int anio, mes, dia;
};
// "2026-03-07"; empty when it is not a date from 2000 to 2099.
std::optional<Fecha> leerFecha(std::string_view texto);

struct FiltroEventos {
  std::optional<Fecha> desde, hasta;  // both days included
  std::string texto;                  // part of the description; A to Z in any case
  std::optional<std::uint8_t> codigo; // the first code (the event's kind)
  int limite = 200;
  int salto = 0;  // rows skipped: the page's start
};

class Biblioteca {
 public:
  using Reloj = std::function<std::string()>;  // the current time as stored, UTC

  // Creates and brings up to date the tables of a new or older library. A
  // library written by a newer program is opened read-only: aviso() says
  // so and every change is refused.
  explicit Biblioteca(const Destino& destino);
  ~Biblioteca();

  bool soloLectura() const { return soloLectura_; }
  const std::string& aviso() const { return aviso_; }
  const Destino& destino() const { return c_->destino(); }
  // The operating system user stored with each version.
  void ponerUsuario(std::string u) { usuario_ = std::move(u); }

  // Sites. A name or serial already taken is refused, naming it.
  std::int64_t crearSitio(const Sitio& s);
  void modificarSitio(const Sitio& s);
  // The site with its versions, retrievals and events.
  void eliminarSitio(std::int64_t id);
  std::optional<Sitio> sitio(std::int64_t id);
  std::optional<Sitio> sitioPorSerie(const std::string& serie);
  // SITE as a person writes it: the id, the exact name or the serial.
  std::optional<Sitio> buscarSitio(const std::string& texto);
  // Every site whose name, address or serial contains the text in any
  // case, by name; all of them for an empty text.
  std::vector<Sitio> buscarSitios(const std::string& texto);

  // A configuration image. The same image as the site's last version adds
  // nothing and gives that version.
  Archivada archivarVersion(std::int64_t sitio, const imagen::ImagenMemoria& img, Origen origen,
                            const std::string& nota = {});
  std::vector<Version> versiones(std::int64_t sitio);  // newest first
  std::optional<imagen::ImagenMemoria> imagenVersion(std::int64_t sitio, std::int64_t version);

  // A history memory dump (4,096 bytes or a whole image): each record not
  // archived yet (same date, time and codes) is stored with its description
  // from `alias`; the reference record is not an event. Records beyond a
  // short dump are not there to store.
  Recuperacion fusionarHistorial(std::int64_t sitio, std::span<const std::uint8_t> memoria,
                                 const config::Configuracion& alias);
  std::vector<Recuperacion> recuperaciones(std::int64_t sitio);  // newest first

  // Newest first.
  std::vector<Evento> eventos(std::int64_t sitio, const FiltroEventos& f);
  std::int64_t contarEventos(std::int64_t sitio, const FiltroEventos& f);

  Conexion& conexion() { return *c_; }

 private:
  void exigirEscritura() const;
  std::string ahora() const { return reloj_(); }

  std::unique_ptr<Conexion> c_;
  bool soloLectura_ = false;
  std::string aviso_;
  Reloj reloj_;
  std::string usuario_;
};

// The image's SHA-256 as 64 lower-case hexadecimal digits.
std::string sha256(const imagen::ImagenMemoria& img);

// The configuration whose aliases describe a site's events: its last
// version's, or the default one.
config::Configuracion aliasDelSitio(Biblioteca& b, std::int64_t sitio);

}  // namespace orda::sites
