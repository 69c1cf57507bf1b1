#pragma once
// Every library test runs once per engine.
#include <memory>

#include <gtest/gtest.h>

#include "motores.h"
#include "sites/biblioteca.h"

namespace orda::sites::pruebas {

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
