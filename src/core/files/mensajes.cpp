#include "core/files/mensajes.h"

#include <array>
#include <system_error>
#include <utility>

namespace orda::files {

namespace {

// Spanish wording of the reasons a user meets most often.
constexpr std::array<std::pair<std::errc, const char*>, 11> kMotivos = {{
    {std::errc::no_such_file_or_directory, "No existe el archivo o la carpeta"},
    {std::errc::permission_denied, "Permiso denegado"},
    {std::errc::operation_not_permitted, "Operación no permitida"},
    {std::errc::is_a_directory, "Es una carpeta"},
    {std::errc::not_a_directory, "Una parte de la ruta no es una carpeta"},
    {std::errc::no_space_on_device, "No queda espacio en el disco"},
    {std::errc::read_only_file_system, "El disco es de solo lectura"},
    {std::errc::io_error, "Error de entrada/salida"},
    {std::errc::filename_too_long, "El nombre es demasiado largo"},
    {std::errc::device_or_resource_busy, "El archivo está en uso"},
    {std::errc::too_many_files_open, "Demasiados archivos abiertos"},
}};

}  // namespace

std::string mensajeTamano(std::uintmax_t bytes) {
  return "El archivo no es una configuración válida (" + std::to_string(bytes) + " bytes)";
}

std::string motivoDelSistema(int error) {
  if (error == 0) error = static_cast<int>(std::errc::io_error);
  const std::error_code ec(error, std::generic_category());
  for (const auto& [cual, texto] : kMotivos) {
    if (ec == cual) return texto;
  }
  return ec.message();
}

}  // namespace orda::files
