#pragma once
// A stand-in for hidapi in the link's tests: attached devices, their input
// reports, what was written to them and their failures, all set by the test.
// Thread-safe: the transport's reader threads call in while a test drives it.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace orda::hid::falso {

using Datos = std::array<std::uint8_t, 64>;

void reiniciar();

void enchufar(const std::string& ruta, int vendorId, int productId);
// Leaves the list; reads and writes on its open handles fail from then on.
void desenchufar(const std::string& ruta);
void inyectar(const std::string& ruta, const Datos& reporte);

// After `reportes` more reports are read the next read fails; `irse` also
// takes the device off the list at that moment, as a pulled cable does.
void fallarLecturaTras(const std::string& ruta, int reportes, bool irse);
// The next `veces` reads fail as hidapi's do when a signal interrupts their
// wait: -1 with errno EINTR. The device stays.
void interrumpirLecturas(const std::string& ruta, int veces);
// errno and hid_error(NULL) of the next opens; error -1: opens succeed again.
void fallarApertura(const std::string& ruta, int error, const std::wstring& texto);
// hid_error of the next writes; an empty text: writes succeed again.
void fallarEscritura(const std::string& ruta, const std::wstring& texto);

// Every report written to it, all 65 bytes, report id first.
std::vector<std::vector<std::uint8_t>> escrituras(const std::string& ruta);
int enumeraciones();
int abiertos();
bool iniciado();

}  // namespace orda::hid::falso
