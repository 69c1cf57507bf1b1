#include "falso_hidapi.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <cstdlib>
#include <cstring>
#include <map>
#include <mutex>

#include <hidapi.h>

namespace orda::hid::falso {
namespace {

struct Estado {
  std::mutex mutex;
  std::condition_variable cambio;
  std::map<std::string, Dispositivo> dispositivos;  // enumerated in path order
  std::wstring errorGlobal;                         // the last open's; opens run on the test's thread
  int enumeraciones = 0;
  std::atomic<int> abiertos = 0;
};

Estado& estado() {
  static Estado e;
  return e;
}

}  // namespace

void reiniciar() {
  Estado& e = estado();
  std::lock_guard<std::mutex> bloqueo(e.mutex);
  e.dispositivos.clear();
  e.enumeraciones = 0;
}

void cambiar(const std::string& ruta, const std::function<void(Dispositivo&)>& cambio) {
  Estado& e = estado();
  {
    std::lock_guard<std::mutex> bloqueo(e.mutex);
    cambio(e.dispositivos[ruta]);
  }
  e.cambio.notify_all();
}

void enchufar(const std::string& ruta, int vendorId, int productId) {
  cambiar(ruta, [&](Dispositivo& d) {
    d.vendorId = vendorId;
    d.productId = productId;
    d.presente = true;
    d.roto = false;
    d.entrada.clear();
  });
}

void inyectar(const std::string& ruta, const Datos& reporte) {
  cambiar(ruta, [&](Dispositivo& d) { d.entrada.push_back(reporte); });
}

std::vector<std::vector<std::uint8_t>> escrituras(const std::string& ruta) {
  std::vector<std::vector<std::uint8_t>> todas;
  cambiar(ruta, [&](Dispositivo& d) { todas = d.escrituras; });
  return todas;
}

int enumeraciones() {
  std::lock_guard<std::mutex> bloqueo(estado().mutex);
  return estado().enumeraciones;
}

int abiertos() { return estado().abiertos; }

}  // namespace orda::hid::falso

using orda::hid::falso::Dispositivo;
using orda::hid::falso::estado;
using orda::hid::falso::Estado;

struct hid_device_ {
  std::string ruta;
};

extern "C" {

int hid_init(void) { return 0; }
int hid_exit(void) { return 0; }

// Every present device: the transport always asks for all of them.
hid_device_info* hid_enumerate(unsigned short, unsigned short) {
  Estado& e = estado();
  std::lock_guard<std::mutex> bloqueo(e.mutex);
  ++e.enumeraciones;
  hid_device_info* primero = nullptr;
  hid_device_info** siguiente = &primero;
  for (const auto& [ruta, d] : e.dispositivos) {
    if (!d.presente) continue;
    *siguiente = new hid_device_info{};
    (*siguiente)->path = ::strdup(ruta.c_str());
    (*siguiente)->vendor_id = static_cast<unsigned short>(d.vendorId);
    (*siguiente)->product_id = static_cast<unsigned short>(d.productId);
    siguiente = &(*siguiente)->next;
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
  const Dispositivo& d = e.dispositivos[path];
  const std::pair<int, std::wstring> ausente{ENODEV, L"No such device"};
  const auto& [error, texto] = d.presente ? d.apertura : ausente;
  e.errorGlobal = texto;
  if (error != 0) {
    errno = error;
    return nullptr;
  }
  ++e.abiertos;
  return new hid_device_{path};
}

void hid_close(hid_device* dev) {
  --estado().abiertos;
  delete dev;
}

int hid_read_timeout(hid_device* dev, unsigned char* data, size_t length, int milliseconds) {
  Estado& e = estado();
  std::unique_lock<std::mutex> bloqueo(e.mutex);
  Dispositivo& d = e.dispositivos[dev->ruta];
  e.cambio.wait_for(bloqueo, std::chrono::milliseconds(milliseconds), [&] {
    return !d.presente || d.roto || d.interrupciones > 0 || !d.entrada.empty();
  });
  if (!d.presente || d.roto) return -1;
  if (d.interrupciones > 0) {
    --d.interrupciones;
    errno = EINTR;
    return -1;
  }
  if (d.entrada.empty()) return 0;
  const std::size_t n = std::min(length, d.entrada.front().size());
  std::memcpy(data, d.entrada.front().data(), n);
  d.entrada.pop_front();
  return static_cast<int>(n);
}

int hid_write(hid_device* dev, const unsigned char* data, size_t length) {
  Estado& e = estado();
  std::lock_guard<std::mutex> bloqueo(e.mutex);
  Dispositivo& d = e.dispositivos[dev->ruta];
  if (!d.presente || !d.textoEscritura.empty()) return -1;
  d.escrituras.emplace_back(data, data + length);
  return static_cast<int>(length);
}

// A device's: its writes' failure (the only one the transport asks about).
const wchar_t* hid_error(hid_device* dev) {
  Estado& e = estado();
  std::lock_guard<std::mutex> bloqueo(e.mutex);
  return dev != nullptr ? e.dispositivos[dev->ruta].textoEscritura.c_str() : e.errorGlobal.c_str();
}

}  // extern "C"
