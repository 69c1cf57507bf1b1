// Several processes merging the same retrieval into the same site at once:
// each record ends stored once, and the retrievals' "new" counts add up to
// what is stored.
#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include "motores.h"

namespace orda::sites::pruebas {
namespace {

constexpr int kProcesos = 4;

TEST_P(EnCadaMotor, ProcesosQueFusionanElMismoVolcadoALaVezLoGuardanUnaVez) {
  std::int64_t sitio = 0;
  {
    auto b = abrir();  // the tables exist before the race
    sitio = b->crearSitio({.nombre = "Casa"});
  }
  QTemporaryDir carpeta;
  const QString ruta = carpeta.filePath("volcado.bin");
  const std::vector<std::uint8_t> dump = volcado(407);
  QFile f(ruta);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write(reinterpret_cast<const char*>(dump.data()), static_cast<qint64>(dump.size()));
  f.close();

  std::vector<std::unique_ptr<QProcess>> procesos;
  for (int i = 0; i < kProcesos; ++i) {
    auto p = std::make_unique<QProcess>();
    p->start(QCoreApplication::applicationFilePath(),
             {"--fusionar", QString::fromStdString(base_->url()), QString::number(sitio), ruta});
    procesos.push_back(std::move(p));
  }
  // All of them connected before any starts to write.
  for (auto& p : procesos) {
    ASSERT_TRUE(p->waitForReadyRead(30000)) << p->readAllStandardError().toStdString();
    ASSERT_EQ(p->readLine().trimmed(), "listo") << p->readAllStandardError().toStdString();
  }
  for (auto& p : procesos) p->closeWriteChannel();
  int nuevos = 0;
  for (auto& p : procesos) {
    ASSERT_TRUE(p->waitForFinished(60000));
    EXPECT_EQ(p->exitCode(), 0) << p->readAllStandardError().toStdString();
    nuevos += p->readAllStandardOutput().trimmed().toInt();
  }
  auto b = abrir();
  EXPECT_EQ(b->contarEventos(sitio, {}), 407);
  EXPECT_EQ(nuevos, 407);
  int sumaRegistrada = 0;
  for (const Recuperacion& r : b->recuperaciones(sitio)) sumaRegistrada += r.nuevos;
  EXPECT_EQ(sumaRegistrada, 407);
  EXPECT_EQ(b->recuperaciones(sitio).size(), static_cast<std::size_t>(kProcesos));
}

}  // namespace
}  // namespace orda::sites::pruebas
