#pragma once
// The console against the simulated panel, run from deadline to deadline in
// virtual time.
#include <algorithm>
#include <cstdint>
#include <optional>

#include "link/banco.h"
#include "core/sequences/consola.h"
#include "core/simulator/transporte_simulado.h"

namespace orda::sequences::prueba {

struct BancoSimulado {
  std::int64_t ahora = 0;
  simulator::TransporteSimulado transporte{[this] { return ahora; }};
  link::prueba::OyenteGrabador oyente;
  config::Configuracion cfg;
  imagen::ImagenMemoria img{};
  Consola consola{transporte, oyente, cfg, img, 0};

  BancoSimulado() {
    oyente.reloj = &ahora;
    consola.instalar([this] { return ahora; });
    correrHasta(2000);  // plugged, and its reports enabled
  }
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
  // Runs until the n-th sequence ended (at most `limite` ms).
  bool esperarFin(std::size_t n, std::int64_t limite = 120000) {
    const std::int64_t fin = ahora + limite;
    while (oyente.resultados.size() < n && ahora < fin) {
      if (!correr(10)) return false;
    }
    return oyente.resultados.size() >= n;
  }
};

}  // namespace orda::sequences::prueba
