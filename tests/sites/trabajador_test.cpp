// The window's access to the library: work on another thread, answers on
// the caller's, in the order asked; a library that cannot be opened fails
// each request with its reason and is tried again by the next; another
// library takes over from the next request.
#include <QEventLoop>
#include <QFile>
#include <QTimer>

#include <gtest/gtest.h>

#include "motores.h"
#include "sites/trabajador.h"

namespace orda::sites::pruebas {
namespace {

// Runs the event loop until `listo` or ten seconds.
void esperar(const std::function<bool()>& listo) {
  QEventLoop bucle;
  QTimer revisar;
  QObject::connect(&revisar, &QTimer::timeout, [&] {
    if (listo()) bucle.quit();
  });
  revisar.start(5);
  QTimer::singleShot(10000, &bucle, &QEventLoop::quit);
  bucle.exec();
}

TEST(TrabajadorBiblioteca, OtroHiloRespuestasEnOrdenReintentoYCambioDeBiblioteca) {
  BaseDePrueba base(Motor::Sqlite);
  QFile f(QString::fromStdString(base.destino().ruta));
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write("no es una base");
  f.close();
  Trabajador t(base.destino());
  bool abierta = false;
  QObject::connect(&t, &Trabajador::abierta, [&](bool soloLectura, const QString&) { abierta = !soloLectura; });
  QThread* propio = QThread::currentThread();
  std::vector<std::string> respuestas;
  const auto fallo = [&](const std::string& m) { respuestas.push_back(m); };
  auto contar = [&] {
    t.pedir<std::size_t>([](Biblioteca& b) { return b.buscarSitios("").size(); },
                         [&](std::size_t n) { respuestas.push_back(std::to_string(n) + " sitios"); }, fallo);
  };
  auto crear = [&](const char* nombre) {
    t.pedir<std::int64_t>(
        [&, nombre](Biblioteca& b) {
          EXPECT_NE(QThread::currentThread(), propio);
          return b.crearSitio({.nombre = nombre});
        },
        [&, nombre](std::int64_t id) {
          EXPECT_EQ(QThread::currentThread(), propio);
          respuestas.push_back(std::string(nombre) + " " + std::to_string(id));
        },
        fallo);
  };
  // Each request to a library that cannot be opened fails with the reason;
  // the next one tries again.
  contar();
  contar();
  esperar([&] { return respuestas.size() == 2; });
  ASSERT_EQ(respuestas.size(), 2u);
  EXPECT_NE(respuestas[1].find("no es una base de datos SQLite"), std::string::npos) << respuestas[1];
  EXPECT_FALSE(abierta);
  ASSERT_TRUE(f.remove());
  for (const char* nombre : {"Casa", "Oficina", "Casa"}) crear(nombre);
  esperar([&] { return respuestas.size() == 5; });
  EXPECT_EQ(respuestas, (std::vector<std::string>{respuestas[0], respuestas[1], "Casa 1", "Oficina 2",
                                                  "Ya existe una instalación llamada \"Casa\"."}));
  EXPECT_TRUE(abierta);

  // Another library from the next request on.
  BaseDePrueba otra(Motor::Sqlite);
  Biblioteca(otra.destino()).crearSitio({.nombre = "Casa"});
  t.cambiarDestino(otra.destino());
  contar();
  esperar([&] { return respuestas.size() == 6; });
  ASSERT_EQ(respuestas.size(), 6u);
  EXPECT_EQ(respuestas[5], "1 sitios");
}

}  // namespace
}  // namespace orda::sites::pruebas
