#pragma once
// The three configuration tables with their columns, headers and defaults.
#include "core/config/tabla.h"

namespace orda::config {

// Columns of the input table.
namespace colEntradas {
inline constexpr int kNumero = 0, kAlias = 1, kGrupo = 2, kTipo = 6, kHabDisparo = 7;
inline constexpr int kRetardoActivacion = 8, kRetardoDisparo = 9;
inline constexpr int kSmsActivacion = 10, kMensajeActivacion = 18, kMensajeDesactivacion = 19;
inline constexpr int kSmsDisparo = 20, kMensajeDisparo = 28, kLlamadaDisparo = 29;
inline constexpr int kComparacionSuperior = 37, kComparacionInferior = 38;
inline constexpr int kEscalaValor = 39, kEscalaUnidad = 40;
}  // namespace colEntradas

// Columns of the output table; program k (0..3) has its mark at 3k + 3.
namespace colSalidas {
inline constexpr int kNumero = 0, kAlias = 1, kEncendida = 2;
constexpr int hab(int k) { return 3 * k + 3; }
constexpr int desde(int k) { return 3 * k + 4; }
constexpr int hasta(int k) { return 3 * k + 5; }
}  // namespace colSalidas

// Columns of the phone list; row 12 is the hidden balance-query row.
namespace colTree {
inline constexpr int kNumero = 0, kPerteneceA = 1, kPrivilegio = 2, kTelefono = 3, kDuracionRing = 4;
inline constexpr int kFilaSaldo = 12;
}  // namespace colTree

inline constexpr const char* kTipoBajo = "Activa en bajo";
inline constexpr const char* kTipoAlto = "Activa en alto";
inline constexpr const char* kNumeroSinDefinir = "**********";

Tabla nuevaTablaEntradas();
Tabla nuevaTablaSalidas();
Tabla nuevaTablaTree();

}  // namespace orda::config
