#include "hid/transporte_hid.h"

#include <algorithm>
#include <cerrno>
#include <set>
#include <string>
#include <vector>

#include <hidapi.h>

#include "hid/lector_hid.h"
#include "hid/mensajes_hid.h"

namespace orda::hid {

namespace {

struct Visto {
  std::string ruta;
  int vendorId;
  int productId;
};

// Every HID device attached now, once per path, in hidapi's order.
std::vector<Visto> enumerar() {
  std::vector<Visto> vistos;
  std::set<std::string> rutas;
  hid_device_info* lista = hid_enumerate(0, 0);
  for (const hid_device_info* info = lista; info != nullptr; info = info->next) {
    if (info->path == nullptr || !rutas.insert(info->path).second) continue;
    vistos.push_back({info->path, info->vendor_id, info->product_id});
  }
  hid_free_enumeration(lista);
  return vistos;
}

}  // namespace

TransporteHid::TransporteHid(int intervaloRevisionMs, QObject* padre)
    : QObject(padre),
      intervaloRevisionMs_(intervaloRevisionMs),
      llegadas_(std::make_unique<ColaLlegadas>([this] { emit llegadasPendientes(); })) {
  connect(&revision_, &QTimer::timeout, this, &TransporteHid::revisar);
  connect(this, &TransporteHid::llegadasPendientes, this, &TransporteHid::atenderLlegadas,
          Qt::QueuedConnection);
}

TransporteHid::~TransporteHid() { Disconnect(); }

bool TransporteHid::Connect() {
  if (conectado_) return true;
  if (hid_init() != 0) {
    avisar(mensajeInicio(hid_error(nullptr)));
    return false;
  }
  conectado_ = true;
  revision_.start(intervaloRevisionMs_);
  // The first look comes from the event loop, so that devices already
  // attached raise their plug events after Connect has returned.
  QMetaObject::invokeMethod(this, &TransporteHid::revisar, Qt::QueuedConnection);
  return true;
}

void TransporteHid::Disconnect() {
  if (!conectado_) return;
  conectado_ = false;
  revision_.stop();
  for (auto& [h, d] : dispositivos_) cerrar(d);
  dispositivos_.clear();
  retirados_.clear();
  // Readers are joined: nothing can queue any more, and what is queued is dropped.
  llegadas_->vaciar();
  hid_exit();
}

int TransporteHid::GetVendorID(link::Handle h) {
  const auto it = ids_.find(h);
  return it == ids_.end() ? 0 : it->second.first;
}

int TransporteHid::GetProductID(link::Handle h) {
  const auto it = ids_.find(h);
  return it == ids_.end() ? 0 : it->second.second;
}

link::Handle TransporteHid::GetHandle(int vendorId, int productId) {
  for (const auto& [h, d] : dispositivos_) {
    if (d.vendorId == vendorId && d.productId == productId) return h;
  }
  return 0;
}

void TransporteHid::SetReadNotify(link::Handle h, bool activo) {
  Dispositivo* d = buscar(h);
  if (d == nullptr) return;
  if (!activo) {
    d->notificar = false;
    d->lector.reset();
    if (d->lectura != nullptr) hid_close(d->lectura);
    d->lectura = nullptr;
    d->entrada.clear();
    return;
  }
  // Every plug and change event turns it on again: keep the running reader.
  if (d->lector) {
    d->notificar = true;
    return;
  }
  d->lectura = abrir(*d);
  if (d->lectura == nullptr) return;
  d->notificar = true;
  d->lector = std::make_unique<LectorHid>(d->lectura, h, *llegadas_);
}

bool TransporteHid::Read(link::Handle h, link::BufferReporte& buffer) {
  Dispositivo* d = buscar(h);
  if (d == nullptr || d->entrada.empty()) return false;
  buffer = d->entrada.front();
  d->entrada.pop_front();
  return true;
}

bool TransporteHid::WriteEx(int vendorId, int productId, const link::BufferReporte& buffer) {
  Dispositivo* d = buscar(GetHandle(vendorId, productId));
  if (d == nullptr) return false;
  if (d->escritura == nullptr) d->escritura = abrir(*d);
  if (d->escritura == nullptr) return false;
  link::BufferReporte salida = buffer;
  salida[0] = 0;  // the panel's reports are unnumbered
  const int escritos = hid_write(d->escritura, salida.data(), salida.size());
  std::string fallo;
  if (escritos < 0) {
    fallo = mensajeEscritura(hid_error(d->escritura));
  } else if (escritos != static_cast<int>(salida.size())) {
    fallo = "No se pudo enviar al panel (envío incompleto: " + std::to_string(escritos) + " de " +
            std::to_string(salida.size()) + " bytes).";
  }
  if (fallo.empty()) {
    d->escrituraAvisada = false;
    return true;
  }
  // One line per run of failures: a programming run would repeat it 56 times.
  if (!d->escrituraAvisada) {
    d->escrituraAvisada = true;
    avisar(fallo);
  }
  return false;
}

void TransporteHid::revisar() {
  if (!conectado_) return;
  const std::vector<Visto> vistos = enumerar();
  std::set<std::string> rutas;
  for (const Visto& v : vistos) rutas.insert(v.ruta);

  std::vector<link::Handle> ausentes;
  for (auto& [h, d] : dispositivos_) {
    if (rutas.count(d.ruta) == 0) ausentes.push_back(h);
  }
  // A departed device's last reports come before its unplug event.
  for (link::Handle h : ausentes) {
    if (dispositivos_[h].lector) dispositivos_[h].lector->detener();
  }
  atenderLlegadas();

  bool cambio = false;
  for (link::Handle h : ausentes) {
    if (!conectado_) return;
    if (buscar(h) == nullptr) continue;  // its read error already unplugged it
    retirar(h, false);
    emitir(link::EventoHid::Desconectado, h);
    cambio = true;
  }
  // A path that left the list is a device that left: it starts afresh.
  std::erase_if(retirados_, [&](const auto& r) { return rutas.count(r.first) == 0; });
  for (const Visto& v : vistos) {
    if (!conectado_) return;
    const auto retiro = retirados_.find(v.ruta);
    if (retiro != retirados_.end() && retiro->second.restantes > 0) {
      --retiro->second.restantes;
      continue;
    }
    bool conocido = false;
    for (const auto& [h, d] : dispositivos_) conocido = conocido || d.ruta == v.ruta;
    if (conocido) continue;
    const link::Handle h = siguiente_++;
    Dispositivo& d = dispositivos_[h];
    d.ruta = v.ruta;
    d.vendorId = v.vendorId;
    d.productId = v.productId;
    ids_[h] = {v.vendorId, v.productId};
    emitir(link::EventoHid::Conectado, h);
    cambio = true;
  }
  if (cambio) emitir(link::EventoHid::Cambio, 0);
}

void TransporteHid::atenderLlegadas() {
  if (!conectado_) return;
  for (const Llegada& llegada : llegadas_->tomarTodo()) {
    // A handler may have disconnected the link or switched notification off.
    if (!conectado_) return;
    Dispositivo* d = buscar(llegada.handle);
    if (d == nullptr || !d->notificar) continue;
    if (llegada.error) {
      retirar(llegada.handle, true);
      emitir(link::EventoHid::Desconectado, llegada.handle);
      emitir(link::EventoHid::Cambio, 0);
      continue;
    }
    if (!retirados_.empty()) retirados_.erase(d->ruta);  // it reads again: no more pauses
    if (d->entrada.size() == kMaximoEsperando) d->entrada.pop_front();
    d->entrada.push_back(llegada.reporte);
    emitir(link::EventoHid::ReporteEsperando, llegada.handle);
  }
}

hid_device* TransporteHid::abrir(Dispositivo& d) {
  errno = 0;
  hid_device* abierto = hid_open_path(d.ruta.c_str());
  const int error = errno;
  if (abierto == nullptr) {
    // Once per device: every plug event of any device retries the open.
    if (!d.aperturaAvisada) {
      d.aperturaAvisada = true;
      avisar(mensajeApertura(d.ruta.c_str(), error, hid_error(nullptr)));
    }
    return nullptr;
  }
  d.aperturaAvisada = false;
  return abierto;
}

void TransporteHid::cerrar(Dispositivo& d) {
  d.lector.reset();  // joins the reader before its handle goes
  d.notificar = false;
  for (hid_device_** h : {&d.lectura, &d.escritura}) {
    if (*h != nullptr) hid_close(*h);
    *h = nullptr;
  }
  d.entrada.clear();
}

void TransporteHid::retirar(link::Handle h, bool porError) {
  const auto it = dispositivos_.find(h);
  if (it == dispositivos_.end()) return;
  cerrar(it->second);
  if (porError) {
    Retiro& r = retirados_[it->second.ruta];
    r.pausa = std::clamp(r.pausa * 2, 1, kPausaMaxima);
    r.restantes = r.pausa;
  }
  dispositivos_.erase(it);
}

TransporteHid::Dispositivo* TransporteHid::buscar(link::Handle h) {
  const auto it = dispositivos_.find(h);
  return it == dispositivos_.end() ? nullptr : &it->second;
}

void TransporteHid::emitir(link::EventoHid tipo, link::Handle h) {
  if (alEvento) alEvento(link::Evento{tipo, h});
}

void TransporteHid::avisar(const std::string& linea) {
  if (alMensaje) alMensaje(linea);
}

}  // namespace orda::hid
