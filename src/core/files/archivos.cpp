#include "core/files/archivos.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <random>
#include <system_error>

#include "core/files/mensajes.h"
#include "core/texto/cp1252.h"

namespace orda::files {

namespace fs = std::filesystem;

namespace {

std::string errorEscritura(int error) { return kPrefijoEscritura + motivoDelSistema(error); }
std::string errorLectura(int error) { return kPrefijoLectura + motivoDelSistema(error); }

// A hidden name beside the target; "x" makes fopen refuse an existing file,
// so two saves never share a temporary.
std::FILE* crearTemporal(const fs::path& destino, fs::path& temporal, int& error) {
  static std::mt19937 azar{std::random_device{}()};
  for (int intento = 0; intento < 16; ++intento) {
    char sufijo[16];
    // Independent of the target's name, so a name near the length limit
    // still saves.
    std::snprintf(sufijo, sizeof sufijo, "%08x", static_cast<unsigned>(azar()));
    temporal = destino.parent_path() / (std::string(".orda-") + sufijo + ".tmp");
    errno = 0;
    if (std::FILE* f = std::fopen(temporal.string().c_str(), "wbx")) return f;
    error = errno;
    if (error != EEXIST) return nullptr;
  }
  return nullptr;
}

// Writes, flushes and closes; the errno of the first failure, or 0.
int volcar(std::FILE* f, const imagen::ImagenMemoria& imagen) {
  errno = 0;
  int error = 0;
  if (std::fwrite(imagen.data(), 1, imagen.size(), f) != imagen.size() || std::fflush(f) != 0) {
    error = errno != 0 ? errno : EIO;
  }
  errno = 0;
  if (std::fclose(f) != 0 && error == 0) error = errno != 0 ? errno : EIO;
  return error;
}

}  // namespace

std::optional<std::string> escribirImagen(const std::string& ruta, const imagen::ImagenMemoria& imagen) {
  fs::path destino(ruta);
  std::error_code ec;
  if (fs::is_directory(destino, ec)) return errorEscritura(EISDIR);
  // Saving through a link updates the file it points to, not the link.
  if (fs::is_symlink(destino, ec)) {
    destino = fs::weakly_canonical(destino, ec);
    if (ec) return errorEscritura(ec.value());
  }

  fs::path temporal;
  int error = 0;
  std::FILE* f = crearTemporal(destino, temporal, error);
  if (f == nullptr) return errorEscritura(error);

  error = volcar(f, imagen);
  if (error == 0) {
    // Keep the permissions of the file being replaced; a failure here does
    // not put the data at risk, so the save goes on.
    const fs::file_status anterior = fs::status(destino, ec);
    if (!ec && fs::exists(anterior)) fs::permissions(temporal, anterior.permissions(), ec);
    fs::rename(temporal, destino, ec);
    if (ec) error = ec.value();
  }
  if (error != 0) {
    fs::remove(temporal, ec);
    return errorEscritura(error);
  }
  return std::nullopt;
}

std::optional<std::string> leerImagen(const std::string& ruta, imagen::ImagenMemoria& imagen) {
  std::error_code ec;
  const fs::file_status estado = fs::status(fs::path(ruta), ec);
  if (ec) return errorLectura(ec.value());
  if (fs::is_directory(estado)) return errorLectura(EISDIR);
  // A device or a pipe is no configuration file, and reading one may block.
  if (!fs::is_regular_file(estado)) return std::string(kPrefijoLectura) + "No es un archivo común";

  errno = 0;
  std::FILE* f = std::fopen(ruta.c_str(), "rb");
  if (f == nullptr) return errorLectura(errno);
  imagen::ImagenMemoria leida{};
  errno = 0;
  const std::size_t n = std::fread(leida.data(), 1, leida.size(), f);
  const int error = std::ferror(f) != 0 ? (errno != 0 ? errno : EIO) : 0;
  std::fclose(f);  // read-only: nothing to lose on close
  if (error != 0) return errorLectura(error);
  if (n < leida.size()) return mensajeTamano(n);
  imagen = leida;
  return std::nullopt;
}

std::string_view nombreDeArchivo(std::string_view ruta) {
  const std::size_t barra = ruta.find_last_of("/\\");
  return barra == std::string_view::npos ? ruta : ruta.substr(barra + 1);
}

std::string textoGuardado(std::string_view ruta, std::string_view hora) {
  return "Archivo " + texto::mayusculas(ruta) + " guardado - " + std::string(hora);
}

std::string textoAbierto(std::string_view ruta, std::string_view hora) {
  return "Archivo " + texto::mayusculas(ruta) + " abierto - " + std::string(hora);
}

std::string tituloVentana(std::string_view ruta) {
  return "Ordavix - " + texto::mayusculas(nombreDeArchivo(ruta));
}

}  // namespace orda::files
