#pragma once
// Shared state of one programming run while the encoders fill it.
#include <string>
#include <vector>

#include "core/config/configuracion.h"
#include "core/imagen/imagen.h"
#include "core/link/reporte.h"
#include "core/programming/errores.h"
#include "core/programming/registro.h"

namespace orda::programming {

struct Corrida {
  imagen::ImagenMemoria imagen;
  std::vector<link::Reporte> reportes;
  std::vector<ErrorCodificacion> errores;

  // Copies the record into the image (when `imagenEn` is given) and queues
  // its report: record bytes 0..61 at report bytes 3..64.
  void emitir(const Registro& r, std::uint8_t comando, std::uint8_t indice, const imagen::Bloque* bloque,
              std::size_t posicion);
  void error(const std::string& rutina, std::optional<int> numero, std::string ubicacion, bool detiene = true);
};

void progEntradas(const config::Configuracion& cfg, Corrida& c);
void progSMSentradas(const config::Configuracion& cfg, Corrida& c);
void progNumTel(config::Configuracion& cfg, Corrida& c);
void mProgGlobal(const config::Configuracion& cfg, Corrida& c);
void progSalidas(const config::Configuracion& cfg, Corrida& c);

// "Programación de Entradas: entrada 3, «Retardo de activación [mseg]»"
std::string ubicacionCelda(const config::Tabla& t, int fila, int col);

}  // namespace orda::programming
