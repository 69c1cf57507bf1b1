#pragma once
// The console on a test bench: a transport that records what the console
// writes and hands it the reports a test feeds in (no panel answers unless the
// test says what), a listener that keeps what it was told, and a virtual
// clock run from deadline to deadline.
#include <algorithm>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/sequences/consola.h"
#include "core/simulator/transporte_simulado.h"

namespace orda::link::prueba {

inline constexpr Handle kPanel = 1, kOtro = 2;

// Bytes from index 1: a typed command, a two-letter request with its bytes, an answer.
inline BufferReporte reporte(std::string_view texto) {
  BufferReporte b{};
  std::copy_n(texto.begin(), std::min<std::size_t>(texto.size(), 64), b.begin() + 1);
  return b;
}

using Pedidos = std::vector<std::pair<std::string, std::int64_t>>;  // the two letters and time of each report

inline void anotar(Pedidos& pedidos, const BufferReporte& r, std::int64_t t) {
  pedidos.emplace_back(std::string{static_cast<char>(r[1]), static_cast<char>(r[2])}, t);
}

struct TransporteFalso : Transporte {
  explicit TransporteFalso(std::function<std::int64_t()> r) : reloj(std::move(r)) {}
  std::deque<BufferReporte> entrantes;
  std::vector<BufferReporte> escritos;
  Pedidos pedidos;
  std::vector<Handle> notificados;
  std::function<std::int64_t()> reloj;
  bool panelPresente = true;

  bool Connect() override { return true; }
  void Disconnect() override {}
  int GetVendorID(Handle h) override { return h == kPanel ? kVendorId : 0x046D; }
  int GetProductID(Handle h) override { return h == kPanel ? kProductId : 0xC077; }
  Handle GetHandle(int, int) override { return panelPresente ? kPanel : 0; }
  void SetReadNotify(Handle h, bool) override { notificados.push_back(h); }
  bool Read(Handle, BufferReporte& b) override {
    if (entrantes.empty()) return false;
    b = entrantes.front();
    entrantes.pop_front();
    return true;
  }
  bool WriteEx(int, int, const BufferReporte& b) override {
    escritos.push_back(b);
    anotar(pedidos, b, reloj());
    return true;
  }
};

struct OyenteGrabador : OyenteEnlace {
  struct Caja {
    std::string texto, titulo;
    Icono icono;
  };
  std::vector<std::pair<std::string, Color>> registro;  // in the order added
  std::vector<std::pair<int, std::string>> textos, imagenes;
  std::vector<std::string> progreso, memoria;
  std::vector<Caja> cajas;
  std::vector<ResultadoSecuencia> resultados;
  std::vector<std::int64_t> momentosFin;
  const std::int64_t* reloj = nullptr;
  int graf = 0, ledSalidas = 0;

  void textoPanel(int p, const std::string& t) override { textos.emplace_back(p, t); }
  void imagenPanel(int p, const std::string& k) override { imagenes.emplace_back(p, k); }
  void agregarAlRegistro(const std::string& t, Color c) override { registro.emplace_back(t, c); }
  void progresoTransferencia(const std::string& t, int, int) override { progreso.push_back(t); }
  void memoriaActualizada(const std::string& t) override { memoria.push_back(t); }
  void actGraf(const ValoresAnalogicos&) override { ++graf; }
  void actLedSalidas(const EstadoSalidas&) override { ++ledSalidas; }
  void mostrarError(const std::string& t, const std::string& ti, Icono i, TipoError) override {
    cajas.push_back({t, ti, i});
  }
  void secuenciaTerminada(const ResultadoSecuencia& r) override {
    resultados.push_back(r);
    momentosFin.push_back(*reloj);
  }
  // Last text shown in a status bar panel.
  static std::string ultimo(const std::vector<std::pair<int, std::string>>& v, int panel) {
    for (auto it = v.rbegin(); it != v.rend(); ++it) if (it->first == panel) return it->second;
    return "";
  }
  std::string texto(int panel) const { return ultimo(textos, panel); }
};

// How many of the requests were `letras`.
inline int contar(const Pedidos& pedidos, std::string_view letras) {
  const auto igual = [&](auto& p) { return p.first == letras; };
  return static_cast<int>(std::count_if(pedidos.begin(), pedidos.end(), igual));
}

// The console on the bench with transport T (the fake above or the simulated
// panel), run from deadline to deadline.
template <class T>
struct BancoCon {
  std::int64_t ahora = 0;
  T transporte{[this] { return ahora; }};
  OyenteGrabador oyente;
  config::Configuracion cfg;
  imagen::ImagenMemoria img{};
  sequences::Consola consola{transporte, oyente, cfg, img, 0};

  BancoCon() { oyente.reloj = &ahora; }

  // Every deadline up to `hasta`, in time order; false when the console never settles.
  bool correrHasta(std::int64_t hasta) {
    for (int paso = 0; paso < 500000; ++paso) {
      std::optional<std::int64_t> t = consola.proximoVencimiento();
      const auto tt = transporte.proximoVencimiento();
      if (tt && (!t || *tt < *t)) t = tt;
      if (!t || *t > hasta) {
        ahora = std::max(ahora, hasta);
        return true;
      }
      ahora = std::max(ahora, *t);
      transporte.alVencer(ahora);
      consola.alVencer(ahora);
    }
    return false;
  }
  bool correr(std::int64_t ms) { return correrHasta(ahora + ms); }
};

// The console against the simulated panel, plugged and its reports enabled,
// with a log of every report the panel was handed.
struct BancoSimulado : BancoCon<simulator::TransporteSimulado> {
  std::vector<BufferReporte> escritos;
  Pedidos pedidos;
  std::function<void()> trasCadaPaso;  // a test's faults, changed as time passes

  BancoSimulado() {
    transporte.alEscribir = [this](const BufferReporte& r, std::int64_t t) {
      escritos.push_back(r);
      anotar(pedidos, r, t);
    };
    consola.instalar([this] { return ahora; });
    correrHasta(2000);
  }
  // Runs in steps of 10 ms for at most `ms`, until `listo` holds; false when it
  // never did or the console never settles.
  bool avanzar(std::int64_t ms, const std::function<bool()>& listo) {
    for (const std::int64_t fin = ahora + ms; !listo();) {
      if (ahora >= fin || !correr(std::min<std::int64_t>(10, fin - ahora))) return false;
      if (trasCadaPaso) trasCadaPaso();
    }
    return true;
  }
  // Runs until the n-th sequence ended.
  bool esperarFin(std::size_t n, std::int64_t limite = 120000) {
    return avanzar(limite, [&] { return oyente.resultados.size() >= n; });
  }
};

struct Banco : BancoCon<TransporteFalso> {
  void evento(EventoHid tipo, Handle h = kPanel) { consola.alEvento({tipo, h}, ahora); }
  void recibir(const BufferReporte& b) {
    transporte.entrantes.push_back(b);
    evento(EventoHid::ReporteEsperando);
  }
  void recibir(std::string_view texto) { recibir(reporte(texto)); }
  Pedidos pedidos() const { return transporte.pedidos; }
};

}  // namespace orda::link::prueba
