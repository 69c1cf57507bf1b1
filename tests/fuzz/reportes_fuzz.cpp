// Sequences of incoming reports, link events, commands and time: whatever the
// panel (or a broken cable) hands over, the console must not crash, must keep
// its transfer state in bounds, and must be free again once the panel goes
// quiet, within the time bounds of its sequences.
#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>

#include "core/config/configuracion.h"
#include "core/imagen/imagen.h"
#include "core/link/oyente.h"
#include "core/link/transporte.h"
#include "core/sequences/consola.h"

#include "exigir.h"

using orda::fuzz::exigir;

namespace {

using namespace orda;

constexpr link::Handle kPanel = 1, kOtro = 2;

struct Transporte : link::Transporte {
  std::deque<link::BufferReporte> entrantes;
  bool Connect() override { return true; }
  void Disconnect() override {}
  int GetVendorID(link::Handle h) override { return h == kPanel ? link::kVendorId : 0x046D; }
  int GetProductID(link::Handle h) override { return h == kPanel ? link::kProductId : 0xC077; }
  link::Handle GetHandle(int, int) override { return kPanel; }
  void SetReadNotify(link::Handle, bool) override {}
  bool Read(link::Handle, link::BufferReporte& b) override {
    if (entrantes.empty()) return false;
    b = entrantes.front();
    entrantes.pop_front();
    return true;
  }
  bool WriteEx(int, int, const link::BufferReporte&) override { return true; }
};

// The fuzzer's bytes in order; zeros once they run out.
struct Lector {
  const std::uint8_t* d;
  std::size_t n;
  std::size_t i = 0;
  bool vacio() const { return i >= n; }
  std::uint8_t byte() { return i < n ? d[i++] : 0; }
};

struct Prueba {
  std::int64_t ahora = 0;
  Transporte transporte;
  link::OyenteEnlace oyente;
  config::Configuracion cfg;
  imagen::ImagenMemoria img{};
  sequences::Consola consola{transporte, oyente, cfg, img, 0};

  void revisar() {
    const link::Volcado& v = consola.enlace().volcado();
    exigir(v.modoVolcado <= link::kVolcadoHistorial, "modoVolcado 0..2");
    const int total = v.modoVolcado == link::kVolcadoHistorial ? link::kBloquesHistorial : link::kBloquesDatos;
    exigir(v.bloqueVolcado >= 0 && v.bloqueVolcado <= total, "bloqueVolcado dentro de la transferencia");
  }

  void recibir(const link::BufferReporte& b) {
    transporte.entrantes.push_back(b);
    consola.alEvento({link::EventoHid::ReporteEsperando, kPanel}, ahora);
    revisar();
  }

  // Every deadline up to `hasta`; each one must move time on.
  void correrHasta(std::int64_t hasta) {
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

  void comando(Lector& in) {
    static const programming::FechaHora kAhora{2025, 12, 31, 23, 59, 59};
    switch (in.byte() % 9) {
      case 0: consola.leerProgramacion(ahora, in.byte() % 2 == 0); break;
      case 1: consola.refrescarHistorial(ahora); break;
      case 2: consola.programar(kAhora, ahora); break;
      case 3: consola.prepararGuardado(kAhora, ahora); break;
      case 4: consola.enviarHora(kAhora, ahora); break;
      case 5: consola.forzarSalida(in.byte() % 5, ahora); break;
      case 6: consola.seleccionarCanal(in.byte() % 9, ahora); break;
      case 7: consola.alternarSenal(); break;
      default: {
        std::string t;
        for (std::size_t n = in.byte() % 70; n > 0; --n) t.push_back(static_cast<char>(in.byte()));
        consola.enviarComando(t, kAhora, ahora);
        break;
      }
    }
    revisar();
  }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t n) {
  Prueba p;
  Lector in{datos, n};
  while (!in.vacio()) {
    const std::uint8_t op = in.byte();
    switch (op % 10) {
      case 5:
        p.correrHasta(p.ahora + in.byte() * 20);
        break;
      case 6: {
        const std::uint8_t e = in.byte();
        p.consola.alEvento({static_cast<link::EventoHid>(1 + e % 4), e & 0x10 ? kOtro : kPanel}, p.ahora);
        p.revisar();
        break;
      }
      case 7:
        p.comando(in);
        break;
      case 8: {  // a run of identical blocks
        link::BufferReporte b{};
        b[1] = in.byte();
        for (int k = in.byte(); k > 0; --k) p.recibir(b);
        break;
      }
      default: {  // one report of up to 64 bytes
        link::BufferReporte b{};
        for (std::size_t i = 1, largo = in.byte() % 65; i <= largo; ++i) b[i] = in.byte();
        p.recibir(b);
        break;
      }
    }
  }
  // The panel goes quiet: every queued report goes out within a second of
  // the one before, a run ends a second after its last record, a transfer
  // two seconds after its last block, a read two seconds after its request.
  const auto encolados = static_cast<std::int64_t>(p.consola.enlace().cola().tamano());
  p.correrHasta(p.ahora + 1000 * (encolados + 5));
  exigir(!p.consola.ocupado(), "libre cuando el panel calla");
  exigir(p.consola.enlace().cola().vacia(), "cola vacía cuando el panel calla");
  return 0;
}
