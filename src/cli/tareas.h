#pragma once
// The device commands of orda-cli, each one task of a SesionPanel.
#include <cstdint>
#include <optional>
#include <ostream>
#include <span>
#include <string>
#include <vector>

#include "cli/sesion_panel.h"
#include "core/config/configuracion.h"
#include "core/programming/puesta_en_hora.h"

namespace orda::cli {

// What `read`, `program` and `history` archive with --site (the
// installations library lives outside these tasks, see cli/sitios.h).
// Each call prints its own messages and gives the exit status.
class Archivador {
 public:
  virtual ~Archivador() = default;
  // Before the panel is looked for: the library opens, a named site exists.
  virtual std::optional<std::string> preparar() = 0;
  // --site auto: the site is the one with the panel's serial, so a history
  // retrieval reads the configuration first to learn it.
  virtual bool porSerie() const = 0;
  virtual int version(const imagen::ImagenMemoria& img, const std::string& serial, bool programada,
                      std::ostream& err) = 0;
  // alias: the configuration that describes the events, or null for the site's own.
  virtual int historial(std::span<const std::uint8_t> memoria, const std::string& serial,
                        const config::Configuracion* alias, std::ostream& err) = 0;
};

// `read -o FILE.dat`: the configuration memory, saved as it stood when its
// last block arrived. Nothing is written unless the whole transfer came; a
// destination that could not take the file is refused before the panel is
// asked.
class TareaLeer : public Tarea {
 public:
  explicit TareaLeer(std::string ruta, Archivador* archivador = nullptr)
      : ruta_(std::move(ruta)), archivador_(archivador) {}
  std::optional<std::string> preparar(SesionPanel& s) override;
  void iniciar(SesionPanel& s, std::int64_t ahoraMs) override;
  void secuenciaTerminada(const link::ResultadoSecuencia& r) override;

 private:
  std::string ruta_;
  Archivador* archivador_;
};

// `program FILE.dat`: the file's configuration, then the programming run
// with the computer's date and time. Prints the unacknowledged records.
class TareaProgramar : public Tarea {
 public:
  explicit TareaProgramar(std::string ruta, Archivador* archivador = nullptr)
      : ruta_(std::move(ruta)), archivador_(archivador) {}
  std::optional<std::string> preparar(SesionPanel& s) override;
  void iniciar(SesionPanel& s, std::int64_t ahoraMs) override;
  void secuenciaTerminada(const link::ResultadoSecuencia& r) override;

 private:
  std::string ruta_;
  Archivador* archivador_;
};

// `history [--csv] [-o DUMP] [--config FILE.dat]`: the history memory,
// described as `history DUMP` describes a file; -o also keeps its 4,096 bytes
// (its destination checked before the panel is asked).
class TareaHistorial : public Tarea {
 public:
  TareaHistorial(std::optional<std::string> volcado, std::optional<std::string> configuracion, bool csv,
                 Archivador* archivador = nullptr)
      : volcado_(std::move(volcado)), rutaConfiguracion_(std::move(configuracion)), csv_(csv), archivador_(archivador) {}
  std::optional<std::string> preparar(SesionPanel& s) override;
  void iniciar(SesionPanel& s, std::int64_t ahoraMs) override;
  void avanzar(SesionPanel& s, std::int64_t ahoraMs) override;
  void secuenciaTerminada(const link::ResultadoSecuencia& r) override;

 private:
  std::optional<std::string> volcado_;
  std::optional<std::string> rutaConfiguracion_;
  bool csv_;
  Archivador* archivador_;
  config::Configuracion alias_;
  std::optional<std::string> serial_;  // the panel's, once its configuration was read
  bool historialPedido_ = false;
};

// `send TEXT`: a typed command; the panel's answers within one second, one
// line each.
class TareaEnviar : public Tarea {
 public:
  static constexpr std::int64_t kEsperaRespuestaMs = 1000;

  explicit TareaEnviar(std::string texto) : texto_(std::move(texto)) {}
  std::optional<std::string> preparar(SesionPanel& s) override;
  void iniciar(SesionPanel& s, std::int64_t ahoraMs) override;
  void avanzar(SesionPanel& s, std::int64_t ahoraMs) override;
  std::optional<std::int64_t> proximoVencimiento() const override { return hasta_; }
  void agregarAlRegistro(const std::string& texto, link::Color color) override;

 private:
  std::string texto_;
  std::optional<std::int64_t> hasta_;
  int respuestas_ = 0;
};

// `monitor [--seconds N]`: the live values poll ("va" and "vA" in turn);
// one line per pair of answers.
class TareaMonitor : public Tarea {
 public:
  explicit TareaMonitor(int segundos) : segundos_(segundos) {}
  void iniciar(SesionPanel& s, std::int64_t ahoraMs) override;
  void avanzar(SesionPanel& s, std::int64_t ahoraMs) override;
  std::optional<std::int64_t> proximoVencimiento() const override { return hasta_; }
  void actGraf(const link::ValoresAnalogicos& v) override;
  void actLedEntradas(const link::EstadoEntradas& e) override;
  void actLedSalidas(const link::EstadoSalidas& s) override;

 private:
  int segundos_;
  std::int64_t inicio_ = 0;
  std::optional<std::int64_t> hasta_;
  link::ValoresAnalogicos valores_{};
  link::EstadoEntradas entradas_{};
  bool valoresNuevos_ = false;
  int lineas_ = 0;
};

// `clock`: the panel's clock set from the computer's ("cH" then "cF",
// through the acknowledged sender).
class TareaReloj : public Tarea {
 public:
  void iniciar(SesionPanel& s, std::int64_t ahoraMs) override;
  void avanzar(SesionPanel& s, std::int64_t ahoraMs) override;
  std::optional<std::int64_t> proximoVencimiento() const override;
  void agregarAlRegistro(const std::string& texto, link::Color color) override;

 private:
  programming::FechaHora hora_{};
  int confirmaciones_ = 0;
  std::optional<std::int64_t> colaVaciaDesde_;
};

// "07/03/2025 13:45:00"
std::string textoFechaHora(const programming::FechaHora& t);

}  // namespace orda::cli
