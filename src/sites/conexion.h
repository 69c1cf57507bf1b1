#pragma once
// One open connection to the library, on the thread that opened it (Qt SQL
// connections belong to their thread), and the few statements whose text
// differs between SQLite and PostgreSQL. Every failure is an Error whose
// text is for the user; no message carries a password.
#include <cstdint>
#include <initializer_list>
#include <stdexcept>
#include <string>

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariant>

#include "sites/destino.h"

namespace orda::sites {

class Error : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class Conexion {
 public:
  // Opens the file or logs in. A file that is not a SQLite database, or a
  // refused login, is an Error and nothing is created or written.
  explicit Conexion(const Destino& destino, bool soloLectura = false);
  ~Conexion();
  Conexion(const Conexion&) = delete;
  Conexion& operator=(const Conexion&) = delete;

  Motor motor() const { return destino_.motor; }
  const Destino& destino() const { return destino_; }
  QSqlDatabase base() const;

  // A statement with its values bound in order; the query is positioned
  // before its first row.
  QSqlQuery ejecutar(const QString& sql, std::initializer_list<QVariant> valores = {});
  // The first column of the first row, or an invalid QVariant.
  QVariant valor(const QString& sql, std::initializer_list<QVariant> valores = {});

  // SQLite takes the write lock at the start so that two writers wait for
  // each other (busy timeout) instead of one failing at its first write.
  void empezar();
  void confirmar();
  void deshacer() noexcept;

  // Prefix for messages: "Biblioteca sqlite:/x/y.sqlite: ".
  std::string prefijo() const;

 private:
  Destino destino_;
  QString nombre_;  // Qt's connection name
};

// Values as the drivers bind them, and back.
inline QVariant texto(const std::string& s) { return QString::fromStdString(s); }
inline QVariant numero(std::int64_t n) { return QVariant(static_cast<qlonglong>(n)); }
inline std::string cadena(const QVariant& v) { return v.toString().toStdString(); }

// Commits only when told; a throw on the way rolls back.
class Transaccion {
 public:
  explicit Transaccion(Conexion& c) : c_(c) { c_.empezar(); }
  ~Transaccion() {
    if (!hecha_) c_.deshacer();
  }
  void confirmar() {
    c_.confirmar();
    hecha_ = true;
  }
  Transaccion(const Transaccion&) = delete;
  Transaccion& operator=(const Transaccion&) = delete;

 private:
  Conexion& c_;
  bool hecha_ = false;
};

}  // namespace orda::sites
