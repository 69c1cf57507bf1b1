#include "falso_hidapi.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <map>
#include <mutex>

#include <hidapi.h>

namespace orda::hid::falso {
namespace {

struct Estado {
  std::mutex mutex;
  std::condition_variable cambio;
  std::vector<std::string> orden;  // enumeration order: first plug first
  std::map<std::string, Dispositivo> dispositivos;
  std::wstring errorGlobal = L"Success";
  std::atomic<int> enumeraciones = 0;
  std::atomic<int> abiertos = 0;
  std::atomic<bool> iniciado = false;
};

Estado& estado() {
  static Estado e;
  return e;
}

}  // namespace

void reiniciar() {
  Estado& e = estado();
  std::lock_guard<std::mutex> bloqueo(e.mutex);
  e.orden.clear();
  e.dispositivos.clear();
  e.errorGlobal = L"Success";
  e.enumeraciones = 0;
}

void cambiar(const std::string& ruta, const std::function<void(Dispositivo&)>& cambio) {
  Estado& e = estado();
  {
    std::lock_guard<std::mutex> bloqueo(e.mutex);
    if (std::find(e.orden.begin(), e.orden.end(), ruta) == e.orden.end()) e.orden.push_back(ruta);
    cambio(e.dispositivos[ruta]);
  }
  e.cambio.notify_all();
}

void enchufar(const std::string& ruta, int vendorId, int productId) {
  cambiar(ruta, [&](Dispositivo& d) {
    d.vendorId = vendorId;
    d.productId = productId;
    d.presente = true;
    ++d.generacion;
    d.entrada.clear();
    d.lecturaFallida = false;
    d.lecturasHastaFallo = -1;
  });
}

void inyectar(const std::string& ruta, const Datos& reporte) {
  cambiar(ruta, [&](Dispositivo& d) { d.entrada.push_back(reporte); });
}

std::vector<std::vector<std::uint8_t>> escrituras(const std::string& ruta) {
  Estado& e = estado();
  std::lock_guard<std::mutex> bloqueo(e.mutex);
  const auto it = e.dispositivos.find(ruta);
  return it == e.dispositivos.end() ? std::vector<std::vector<std::uint8_t>>{} : it->second.escrituras;
}

int enumeraciones() { return estado().enumeraciones; }
int abiertos() { return estado().abiertos; }
bool iniciado() { return estado().iniciado; }

}  // namespace orda::hid::falso

using orda::hid::falso::Datos;
using orda::hid::falso::Dispositivo;
using orda::hid::falso::estado;
using orda::hid::falso::Estado;

struct hid_device_ {
  std::string ruta;
  int generacion = 0;
  std::wstring error = L"Success";
};

namespace {

// The device behind an open handle, or null once it was unplugged.
Dispositivo* vigente(Estado& e, hid_device* dev) {
  const auto it = e.dispositivos.find(dev->ruta);
  if (it == e.dispositivos.end()) return nullptr;
  Dispositivo& d = it->second;
  return d.presente && d.generacion == dev->generacion && !d.lecturaFallida ? &d : nullptr;
}

}  // namespace

extern "C" {

int hid_init(void) {
  estado().iniciado = true;
  return 0;
}

int hid_exit(void) {
  estado().iniciado = false;
  return 0;
}

// Every present device: the transport always asks for all of them.
hid_device_info* hid_enumerate(unsigned short, unsigned short) {
  Estado& e = estado();
  std::lock_guard<std::mutex> bloqueo(e.mutex);
  ++e.enumeraciones;
  hid_device_info* primero = nullptr;
  hid_device_info** siguiente = &primero;
  for (const std::string& ruta : e.orden) {
    const Dispositivo& d = e.dispositivos[ruta];
    if (!d.presente) continue;
    auto* info = new hid_device_info{};
    info->path = ::strdup(ruta.c_str());
    info->vendor_id = static_cast<unsigned short>(d.vendorId);
    info->product_id = static_cast<unsigned short>(d.productId);
    *siguiente = info;
    siguiente = &info->next;
  }
  return primero;
}

void hid_free_enumeration(hid_device_info* devs) {
  while (devs != nullptr) {
    hid_device_info* siguiente = devs->next;
    std::free(devs->path);
    delete devs;
    devs = siguiente;
  }
}

hid_device* hid_open_path(const char* path) {
  Estado& e = estado();
  std::lock_guard<std::mutex> bloqueo(e.mutex);
  const auto it = e.dispositivos.find(path);
  if (it == e.dispositivos.end() || !it->second.presente) {
    e.errorGlobal = L"No such device";
    errno = ENODEV;
    return nullptr;
  }
  if (it->second.errorApertura >= 0) {
    e.errorGlobal = it->second.textoApertura;
    errno = it->second.errorApertura;
    return nullptr;
  }
  e.errorGlobal = L"Success";
  ++e.abiertos;
  return new hid_device_{path, it->second.generacion};
}

void hid_close(hid_device* dev) {
  --estado().abiertos;
  delete dev;
}

int hid_read_timeout(hid_device* dev, unsigned char* data, size_t length, int milliseconds) {
  Estado& e = estado();
  std::unique_lock<std::mutex> bloqueo(e.mutex);
  e.cambio.wait_for(bloqueo, std::chrono::milliseconds(milliseconds), [&] {
    Dispositivo* d = vigente(e, dev);
    return d == nullptr || !d->entrada.empty() || d->lecturasHastaFallo == 0 || d->interrupciones > 0;
  });
  dev->error = L"Success";
  Dispositivo* d = vigente(e, dev);
  if (d != nullptr && d->interrupciones > 0) {
    --d->interrupciones;
    dev->error = L"Interrupted system call";
    errno = EINTR;
    return -1;
  }
  if (d != nullptr && d->lecturasHastaFallo == 0) {
    d->lecturaFallida = true;
    if (d->irseAlFallar) d->presente = false;
    d = nullptr;
  }
  if (d == nullptr) {
    dev->error = L"Device disconnected";
    return -1;
  }
  if (d->entrada.empty()) return 0;
  const Datos reporte = d->entrada.front();
  d->entrada.pop_front();
  if (d->lecturasHastaFallo > 0) --d->lecturasHastaFallo;
  const std::size_t n = std::min(length, reporte.size());
  std::memcpy(data, reporte.data(), n);
  return static_cast<int>(n);
}

int hid_write(hid_device* dev, const unsigned char* data, size_t length) {
  Estado& e = estado();
  std::lock_guard<std::mutex> bloqueo(e.mutex);
  Dispositivo* d = vigente(e, dev);
  if (d == nullptr || !d->textoEscritura.empty()) {
    dev->error = d == nullptr ? L"Device disconnected" : d->textoEscritura;
    return -1;
  }
  dev->error = L"Success";
  d->escrituras.emplace_back(data, data + length);
  return static_cast<int>(length);
}

const wchar_t* hid_error(hid_device* dev) {
  if (dev != nullptr) return dev->error.c_str();
  std::lock_guard<std::mutex> bloqueo(estado().mutex);
  return estado().errorGlobal.c_str();
}

}  // extern "C"
