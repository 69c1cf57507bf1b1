#include "motores.h"

#include <QCoreApplication>
#include <QUuid>

#include "sites/conexion.h"

namespace orda::sites::pruebas {

BaseDePrueba::BaseDePrueba(Motor motor) {
  if (motor == Motor::Sqlite) {
    if (!carpeta_.isValid()) {
      motivo_ = "no se pudo crear una carpeta temporal";
      return;
    }
    Destino d;
    d.ruta = carpeta_.filePath("instalaciones.sqlite").toStdString();
    destino_ = d;
    return;
  }
  const QByteArray url = qgetenv(kVariableServidor);
  if (url.isEmpty()) {
    motivo_ = std::string("sin servidor PostgreSQL de prueba: scripts/test lo arranca y lo pasa en ") +
              kVariableServidor;
    return;
  }
  const DestinoLeido leido = leerDestino(url.toStdString());
  if (!leido.destino) {
    motivo_ = leido.error;
    return;
  }
  Destino d = *leido.destino;
  baseCreada_ = "prueba_" + QUuid::createUuid().toString(QUuid::Id128).left(16).toStdString();
  Conexion admin(d);
  admin.ejecutar(QString::fromStdString("CREATE DATABASE " + baseCreada_));
  d.nombre = baseCreada_;
  destino_ = d;
}

BaseDePrueba::~BaseDePrueba() {
  if (baseCreada_.empty()) return;
  try {
    Destino admin = *leerDestino(qgetenv(kVariableServidor).toStdString()).destino;
    Conexion c(admin);
    c.ejecutar(QString::fromStdString("DROP DATABASE IF EXISTS " + baseCreada_ + " WITH (FORCE)"));
  } catch (const std::exception&) {
    // The server's folder goes away with scripts/test anyway.
  }
}

}  // namespace orda::sites::pruebas
