#include "hid/mensajes_hid.h"

#include <cerrno>
#include <cstring>

#include <QString>

#if defined(__unix__) || defined(__APPLE__)
#include <unistd.h>
#endif

namespace orda::hid {

namespace {

bool permisoDenegado(const char* ruta, int errorGuardado) {
  if (errorGuardado == EACCES || errorGuardado == EPERM) return true;
#if defined(__unix__) || defined(__APPLE__)
  // hidapi may clobber errno while it cleans up; the node itself tells for sure.
  if (ruta != nullptr && ::access(ruta, R_OK | W_OK) != 0) return errno == EACCES || errno == EPERM;
#else
  (void)ruta;
#endif
  return false;
}

}  // namespace

std::string motivoHid(const wchar_t* textoHid, int errorGuardado) {
  if (textoHid != nullptr) {
    const QString texto = QString::fromWCharArray(textoHid).trimmed();
    // hidapi answers "Success" when it recorded nothing.
    if (!texto.isEmpty() && texto != QLatin1String("Success")) return texto.toStdString();
  }
  if (errorGuardado != 0) return std::strerror(errorGuardado);
  return "error desconocido";
}

std::string mensajeApertura(const char* ruta, int errorGuardado, const wchar_t* textoHid) {
  if (permisoDenegado(ruta, errorGuardado)) return kAperturaSinPermiso;
  return "No se pudo abrir el panel (" + motivoHid(textoHid, errorGuardado) + ").";
}

std::string mensajeEscritura(const wchar_t* textoHid) {
  return "No se pudo enviar al panel (" + motivoHid(textoHid, 0) + ").";
}

std::string mensajeInicio(const wchar_t* textoHid) {
  return "No se pudo iniciar el acceso USB (" + motivoHid(textoHid, 0) + ").";
}

}  // namespace orda::hid
