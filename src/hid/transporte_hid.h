#pragma once
// The USB link over hidapi. Every HID device is looked for about twice a
// second; each gets a handle of ours for as long as it stays attached. A
// device whose read notification is on has a reader thread; its reports,
// and the read error that means it is gone, reach the owner's thread
// through a queued signal. The object lives on the thread whose event loop
// delivers the events; every call comes from that thread.
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <string>

#include <QObject>
#include <QTimer>

#include "core/link/reporte.h"
#include "core/link/transporte.h"

struct hid_device_;

namespace orda::hid {

class ColaLlegadas;
class LectorHid;

class TransporteHid : public QObject, public link::Transporte {
  Q_OBJECT

 public:
  static constexpr int kIntervaloRevisionMs = 500;
  // Reports kept for a device when nobody reads them; the oldest go first.
  static constexpr std::size_t kMaximoEsperando = 1024;

  explicit TransporteHid(int intervaloRevisionMs = kIntervaloRevisionMs, QObject* padre = nullptr);
  ~TransporteHid() override;

  bool Connect() override;
  void Disconnect() override;
  int GetVendorID(link::Handle h) override;
  int GetProductID(link::Handle h) override;
  link::Handle GetHandle(int vendorId, int productId) override;
  void SetReadNotify(link::Handle h, bool activo) override;
  bool Read(link::Handle h, link::BufferReporte& buffer) override;
  bool WriteEx(int vendorId, int productId, const link::BufferReporte& buffer) override;

  // One line for the device log when the panel cannot be opened or written.
  std::function<void(const std::string&)> alMensaje;

 signals:
  // Raised from reader threads; connected queued to the owner's side.
  void llegadasPendientes();

 private:
  struct Dispositivo {
    std::string ruta;
    int vendorId = 0;
    int productId = 0;
    // Two handles, so that the reader and the owner never share one.
    hid_device_* lectura = nullptr;
    hid_device_* escritura = nullptr;
    std::unique_ptr<LectorHid> lector;
    bool notificar = false;
    std::deque<link::BufferReporte> entrada;
    bool aperturaAvisada = false;
    bool escrituraAvisada = false;
  };

  void revisar();
  void atenderLlegadas();
  hid_device_* abrir(Dispositivo& d);
  void cerrar(Dispositivo& d);
  // Forgets an attached device; after a read error its path is held back.
  void retirar(link::Handle h, bool porError);
  Dispositivo* buscar(link::Handle h);
  void emitir(link::EventoHid tipo, link::Handle h);
  void avisar(const std::string& linea);

  int intervaloRevisionMs_;
  QTimer revision_;
  std::unique_ptr<ColaLlegadas> llegadas_;
  std::map<link::Handle, Dispositivo> dispositivos_;
  // Ids of every handle handed out: the unplug handlers ask after the device is gone.
  std::map<link::Handle, std::pair<int, int>> ids_;
  // Paths whose read failed while still listed: a stale node, a panel
  // plugged in again at once, or a faulty device. Each is plugged again after
  // `restantes` looks, a pause that doubles while the reads keep failing.
  struct Retiro {
    int pausa = 0;
    int restantes = 0;
  };
  static constexpr int kPausaMaxima = 64;  // looks: about half a minute
  std::map<std::string, Retiro> retirados_;
  link::Handle siguiente_ = 1;
  bool conectado_ = false;
};

}  // namespace orda::hid
