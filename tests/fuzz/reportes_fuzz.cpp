// Sequences of incoming reports, link events, commands and time: whatever the
// panel (or a broken cable) hands over, the console must not crash, must keep
// its transfer state in bounds, and must be free again once the panel goes
// quiet, within the time bounds of its sequences.
#include <cstddef>
#include <cstdint>
#include <string>

#include "exigir.h"
#include "link/banco.h"

using orda::fuzz::exigir;

namespace {

using namespace orda;
using link::prueba::kOtro;
using link::prueba::kPanel;

// The link bench, checked after every step, and the fuzzer's bytes in order
// (zeros once they run out).
struct Prueba : link::prueba::Banco {
  const std::uint8_t* datos;
  std::size_t n, i = 0;

  Prueba(const std::uint8_t* d, std::size_t largo) : datos(d), n(largo) {}
  bool vacio() const { return i >= n; }
  std::uint8_t byte() { return i < n ? datos[i++] : 0; }

  void revisar() {
    const link::Volcado& v = consola.enlace().volcado();
    exigir(v.modoVolcado <= link::kVolcadoHistorial, "modoVolcado 0..2");
    const int total = v.modoVolcado == link::kVolcadoHistorial ? link::kBloquesHistorial : link::kBloquesDatos;
    exigir(v.bloqueVolcado >= 0 && v.bloqueVolcado <= total, "bloqueVolcado dentro de la transferencia");
  }

  void recibirYRevisar(const link::BufferReporte& b) {
    recibir(b);
    revisar();
  }

  // Every deadline up to `hasta`; each one must move time on.
  void vencerHasta(std::int64_t hasta) {
    for (int paso = 0; paso < 100000; ++paso) {
      const auto t = consola.proximoVencimiento();
      exigir(t.has_value(), "siempre hay un próximo vencimiento (el sondeo de señal)");
      if (*t > hasta) {
        ahora = hasta;
        return;
      }
      exigir(*t >= ahora, "ningún vencimiento en el pasado tras atenderlo");
      ahora = *t;
      consola.alVencer(ahora);
      revisar();
      const auto siguiente = consola.proximoVencimiento();
      exigir(siguiente && *siguiente > ahora, "alVencer avanza");
    }
    exigir(false, "demasiados vencimientos");
  }

  void comando() {
    static const programming::FechaHora kAhora{2025, 12, 31, 23, 59, 59};
    switch (byte() % 9) {
      case 0: consola.leerProgramacion(ahora, byte() % 2 == 0); break;
      case 1: consola.refrescarHistorial(ahora); break;
      case 2: consola.programar(kAhora, ahora); break;
      case 3: consola.prepararGuardado(kAhora, ahora); break;
      case 4: consola.enviarHora(kAhora, ahora); break;
      case 5: consola.forzarSalida(byte() % 5, ahora); break;
      case 6: consola.seleccionarCanal(byte() % 9, ahora); break;
      case 7: consola.alternarSenal(); break;
      default: {
        std::string t;
        for (std::size_t n = byte() % 70; n > 0; --n) t.push_back(static_cast<char>(byte()));
        consola.enviarComando(t, kAhora, ahora);
        break;
      }
    }
    revisar();
  }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t n) {
  Prueba p(datos, n);
  while (!p.vacio()) {
    const std::uint8_t op = p.byte();
    switch (op % 10) {
      case 5:
        p.vencerHasta(p.ahora + p.byte() * 20);
        break;
      case 6: {
        const std::uint8_t e = p.byte();
        p.consola.alEvento({static_cast<link::EventoHid>(1 + e % 4), e & 0x10 ? kOtro : kPanel}, p.ahora);
        p.revisar();
        break;
      }
      case 7:
        p.comando();
        break;
      case 8: {  // a run of identical blocks
        link::BufferReporte b{};
        b[1] = p.byte();
        for (int k = p.byte(); k > 0; --k) p.recibirYRevisar(b);
        break;
      }
      default: {  // one report of up to 64 bytes
        link::BufferReporte b{};
        for (std::size_t i = 1, largo = p.byte() % 65; i <= largo; ++i) b[i] = p.byte();
        p.recibirYRevisar(b);
        break;
      }
    }
  }
  // The panel goes quiet: every queued report goes out within a second of
  // the one before, a run ends a second after its last record, a transfer
  // two seconds after its last block, a read two seconds after its request.
  const auto encolados = static_cast<std::int64_t>(p.consola.enlace().cola().tamano());
  p.vencerHasta(p.ahora + 1000 * (encolados + 5));
  exigir(!p.consola.ocupado(), "libre cuando el panel calla");
  exigir(p.consola.enlace().cola().vacia(), "cola vacía cuando el panel calla");
  return 0;
}
