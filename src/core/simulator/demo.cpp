#include "core/simulator/demo.h"

#include <algorithm>
#include <array>
#include <string>

#include "core/config/tablas.h"
#include "core/programming/aprogramar.h"
#include "core/simulator/azar.h"
#include "core/simulator/reloj_panel.h"

namespace orda::simulator {

namespace {

using namespace config;

struct DemoEntrada {
  const char* alias;
  bool enBajo;
  const char* superior;
  const char* inferior;
  const char* habDisparo;  // picture of the trigger-enable mark
  const char* retardoActivacion;
  const char* retardoDisparo;
  int grupo;               // 1..4
  const char* escala;
  const char* unidad;
  const char* mensajeActivacion;
  const char* mensajeDesactivacion;
  const char* mensajeDisparo;
  std::array<int, 3> smsActivacion, smsDisparo, llamadaDisparo;  // phone entries, 0 = none
};

constexpr std::array<DemoEntrada, kCantidadEntradas> kEntradasDemo = {{
    {"PUERTA PPAL", true, "1.20", "0.50", imagenes::kMarcado, "600", "5", 1, "1.000", "", "PUERTA PRINCIPAL ABIERTA",
     "PUERTA PRINCIPAL CERRADA", "ALARMA: INTRUSION POR PUERTA PRINCIPAL", {1, 2, 0}, {1, 2, 3}, {1, 3, 0}},
    {"VENTANA COC", true, "1.20", "0.50", imagenes::kMarcado, "600", "2", 1, "1.000", "", "VENTANA COCINA ABIERTA",
     "VENTANA COCINA CERRADA", "ALARMA: INTRUSION POR VENTANA COCINA", {1, 0, 0}, {1, 2, 0}, {1, 0, 0}},
    {"MOVIMIENTO", false, "2.50", "1.80", imagenes::kNoMarcado, "200", "1", 2, "1.000", "", "", "", "", {0, 0, 0},
     {0, 0, 0}, {0, 0, 0}},
    {"TEMP TANQUE", false, "2.50", "1.80", imagenes::kMarcadoRG, "1000", "30", 3, "30.30", "C",
     "TEMPERATURA ALTA EN TANQUE", "TEMPERATURA NORMAL EN TANQUE", "", {3, 0, 0}, {0, 0, 0}, {0, 0, 0}},
    {"NIVEL TANQUE", true, "1.20", "0.50", imagenes::kNoMarcado, "2000", "1", 3, "30.30", "%", "TANQUE VACIO",
     "TANQUE CON AGUA", "", {3, 0, 0}, {0, 0, 0}, {0, 0, 0}},
    {"PRESION", false, "2.50", "1.80", imagenes::kNoMarcado, "600", "1", 3, "10.00", "BAR", "", "", "", {0, 0, 0},
     {0, 0, 0}, {0, 0, 0}},
    {"HUMO COCINA", false, "2.50", "1.80", imagenes::kMarcado24, "600", "1", 4, "1.000", "",
     "HUMO EN COCINA", "", "ALARMA: HUMO EN COCINA", {1, 2, 0}, {1, 2, 3}, {1, 2, 3}},
    {"PANICO", true, "1.20", "0.50", imagenes::kMarcado24, "100", "0", 4, "1.000", "", "", "",
     "PANICO: PEDIDO DE AUXILIO", {0, 0, 0}, {1, 2, 3}, {1, 2, 3}},
}};

struct DemoTelefono {
  const char* nombre;
  const char* privilegio;
  const char* numero;
  const char* ring;
};

// Entries 1..9 of the phone list; 9 is the technical service. Every value
// is one the editors accept (rings up to 14 s), so the demo saves and
// programs back as it reads.
constexpr std::array<DemoTelefono, 9> kTelefonosDemo = {{
    {"JUAN PEREZ", "1", "1143215678", "12"},
    {"MARIA GOMEZ", "1", "1156784321", "12"},
    {"GUARDIA", "2", "1149876543", "14"},
    {"VECINO", "3", "1147770011", "10"},
    {"", "0", kNumeroSinDefinir, "5"},
    {"", "0", kNumeroSinDefinir, "5"},
    {"", "0", kNumeroSinDefinir, "5"},
    {"", "0", kNumeroSinDefinir, "5"},
    {"SERV TECNICO", "1", "1140001234", "5"},
}};

struct DemoSalida {
  const char* alias;
  bool encendida;
  const char* desde;  // program 1, "" when off
  const char* hasta;
};

constexpr std::array<DemoSalida, kCantidadSalidas> kSalidasDemo = {{
    {"SIRENA", false, "", ""},
    {"LUZ PATIO", false, "20:00", "06:30"},
    {"BOMBA AGUA", true, "07:00", "07:30"},
    {"PORTON", false, "", ""},
}};

void marcarTelefonos(Tabla& t, int fila, int primeraColumna, const std::array<int, 3>& telefonos) {
  for (int n : telefonos) {
    if (n > 0) t.marcar(fila, primeraColumna + n - 1, true);
  }
}

void cargarEntradas(Tabla& t) {
  using namespace colEntradas;
  for (int i = 0; i < kCantidadEntradas; ++i) {
    const DemoEntrada& d = kEntradasDemo[static_cast<std::size_t>(i)];
    const int f = Tabla::kPrimeraFila + i;
    t.ponerTexto(f, kAlias, d.alias);
    t.ponerTexto(f, kTipo, d.enBajo ? kTipoBajo : kTipoAlto);
    t.ponerImagen(f, kTipo, d.enBajo ? imagenes::kFlancoDesc : imagenes::kFlancoAsc);
    t.ponerTexto(f, kComparacionSuperior, d.superior);
    t.ponerTexto(f, kComparacionInferior, d.inferior);
    t.ponerImagen(f, kHabDisparo, d.habDisparo);
    t.ponerTexto(f, kRetardoActivacion, d.retardoActivacion);
    t.ponerTexto(f, kRetardoDisparo, d.retardoDisparo);
    t.marcar(f, kGrupo + d.grupo - 1, true);
    t.ponerTexto(f, kEscalaValor, d.escala);
    t.ponerTexto(f, kEscalaUnidad, d.unidad);
    t.ponerTexto(f, kMensajeActivacion, d.mensajeActivacion);
    t.ponerTexto(f, kMensajeDesactivacion, d.mensajeDesactivacion);
    t.ponerTexto(f, kMensajeDisparo, d.mensajeDisparo);
    marcarTelefonos(t, f, kSmsActivacion, d.smsActivacion);
    marcarTelefonos(t, f, kSmsDisparo, d.smsDisparo);
    marcarTelefonos(t, f, kLlamadaDisparo, d.llamadaDisparo);
  }
}

void cargarTelefonos(Tabla& t) {
  using namespace colTree;
  for (std::size_t k = 0; k < kTelefonosDemo.size(); ++k) {
    const DemoTelefono& d = kTelefonosDemo[k];
    const int f = Tabla::kPrimeraFila + static_cast<int>(k);
    t.ponerTexto(f, kPerteneceA, d.nombre);
    t.ponerTexto(f, kPrivilegio, d.privilegio);
    t.ponerTexto(f, kTelefono, d.numero);
    t.ponerTexto(f, kDuracionRing, d.ring);
  }
}

void cargarSalidas(Tabla& t) {
  using namespace colSalidas;
  for (int i = 0; i < kCantidadSalidas; ++i) {
    const DemoSalida& d = kSalidasDemo[static_cast<std::size_t>(i)];
    const int f = Tabla::kPrimeraFila + i;
    t.ponerTexto(f, kAlias, d.alias);
    t.marcar(f, kEncendida, d.encendida);
    if (*d.desde != '\0') {
      t.marcar(f, hab(0), true);
      t.ponerTexto(f, desde(0), d.desde);
      t.ponerTexto(f, hasta(0), d.hasta);
    }
  }
}

void cargarGlobales(Configuracion& c) {
  Globales& g = c.globales;
  g.opciones[opcion::kLlamadaDiaria] = 0;
  g.opciones[opcion::kSmsDiario] = 1;
  g.opciones[opcion::kSmsDiarioA] = 1;           // daily SMS to entry 1
  g.opciones[opcion::kAvisoArmadoA] = 1;         // arming notice to entries 1 and 2
  g.opciones[opcion::kAvisoArmadoA + 1] = 1;
  for (int k = 0; k < 4; ++k) g.opciones[static_cast<std::size_t>(opcion::kGrupoHabilitado + k)] = 1;
  g.opciones[opcion::kUsoClave] = 1;
  cambiarTextoGlobal(c, caja::kHoraSms, "09:00");
  cambiarTextoGlobal(c, caja::kMensajeSms, "CASA: SISTEMA EN LINEA");
  cambiarTextoGlobal(c, caja::kDuracionDisparo, "3");
  cambiarTextoGlobal(c, caja::kNumeroSaldo, "611");
  cambiarTextoGlobal(c, caja::kClave, "4321");
  c.especiales.seleccionar(2);   // input 1 arms and disarms
  c.especiales.seleccionar(9);   // output 1: siren with arming notice
  c.especiales.seleccionar(13);  // output 3: system armed
  c.versionPanel = kVersionDemo;
  c.serialPanel = kSerialDemo;
}

// Past events: days before the power-up, time of day, codes.
struct EventoPasado {
  int diasAntes, hora, minuto, segundo;
  std::uint8_t c1, c2, c3;
};

constexpr std::array<EventoPasado, 16> kPasado = {{
    {3, 9, 12, 5, evento::kFormateado, 0, 0},
    {3, 9, 12, 7, evento::kInicio, evento::kInicioAlimentacion, 0},
    {3, 9, 20, 31, evento::kHoraUsb, 0, 0},
    {3, 9, 20, 32, evento::kFechaUsb, 0, 0},
    {3, 9, 21, 10, evento::kGrabacion, 0, 0},
    {3, 9, 25, 0, evento::kArmadoUsb, 0, 0},
    {2, 22, 14, 37, evento::kDisparoZona, 0, 0},
    {2, 22, 16, 2, 13, 2, 1},                    // SMS retries to entry 2 exhausted
    {2, 22, 20, 45, evento::kDesarmadoUsb, 0, 0},
    {1, 7, 0, 0, 8, 1, 0},                       // armed by zone 1
    {1, 18, 30, 12, evento::kForzadoSalida, 1, 1},
    {1, 18, 45, 3, evento::kForzadoSalida, 1, 0},
    {1, 20, 0, 40, evento::kConsultaSaldoSms, 0, 0},
    {1, 23, 58, 19, evento::kRedCelular, 0, 0},
    {0, 6, 2, 55, evento::kDisparoZona, 6, 0},
    {0, 6, 3, 30, 9, 0, 0},                      // disarmed by SMS
}};

}  // namespace

Configuracion configuracionDemostracion() {
  Configuracion c;
  cargarEntradas(c.entradas);
  cargarTelefonos(c.tree);
  cargarSalidas(c.salidas);
  cargarGlobales(c);
  return c;
}

MemoriaDatos memoriaDemostracion() {
  Configuracion c = configuracionDemostracion();
  imagen::ImagenMemoria img{};
  programming::aProgramar(c, img);
  MemoriaDatos m{};
  std::copy_n(img.begin(), m.size(), m.begin());
  return m;
}

void historialDemostracion(Historial& h, const FechaHora& encendido, std::uint64_t semilla) {
  const std::int64_t inicio = segundosDesde2000(encendido);
  const std::int64_t hoy = inicio - (encendido.hora * 3600 + encendido.minuto * 60 + encendido.segundo);
  const int desvio = sorteo(semilla, 0xE7, 0, 0, 60);  // the whole past moves by up to a minute
  std::array<std::int64_t, kPasado.size()> momentos{};
  for (std::size_t k = 0; k < kPasado.size(); ++k) {
    const EventoPasado& e = kPasado[k];
    momentos[k] = hoy - std::int64_t{e.diasAntes} * 86400 + e.hora * 3600 + e.minuto * 60 + e.segundo + desvio;
  }
  // A power-up early in the morning: the past happened a day earlier.
  const std::int64_t atraso = momentos.back() >= inicio ? 86400 : 0;
  h.formatear(fechaDeSegundos(momentos.front() - atraso));
  for (std::size_t k = 0; k < kPasado.size(); ++k) {
    h.agregar(fechaDeSegundos(momentos[k] - atraso), kPasado[k].c1, kPasado[k].c2, kPasado[k].c3);
  }
  h.agregar(encendido, evento::kInicio, evento::kInicioAlimentacion);
}

}  // namespace orda::simulator
