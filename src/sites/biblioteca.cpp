#include "sites/biblioteca.h"

#include <array>
#include <cstdlib>

#include <pwd.h>
#include <unistd.h>

#include <QByteArray>
#include <QCryptographicHash>
#include <QDateTime>
#include <QSqlQuery>

#include "core/reading/decodificar.h"
#include "sites/esquema.h"

namespace orda::sites {

namespace {

constexpr std::array<const char*, 4> kOrigenes = {"leida", "programada", "archivo", "importada"};

const char* const kColumnasSitio = "id, nombre, direccion, contacto, telefono, serie, notas, creado, cambiado";


// An unset serial is NULL, so that any number of sites may lack one.
QVariant serie(const std::optional<std::string>& s) {
  if (!s || s->empty()) return QVariant(QMetaType(QMetaType::QString));
  return texto(*s);
}


Sitio sitioDeFila(const QSqlQuery& q) {
  Sitio s;
  s.id = q.value(0).toLongLong();
  s.nombre = cadena(q.value(1));
  s.direccion = cadena(q.value(2));
  s.contacto = cadena(q.value(3));
  s.telefono = cadena(q.value(4));
  if (!q.value(5).isNull()) s.serie = cadena(q.value(5));
  s.notas = cadena(q.value(6));
  s.creado = cadena(q.value(7));
  s.cambiado = cadena(q.value(8));
  return s;
}

std::string usuarioDelSistema() {
  if (const passwd* p = ::getpwuid(::geteuid()); p != nullptr && p->pw_name != nullptr) return p->pw_name;
  const char* u = std::getenv("USER");
  return u != nullptr ? u : "";
}

QVariant claveBusqueda(const Sitio& s) {
  return QString::fromStdString(s.nombre + "\n" + s.direccion + "\n" + s.serie.value_or("")).toCaseFolded();
}

std::string horaUtc() { return QDateTime::currentDateTimeUtc().toString(Qt::ISODate).toStdString(); }

}  // namespace

const char* textoOrigen(Origen o) { return kOrigenes[static_cast<std::size_t>(o)]; }

std::optional<Origen> origenDeTexto(std::string_view t) {
  for (std::size_t i = 0; i < kOrigenes.size(); ++i) {
    if (t == kOrigenes[i]) return static_cast<Origen>(i);
  }
  return std::nullopt;
}

std::string sha256(const imagen::ImagenMemoria& img) {
  const QByteArray datos(reinterpret_cast<const char*>(img.data()), static_cast<qsizetype>(img.size()));
  return QCryptographicHash::hash(datos, QCryptographicHash::Sha256).toHex().toStdString();
}

Biblioteca::Biblioteca(const Destino& destino)
    : c_(std::make_unique<Conexion>(destino)), reloj_(horaUtc), usuario_(usuarioDelSistema()) {
  const int version = versionEsquema(*c_);
  if (version > kVersionEsquema) {
    // Written by a newer program: looked at, never changed.
    c_.reset();
    c_ = std::make_unique<Conexion>(destino, true);
    soloLectura_ = true;
    aviso_ = "La biblioteca " + destino.descripcion() + " es de una versión más nueva del programa (esquema " +
             std::to_string(version) + "): se abre solo para consultar.";
    return;
  }
  migrar(*c_);
}

Biblioteca::~Biblioteca() = default;

void Biblioteca::exigirEscritura() const {
  if (soloLectura_) throw Error(aviso_);
}

std::int64_t Biblioteca::crearSitio(const Sitio& s) {
  exigirEscritura();
  if (s.nombre.empty()) throw Error("La instalación necesita un nombre.");
  Transaccion t(*c_);
  if (c_->valor("SELECT count(*) FROM sitios WHERE nombre = ?", {texto(s.nombre)}).toInt() > 0) {
    throw Error("Ya existe una instalación llamada \"" + s.nombre + "\".");
  }
  if (s.serie && !s.serie->empty()) {
    if (auto otro = sitioPorSerie(*s.serie)) {
      throw Error("El panel " + *s.serie + " ya es de la instalación \"" + otro->nombre + "\".");
    }
  }
  const std::string ahora = this->ahora();
  const QVariant id = c_->valor(
      "INSERT INTO sitios (nombre, direccion, contacto, telefono, serie, notas, creado, cambiado, busqueda)"
      " VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?) RETURNING id",
      {texto(s.nombre), texto(s.direccion), texto(s.contacto), texto(s.telefono), serie(s.serie), texto(s.notas),
       texto(ahora), texto(ahora), claveBusqueda(s)});
  t.confirmar();
  return id.toLongLong();
}

void Biblioteca::modificarSitio(const Sitio& s) {
  exigirEscritura();
  if (s.nombre.empty()) throw Error("La instalación necesita un nombre.");
  Transaccion t(*c_);
  if (c_->valor("SELECT count(*) FROM sitios WHERE nombre = ? AND id <> ?", {texto(s.nombre), numero(s.id)}).toInt() > 0) {
    throw Error("Ya existe una instalación llamada \"" + s.nombre + "\".");
  }
  if (s.serie && !s.serie->empty()) {
    if (auto otro = sitioPorSerie(*s.serie); otro && otro->id != s.id) {
      throw Error("El panel " + *s.serie + " ya es de la instalación \"" + otro->nombre + "\".");
    }
  }
  QSqlQuery q = c_->ejecutar(
      "UPDATE sitios SET nombre = ?, direccion = ?, contacto = ?, telefono = ?, serie = ?, notas = ?,"
      " cambiado = ?, busqueda = ? WHERE id = ?",
      {texto(s.nombre), texto(s.direccion), texto(s.contacto), texto(s.telefono), serie(s.serie), texto(s.notas),
       texto(ahora()), claveBusqueda(s), numero(s.id)});
  if (q.numRowsAffected() != 1) throw Error("No existe la instalación " + std::to_string(s.id) + ".");
  t.confirmar();
}

void Biblioteca::eliminarSitio(std::int64_t id) {
  exigirEscritura();
  Transaccion t(*c_);
  for (const char* tabla : {"eventos", "recuperaciones", "versiones"}) {
    c_->ejecutar(QStringLiteral("DELETE FROM %1 WHERE sitio = ?").arg(tabla), {numero(id)});
  }
  if (c_->ejecutar("DELETE FROM sitios WHERE id = ?", {numero(id)}).numRowsAffected() != 1) {
    throw Error("No existe la instalación " + std::to_string(id) + ".");
  }
  t.confirmar();
}

std::optional<Sitio> Biblioteca::sitio(std::int64_t id) {
  QSqlQuery q = c_->ejecutar(QStringLiteral("SELECT %1 FROM sitios WHERE id = ?").arg(kColumnasSitio),
                             {numero(id)});
  if (!q.next()) return std::nullopt;
  return sitioDeFila(q);
}

std::optional<Sitio> Biblioteca::sitioPorSerie(const std::string& serie) {
  QSqlQuery q =
      c_->ejecutar(QStringLiteral("SELECT %1 FROM sitios WHERE serie = ?").arg(kColumnasSitio), {texto(serie)});
  if (!q.next()) return std::nullopt;
  return sitioDeFila(q);
}

std::optional<Sitio> Biblioteca::buscarSitio(const std::string& t) {
  QSqlQuery q = c_->ejecutar(QStringLiteral("SELECT %1 FROM sitios WHERE nombre = ?").arg(kColumnasSitio), {texto(t)});
  if (q.next()) return sitioDeFila(q);
  if (auto s = sitioPorSerie(t)) return s;
  bool esNumero = false;
  const qlonglong id = QString::fromStdString(t).toLongLong(&esNumero);
  if (esNumero) return sitio(id);
  return std::nullopt;
}

std::vector<Sitio> Biblioteca::buscarSitios(const std::string& t) {
  // instr/strpos: the text is found as it is, with no pattern characters.
  const QString contiene = c_->motor() == Motor::Sqlite ? "instr(busqueda, ?) > 0" : "strpos(busqueda, ?) > 0";
  const QString sql = QStringLiteral("SELECT %1 FROM sitios").arg(kColumnasSitio);
  QSqlQuery q = t.empty() ? c_->ejecutar(sql + " ORDER BY nombre")
                          : c_->ejecutar(sql + " WHERE " + contiene + " ORDER BY nombre",
                                         {QString::fromStdString(t).toCaseFolded()});
  std::vector<Sitio> sitios;
  while (q.next()) sitios.push_back(sitioDeFila(q));
  return sitios;
}

Archivada Biblioteca::archivarVersion(std::int64_t sitio, const imagen::ImagenMemoria& img, Origen origen,
                                      const std::string& nota) {
  exigirEscritura();
  const std::string suma = sha256(img);
  Transaccion t(*c_);
  // PostgreSQL: the site's row is locked, so two archivers see each other's version.
  const QString sqlSitio = c_->motor() == Motor::Postgres ? "SELECT id FROM sitios WHERE id = ? FOR UPDATE"
                                                          : "SELECT id FROM sitios WHERE id = ?";
  if (!c_->valor(sqlSitio, {numero(sitio)}).isValid()) {
    throw Error("No existe la instalación " + std::to_string(sitio) + ".");
  }
  QSqlQuery ultima =
      c_->ejecutar("SELECT id, sha256 FROM versiones WHERE sitio = ? ORDER BY id DESC LIMIT 1", {numero(sitio)});
  if (ultima.next() && cadena(ultima.value(1)) == suma) return {ultima.value(0).toLongLong(), false};
  const QByteArray bytes(reinterpret_cast<const char*>(img.data()), static_cast<qsizetype>(img.size()));
  const QVariant id = c_->valor(
      "INSERT INTO versiones (sitio, imagen, sha256, cuando, origen, usuario, nota) VALUES (?, ?, ?, ?, ?, ?, ?)"
      " RETURNING id",
      {numero(sitio), bytes, texto(suma), texto(ahora()), QString(textoOrigen(origen)), texto(usuario_),
       texto(nota)});
  t.confirmar();
  return {id.toLongLong(), true};
}

std::vector<Version> Biblioteca::versiones(std::int64_t sitio) {
  QSqlQuery q = c_->ejecutar(
      "SELECT id, sitio, sha256, cuando, origen, usuario, nota FROM versiones WHERE sitio = ? ORDER BY id DESC",
      {numero(sitio)});
  std::vector<Version> v;
  while (q.next()) {
    Version x;
    x.id = q.value(0).toLongLong();
    x.sitio = q.value(1).toLongLong();
    x.sha256 = cadena(q.value(2));
    x.cuando = cadena(q.value(3));
    x.origen = origenDeTexto(cadena(q.value(4))).value_or(Origen::Importada);
    x.usuario = cadena(q.value(5));
    x.nota = cadena(q.value(6));
    v.push_back(std::move(x));
  }
  return v;
}

std::optional<imagen::ImagenMemoria> Biblioteca::imagenVersion(std::int64_t sitio, std::int64_t version) {
  const QVariant v = c_->valor("SELECT imagen FROM versiones WHERE sitio = ? AND id = ?",
                               {numero(sitio), numero(version)});
  if (!v.isValid()) return std::nullopt;
  const QByteArray bytes = v.toByteArray();
  imagen::ImagenMemoria img{};
  if (static_cast<std::size_t>(bytes.size()) != img.size()) {
    throw Error("La versión " + std::to_string(version) + " guardada no tiene " + std::to_string(img.size()) +
                " bytes.");
  }
  std::copy(bytes.begin(), bytes.end(), img.begin());
  return img;
}

config::Configuracion aliasDelSitio(Biblioteca& b, std::int64_t sitio) {
  config::Configuracion cfg;
  const std::vector<Version> v = b.versiones(sitio);
  if (v.empty()) return cfg;
  if (auto img = b.imagenVersion(sitio, v.front().id)) reading::decodificarImagen(*img, cfg);
  return cfg;
}

}  // namespace orda::sites
