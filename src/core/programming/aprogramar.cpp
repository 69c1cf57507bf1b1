#include "core/programming/aprogramar.h"

#include <algorithm>

#include "core/programming/corrida.h"

namespace orda::programming {

bool CorridaProgramacion::detenida() const {
  return std::any_of(errores.begin(), errores.end(), [](const ErrorCodificacion& e) { return e.detiene; });
}

void Corrida::emitir(const Registro& r, std::uint8_t comando, std::uint8_t indiceReporte, const imagen::Bloque* bloque,
                     std::size_t posicion) {
  if (bloque != nullptr) {
    const std::size_t inicio = bloque->inicio(posicion);
    std::copy_n(r.bytes().begin(), r.tamano(), imagen.begin() + static_cast<std::ptrdiff_t>(inicio));
  }
  link::Reporte rep;
  rep.poner(0, 0);
  rep.poner(1, comando);
  // The global block's report keeps record byte 2 where the index would go.
  rep.poner(2, comando == kCmdGlobal ? r[2] : indiceReporte);
  for (std::size_t k = 0; k <= 61; ++k) rep.poner(k + 3, r[k]);
  reportes.push_back(rep);
}

void Corrida::error(const std::string& rutina, std::optional<int> numero, std::string ubicacion, bool detiene) {
  if (!numero) return;
  ErrorCodificacion e;
  e.rutina = rutina;
  e.titulo = tituloError(rutina);
  e.numero = *numero;
  e.descripcion = *numero == kErrorDesbordamiento ? kTextoDesbordamiento
                  : *numero == kErrorArgumento    ? kTextoArgumento
                                                  : kTextoSubindice;
  e.ubicacion = std::move(ubicacion);
  e.detiene = detiene;
  errores.push_back(std::move(e));
}

std::string ubicacionCelda(const config::Tabla& t, int fila, int col) {
  static const char* const kNombres[] = {"Programación de Entradas", "Programación de Salidas",
                                         "Listado de números telefónicos habilitados"};
  static const char* const kRegistro[] = {"entrada", "salida", "teléfono"};
  const auto tipo = static_cast<std::size_t>(t.tipo());
  const auto& spec = t.columna(col);
  const std::string columna = spec.encabezado1 + " " + spec.encabezado2;
  return std::string(kNombres[tipo]) + ": " + kRegistro[tipo] + " " + std::to_string(fila - 2) + ", «" + columna + "»";
}

CorridaProgramacion aProgramar(config::Configuracion& cfg, imagen::ImagenMemoria& imagenMemoria) {
  Corrida c;
  c.imagen = imagenMemoria;
  std::fill(c.imagen.begin(), c.imagen.begin() + imagen::kTamanoMemoria, imagen::kBorrado);

  progEntradas(cfg, c);
  progSMSentradas(cfg, c);
  progNumTel(cfg, c);
  mProgGlobal(cfg, c);
  progSalidas(cfg, c);

  CorridaProgramacion r;
  r.errores = std::move(c.errores);
  if (!r.detenida()) {
    imagenMemoria = c.imagen;
    r.reportes = std::move(c.reportes);
  }
  return r;
}

}  // namespace orda::programming
