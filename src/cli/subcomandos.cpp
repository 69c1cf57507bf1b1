#include "cli/subcomandos.h"

#include <algorithm>
#include <iostream>
#include <span>
#include <vector>

#include "cli/listado.h"
#include "core/config/configuracion.h"
#include "core/files/archivos.h"
#include "core/files/mensajes.h"
#include "core/files/sistema.h"
#include "core/history/csv.h"
#include "core/history/filas.h"
#include "json/configuracion_json.h"
#include "core/programming/aprogramar.h"
#include "core/reading/decodificar.h"

namespace orda::cli {

namespace {

// A configuration document is a few kilobytes; anything far larger is
// not one and is not read into memory.
constexpr std::size_t kMaximoJson = 1 << 20;

// Reads at most `maximo` bytes of a file, or of the standard input for "-";
// `cortado` tells whether there was more.
std::optional<std::string> leerArchivo(const std::string& ruta, std::size_t maximo, std::vector<std::uint8_t>& datos,
                                       bool& cortado) {
  if (ruta != "-") return files::leerArchivo(ruta, maximo, datos, cortado);
  datos.assign(maximo + 1, 0);
  std::cin.read(reinterpret_cast<char*>(datos.data()), static_cast<std::streamsize>(datos.size()));
  if (std::cin.bad()) return std::string("No se pudo leer la entrada estándar");
  const auto n = static_cast<std::size_t>(std::cin.gcount());
  cortado = n > maximo;
  datos.resize(std::min(n, maximo));
  return std::nullopt;
}

}  // namespace

std::optional<std::string> configuracionDeArchivo(const std::string& dat, config::Configuracion& cfg,
                                                  std::ostream* avisos) {
  imagen::ImagenMemoria imagen{};
  if (auto error = files::leerImagen(dat, imagen)) return error;
  const int borrados = reading::decodificarImagen(imagen, cfg);
  reading::restaurarClave(imagen, cfg);
  if (avisos != nullptr) avisarBorrados(borrados, *avisos);
  return std::nullopt;
}

void avisarBorrados(int borrados, std::ostream& err) {
  if (borrados > 0) err << reading::textoRegistrosBorrados(borrados, false) << "\n";
}

void informarErrores(const programming::CorridaProgramacion& corrida, std::ostream& err) {
  for (const auto& e : corrida.errores) {
    err << e.titulo << ": " << e.mensaje();
    if (!e.ubicacion.empty()) err << " (" << e.ubicacion << ")";
    err << "\n";
  }
}

namespace {

// Encodes as a save does and writes the file; an encoder error on an edited
// value writes nothing.
int guardar(config::Configuracion& cfg, const std::string& dat, std::ostream& err) {
  imagen::ImagenMemoria imagen{};
  const programming::CorridaProgramacion corrida = programming::aProgramar(cfg, imagen);
  informarErrores(corrida, err);
  if (corrida.detenida()) {
    err << "No se guardó " << dat << "\n";
    return kEntradaInvalida;
  }
  if (auto error = files::escribirImagen(dat, imagen)) {
    err << *error << "\n";
    return kEntradaInvalida;
  }
  return kSalidaBien;
}

}  // namespace

int terminarSalida(std::ostream& out, std::ostream& err) {
  out.flush();
  if (out) return kSalidaBien;
  err << kSalidaFallida << "\n";
  return kEntradaInvalida;
}

void lineaHistorial(std::ostream& out, const history::FilaHistorial& f) {
  std::string numero = f.numero;
  if (numero.size() < 3) numero.insert(0, 3 - numero.size(), ' ');
  out << numero << "  " << f.fecha << "  " << f.hora << "  " << f.codigos[0] << " " << f.codigos[1] << " "
      << f.codigos[2] << " " << f.codigos[3] << "  " << f.descripcion << "\n";
}

std::optional<std::string> leerVolcadoHistorial(const std::string& ruta, std::vector<std::uint8_t>& datos) {
  bool cortado = false;
  if (auto error = leerArchivo(ruta, imagen::kTamanoImagen, datos, cortado)) return error;
  if (cortado || (datos.size() != history::kTamanoHistorial && datos.size() != imagen::kTamanoImagen)) {
    return "El archivo no es un volcado del historial: se esperan " + std::to_string(history::kTamanoHistorial) +
           " o " + std::to_string(imagen::kTamanoImagen) + " bytes";
  }
  datos.resize(history::kTamanoHistorial);
  return std::nullopt;
}

int comandoNuevo(const std::string& dat, std::ostream& err) {
  config::Configuracion cfg;
  return guardar(cfg, dat, err);
}

int comandoExportar(const std::string& dat, bool comoTexto, std::ostream& out, std::ostream& err) {
  config::Configuracion cfg;
  if (auto error = configuracionDeArchivo(dat, cfg, &err)) {
    err << *error << "\n";
    return kEntradaInvalida;
  }
  out << (comoTexto ? listarConfiguracion(cfg) : json::exportarJson(cfg));
  return terminarSalida(out, err);
}

std::optional<imagen::ImagenMemoria> imagenDeJson(const std::string& rutaJson, std::ostream& err) {
  std::vector<std::uint8_t> datos;
  bool cortado = false;
  if (auto error = leerArchivo(rutaJson, kMaximoJson, datos, cortado)) {
    err << *error << "\n";
    return std::nullopt;
  }
  if (cortado) {
    err << "El archivo es demasiado grande para ser una configuración\n";
    return std::nullopt;
  }
  config::Configuracion cfg;
  const json::ResultadoImportacion r =
      json::importarJson(std::string_view(reinterpret_cast<const char*>(datos.data()), datos.size()), cfg);
  if (!r.ok()) {
    for (const std::string& e : r.errores) err << rutaJson << ": " << e << "\n";
    return std::nullopt;
  }
  imagen::ImagenMemoria imagen{};
  const programming::CorridaProgramacion corrida = programming::aProgramar(cfg, imagen);
  informarErrores(corrida, err);
  if (corrida.detenida()) return std::nullopt;
  return imagen;
}

int comandoImportar(const std::string& rutaJson, const std::string& dat, std::ostream& err) {
  const std::optional<imagen::ImagenMemoria> imagen = imagenDeJson(rutaJson, err);
  if (!imagen) {
    err << "No se guardó " << dat << "\n";
    return kEntradaInvalida;
  }
  if (auto error = files::escribirImagen(dat, *imagen)) {
    err << *error << "\n";
    return kEntradaInvalida;
  }
  return kSalidaBien;
}

int comandoHistorial(const std::string& volcado, const std::optional<std::string>& configuracion, bool csv,
                     std::ostream& out, std::ostream& err) {
  config::Configuracion cfg;
  if (configuracion) {
    if (auto error = configuracionDeArchivo(*configuracion, cfg, &err)) {
      err << *error << "\n";
      return kEntradaInvalida;
    }
  }
  std::vector<std::uint8_t> datos;
  if (auto error = leerVolcadoHistorial(volcado, datos)) {
    err << *error << "\n";
    return kEntradaInvalida;
  }
  return describirHistorial(datos, cfg, csv, out, err);
}

int describirHistorial(std::span<const std::uint8_t> memoria, const config::Configuracion& cfg, bool csv,
                       std::ostream& out, std::ostream& err) {
  const history::Historial h = history::filasHistorial(memoria, cfg.entradas, cfg.tree);
  if (h.cantidad.limitada) err << history::kAvisoLimite << "\n";
  if (csv) {
    out << history::encabezadoCsv();
  }
  for (const history::FilaHistorial& f : h.filas) {
    if (!f.ok()) err << "Registro " << f.numero << ": " << f.error << "\n";
    if (csv) {
      out << history::filaCsv(f);
    } else {
      lineaHistorial(out, f);
    }
  }
  return terminarSalida(out, err);
}

}  // namespace orda::cli
