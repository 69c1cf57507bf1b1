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

TEST(TrabajadorBiblioteca, TrabajaEnOtroHiloYRespondeEnElPropioEnOrden) {
  BaseDePrueba base(Motor::Sqlite);
  Trabajador t(base.destino());
  std::vector<std::string> respuestas;
  bool abierta = false;
  QObject::connect(&t, &Trabajador::abierta, [&](bool soloLectura, const QString&) { abierta = !soloLectura; });
  QThread* propio = QThread::currentThread();
  const auto fallo = [&](const std::string& m) { respuestas.push_back("fallo: " + m); };
  for (const char* nombre : {"Casa", "Oficina", "Casa"}) {
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
  }
  esperar([&] { return respuestas.size() == 3; });
  ASSERT_EQ(respuestas.size(), 3u);
  EXPECT_EQ(respuestas[0], "Casa 1");
  EXPECT_EQ(respuestas[1], "Oficina 2");
  EXPECT_EQ(respuestas[2], "fallo: Ya existe una instalación llamada \"Casa\".");
  EXPECT_TRUE(abierta);
}

TEST(TrabajadorBiblioteca, UnaBibliotecaInalcanzableFallaCadaPedidoYSeReintentaEnElSiguiente) {
  BaseDePrueba base(Motor::Sqlite);
  QFile f(QString::fromStdString(base.destino().ruta));
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write("no es una base");
  f.close();
  Trabajador t(base.destino());
  std::vector<std::string> respuestas;
  auto pedir = [&] {
    t.pedir<std::size_t>([](Biblioteca& b) { return b.buscarSitios("").size(); },
                         [&](std::size_t n) { respuestas.push_back(std::to_string(n) + " sitios"); },
                         [&](const std::string& m) { respuestas.push_back(m); });
  };
  pedir();
  pedir();
  esperar([&] { return respuestas.size() == 2; });
  ASSERT_EQ(respuestas.size(), 2u);
  EXPECT_NE(respuestas[1].find("no es una base de datos SQLite"), std::string::npos) << respuestas[1];
  ASSERT_TRUE(f.remove());
  pedir();
  esperar([&] { return respuestas.size() == 3; });
  ASSERT_EQ(respuestas.size(), 3u);
  EXPECT_EQ(respuestas[2], "0 sitios");

  // Another library from the next request on.
  BaseDePrueba otra(Motor::Sqlite);
  Biblioteca(otra.destino()).crearSitio({.nombre = "Casa"});
  t.cambiarDestino(otra.destino());
  pedir();
  esperar([&] { return respuestas.size() == 4; });
  ASSERT_EQ(respuestas.size(), 4u);
  EXPECT_EQ(respuestas[3], "1 sitios");
}

}  // namespace
}  // namespace orda::sites::pruebas
