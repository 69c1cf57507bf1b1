#pragma once
// The programming run: the configuration turned into the panel's memory
// image and into the record reports that write it into the panel.
#include <vector>

#include "core/config/configuracion.h"
#include "core/imagen/imagen.h"
#include "core/link/reporte.h"
#include "core/programming/errores.h"

namespace orda::programming {

// Commands of the record reports.
inline constexpr std::uint8_t kCmdEntrada = 21;
inline constexpr std::uint8_t kCmdSalida = 22;
inline constexpr std::uint8_t kCmdGlobal = 23;
inline constexpr std::uint8_t kCmdMensaje = 24;
inline constexpr std::uint8_t kCmdTelefono = 25;
inline constexpr std::size_t kCantidadReportes = 54;

// Texts the panel keeps for its own notices (message slots 65..70); sent at
// every run, never part of the image.
inline constexpr const char* kTextosFijos[6] = {
    "Sistema activado (armado)",
    "Sistema desactivado (desarmado)",
    "Servicio Técnico Remoto habilitado",
    "Servicio Técnico Remoto finalizado",
    "Los registros históricos deben ser leídos",
    "Los registros históricos fueron formateados. Reinicio.",
};

struct CorridaProgramacion {
  std::vector<ErrorCodificacion> errores;
  std::vector<link::Reporte> reportes;  // in wire order; empty when the run stopped

  // A value the user edits could not be encoded: the image was left as it
  // was and nothing may be sent or saved.
  bool detenida() const;
};

// Erases the image (0xFF up to index 12287), runs the encoders in order
// (inputs, input texts, phone list, global block, outputs) and builds the 54
// record reports. The whole run is encoded before anything is sent, so an
// error on an edited value leaves `imagenMemoria` untouched.
CorridaProgramacion aProgramar(config::Configuracion& cfg, imagen::ImagenMemoria& imagenMemoria);

}  // namespace orda::programming
