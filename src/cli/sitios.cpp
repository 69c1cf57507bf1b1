#include "cli/sitios.h"

#include <iostream>
#include <sstream>

#include <termios.h>
#include <unistd.h>

#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>

#include "cli/subcomandos.h"
#include "core/files/archivos.h"
#include "core/history/csv.h"
#include "core/history/filas.h"

namespace orda::cli {

namespace {

using sites::Biblioteca;
using sites::Sitio;

nlohmann::json jsonSitio(const Sitio& s) {
  return {{"id", s.id},           {"nombre", s.nombre},    {"direccion", s.direccion},
          {"contacto", s.contacto}, {"telefono", s.telefono}, {"serie", s.serie ? nlohmann::json(*s.serie) : nullptr},
          {"notas", s.notas},     {"creado", s.creado},    {"cambiado", s.cambiado}};
}

nlohmann::json jsonVersion(const sites::Version& v) {
  return {{"id", v.id},         {"cuando", v.cuando}, {"origen", sites::textoOrigen(v.origen)},
          {"usuario", v.usuario}, {"nota", v.nota},     {"sha256", v.sha256}};
}

history::FilaHistorial filaDeEvento(const sites::Evento& e, std::int64_t n) {
  history::FilaHistorial f;
  f.numero = std::to_string(n);
  f.fecha = history::fechaRegistro(e.registro);
  f.hora = history::horaRegistro(e.registro);
  f.descripcion = e.descripcion;
  const history::EventRecord& r = e.registro;
  f.codigos = {history::textoCodigo(r.codigo1), history::textoCodigo(r.codigo2), history::textoCodigo(r.codigo3),
               history::textoCodigo(r.codigo4)};
  return f;
}

std::optional<Sitio> sitioPedido(Biblioteca& b, const std::string& texto, std::ostream& err) {
  std::optional<Sitio> s = b.buscarSitio(texto);
  if (!s) err << "No existe la instalación \"" << texto << "\" (ni como número, nombre o número de serie).\n";
  return s;
}

// A server that wants a password nobody gave (no ~/.pgpass line): asked on
// the terminal, without echo, once.
std::optional<std::string> pedirClave(const sites::Destino& d, std::ostream& err) {
  if (isatty(STDIN_FILENO) == 0) return std::nullopt;
  err << "Clave de " << d.usuario << " en " << d.descripcion() << ": " << std::flush;
  termios antes{};
  const bool terminal = tcgetattr(STDIN_FILENO, &antes) == 0;
  if (terminal) {
    termios sinEco = antes;
    sinEco.c_lflag &= ~static_cast<tcflag_t>(ECHO);
    tcsetattr(STDIN_FILENO, TCSAFLUSH, &sinEco);
  }
  std::string clave;
  const bool leida = static_cast<bool>(std::getline(std::cin, clave));
  if (terminal) tcsetattr(STDIN_FILENO, TCSAFLUSH, &antes);
  err << "\n";
  if (!leida) return std::nullopt;
  return clave;
}

}  // namespace

std::unique_ptr<Biblioteca> abrirBiblioteca(const std::optional<std::string>& db, std::ostream& err) {
  sites::DestinoLeido d = sites::destinoElegido(db);
  if (!d.destino) {
    err << d.error << "\n";
    return nullptr;
  }
  for (bool preguntada = false;; preguntada = true) {
    try {
      auto b = std::make_unique<Biblioteca>(*d.destino);
      if (b->soloLectura()) err << b->aviso() << "\n";
      return b;
    } catch (const sites::Error& e) {
      const bool faltaClave = std::string(e.what()).find("no password supplied") != std::string::npos;
      if (!preguntada && faltaClave && d.destino->motor == sites::Motor::Postgres && !d.destino->clave) {
        if ((d.destino->clave = pedirClave(*d.destino, err))) continue;
      }
      err << e.what() << "\n";
      return nullptr;
    }
  }
}

struct ComandosSitio::Opciones {
  CLI::App* site = nullptr;
  CLI::App *add, *list, *show, *edit, *remove, *archive, *versions, *restore, *addHistory, *events;
  std::string sitio, nombre, archivo, salida;
  std::int64_t version = 0;
  std::optional<std::string> serie, direccion, contacto, telefono, notas, nuevoNombre, nota, buscar;
  std::optional<std::string> desde, hasta, texto, codigo;
  bool json = false, csv = false, si = false;
};

ComandosSitio::ComandosSitio(CLI::App& app) : o_(std::make_unique<Opciones>()) {
  Opciones& o = *o_;
  o.site = app.add_subcommand("site", "Instalaciones: sitios, versiones de la configuración y eventos archivados");
  o.site->require_subcommand(1);
  o.site->fallthrough();
  auto campos = [&o](CLI::App* c) {
    c->add_option("--serial", o.serie, "Número de serie del panel (vacío: ninguno)");
    c->add_option("--address", o.direccion, "Dirección");
    c->add_option("--contact", o.contacto, "Contacto");
    c->add_option("--phone", o.telefono, "Teléfono");
    c->add_option("--notes", o.notas, "Notas");
  };
  auto sitio = [&o](CLI::App* c) {
    c->add_option("SITE", o.sitio, "Instalación: número, nombre exacto o número de serie del panel")->required();
  };
  o.add = o.site->add_subcommand("add", "Crea una instalación e imprime su número");
  o.add->add_option("NAME", o.nombre, "Nombre (único)")->required();
  campos(o.add);
  o.list = o.site->add_subcommand("list", "Lista las instalaciones");
  o.list->add_option("--search", o.buscar, "Parte del nombre, la dirección o el número de serie");
  o.list->add_flag("--json", o.json, "Salida JSON");
  o.show = o.site->add_subcommand("show", "Muestra una instalación");
  sitio(o.show);
  o.show->add_flag("--json", o.json, "Salida JSON");
  o.edit = o.site->add_subcommand("edit", "Cambia los datos de una instalación");
  sitio(o.edit);
  o.edit->add_option("--name", o.nuevoNombre, "Nombre nuevo");
  campos(o.edit);
  o.remove = o.site->add_subcommand("remove", "Borra una instalación con sus versiones y eventos");
  sitio(o.remove);
  o.remove->add_flag("--yes", o.si, "Confirma el borrado")->required();
  o.archive = o.site->add_subcommand("archive", "Archiva un archivo .dat (o una configuración .json) como versión e imprime su número");
  sitio(o.archive);
  o.archive->add_option("FILE", o.archivo, "Archivo .dat, o .json como los de import")->required();
  o.archive->add_option("--note", o.nota, "Nota de la versión");
  o.versions = o.site->add_subcommand("versions", "Lista las versiones de la configuración");
  sitio(o.versions);
  o.versions->add_flag("--json", o.json, "Salida JSON");
  o.restore = o.site->add_subcommand("restore", "Guarda una versión en un archivo .dat");
  sitio(o.restore);
  o.restore->add_option("VERSION", o.version, "Número de la versión")->required();
  o.restore->add_option("-o", o.salida, "Archivo .dat a escribir")->required();
  o.addHistory = o.site->add_subcommand("add-history", "Agrega los eventos nuevos de un volcado del historial");
  sitio(o.addHistory);
  o.addHistory->add_option("DUMP", o.archivo, "Volcado de 4096 bytes o imagen de 12289 bytes")->required();
  o.events = o.site->add_subcommand("events", "Lista los eventos archivados, del más nuevo al más viejo");
  sitio(o.events);
  o.events->add_option("--from", o.desde, "Desde el día AAAA-MM-DD");
  o.events->add_option("--to", o.hasta, "Hasta el día AAAA-MM-DD");
  o.events->add_option("--search", o.texto, "Parte de la descripción");
  o.events->add_option("--code", o.codigo, "Código 1 del evento, en hexadecimal (HH)");
  o.events->add_flag("--csv", o.csv, "Salida CSV, con las columnas de Exportar... del histórico");
}

ComandosSitio::~ComandosSitio() = default;

bool ComandosSitio::elegido() const { return o_->site->parsed(); }

namespace {

void listar(const std::vector<Sitio>& sitios, bool json, std::ostream& out) {
  if (json) {
    nlohmann::json a = nlohmann::json::array();
    for (const Sitio& s : sitios) a.push_back(jsonSitio(s));
    out << a.dump(2) << "\n";
  } else {
    for (const Sitio& s : sitios) {
      out << s.id << "\t" << s.serie.value_or("") << "\t" << s.nombre << "\t" << s.direccion << "\n";
    }
  }
}

void aplicar(Sitio& s, const std::optional<std::string>& v, std::string Sitio::*campo) {
  if (v) s.*campo = *v;
}

std::optional<sites::FiltroEventos> filtro(const std::optional<std::string>& desde, const std::optional<std::string>& hasta,
                                           const std::optional<std::string>& texto,
                                           const std::optional<std::string>& codigo, std::ostream& err) {
  sites::FiltroEventos f;
  for (auto [opcion, valor, destino] : {std::tuple{"--from", &desde, &f.desde}, std::tuple{"--to", &hasta, &f.hasta}}) {
    if (!*valor) continue;
    *destino = sites::leerFecha(**valor);
    if (!*destino) {
      err << "Fecha inválida en " << opcion << ": \"" << **valor << "\" (AAAA-MM-DD, años 2000 a 2099)\n";
      return std::nullopt;
    }
  }
  if (texto) f.texto = *texto;
  if (codigo) {
    bool ok = false;
    const uint v = QString::fromStdString(*codigo).toUInt(&ok, 16);
    if (!ok || v > 0xFF || codigo->size() > 2) {
      err << "Código inválido en --code: \"" << *codigo << "\" (dos cifras hexadecimales)\n";
      return std::nullopt;
    }
    f.codigo = static_cast<std::uint8_t>(v);
  }
  return f;
}

}  // namespace

int ComandosSitio::ejecutar(const std::optional<std::string>& db, std::ostream& out, std::ostream& err) {
  Opciones& o = *o_;
  // Arguments checked before the library is opened.
  std::optional<sites::FiltroEventos> f;
  if (o.events->parsed() && !(f = filtro(o.desde, o.hasta, o.texto, o.codigo, err))) return kUsoIncorrecto;

  std::unique_ptr<Biblioteca> b = abrirBiblioteca(db, err);
  if (!b) return kEntradaInvalida;
  try {
    if (o.add->parsed()) {
      Sitio s;
      s.nombre = o.nombre;
      s.serie = o.serie;
      aplicar(s, o.direccion, &Sitio::direccion);
      aplicar(s, o.contacto, &Sitio::contacto);
      aplicar(s, o.telefono, &Sitio::telefono);
      aplicar(s, o.notas, &Sitio::notas);
      out << b->crearSitio(s) << "\n";
      return terminarSalida(out, err);
    }
    if (o.list->parsed()) {
      listar(b->buscarSitios(o.buscar.value_or("")), o.json, out);
      return terminarSalida(out, err);
    }
    std::optional<Sitio> s = sitioPedido(*b, o.sitio, err);
    if (!s) return kEntradaInvalida;
    if (o.show->parsed()) {
      const auto versiones = b->versiones(s->id);
      const std::int64_t eventos = b->contarEventos(s->id, {});
      const auto recuperaciones = b->recuperaciones(s->id);
      if (o.json) {
        nlohmann::json j = jsonSitio(*s);
        j["versiones"] = versiones.size();
        j["eventos"] = eventos;
        j["recuperaciones"] = recuperaciones.size();
        out << j.dump(2) << "\n";
      } else {
        out << "Instalación " << s->id << "\nNombre: " << s->nombre << "\nNúmero de serie: " << s->serie.value_or("")
            << "\nDirección: " << s->direccion << "\nContacto: " << s->contacto << "\nTeléfono: " << s->telefono
            << "\nNotas: " << s->notas << "\nCreada: " << s->creado << "\nCambiada: " << s->cambiado
            << "\nVersiones: " << versiones.size() << "\nEventos: " << eventos
            << "\nRecuperaciones: " << recuperaciones.size() << "\n";
      }
      return terminarSalida(out, err);
    }
    if (o.edit->parsed()) {
      if (o.nuevoNombre) s->nombre = *o.nuevoNombre;
      if (o.serie) s->serie = o.serie;
      aplicar(*s, o.direccion, &Sitio::direccion);
      aplicar(*s, o.contacto, &Sitio::contacto);
      aplicar(*s, o.telefono, &Sitio::telefono);
      aplicar(*s, o.notas, &Sitio::notas);
      b->modificarSitio(*s);
      return kSalidaBien;
    }
    if (o.remove->parsed()) {
      b->eliminarSitio(s->id);
      err << "Se borró la instalación \"" << s->nombre << "\".\n";
      return kSalidaBien;
    }
    if (o.archive->parsed()) {
      // A JSON configuration is built as `import` builds it: an "importada" version.
      const bool json = QString::fromStdString(o.archivo).endsWith(".json", Qt::CaseInsensitive);
      imagen::ImagenMemoria img{};
      if (json) {
        const std::optional<imagen::ImagenMemoria> importada = imagenDeJson(o.archivo, err);
        if (!importada) {
          err << "No se archivó " << o.archivo << "\n";
          return kEntradaInvalida;
        }
        img = *importada;
      } else if (auto error = files::leerImagen(o.archivo, img)) {
        err << *error << "\n";
        return kEntradaInvalida;
      }
      const sites::Archivada a = b->archivarVersion(s->id, img, json ? sites::Origen::Importada : sites::Origen::Archivo,
                                                    o.nota.value_or(""));
      if (!a.nueva) err << "La imagen es la de la última versión: no se agregó otra.\n";
      out << a.version << "\n";
      return terminarSalida(out, err);
    }
    if (o.versions->parsed()) {
      const auto versiones = b->versiones(s->id);
      if (o.json) {
        nlohmann::json a = nlohmann::json::array();
        for (const auto& v : versiones) a.push_back(jsonVersion(v));
        out << a.dump(2) << "\n";
      } else {
        for (const auto& v : versiones) {
          out << v.id << "\t" << v.cuando << "\t" << sites::textoOrigen(v.origen) << "\t" << v.usuario << "\t"
              << v.sha256.substr(0, 12) << "\t" << v.nota << "\n";
        }
      }
      return terminarSalida(out, err);
    }
    if (o.restore->parsed()) {
      const std::optional<imagen::ImagenMemoria> img = b->imagenVersion(s->id, o.version);
      if (!img) {
        err << "La instalación \"" << s->nombre << "\" no tiene la versión " << o.version << ".\n";
        return kEntradaInvalida;
      }
      if (auto error = files::escribirImagen(o.salida, *img)) {
        err << *error << "\n";
        return kEntradaInvalida;
      }
      return kSalidaBien;
    }
    if (o.addHistory->parsed()) {
      std::vector<std::uint8_t> datos;
      if (auto error = leerVolcadoHistorial(o.archivo, datos)) {
        err << *error << "\n";
        return kEntradaInvalida;
      }
      const sites::Recuperacion r = b->fusionarHistorial(s->id, datos, sites::aliasDelSitio(*b, s->id));
      out << r.nuevos << " eventos nuevos de " << r.registros << "\n";
      return terminarSalida(out, err);
    }
    if (o.events->parsed()) {
      // Page by page, so that a long history is never all in memory.
      if (o.csv) out << history::encabezadoCsv();
      f->limite = 1000;
      std::int64_t n = 0;
      for (f->salto = 0;; f->salto += f->limite) {
        const std::vector<sites::Evento> pagina = b->eventos(s->id, *f);
        for (const sites::Evento& e : pagina) {
          const history::FilaHistorial fila = filaDeEvento(e, ++n);
          if (o.csv) {
            out << history::filaCsv(fila);
          } else {
            lineaHistorial(out, fila);
          }
        }
        if (static_cast<int>(pagina.size()) < f->limite) break;
      }
      return terminarSalida(out, err);
    }
  } catch (const sites::Error& e) {
    err << e.what() << "\n";
    return kEntradaInvalida;
  }
  return kUsoIncorrecto;
}

ArchivadorSitio::ArchivadorSitio(std::optional<std::string> db, std::string sitio)
    : db_(std::move(db)), sitio_(std::move(sitio)) {}

ArchivadorSitio::~ArchivadorSitio() = default;

std::optional<std::string> ArchivadorSitio::preparar() {
  std::ostringstream err;
  biblioteca_ = abrirBiblioteca(db_, err);
  if (!biblioteca_) return err.str().substr(0, err.str().size() - 1);
  if (biblioteca_->soloLectura()) return biblioteca_->aviso();
  if (porSerie()) return std::nullopt;
  try {
    if (!sitioPedido(*biblioteca_, sitio_, err)) return err.str().substr(0, err.str().size() - 1);
  } catch (const sites::Error& e) {
    return e.what();
  }
  return std::nullopt;
}

std::optional<sites::Sitio> ArchivadorSitio::elegir(const std::string& serial, std::ostream& err) {
  if (!porSerie()) return sitioPedido(*biblioteca_, sitio_, err);
  std::optional<Sitio> s = biblioteca_->sitioPorSerie(serial);
  if (!s) err << "Ninguna instalación tiene el panel " << serial << ": no se archivó.\n";
  return s;
}

int ArchivadorSitio::version(const imagen::ImagenMemoria& img, const std::string& serial, bool programada,
                             std::ostream& err) {
  try {
    const std::optional<Sitio> s = elegir(serial, err);
    if (!s) return kEntradaInvalida;
    const sites::Archivada a =
        biblioteca_->archivarVersion(s->id, img, programada ? sites::Origen::Programada : sites::Origen::Leida);
    err << "Instalación \"" << s->nombre << "\": " << (a.nueva ? "versión " : "sin cambios, versión ") << a.version
        << "\n";
    return kSalidaBien;
  } catch (const sites::Error& e) {
    err << e.what() << "\n";
    return kEntradaInvalida;
  }
}

int ArchivadorSitio::historial(std::span<const std::uint8_t> memoria, const std::string& serial,
                               const config::Configuracion* alias, std::ostream& err) {
  try {
    const std::optional<Sitio> s = elegir(serial, err);
    if (!s) return kEntradaInvalida;
    const sites::Recuperacion r =
        biblioteca_->fusionarHistorial(s->id, memoria, alias != nullptr ? *alias : sites::aliasDelSitio(*biblioteca_, s->id));
    err << "Instalación \"" << s->nombre << "\": " << r.nuevos << " eventos nuevos de " << r.registros << "\n";
    return kSalidaBien;
  } catch (const sites::Error& e) {
    err << e.what() << "\n";
    return kEntradaInvalida;
  }
}

}  // namespace orda::cli
