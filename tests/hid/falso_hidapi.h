#pragma once
// A stand-in for hidapi in the link's tests: attached devices, their input
// reports, what was written to them and their failures, all set by the test.
// Thread-safe: the transport's reader threads call in while a test drives it.
#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace orda::hid::falso {

using Datos = std::array<std::uint8_t, 64>;
// Answers to one written report (all 65 bytes, report id first).
using Respuesta = std::function<std::vector<Datos>(const std::vector<std::uint8_t>& escrito)>;

void reiniciar();

void enchufar(const std::string& ruta, int vendorId, int productId);
// Leaves the list; reads and writes on its open handles fail from then on.
void desenchufar(const std::string& ruta);
void inyectar(const std::string& ruta, const Datos& reporte);
void responder(const std::string& ruta, Respuesta respuesta);

// After `reportes` more reports are read the next read fails; `irse` also
// takes the device off the list at that moment, as a pulled cable does.
void fallarLecturaTras(const std::string& ruta, int reportes, bool irse);
// errno and hid_error(NULL) of the next opens; errno 0 leaves hidapi's text only.
void fallarApertura(const std::string& ruta, int error, const std::wstring& texto);
void abrirBien(const std::string& ruta);
void fallarEscritura(const std::string& ruta, const std::wstring& texto);
void escribirBien(const std::string& ruta);

std::vector<std::vector<std::uint8_t>> escrituras(const std::string& ruta);
int enumeraciones();
int abiertos();
int lecturasEnCurso();
bool iniciado();

}  // namespace orda::hid::falso
