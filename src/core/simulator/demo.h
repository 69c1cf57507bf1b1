#pragma once
// The configuration the simulated panel leaves the factory with: a small
// house with a front door, a window, a motion sensor, a water tank and a
// panic button; three people and the technical service in the phone list;
// a siren, a yard light, a pump and a gate. docs/simulador.md lists it.
#include <cstdint>

#include "core/config/configuracion.h"
#include "core/simulator/historial_panel.h"
#include "core/simulator/memorias.h"

namespace orda::simulator {

inline constexpr const char* kVersionDemo = "202";
inline constexpr const char* kSerialDemo = "12345";

config::Configuracion configuracionDemostracion();

// The data memory a programming run of the demo configuration leaves.
MemoriaDatos memoriaDemostracion();

// A few days of past events before the power-up at `encendido` (moved by up
// to a minute by `semilla`), ending with the power-up itself.
void historialDemostracion(Historial& h, const FechaHora& encendido, std::uint64_t semilla);

}  // namespace orda::simulator
