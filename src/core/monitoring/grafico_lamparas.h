#pragma once
// The trending window's lamps: which picture each input and output lamp
// shows, the pressed look of an output lamp under the mouse, and the names
// written beside them.
#include <cstdint>
#include <string>
#include <string_view>

#include "core/config/tabla.h"

namespace orda::monitoring {

namespace lamparas {
inline constexpr std::string_view kSinCanal = "LED_APAGADO_SC";
inline constexpr std::string_view kApagada = "LED_APAGADO";
inline constexpr std::string_view kVerde = "LED_ENCENDIDO_VERDE";
inline constexpr std::string_view kAmarilla = "LED_ENCENDIDO_AMARILLO";
inline constexpr std::string_view kRoja = "LED_ENCENDIDO_ROJO";
inline constexpr std::string_view kApagadaPresionada = "LED_APAGADO_DOWN";
inline constexpr std::string_view kRojaPresionada = "LED_ENCENDIDO_ROJO_DOWN";
}  // namespace lamparas

inline constexpr int kLamparasEntrada = 8;
inline constexpr int kLamparasSalida = 4;

// With no input selected (canal 0) every lamp is off and disconnected.
// Inputs: 0 off, 1 green, anything else amber. Outputs: -1 on (red), else off.
std::string_view lamparaEntrada(int canal, std::uint8_t estado);
std::string_view lamparaSalida(int canal, std::int16_t estado);

// The pressed look of an output lamp and back; any other picture stays.
std::string_view aspectoPresionado(std::string_view clave);
std::string_view aspectoNormal(std::string_view clave);

// A lamp showing the disconnected picture does not answer a click.
inline bool lamparaResponde(std::string_view clave) { return clave != lamparas::kSinCanal; }

// The alias of input or output indice + 1 (row indice + 3, column 1).
std::string aliasLampara(const config::Tabla& tabla, int indice);

}  // namespace orda::monitoring
