// orda_capturas CARPETA [--consola]: the manual's pictures, into CARPETA.
// Without --consola, every set drawn offscreen in virtual time. With it, the
// console itself on the simulated panel as `orda --simulate` shows it a few
// seconds after start-up (consola-arranque.png; needs a screen, Xvfb will do).
#include <QApplication>
#include <QDir>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <string_view>

#include "capturas.h"
#include "gui/app/ventana_main.h"
#include "gui/consola/arranque.h"

namespace orda::capturas {

QString& carpeta() {
  static QString c;
  return c;
}

bool guardar(const QPixmap& p, const QString& nombre) {
  return !p.isNull() && p.width() > 20 && p.height() > 10 &&
         p.save(QDir(carpeta()).filePath(nombre + QStringLiteral(".png")));
}

}  // namespace orda::capturas

int main(int argc, char** argv) {
  using namespace orda;
  if (argc < 2 || argc > 3 || (argc == 3 && std::string_view(argv[2]) != "--consola")) {
    std::fputs("Uso: orda_capturas CARPETA [--consola]\n", stderr);
    return 2;
  }
  capturas::carpeta() = QString::fromLocal8Bit(argv[1]);
  if (!QDir().mkpath(capturas::carpeta())) {
    std::fprintf(stderr, "orda_capturas: no se pudo crear la carpeta %s\n", argv[1]);
    return 1;
  }
  if (argc == 3) {
    char simular[] = "--simulate";
    char* argumentos[] = {argv[0], simular, nullptr};
    return gui::correrConsola(2, argumentos, [](gui::Main& m) {
      QTimer::singleShot(6500, &m, [&m] {
        const bool ok = capturas::guardar(m.grab(), QStringLiteral("consola-arranque"));
        if (!ok) std::fputs("orda_capturas: no se pudo guardar consola-arranque.png\n", stderr);
        QApplication::exit(ok ? 0 : 1);
      });
    });
  }
  QApplication app(argc, argv);
  QStandardPaths::setTestModeEnabled(true);  // the user's own settings stay untouched
  int fallas = 0;
  for (auto* fabrica : {capturas::consola, capturas::configuracion, capturas::historial, capturas::tendencia,
                        capturas::instalaciones}) {
    const auto conjunto = fabrica();
    fallas += QTest::qExec(conjunto.get(), 1, argv);
  }
  return fallas == 0 ? 0 : 1;
}
