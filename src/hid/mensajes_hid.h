#pragma once
// Device log lines of the USB link: what failed and, where there is one, the fix.
#include <string>

namespace orda::hid {

inline constexpr const char* kAperturaSinPermiso =
    "No se pudo abrir el panel (permiso denegado). Instale la regla udev 60-orda.rules y "
    "vuelva a conectar el panel.";

// A failed open of the device node `ruta`; `errorGuardado` is errno taken
// right after the open, `textoHid` what hid_error(NULL) said.
std::string mensajeApertura(const char* ruta, int errorGuardado, const wchar_t* textoHid);
std::string mensajeEscritura(const wchar_t* textoHid);
std::string mensajeInicio(const wchar_t* textoHid);

// The reason as hidapi words it, in UTF-8; the system's text for `errorGuardado`
// when hidapi has none.
std::string motivoHid(const wchar_t* textoHid, int errorGuardado);

}  // namespace orda::hid
