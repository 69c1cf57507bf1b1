#pragma once
// A fresh, empty library per test on each engine: a SQLite file in its own
// temporary folder, or a database of its own on the test server. Every
// library test runs once per engine.
#include <memory>
#include <string>

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "../gui/instalaciones/biblioteca_ejemplo.h"
#include "sites/biblioteca.h"
#include "sites/destino.h"

namespace orda::sites::pruebas {

inline constexpr const char* kVariableServidor = "ORDA_PRUEBAS_PG";

class BaseDePrueba {
 public:
  // Empty when this engine cannot be tested here (why in `motivo`).
  explicit BaseDePrueba(Motor motor);
  ~BaseDePrueba();
  bool lista() const { return destino_.has_value(); }
  const std::string& motivo() const { return motivo_; }
  const Destino& destino() const { return *destino_; }

 private:
  std::optional<Destino> destino_;
  std::string motivo_;
  QTemporaryDir carpeta_;
  std::string baseCreada_;  // server database to drop at the end
};

using ejemplo::volcado;

class EnCadaMotor : public ::testing::TestWithParam<Motor> {
 protected:
  void SetUp() override {
    base_ = std::make_unique<BaseDePrueba>(GetParam());
    if (!base_->lista()) GTEST_SKIP() << base_->motivo();
  }
  std::unique_ptr<Biblioteca> abrir() { return std::make_unique<Biblioteca>(base_->destino()); }

  std::unique_ptr<BaseDePrueba> base_;
};

inline std::string nombreMotor(const ::testing::TestParamInfo<Motor>& i) {
  return i.param == Motor::Sqlite ? "SQLite" : "PostgreSQL";
}

}  // namespace orda::sites::pruebas
