#include "sites/destino.h"

#include <QByteArray>
#include <QStandardPaths>
#include <QString>

namespace orda::sites {

namespace {

std::string decodificar(const std::string& s) {
  return QByteArray::fromPercentEncoding(QByteArray::fromStdString(s)).toStdString();
}

DestinoLeido fallo(std::string motivo) { return {std::nullopt, "Dirección de biblioteca inválida: " + motivo}; }

DestinoLeido leerPostgres(const std::string& resto) {
  // USER[:PASSWORD]@HOST[:PORT]/NAME
  const std::size_t arroba = resto.rfind('@');
  if (arroba == std::string::npos) return fallo("falta USUARIO@ (postgresql://USUARIO@HOST[:PUERTO]/NOMBRE)");
  const std::string credencial = resto.substr(0, arroba);
  const std::string lugar = resto.substr(arroba + 1);
  Destino d;
  d.motor = Motor::Postgres;
  const std::size_t dosPuntos = credencial.find(':');
  d.usuario = decodificar(credencial.substr(0, dosPuntos));
  if (dosPuntos != std::string::npos) d.clave = decodificar(credencial.substr(dosPuntos + 1));
  const std::size_t barra = lugar.find('/');
  if (barra == std::string::npos || barra + 1 == lugar.size()) return fallo("falta el nombre de la base de datos");
  d.nombre = decodificar(lugar.substr(barra + 1));
  std::string host = lugar.substr(0, barra);
  const std::size_t puerto = host.rfind(':');
  if (puerto != std::string::npos) {
    const std::string numero = host.substr(puerto + 1);
    bool ok = false;
    const int p = QString::fromStdString(numero).toInt(&ok);
    if (!ok || p < 1 || p > 65535) return fallo("puerto inválido \"" + numero + "\"");
    d.puerto = p;
    host.resize(puerto);
  }
  d.host = decodificar(host);
  if (d.usuario.empty() || d.host.empty()) return fallo("faltan el usuario o el servidor");
  return {d, {}};
}

}  // namespace

std::string Destino::descripcion() const {
  if (motor == Motor::Sqlite) return "sqlite:" + ruta;
  const QByteArray host = QByteArray::fromStdString(this->host).toPercentEncoding();
  return "postgresql://" + usuario + "@" + host.toStdString() + ":" + std::to_string(puerto) + "/" + nombre;
}

DestinoLeido leerDestino(const std::string& url) {
  for (const char* prefijo : {"postgresql://", "postgres://"}) {
    const std::string p(prefijo);
    if (url.rfind(p, 0) == 0) return leerPostgres(url.substr(p.size()));
  }
  const std::string sqlite = "sqlite:";
  if (url.rfind(sqlite, 0) == 0 && url.size() > sqlite.size()) {
    Destino d;
    d.ruta = url.substr(sqlite.size());
    return {d, {}};
  }
  // Whatever follows "://" may hold a password: it is not repeated.
  return fallo("use postgresql://USUARIO@HOST[:PUERTO]/NOMBRE o sqlite:RUTA");
}

Destino destinoPorOmision() {
  Destino d;
  const QString carpeta = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
  d.ruta = (carpeta + "/" + kArchivoPorOmision).toStdString();
  return d;
}

DestinoLeido destinoElegido(const std::optional<std::string>& opcion, const std::optional<std::string>& ajuste) {
  if (opcion) return leerDestino(*opcion);
  const QByteArray entorno = qgetenv(kVariableEntorno);
  if (!entorno.isEmpty()) return leerDestino(entorno.toStdString());
  if (ajuste && !ajuste->empty()) return leerDestino(*ajuste);
  return {destinoPorOmision(), {}};
}

}  // namespace orda::sites
