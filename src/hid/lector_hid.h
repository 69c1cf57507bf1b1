#pragma once
// The reading side of a device: a thread that waits in hid_read_timeout on
// a handle of its own and queues what it gets for the owner's thread.
// hidapi rewrites a handle's error text on every call, so no other thread
// ever uses that handle; the owner writes through a second one.
#include <atomic>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

#include <hidapi.h>

#include "core/link/reporte.h"
#include "core/link/transporte.h"

namespace orda::hid {

// What a reader hands to the owner: a report, or the read error that ends it.
struct Llegada {
  link::Handle handle = 0;
  bool error = false;
  link::BufferReporte reporte{};
};

// Arrivals of every reader, in the order they happened. `despertar` runs on
// the reader's thread when the queue stops being empty; it must only post.
class ColaLlegadas {
 public:
  explicit ColaLlegadas(std::function<void()> despertar) : despertar_(std::move(despertar)) {}
  void poner(const Llegada& llegada);
  std::deque<Llegada> tomarTodo();
  void vaciar();

 private:
  std::mutex mutex_;
  std::deque<Llegada> llegadas_;
  bool avisado_ = false;
  std::function<void()> despertar_;
};

class LectorHid {
 public:
  static constexpr int kEsperaLecturaMs = 20;

  LectorHid(hid_device* dispositivo, link::Handle handle, ColaLlegadas& cola);
  ~LectorHid();
  LectorHid(const LectorHid&) = delete;
  LectorHid& operator=(const LectorHid&) = delete;

  // Returns once the thread has ended; safe to call more than once.
  void detener();

 private:
  void leer();

  hid_device* dispositivo_;
  link::Handle handle_;
  ColaLlegadas& cola_;
  std::atomic<bool> parar_{false};
  std::thread hilo_;
};

}  // namespace orda::hid
