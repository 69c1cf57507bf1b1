#pragma once
// A fresh, empty library per test on each engine: a SQLite file in its own
// temporary folder, or a database of its own on the test server named by
// ORDA_PRUEBAS_PG (scripts/test starts one; without it those cases are
// skipped and say so). Every library test runs once per engine.
#include <memory>
#include <string>

#include <QTemporaryDir>
#include <QUuid>
#include <gtest/gtest.h>

#include "../gui/instalaciones/biblioteca_ejemplo.h"
#include "sites/biblioteca.h"
#include "sites/conexion.h"
#include "sites/destino.h"

namespace orda::sites::pruebas {

using ejemplo::volcado;

class EnCadaMotor : public ::testing::TestWithParam<Motor> {
 protected:
  void SetUp() override {
    if (GetParam() == Motor::Sqlite) {
      ASSERT_TRUE(carpeta_.isValid());
      destino_.ruta = carpeta_.filePath("instalaciones.sqlite").toStdString();
      return;
    }
    const std::string url = qgetenv("ORDA_PRUEBAS_PG").toStdString();
    const DestinoLeido servidor = leerDestino(url);
    if (!servidor.destino) {
      GTEST_SKIP() << (url.empty() ? "sin servidor PostgreSQL de prueba: scripts/test lo arranca y lo pasa "
                                     "en ORDA_PRUEBAS_PG"
                                   : servidor.error);
    }
    servidor_ = destino_ = *servidor.destino;
    destino_.nombre = "prueba_" + QUuid::createUuid().toString(QUuid::Id128).left(16).toStdString();
    Conexion(servidor_).ejecutar(QString::fromStdString("CREATE DATABASE " + destino_.nombre));
  }
  void TearDown() override {
    if (servidor_.nombre.empty()) return;
    try {
      const std::string sql = "DROP DATABASE IF EXISTS " + destino_.nombre + " WITH (FORCE)";
      Conexion(servidor_).ejecutar(QString::fromStdString(sql));
    } catch (const std::exception&) {
      // The server's folder goes away with scripts/test anyway.
    }
  }
  std::unique_ptr<Biblioteca> abrir() { return std::make_unique<Biblioteca>(destino_); }

  QTemporaryDir carpeta_;
  Destino destino_;
  Destino servidor_;  // the server's own database, to create and drop this test's
};

inline std::string nombreMotor(const ::testing::TestParamInfo<Motor>& i) {
  return i.param == Motor::Sqlite ? "SQLite" : "PostgreSQL";
}

}  // namespace orda::sites::pruebas
