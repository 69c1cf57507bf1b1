#include "motores.h"

#include <QCoreApplication>
#include <QUuid>

#include "core/history/memoria.h"
#include "sites/conexion.h"

namespace orda::sites::pruebas {

namespace {

std::uint8_t bcd(int v) { return static_cast<std::uint8_t>(((v / 10) << 4) | (v % 10)); }

}  // namespace

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

std::vector<std::uint8_t> volcado(int registros, int primero) {
  std::vector<std::uint8_t> m(history::kTamanoHistorial, 0);
  const int cantidad = registros + 1;
  m[6] = 0;
  m[8] = static_cast<std::uint8_t>(cantidad % history::kRegistrosPorBloque);
  m[9] = static_cast<std::uint8_t>(cantidad / history::kRegistrosPorBloque);
  for (int k = 1; k <= registros; ++k) {
    const int i = primero + k - 1;
    const std::size_t a = history::direccionRegistro(static_cast<std::size_t>(k));
    const int s = i % 86400;
    const std::uint8_t r[10] = {bcd(25), bcd(1),      bcd(1 + i / 86400), bcd(s / 3600), bcd(s / 60 % 60), bcd(s % 60),
                                4,       static_cast<std::uint8_t>(i % 9), static_cast<std::uint8_t>(i % 7), 0};
    std::copy(std::begin(r), std::end(r), m.begin() + static_cast<std::ptrdiff_t>(a));
  }
  return m;
}

}  // namespace orda::sites::pruebas
