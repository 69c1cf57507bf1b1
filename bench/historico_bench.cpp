// The Histórico window filling a full history: mActualizar (decode the 408
// records of the image, hand them to the grid's model) and the first paint
// of the window that follows, on the offscreen platform unless
// QT_QPA_PLATFORM says otherwise. Prints the median and the least of the
// runs, the first run on its own (fonts and caches still cold), and the
// ratio of the median to the 20 ms goal (1.00 or less).
//
//   orda_historico_bench [REPETICIONES]
#include <QApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "gui/comun/dialogos.h"
#include "core/config/configuracion.h"
#include "gui/history/historico.h"
#include "core/history/memoria.h"
#include "gui/history/modelo_historico.h"
#include "core/imagen/imagen.h"

namespace {

using namespace orda;

constexpr double kMetaMs = 20.0;

// Counts the boxes instead of showing them: a full valid history shows none.
class DialogosMudos : public gui::Dialogos {
 public:
  int mostrados = 0;
  gui::Respuesta mensaje(const QString&, const QString&, gui::Icono, gui::Botones) override {
    ++mostrados;
    return gui::Respuesta::Aceptar;
  }
  std::optional<QString> archivoParaGuardar(const gui::PedidoArchivo&) override { return std::nullopt; }
  std::optional<QString> archivoParaAbrir(const gui::PedidoArchivo&) override { return std::nullopt; }
};

std::uint8_t bcd(int v) { return static_cast<std::uint8_t>((v / 10) * 16 + v % 10); }

// A full log of events of every kind the panel writes, zone triggers naming
// the inputs' aliases and call failures naming phone entries.
void llenarHistorial(imagen::ImagenMemoria& img) {
  struct Codigos {
    std::uint8_t c1, c2, c3;
  };
  constexpr Codigos kEventos[] = {{10, 0, 0}, {109, 1, 1}, {4, 1, 0}, {8, 3, 0}, {9, 3, 0},
                                  {13, 2, 0}, {53, 0, 0}, {206, 0, 0}, {10, 6, 0}, {204, 2, 0}};
  const int total = history::kMaxRegistros;
  for (int n = 0; n < total; ++n) {
    const std::size_t a = history::direccionRegistro(static_cast<std::size_t>(n));
    const int minutos = n * 37;
    const std::uint8_t fecha[6] = {bcd(25), bcd(3), bcd(1 + (minutos / 1440) % 28), bcd((minutos / 60) % 24),
                                   bcd(minutos % 60), bcd(n % 60)};
    std::copy(std::begin(fecha), std::end(fecha), img.begin() + static_cast<std::ptrdiff_t>(a));
    if (n == 0) {
      img[a + 6] = 0;
      img[a + 7] = 0;
      img[a + 8] = static_cast<std::uint8_t>(total % 102);
      img[a + 9] = static_cast<std::uint8_t>(total / 102);
      continue;
    }
    const Codigos& c = kEventos[static_cast<std::size_t>(n) % std::size(kEventos)];
    img[a + 6] = c.c1;
    img[a + 7] = static_cast<std::uint8_t>((c.c2 + n) % (c.c1 == 10 ? 8 : c.c2 + 1));
    img[a + 8] = c.c3;
    img[a + 9] = 0;
  }
}

double mediana(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  const std::size_t m = v.size() / 2;
  return v.size() % 2 == 1 ? v[m] : (v[m - 1] + v[m]) / 2;
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  const int repeticiones = argc > 1 ? std::max(1, std::atoi(argv[1])) : 50;

  config::Configuracion cfg;
  imagen::ImagenMemoria img{};
  llenarHistorial(img);
  DialogosMudos dialogos;
  gui::Historico ventana(img, cfg, dialogos);
  // As tall as a maximised child window on a 1600 x 900 area: many rows to paint.
  ventana.resize(ventana.sizeHint().width(), 860);
  ventana.show();
  QCoreApplication::processEvents();

  std::vector<double> completo, decodificacion;
  for (int i = 0; i < repeticiones; ++i) {
    ventana.Form_Load();
    ventana.repaint();
    QCoreApplication::processEvents();
    QElapsedTimer t;
    t.start();
    ventana.mActualizar();
    const double decodificado = static_cast<double>(t.nsecsElapsed()) / 1e6;
    QCoreApplication::processEvents();  // the grid's postponed layout
    ventana.repaint();
    completo.push_back(static_cast<double>(t.nsecsElapsed()) / 1e6);
    decodificacion.push_back(decodificado);
  }
  if (ventana.modelo().rowCount() != history::kMaxRegistros || dialogos.mostrados != 0) {
    std::fprintf(stderr, "el historial no se mostró completo (%d filas, %d avisos)\n", ventana.modelo().rowCount(),
                 dialogos.mostrados);
    return 1;
  }
  const double m = mediana(completo);
  std::printf("plataforma %s, %d repeticiones, %d registros\n", qPrintable(QGuiApplication::platformName()),
              repeticiones, history::kMaxRegistros);
  std::printf("mActualizar:                  %7.2f ms (mediana)\n", mediana(decodificacion));
  std::printf("mActualizar + primer pintado: %7.2f ms (mediana), %.2f ms (mínimo), %.2f ms (la primera vez)\n", m,
              *std::min_element(completo.begin(), completo.end()), completo.front());
  std::printf("relación con la meta de %.0f ms: %.2f  (meta: 1.00 o menos)\n", kMetaMs, m / kMetaMs);
  return 0;
}
