#pragma once
// A stand-in for hidapi in the link's tests: attached devices, their input
// reports, what was written to them and their failures, all set by the test.
// Thread-safe: the transport's reader threads call in while a test drives it.
#include <array>
#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace orda::hid::falso {

using Datos = std::array<std::uint8_t, 64>;

// A device the test attached, with the failures it is set to show.
struct Dispositivo {
  int vendorId = 0;
  int productId = 0;
  bool presente = false;
  int generacion = 0;  // a re-plug makes the old handles stale
  std::deque<Datos> entrada;
  // After this many more reports are read the next read fails (-1: never);
  // `irseAlFallar` also takes it off the list then, as a pulled cable does.
  int lecturasHastaFallo = -1;
  bool irseAlFallar = false;
  bool lecturaFallida = false;
  // Reads that fail as hidapi's do when a signal interrupts their wait: -1
  // with errno EINTR. The device stays.
  int interrupciones = 0;
  int errorApertura = -1;  // errno of the opens, their hid_error(NULL) text below; -1: opens succeed
  std::wstring textoApertura;
  std::wstring textoEscritura;  // hid_error of the writes; empty: writes succeed
  std::vector<std::vector<std::uint8_t>> escrituras;
};

void reiniciar();

void enchufar(const std::string& ruta, int vendorId, int productId);
void inyectar(const std::string& ruta, const Datos& reporte);
// Changes a device under the stand-in's lock and wakes its readers. A
// device taken off the list fails the reads and writes of its open handles.
void cambiar(const std::string& ruta, const std::function<void(Dispositivo&)>& cambio);

// Every report written to it, all 65 bytes, report id first.
std::vector<std::vector<std::uint8_t>> escrituras(const std::string& ruta);
int enumeraciones();
int abiertos();
bool iniciado();

}  // namespace orda::hid::falso
