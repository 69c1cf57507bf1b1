#pragma once
// Two configurations compared field by field, as the console's windows show
// them: what a programming run or a file would change, and where.
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "core/config/configuracion.h"
#include "core/imagen/imagen.h"

namespace orda::compare {

enum class Ventana { Entradas, Salidas, Telefonos, Globales, Especiales, Memoria };

// The window's caption ("Programación de Entradas", ...); raw bytes belong to
// "Memoria interna de datos".
const char* tituloVentana(Ventana v);

// The control that shows the field, so that a view can take the user there.
struct Lugar {
  enum Tipo { Celda, Opcion, CajaTexto, GrupoEspecial, Byte } tipo = Celda;
  int fila = -1;    // grid row (Celda)
  int indice = -1;  // grid column, OpcionesGlobales index, Text box number, group, or image index
  bool operator==(const Lugar&) const = default;
};

struct Diferencia {
  Ventana ventana;
  std::string fila;     // "3 PUERTA" in the tables, the group box caption in Globales, else empty
  std::string campo;    // column header or box caption
  std::string antes;    // texts as the window shows them
  std::string despues;
  Lugar lugar;
  std::optional<std::size_t> offset;  // raw bytes only: the image index
};

// Every field whose stored value differs, in window order (inputs, outputs,
// phone list, global options, special functions). Values compare as the
// panel stores them: voltages, times and durations by their encoding ("1.2"
// equals "1.20"), phone numbers by their digits, texts as Windows-1252 bytes
// (the password upper-cased, as it is sent). Row labels come from `despues`.
std::vector<Diferencia> comparar(const config::Configuracion& antes, const config::Configuracion& despues);

// The image bytes that no field covers and that differ, as offset, old and
// new byte ("FF").
std::vector<Diferencia> compararBytes(const imagen::ImagenMemoria& antes, const imagen::ImagenMemoria& despues);

// Whether a field of the comparison covers image index i.
bool cubierto(std::size_t i);

// The configuration an image holds, decoded as opening a file does (the SMS
// password included), starting from a new configuration.
config::Configuracion configuracionDe(const imagen::ImagenMemoria& img);

// Two images decoded and compared, then their uncovered bytes when asked.
std::vector<Diferencia> compararImagenes(const imagen::ImagenMemoria& antes, const imagen::ImagenMemoria& despues,
                                         bool bytes);

}  // namespace orda::compare
