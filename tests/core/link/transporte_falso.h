#pragma once
// A scripted transport for the link's tests: a list of attached devices, the
// reports waiting to be read, every report written, and a script that
// answers written reports after a delay of virtual time.
#include <cstdint>
#include <deque>
#include <functional>
#include <string_view>
#include <utility>
#include <vector>

#include "link/transporte.h"

namespace orda::link::prueba {

inline constexpr Handle kPanel = 1;
inline constexpr Handle kOtro = 2;

struct Dispositivo {
  Handle handle;
  int vendor, product;
};

// Byte 0 = 0, the text's bytes from byte 1.
inline BufferReporte reporte(std::string_view texto) {
  BufferReporte b{};
  for (std::size_t i = 0; i < texto.size() && i + 1 < b.size(); ++i) b[i + 1] = static_cast<std::uint8_t>(texto[i]);
  return b;
}

class TransporteFalso : public Transporte {
 public:
  struct Respuesta {
    std::int64_t retardoMs;
    BufferReporte reporte;
  };
  // Answers to one written report, with their delays.
  using Guion = std::function<std::vector<Respuesta>(const BufferReporte&)>;

  std::vector<Dispositivo> dispositivos{{kPanel, kVendorId, kProductId}, {kOtro, 0x046D, 0xC077}};
  std::deque<BufferReporte> entrantes;
  std::vector<BufferReporte> escritos;
  std::vector<std::int64_t> momentos;  // virtual time of each write
  std::vector<std::pair<Handle, bool>> notificaciones;
  bool conectado = false;
  Guion guion;
  const std::int64_t* reloj = nullptr;
  // Answers scheduled by the script: (due time, report).
  std::vector<std::pair<std::int64_t, BufferReporte>> agenda;

  bool Connect() override { return conectado = true; }
  void Disconnect() override { conectado = false; }
  int GetVendorID(Handle h) override {
    for (const auto& d : dispositivos) if (d.handle == h) return d.vendor;
    return 0;
  }
  int GetProductID(Handle h) override {
    for (const auto& d : dispositivos) if (d.handle == h) return d.product;
    return 0;
  }
  Handle GetHandle(int v, int p) override {
    for (const auto& d : dispositivos) if (d.vendor == v && d.product == p) return d.handle;
    return 0;
  }
  void SetReadNotify(Handle h, bool activo) override { notificaciones.emplace_back(h, activo); }
  bool Read(Handle, BufferReporte& b) override {
    if (entrantes.empty()) return false;
    b = entrantes.front();
    entrantes.pop_front();
    return true;
  }
  bool WriteEx(int, int, const BufferReporte& b) override {
    escritos.push_back(b);
    const std::int64_t t = reloj ? *reloj : 0;
    momentos.push_back(t);
    if (guion) {
      for (auto& r : guion(b)) agenda.emplace_back(t + r.retardoMs, r.reporte);
    }
    return true;
  }

  std::optional<std::int64_t> proximaRespuesta() const {
    std::optional<std::int64_t> t;
    for (const auto& a : agenda) if (!t || a.first < *t) t = a.first;
    return t;
  }
  // Takes the earliest scheduled answer (the first queued among equals).
  BufferReporte tomarRespuesta() {
    std::size_t k = 0;
    for (std::size_t i = 1; i < agenda.size(); ++i) if (agenda[i].first < agenda[k].first) k = i;
    BufferReporte b = agenda[k].second;
    agenda.erase(agenda.begin() + static_cast<std::ptrdiff_t>(k));
    return b;
  }
};

}  // namespace orda::link::prueba
