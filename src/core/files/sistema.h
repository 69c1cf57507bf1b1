#pragma once
// The operating system's side of every file the console reads or writes:
// the one writer (configuration files, history dumps, CSV exports, logs)
// and the one reader of whole files.
//
// What the writer guarantees:
// - only a missing path (created), a regular file or a link to one (its
//   target replaced, permissions and owner kept) is written; a device, a
//   pipe, a folder or a broken link is refused and left alone;
// - the data goes to a temporary file of random name in the destination's
//   folder, created exclusively and never through a link, flushed to disk,
//   then renamed over the destination, and the folder flushed: the
//   destination holds the old content or the new, never a part;
// - once protegerEscrituras() has run, SIGINT, SIGTERM and SIGHUP arriving
//   during a write wait until the temporary is renamed or removed, so no
//   signal leaves one behind.
// Writes come from one thread at a time.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace orda::files {

// `datos` written whole to `ruta`, or nothing changed; the message for the
// user on failure.
std::optional<std::string> escribirArchivo(const std::string& ruta, std::span<const std::uint8_t> datos);
std::optional<std::string> escribirArchivo(const std::string& ruta, std::string_view datos);

// Whether a write to `ruta` could go ahead now: its folder exists and takes
// new files, and the path is missing, a regular file or a link to one. For
// commands that fetch the data first and must not fetch it in vain.
std::optional<std::string> comprobarDestino(const std::string& ruta);

// Reads up to `maximo` bytes of a regular file; `cortado` tells whether it
// held more. A pipe, a device or a folder is refused at once (reading one
// could wait for ever).
std::optional<std::string> leerArchivo(const std::string& ruta, std::size_t maximo, std::vector<std::uint8_t>& datos,
                                       bool& cortado);

// Installs the handlers of SIGINT, SIGTERM and SIGHUP that hold a signal
// back while a write is in progress; outside one, the signal ends the
// program as it would have. A signal the program was started ignoring stays
// ignored. Call once, early, before any thread starts.
void protegerEscrituras();

}  // namespace orda::files
