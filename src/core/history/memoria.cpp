#include "core/history/memoria.h"

#include "core/imagen/codificacion.h"

namespace orda::history {

using imagen::desdeBcd;
using imagen::dosDigitos;

EventRecord registroDeBytes(std::span<const std::uint8_t, kTamanoRegistro> b) {
  return {b[0], b[1], b[2], b[3], b[4], b[5], b[6], b[7], b[8], b[9]};
}

std::optional<EventRecord> registroEn(std::span<const std::uint8_t> memoria, std::size_t n) {
  const std::size_t inicio = direccionRegistro(n);
  if (inicio > memoria.size() || memoria.size() - inicio < kTamanoRegistro) return std::nullopt;
  return registroDeBytes(memoria.subspan(inicio).first<kTamanoRegistro>());
}

CantidadRegistros cantidadRegistros(std::span<const std::uint8_t> memoria) {
  CantidadRegistros c;
  if (memoria.size() < kTamanoRegistro) return c;
  c.anunciada = memoria[8] + static_cast<int>(kRegistrosPorBloque) * memoria[9];
  // Erased memory announces 26265 records; the memory holds no more than 408.
  c.limitada = c.anunciada > kMaxRegistros;
  c.cantidad = c.limitada ? kMaxRegistros : c.anunciada;
  return c;
}

std::string fechaRegistro(const EventRecord& r) {
  return dosDigitos(desdeBcd(r.dia)) + "/" + dosDigitos(desdeBcd(r.mes)) + "/" + dosDigitos(desdeBcd(r.anio));
}

std::string horaRegistro(const EventRecord& r) {
  return dosDigitos(desdeBcd(r.hora)) + ":" + dosDigitos(desdeBcd(r.minuto)) + ":" + dosDigitos(desdeBcd(r.segundo));
}

std::string textoCodigo(std::uint8_t codigo) {
  constexpr const char* kHex = "0123456789ABCDEF";
  return {kHex[codigo >> 4], kHex[codigo & 15]};
}

}  // namespace orda::history
