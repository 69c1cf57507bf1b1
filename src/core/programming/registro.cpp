#include "core/programming/registro.h"

#include "core/imagen/codificacion.h"
#include "core/texto/cp1252.h"
#include "core/texto/numero.h"

namespace orda::programming {

std::optional<int> Registro::texto(std::size_t offset, std::size_t n, std::string_view utf8) {
  const std::vector<std::uint8_t> b = texto::aCp1252(utf8);
  if (b.size() + 1 > n) return kErrorSubindice;
  for (std::size_t i = 0; i < b.size(); ++i) bytes_.at(offset + i) = b[i];
  bytes_.at(offset + b.size()) = 0;
  return std::nullopt;
}

std::optional<int> Registro::uint8(std::size_t offset, std::string_view textoNumero) {
  const auto v = texto::redondeoPar(texto::numeroInicial(textoNumero), 1);
  if (!v || *v < 0 || *v > 255) return kErrorDesbordamiento;
  bytes_.at(offset) = static_cast<std::uint8_t>(*v);
  return std::nullopt;
}

std::optional<int> Registro::uint16(std::size_t offset, std::optional<std::int64_t> valor) {
  if (!valor || *valor < 0 || *valor > 0xFFFF) return kErrorDesbordamiento;
  bytes_.at(offset) = static_cast<std::uint8_t>(*valor & 0xFF);
  bytes_.at(offset + 1) = static_cast<std::uint8_t>(*valor >> 8);
  return std::nullopt;
}

void Registro::hora(std::size_t offset, std::string_view t, std::size_t cuantos) {
  for (std::size_t k = 0; k < cuantos; ++k) bytes_.at(offset + k) = imagen::byteHora(t, k);
}

std::string tituloError(const std::string& rutina) {
  // The SMS-text routine's title has no "en", as the panel software always showed it.
  if (rutina == "progSMSentradas") return "Información de Error progSMSentradas";
  return "Información de Error en " + rutina;
}

}  // namespace orda::programming
