#pragma once
// The HID library as the console sees it: the operations it calls and the
// four events it receives, whatever sits behind (hidapi, the simulated panel).
#include <cstdint>
#include <functional>
#include <optional>

#include "core/link/reporte.h"

namespace orda::link {

using Handle = std::uint32_t;  // 0: no device
inline constexpr int kVendorId = 0x1234;  // 4660
inline constexpr int kProductId = 1;

enum class EventoHid : int { Conectado = 1, Desconectado = 2, Cambio = 3, ReporteEsperando = 4 };

struct Evento {
  EventoHid tipo;
  Handle handle = 0;
};

class Transporte {
 public:
  virtual ~Transporte() = default;

  // Starts watching devices; events then reach `alEvento`, in arrival order,
  // on the thread that owns the link.
  virtual bool Connect() = 0;
  // Stops watching and closes every device; no event arrives afterwards.
  virtual void Disconnect() = 0;
  virtual int GetVendorID(Handle h) = 0;
  virtual int GetProductID(Handle h) = 0;
  // Handle of the first attached device with these ids, 0 when none.
  virtual Handle GetHandle(int vendorId, int productId) = 0;
  // While on, every report from the device raises ReporteEsperando.
  virtual void SetReadNotify(Handle h, bool activo) = 0;
  // Takes the oldest waiting report: byte 0 the report id, 1..64 the report.
  virtual bool Read(Handle h, BufferReporte& buffer) = 0;
  // Sends the 65 bytes (report id 0) to the device with these ids.
  virtual bool WriteEx(int vendorId, int productId, const BufferReporte& buffer) = 0;

  // A transport with its own timing (the simulated panel) delivers what is
  // due at `ahoraMs` here, and says when it next has something due; a real
  // device raises its events by itself and has nothing due.
  virtual void alVencer(std::int64_t /*ahoraMs*/) {}
  virtual std::optional<std::int64_t> proximoVencimiento() const { return std::nullopt; }

  std::function<void(const Evento&)> alEvento;
};

}  // namespace orda::link
