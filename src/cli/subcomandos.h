#pragma once
// The commands of orda-cli, apart from argument parsing so that each one
// can be run with any pair of streams.
#include <cstdint>
#include <optional>
#include <ostream>
#include <span>
#include <string>
#include <vector>

#include "core/config/configuracion.h"
#include "core/history/filas.h"
#include "core/programming/aprogramar.h"

namespace orda::cli {

inline constexpr int kSalidaBien = 0;
inline constexpr int kEntradaInvalida = 1;  // the message went to the error stream
inline constexpr int kUsoIncorrecto = 2;

// Standard output that could not be written (a full disk, a closed pipe).
inline constexpr const char* kSalidaFallida = "No se pudo escribir la salida";

// The default configuration, as a new console would save it.
int comandoNuevo(const std::string& dat, std::ostream& err);
// The configuration held by a .dat file, as JSON or as a readable listing.
int comandoExportar(const std::string& dat, bool comoTexto, std::ostream& out, std::ostream& err);
// Builds the image from a JSON document as a save would and writes the file;
// nothing is written when any value is refused.
int comandoImportar(const std::string& json, const std::string& dat, std::ostream& err);
// The image a JSON document builds, as `import` builds it; empty when a value
// was refused or the file could not be read (the reasons went to `err`).
std::optional<imagen::ImagenMemoria> imagenDeJson(const std::string& rutaJson, std::ostream& err);
// One line (or CSV row) per record of a history memory dump.
int comandoHistorial(const std::string& volcado, const std::optional<std::string>& configuracion, bool csv,
                     std::ostream& out, std::ostream& err);

// The rows of a history memory (its first 4,096 bytes), as `history` prints them.
int describirHistorial(std::span<const std::uint8_t> memoria, const config::Configuracion& cfg, bool csv,
                       std::ostream& out, std::ostream& err);

// The configuration a .dat file holds, password included; the message for
// the user when it cannot be read. Erased records take the defaults, and
// `avisos` (standard error) is told how many.
std::optional<std::string> configuracionDeArchivo(const std::string& dat, config::Configuracion& cfg,
                                                  std::ostream* avisos = nullptr);

// "El archivo tiene N registros sin programar: ..." when N > 0.
void avisarBorrados(int borrados, std::ostream& err);

// A history dump file (4,096 bytes, or a whole image whose start holds the
// history), cut to its 4,096 history bytes; the message when it is not one.
std::optional<std::string> leerVolcadoHistorial(const std::string& ruta, std::vector<std::uint8_t>& datos);

// One history row as `history` prints it.
void lineaHistorial(std::ostream& out, const history::FilaHistorial& f);

// Flushes the output: kSalidaBien, or kEntradaInvalida with a message.
int terminarSalida(std::ostream& out, std::ostream& err);

// The encoders' errors, one line each.
void informarErrores(const programming::CorridaProgramacion& corrida, std::ostream& err);

}  // namespace orda::cli
