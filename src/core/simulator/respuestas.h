#pragma once
// How the panel words its answers: text reports and the command text it
// reads from a report.
#include <string>
#include <string_view>

#include "core/link/reporte.h"

namespace orda::simulator {

// A text answer: the characters from byte 1, then zeros (at most 63).
link::BufferReporte reporteTexto(std::string_view texto);

// The text of a typed command: bytes from 1 up to CR, NUL or the end,
// unprintable bytes shown as '?', at most `maximo` characters.
std::string textoComando(const link::BufferReporte& reporte, std::size_t maximo = 20);

}  // namespace orda::simulator
