#pragma once
// The panel's history memory: 4 blocks of 1024 bytes, each holding 102
// records of 10 bytes and 4 bytes that belong to no record. Record 0 is the
// reference record whose last two bytes count the records.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace orda::history {

inline constexpr std::size_t kTamanoHistorial = 4096;
inline constexpr std::size_t kTamanoBloque = 1024;
inline constexpr std::size_t kRegistrosPorBloque = 102;
inline constexpr std::size_t kTamanoRegistro = 10;
inline constexpr int kMaxRegistros = 408;  // all the memory holds

inline constexpr const char* kAvisoLimite = "Registro de referencia inválido: se muestran 408 registros";

constexpr std::size_t direccionRegistro(std::size_t n) {
  return kTamanoBloque * (n / kRegistrosPorBloque) + kTamanoRegistro * (n % kRegistrosPorBloque);
}

struct EventRecord {
  std::uint8_t anio, mes, dia, hora, minuto, segundo;
  std::uint8_t codigo1, codigo2, codigo3, codigo4;
};

EventRecord registroDeBytes(std::span<const std::uint8_t, kTamanoRegistro> bytes);

// Record n of a memory dump; empty when its bytes lie beyond the dump.
std::optional<EventRecord> registroEn(std::span<const std::uint8_t> memoria, std::size_t n);

struct CantidadRegistros {
  int anunciada = 0;  // codigo3 + 102 * codigo4 of the reference record
  int cantidad = 0;   // records to show
  bool limitada = false;  // true when anunciada was above kMaxRegistros
};

// A dump too short to hold the reference record counts no records.
CantidadRegistros cantidadRegistros(std::span<const std::uint8_t> memoria);

// "dd/mm/aa" and "hh:mm:ss"; bytes that are not BCD show what the formula
// gives (erased 0xFF is 165).
std::string fechaRegistro(const EventRecord& r);
std::string horaRegistro(const EventRecord& r);
// Two upper-case hexadecimal digits.
std::string textoCodigo(std::uint8_t codigo);

}  // namespace orda::history
