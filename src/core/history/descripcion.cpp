#include "core/history/descripcion.h"

#include <string_view>

#include "core/config/tablas.h"

namespace orda::history {

namespace {

// How an entry builds its text; N(x) is x in decimal.
enum class Forma {
  Fijo,       // antes
  Cantidad,   // antes + N(codigo3 + 102 * codigo4) + despues
  Grupo,      // antes + N(codigo2) + despues
  Numerado,   // antes + N(codigo2 + 1) + despues
  Zona,       // antes + N(codigo2 + 1) + despues + alias of input codigo2 + 1
  Telefono,   // antes + number of phone entry codigo3 + 1
  Forzado,    // antes + N(codigo2 + 1) + despues + Desactivada/Activada by codigo3
};

constexpr int kCualquiera = -1;

struct Entrada {
  int codigo1;
  int codigo2;  // kCualquiera matches every codigo2 not listed on its own
  Forma forma;
  std::string_view antes;
  std::string_view despues = {};
};

using enum Forma;
constexpr int X = kCualquiera;

// A codigo1 listed here with no entry matching codigo2 describes as empty
// text; a codigo1 missing from here is "Sin descripción". Texts are kept
// exactly as the console has always shown them, odd spacing and spelling
// included, since users and their records compare against them.
constexpr Entrada kEventos[] = {
    // Two blanks after the colon.
    {0, X, Cantidad, "Registro de referencia:  ", " registros"},
    {1, X, Fijo, "Reservado"},
    {2, X, Fijo, "Registro de prueba"},
    {3, X, Fijo, "Formateado de registros"},
    {4, 0, Fijo, "Inicio del sistema: Reprogramación"},
    {4, 1, Fijo, "Inicio del sistema: Conexión de la alimentación"},
    {4, 2, Fijo, "Inicio del sistema: Bloqueo del proceso (WDT)"},
    {4, 3, Fijo, "Inicio del sistema: Botón de reset"},
    {4, 4, Fijo, "Inicio del sistema: Reset por USB"},
    {4, 5, Fijo, "Inicio del sistema: Error por posible disturbio electromagnético"},
    {4, 6, Fijo, "Inicio del sistema: Error por pila llena"},
    {4, 7, Fijo, "Inicio del sistema: Error por pila vacía"},
    {4, 8, Fijo, "Inicio del sistema: Error por bajo voltaje"},
    {4, X, Fijo, "Inicio del sistema: "},
    {5, X, Fijo, "Módulo de comunicación no responde: reinicio del módulo"},
    {6, X, Fijo, "Grabación de parámetros vía USB"},
    {7, X, Fijo, "Auto re-armado del sistema"},
    {8, 0, Fijo, "Sistema armado por SMS"},
    {8, 1, Fijo, "Sistema armado por zona1"},
    {8, 2, Fijo, "Sistema armado por zona2"},
    {8, 3, Fijo, "Sistema armado por USB"},
    {9, 0, Fijo, "Sistema desarmado por SMS"},
    {9, 1, Fijo, "Sistema desarmado por zona1"},
    {9, 2, Fijo, "Sistema desarmado por zona2"},
    {9, 3, Fijo, "Sistema desarmado por USB"},
    {10, X, Zona, "Disparo por zona ", ": "},
    {11, 0, Fijo, "Consulta de saldo"},
    {11, 1, Fijo, "Consulta de saldo: sin respuesta del operador"},
    {12, X, Fijo, "Error del módulo de comunicación al intentar enviar SMS"},
    {13, 1, Telefono, "Error - Número máximo de reintentos en llamada al número: "},
    {13, 2, Telefono, "Error - Número máximo de reintentos en SMS al número: "},
    {13, 3, Telefono, "Error - Número máximo de reintentos en SMS al número: "},
    {14, X, Fijo, "Error del módulo de comunicación al intentar realizar un llamado"},
    {15, X, Fijo, "Error del módulo de comunicación al intentar enviar SMS de respuesta"},
    {16, X, Fijo, "Lectura de registros históricos"},
    {17, X, Fijo, "Lectura de parámetros"},
    {50, X, Fijo, "Error de temperatura baja"},
    {51, X, Fijo, "Error de temperatura alta"},
    {53, X, Fijo, "Cambio en el registro de la red celular"},
    {54, X, Fijo, "Tarjeta SIM no insertada"},
    {55, X, Fijo, "Tarjeta SIM en funcionamiento"},
    {100, X, Fijo, "Sistema armado por USB"},
    {101, X, Fijo, "Sistema desarmado por USB"},
    {102, X, Fijo, "Sistema reseteado por USB"},
    {103, X, Fijo, "Beep desactivado por USB"},
    {104, X, Fijo, "Beep activado por USB"},
    {105, X, Fijo, "Control de SIM activado por USB"},
    {106, X, Fijo, "Control de SIM desactivado por USB"},
    {107, X, Fijo, "Actualización hora de sistema por USB"},
    {108, X, Fijo, "Actualización fecha de sistema por USB"},
    {109, X, Forzado, "Forzado de salida ", " por USB: "},
    {110, X, Fijo, "Cambio de frecuencia del sistema por USB"},
    {111, X, Fijo, "Anulación proceso GLLS por USB"},
    {112, X, Fijo, "Forzado de reinicio módulo de comunicación por USB"},
    {113, X, Fijo, "Consulta de saldo por USB"},
    {200, X, Fijo, "Sistema activado/armado por SMS"},
    {201, X, Fijo, "Sistema desactivado/desarmado por SMS"},
    {202, X, Grupo, "Grupo ", " activado/armado por SMS"},
    {203, X, Grupo, "Grupo ", " desactivado/desarmado por SMS"},
    {204, 1, Fijo, "Mensaje diario desactivado por SMS"},
    {204, 2, Fijo, "Actualización hora de mensaje dario por SMS"},
    {204, 3, Fijo, "Llamada diaria desactivada por SMS"},
    {204, 4, Fijo, "Actualización hora de llamada diaria por SMS"},
    {204, 5, Fijo, "Actualización hora de sistema por SMS"},
    {205, X, Fijo, "Actualización fecha del sistema por SMS"},
    {206, X, Fijo, "Consulta de saldo por SMS"},
    {207, X, Numerado, "Desprogramación de encendido automático de salida ", " por SMS"},
    {208, X, Numerado, "Programación de encendido automático de salida ", " por SMS"},
    {209, X, Numerado, "Agregado de número telefónico ", " por SMS"},
    {210, X, Numerado, "Número telefónico", " eliminado por SMS"},  // no blank before the number
    {211, X, Numerado, "Modificación del número telefónico ", " por SMS"},
    {212, X, Numerado, "Habilitación de entrada ", " por SMS"},
    {213, X, Numerado, "Deshabilitación de entrada ", " por SMS"},
    {214, X, Fijo, "Pedido de servicio técnico remoto"},
    {215, X, Fijo, "Pedido de Reset por SMS"},
    {216, X, Fijo, "Finalización servicio técnico remoto"},
    {217, X, Fijo, ""},
    {255, X, Fijo, "Reservado"},
};

constexpr std::string_view kSinDescripcion = "Sin descripción";

// Text of column col in grid row fila, or an error when the row is missing.
Descripcion celdaDe(const config::Tabla& tabla, int fila, int col, std::string_view nombreTabla) {
  if (!tabla.existe(fila, col)) {
    return {false, {}, "Fila " + std::to_string(fila) + " inexistente en " + std::string(nombreTabla)};
  }
  return {true, tabla.texto(fila, col), {}};
}

Descripcion componer(const Entrada& e, int c2, int c3, int c4, const config::Tabla& entradas,
                     const config::Tabla& tree) {
  std::string t(e.antes);
  const auto n = [](int v) { return std::to_string(v); };
  switch (e.forma) {
    case Fijo:
      return {true, t, {}};
    case Cantidad:
      return {true, t + n(c3 + 102 * c4) + std::string(e.despues), {}};
    case Grupo:
      return {true, t + n(c2) + std::string(e.despues), {}};
    case Numerado:
      return {true, t + n(c2 + 1) + std::string(e.despues), {}};
    case Forzado:
      return {true, t + n(c2 + 1) + std::string(e.despues) + (c3 == 0 ? "Desactivada" : "Activada"), {}};
    case Zona: {
      // Input k lies in grid row k + 2.
      Descripcion alias = celdaDe(entradas, c2 + 1 + 2, config::colEntradas::kAlias, "la tabla de entradas");
      if (!alias.ok) return alias;
      return {true, t + n(c2 + 1) + std::string(e.despues) + alias.texto, {}};
    }
    case Telefono: {
      // Phone entry k lies in grid row k + 2; entry 10 is the hidden row 12.
      Descripcion numero = celdaDe(tree, c3 + 1 + 2, config::colTree::kTelefono, "la lista de teléfonos");
      if (!numero.ok) return numero;
      return {true, t + numero.texto, {}};
    }
  }
  return {true, {}, {}};
}

}  // namespace

Descripcion describirEvento(std::uint8_t codigo1, std::uint8_t codigo2, std::uint8_t codigo3, std::uint8_t codigo4,
                            const config::Tabla& entradas, const config::Tabla& tree) {
  const Entrada* general = nullptr;
  bool conocido = false;
  for (const Entrada& e : kEventos) {
    if (e.codigo1 != codigo1) continue;
    conocido = true;
    if (e.codigo2 == codigo2) return componer(e, codigo2, codigo3, codigo4, entradas, tree);
    if (e.codigo2 == kCualquiera && general == nullptr) general = &e;
  }
  if (general != nullptr) return componer(*general, codigo2, codigo3, codigo4, entradas, tree);
  return {true, conocido ? std::string() : std::string(kSinDescripcion), {}};
}

}  // namespace orda::history
