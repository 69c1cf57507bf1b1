#pragma once
// The console on a test bench: a scripted transport, a listener that keeps
// everything it was told, and a virtual clock that the bench advances from
// deadline to deadline.
#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

#include "config/configuracion.h"
#include "imagen/imagen.h"
#include "link/oyente.h"
#include "link/transporte_falso.h"
#include "sequences/consola.h"

namespace orda::link::prueba {

struct OyenteGrabador : OyenteEnlace {
  struct Linea {
    std::string texto;
    Color color;
  };
  struct Caja {
    std::string texto, titulo;
    Icono icono;
  };
  std::vector<Linea> registro;  // in the order added (the log shows the last on top)
  std::vector<std::tuple<int, std::string>> textos, imagenes;
  std::vector<std::string> progreso, memoria;
  std::vector<Caja> cajas;
  std::vector<ComandoLocal> locales;
  std::vector<ResultadoSecuencia> resultados;
  std::vector<std::int64_t> momentosFin;
  const std::int64_t* reloj = nullptr;
  int graf = 0, ledEntradas = 0, ledSalidas = 0;

  void textoPanel(int p, const std::string& t) override { textos.emplace_back(p, t); }
  void imagenPanel(int p, const std::string& k) override { imagenes.emplace_back(p, k); }
  void agregarAlRegistro(const std::string& t, Color c) override { registro.push_back({t, c}); }
  void progresoTransferencia(const std::string& t, int, int) override { progreso.push_back(t); }
  void memoriaActualizada(const std::string& t) override { memoria.push_back(t); }
  void actGraf(const ValoresAnalogicos&) override { ++graf; }
  void actLedEntradas(const EstadoEntradas&) override { ++ledEntradas; }
  void actLedSalidas(const EstadoSalidas&) override { ++ledSalidas; }
  void mostrarError(const std::string& t, const std::string& ti, Icono i) override { cajas.push_back({t, ti, i}); }
  void comandoLocal(ComandoLocal c) override { locales.push_back(c); }
  void secuenciaTerminada(const ResultadoSecuencia& r) override {
    resultados.push_back(r);
    momentosFin.push_back(reloj ? *reloj : -1);
  }

  // Last text or picture shown in a status bar panel.
  std::string texto(int panel) const {
    for (auto it = textos.rbegin(); it != textos.rend(); ++it) if (std::get<0>(*it) == panel) return std::get<1>(*it);
    return "";
  }
  std::string imagen(int panel) const {
    for (auto it = imagenes.rbegin(); it != imagenes.rend(); ++it) if (std::get<0>(*it) == panel) return std::get<1>(*it);
    return "";
  }
};

struct Banco {
  std::int64_t ahora = 0;
  TransporteFalso transporte;
  OyenteGrabador oyente;
  config::Configuracion cfg;
  imagen::ImagenMemoria img{};
  secuencias::Consola consola{transporte, oyente, cfg, img, 0};

  Banco() {
    transporte.reloj = &ahora;
    oyente.reloj = &ahora;
  }

  void evento(EventoHid tipo, Handle h = kPanel) { consola.alEvento({tipo, h}, ahora); }
  void recibir(const BufferReporte& b) {
    transporte.entrantes.push_back(b);
    evento(EventoHid::ReporteEsperando);
  }
  void recibir(std::string_view texto) { recibir(reporte(texto)); }

  // Runs every deadline and scripted answer up to `hasta`, in time order.
  // Gives up (returns false) after `maxPasos` steps: a console that never
  // settles is a fault.
  bool correrHasta(std::int64_t hasta, int maxPasos = 200000) {
    for (int paso = 0; paso < maxPasos; ++paso) {
      const auto tc = consola.proximoVencimiento();
      const auto tr = transporte.proximaRespuesta();
      if (tr && *tr <= hasta && (!tc || *tr <= *tc)) {
        ahora = std::max(ahora, *tr);
        recibir(transporte.tomarRespuesta());
      } else if (tc && *tc <= hasta) {
        ahora = std::max(ahora, *tc);
        consola.alVencer(ahora);
      } else {
        ahora = std::max(ahora, hasta);
        return true;
      }
    }
    return false;
  }
  bool correr(std::int64_t ms) { return correrHasta(ahora + ms); }

  // Writes whose bytes 1..n spell `letras`.
  int contar(std::string_view letras) const {
    return static_cast<int>(std::count_if(transporte.escritos.begin(), transporte.escritos.end(),
                                          [&](const BufferReporte& b) { return empieza(b, letras); }));
  }
  static bool empieza(const BufferReporte& b, std::string_view letras) {
    for (std::size_t i = 0; i < letras.size(); ++i) if (b[i + 1] != static_cast<std::uint8_t>(letras[i])) return false;
    return true;
  }
  std::string ultimoPanel2() const { return oyente.texto(kPanelMensajes); }
};

}  // namespace orda::link::prueba
