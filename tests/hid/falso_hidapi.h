#pragma once
// A stand-in for hidapi in the link's tests: attached devices, their input
// reports, what was written to them and their failures, all set by the test.
// Thread-safe: the transport's reader threads call in while a test drives it.
#include <array>
#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace orda::hid::falso {

using Datos = std::array<std::uint8_t, 64>;

// A device the test attached, with the failures it is set to show.
struct Dispositivo {
  int vendorId = 0;
  int productId = 0;
  bool presente = false;
  bool roto = false;       // its reads fail, yet it stays listed
  int interrupciones = 0;  // reads that fail as a signal makes them: -1 with errno EINTR
  std::pair<int, std::wstring> apertura;  // errno and hid_error(NULL) of the opens; errno 0: they succeed
  std::wstring textoEscritura;  // hid_error of the writes; empty: writes succeed
  std::deque<Datos> entrada;
  std::vector<std::vector<std::uint8_t>> escrituras;  // all 65 bytes, report id first
};

void reiniciar();
// Listed (again) in path order, with nothing to read and its reads sound.
void enchufar(const std::string& ruta, int vendorId, int productId);
void inyectar(const std::string& ruta, const Datos& reporte);
// Changes a device under the stand-in's lock and wakes its readers. A device
// no longer present fails the reads and writes of its open handles.
void cambiar(const std::string& ruta, const std::function<void(Dispositivo&)>& cambio);
std::vector<std::vector<std::uint8_t>> escrituras(const std::string& ruta);
int enumeraciones();
int abiertos();

}  // namespace orda::hid::falso
