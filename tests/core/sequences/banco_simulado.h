#pragma once
// The console against the simulated panel, run from deadline to deadline in
// virtual time, with a log of every report the panel was handed.
#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

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
  std::vector<link::BufferReporte> escritos;
  std::vector<std::pair<std::string, std::int64_t>> pedidos;  // the two letters and time of each

  BancoSimulado() {
    oyente.reloj = &ahora;
    transporte.alEscribir = [this](const link::BufferReporte& r, std::int64_t t) {
      escritos.push_back(r);
      pedidos.emplace_back(std::string{static_cast<char>(r[1]), static_cast<char>(r[2])}, t);
    };
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
  int contar(const std::string& letras) const {
    return static_cast<int>(std::count_if(pedidos.begin(), pedidos.end(), [&](auto& p) { return p.first == letras; }));
  }
};

}  // namespace orda::sequences::prueba
