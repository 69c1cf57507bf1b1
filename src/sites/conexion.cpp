#include "sites/conexion.h"

#include <atomic>
#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>

namespace orda::sites {

namespace {

constexpr int kEsperaOcupadaMs = 10000;  // two consoles on one laptop wait this long for each other
constexpr int kEsperaServidorS = 5;

QString nombreNuevo() {
  static std::atomic<int> cuenta{0};
  return QStringLiteral("orda_sites_%1").arg(cuenta.fetch_add(1));
}

std::string textoError(const QSqlError& e) {
  std::string t = e.databaseText().trimmed().toStdString();
  if (t.empty()) t = e.text().trimmed().toStdString();
  return t.empty() ? "error desconocido" : t;
}

// A SQLite file starts with these 16 bytes; an empty file is a new database.
bool pareceSqlite(const QString& ruta, std::string& motivo) {
  QFile f(ruta);
  if (!f.open(QIODevice::ReadOnly)) {
    motivo = "no se puede leer: " + f.errorString().toStdString();
    return false;
  }
  const QByteArray cabecera = f.read(16);
  if (cabecera.isEmpty() && f.size() == 0) return true;
  if (cabecera != QByteArray("SQLite format 3\0", 16)) {
    motivo = "el archivo no es una base de datos SQLite; no se modificó";
    return false;
  }
  return true;
}

// The file is created here, readable by its owner only, before SQLite sees it.
void prepararArchivo(const Destino& d, bool soloLectura, const std::string& prefijo) {
  const QString ruta = QString::fromStdString(d.ruta);
  const QFileInfo info(ruta);
  if (info.exists()) {
    if (!info.isFile()) throw Error(prefijo + "no es un archivo");
    std::string motivo;
    if (!pareceSqlite(ruta, motivo)) throw Error(prefijo + motivo);
    return;
  }
  if (soloLectura) throw Error(prefijo + "el archivo no existe");
  if (!QDir().mkpath(info.absolutePath())) throw Error(prefijo + "no se pudo crear la carpeta " + info.absolutePath().toStdString());
  const int fd = ::open(QFile::encodeName(ruta).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
  if (fd < 0 && errno != EEXIST) throw Error(prefijo + "no se pudo crear: " + std::strerror(errno));
  if (fd >= 0) ::close(fd);
}

}  // namespace

Conexion::Conexion(const Destino& destino, bool soloLectura) : destino_(destino), nombre_(nombreNuevo()) {
  const bool sqlite = destino_.motor == Motor::Sqlite;
  if (sqlite) prepararArchivo(destino_, soloLectura, prefijo());
  QSqlDatabase db = QSqlDatabase::addDatabase(sqlite ? "QSQLITE" : "QPSQL", nombre_);
  if (!db.isValid()) {
    QSqlDatabase::removeDatabase(nombre_);
    throw Error(prefijo() + "falta el controlador de Qt SQL para " + (sqlite ? "SQLite" : "PostgreSQL") +
                " (paquete " + (sqlite ? "libqt6sql6-sqlite" : "libqt6sql6-psql") + ")");
  }
  if (sqlite) {
    db.setDatabaseName(QString::fromStdString(destino_.ruta));
    QString opciones = QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(kEsperaOcupadaMs);
    if (soloLectura) opciones += ";QSQLITE_OPEN_READONLY";
    db.setConnectOptions(opciones);
  } else {
    db.setHostName(QString::fromStdString(destino_.host));
    db.setPort(destino_.puerto);
    db.setDatabaseName(QString::fromStdString(destino_.nombre));
    db.setUserName(QString::fromStdString(destino_.usuario));
    // Without one here libpq looks in ~/.pgpass.
    if (destino_.clave) db.setPassword(QString::fromStdString(*destino_.clave));
    db.setConnectOptions(QStringLiteral("connect_timeout=%1;application_name=orda").arg(kEsperaServidorS));
  }
  if (!db.open()) {
    const std::string motivo = textoError(db.lastError());
    db = QSqlDatabase();
    QSqlDatabase::removeDatabase(nombre_);
    throw Error(prefijo() + "no se pudo abrir: " + motivo);
  }
  try {
    if (sqlite) {
      ejecutar("PRAGMA foreign_keys = ON");
      // Committed transactions survive a killed process; a power cut may
      // lose the last ones, never consistency.
      if (!soloLectura) ejecutar("PRAGMA synchronous = NORMAL");
    } else {
      ejecutar("SET client_min_messages = warning");
      if (soloLectura) ejecutar("SET SESSION CHARACTERISTICS AS TRANSACTION READ ONLY");
    }
  } catch (...) {
    base().close();
    QSqlDatabase::removeDatabase(nombre_);
    throw;
  }
}

Conexion::~Conexion() {
  {
    QSqlDatabase db = QSqlDatabase::database(nombre_, false);
    db.close();
  }
  QSqlDatabase::removeDatabase(nombre_);
}

QSqlDatabase Conexion::base() const { return QSqlDatabase::database(nombre_, false); }

std::string Conexion::prefijo() const { return "Biblioteca " + destino_.descripcion() + ": "; }

QSqlQuery Conexion::ejecutar(const QString& sql, std::initializer_list<QVariant> valores) {
  QSqlQuery q(base());
  q.setForwardOnly(true);
  bool ok;
  if (valores.size() == 0) {
    ok = q.exec(sql);
  } else {
    ok = q.prepare(sql);
    if (ok) {
      for (const QVariant& v : valores) q.addBindValue(v);
      ok = q.exec();
    }
  }
  if (!ok) throw Error(prefijo() + textoError(q.lastError()));
  return q;
}

QVariant Conexion::valor(const QString& sql, std::initializer_list<QVariant> valores) {
  QSqlQuery q = ejecutar(sql, valores);
  return q.next() ? q.value(0) : QVariant();
}

void Conexion::empezar() { ejecutar(motor() == Motor::Sqlite ? "BEGIN IMMEDIATE" : "BEGIN"); }

void Conexion::confirmar() { ejecutar("COMMIT"); }

void Conexion::deshacer() noexcept {
  QSqlQuery q(base());
  q.exec("ROLLBACK");
}

}  // namespace orda::sites
