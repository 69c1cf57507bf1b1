#pragma once
// The panel's event log as it keeps it: 4 blocks of 102 records of 10 bytes,
// record 0 the reference record counting the records. When the log is full
// the panel formats it and notes the formatting before the new event.
#include <cstdint>

#include "core/simulator/memorias.h"

namespace orda::simulator {

// Event codes the simulated panel logs.
namespace evento {
inline constexpr std::uint8_t kReferencia = 0, kFormateado = 3, kInicio = 4, kGrabacion = 6;
inline constexpr std::uint8_t kArmadoUsb = 100, kDesarmadoUsb = 101;
inline constexpr std::uint8_t kDisparoZona = 10, kConsultaSaldoSms = 206, kRedCelular = 53;
inline constexpr std::uint8_t kLecturaHistorial = 16, kLecturaParametros = 17;
inline constexpr std::uint8_t kHoraUsb = 107, kFechaUsb = 108, kForzadoSalida = 109;
inline constexpr std::uint8_t kInicioAlimentacion = 1;  // codigo2 of kInicio
}  // namespace evento

class Historial {
 public:
  // Formatted at `t`: erased memory and a reference record counting itself.
  explicit Historial(const FechaHora& t);

  void formatear(const FechaHora& t);
  // Appends one record; a full log is formatted first (then holds the
  // reference record, "Formateado de registros" and this record).
  void agregar(const FechaHora& t, std::uint8_t c1, std::uint8_t c2 = 0, std::uint8_t c3 = 0, std::uint8_t c4 = 0);

  int cantidad() const { return cantidad_; }  // records, the reference record included
  const MemoriaHistorial& memoria() const { return memoria_; }

 private:
  void escribir(int n, const FechaHora& t, std::uint8_t c1, std::uint8_t c2, std::uint8_t c3, std::uint8_t c4);
  void actualizarReferencia();

  MemoriaHistorial memoria_{};
  int cantidad_ = 0;
};

}  // namespace orda::simulator
