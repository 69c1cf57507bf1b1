#include "hid/lector_hid.h"

#include <algorithm>
#include <array>
#include <cerrno>

namespace orda::hid {

void ColaLlegadas::poner(const Llegada& llegada) {
  bool avisar = false;
  {
    std::lock_guard<std::mutex> bloqueo(mutex_);
    llegadas_.push_back(llegada);
    avisar = !avisado_;
    avisado_ = true;
  }
  // One wake-up per batch: the owner takes everything queued until then.
  if (avisar) despertar_();
}

std::deque<Llegada> ColaLlegadas::tomarTodo() {
  std::lock_guard<std::mutex> bloqueo(mutex_);
  std::deque<Llegada> todo;
  todo.swap(llegadas_);
  avisado_ = false;
  return todo;
}

void ColaLlegadas::vaciar() {
  std::lock_guard<std::mutex> bloqueo(mutex_);
  llegadas_.clear();
  // Nothing is left for the owner to take: the next arrival must wake it again.
  avisado_ = false;
}

LectorHid::LectorHid(hid_device* dispositivo, link::Handle handle, ColaLlegadas& cola)
    : dispositivo_(dispositivo), handle_(handle), cola_(cola) {
  hilo_ = std::thread([this] { leer(); });
}

LectorHid::~LectorHid() { detener(); }

void LectorHid::detener() {
  parar_ = true;  // seen within one read timeout
  if (hilo_.joinable()) hilo_.join();
}

void LectorHid::leer() {
  std::array<unsigned char, link::kTamanoReporte - 1> datos{};
  while (!parar_) {
    // hidapi says nothing of why a read failed but leaves errno as poll or
    // read set it; cleared first, so that a stale value is never taken.
    errno = 0;
    const int leidos = hid_read_timeout(dispositivo_, datos.data(), datos.size(), kEsperaLecturaMs);
    // A signal interrupted the wait: the device is still there.
    if (leidos == 0 || (leidos < 0 && errno == EINTR)) continue;
    Llegada llegada{handle_};
    if (leidos < 0) {
      // The device is gone (or no longer answers): the owner treats it as unplugged.
      llegada.error = true;
      cola_.poner(llegada);
      return;
    }
    // hidapi leaves out the report id of an unnumbered report: it is byte 0, always 0.
    const auto n = std::min<std::size_t>(static_cast<std::size_t>(leidos), datos.size());
    std::copy_n(datos.begin(), n, llegada.reporte.begin() + 1);
    cola_.poner(llegada);
  }
}

}  // namespace orda::hid
