#include "core/reading/decodificar.h"

#include <algorithm>
#include <vector>

#include "core/config/alternar.h"
#include "core/config/tablas.h"
#include "core/imagen/codificacion.h"
#include "core/texto/cp1252.h"

namespace orda::reading {

namespace {

using config::Tabla;
namespace img = imagen;

void marcasDeBits(Tabla& t, int fila, int col, int cuantas, std::uint8_t bits) {
  for (int k = 0; k < cuantas; ++k) t.marcar(fila, col + k, (bits >> k) & 1);
}

void opcionesDeBits(config::Globales& g, int primero, int cuantas, std::uint8_t bits) {
  for (int k = 0; k < cuantas; ++k) g.opciones[static_cast<std::size_t>(primero + k)] = (bits >> k) & 1;
}

// An erased record (every byte 0xFF) was never programmed: it takes the
// values of a new configuration instead of "ÿÿÿ" and "165:165".
bool borrado(const img::ImagenMemoria& m, const img::Bloque& b, std::size_t i) {
  const auto inicio = m.begin() + static_cast<std::ptrdiff_t>(b.inicio(i));
  return std::all_of(inicio, inicio + static_cast<std::ptrdiff_t>(b.tamano),
                     [](std::uint8_t v) { return v == img::kBorrado; });
}

const config::Configuracion& nueva() {
  static const config::Configuracion c;
  return c;
}

void copiarFila(const Tabla& desde, Tabla& hacia, int f, std::initializer_list<int> salvo = {}) {
  for (int c = 0; c < hacia.columnas(); ++c) {
    if (std::find(salvo.begin(), salvo.end(), c) == salvo.end()) hacia.celda(f, c) = desde.celda(f, c);
  }
}

// "HH:MM" from two BCD bytes. A nibble above 9 ("165:165" for erased bytes)
// is no time the console could write back: the field's new value instead.
std::string hora(std::uint8_t h, std::uint8_t m, const std::string& porOmision) {
  auto bcd = [](std::uint8_t b) { return (b & 15) <= 9 && (b >> 4) <= 9; };
  return bcd(h) && bcd(m) ? img::textoHora(h, m) : porOmision;
}

void ponerTipo(Tabla& t, int f, std::uint8_t tipo) {
  using namespace config;
  const int c = colEntradas::kTipo;
  if (tipo == 3) {
    t.ponerTexto(f, c, kTipoBajo);
    t.ponerImagen(f, c, imagenes::kFlancoDesc);
  } else if (tipo == 2) {
    t.ponerTexto(f, c, kTipoAlto);
    t.ponerImagen(f, c, imagenes::kFlancoAsc);
  } else {
    t.ponerTexto(f, c, "?");
    t.ponerImagen(f, c, imagenes::kDesconocido);
  }
}

}  // namespace

std::string leerTexto(const img::ImagenMemoria& m, std::size_t inicio, std::size_t n) {
  std::vector<std::uint8_t> bytes;
  for (std::size_t j = inicio; j - inicio < n && j < m.size() && m[j] != 0; ++j) {
    // A control byte would break a line of a listing or a cell: shown as the
    // encoder shows what it cannot store.
    bytes.push_back(m[j] < 0x20 || m[j] == 0x7F ? '?' : m[j]);
  }
  return texto::desdeCp1252(bytes.data(), bytes.size());
}

std::uint32_t leerNumero(const img::ImagenMemoria& m, std::size_t inicio, std::size_t n) {
  std::uint32_t v = 0;
  for (std::size_t j = n; j-- > 0;) v = (v << 8) | m.at(inicio + j);
  return v;
}

int decodificarEntradas(const img::ImagenMemoria& m, config::Configuracion& cfg) {
  using namespace config::colEntradas;
  Tabla& t = cfg.entradas;
  int borrados = 0;
  const int colComparacion = t.findColumn("Valor de comparación");
  const int colRetardo = t.findColumn("Retardo de");
  const int colEscala = t.findColumn("Constante de escalado para SMS");
  for (int i = 0; i < 8; ++i) {
    const int f = i + Tabla::kPrimeraFila;
    if (borrado(m, img::kEntradas, static_cast<std::size_t>(i))) {
      ++borrados;  // the texts are records of their own
      copiarFila(nueva().entradas, t, f, {kMensajeActivacion, kMensajeDesactivacion, kMensajeDisparo});
      continue;
    }
    const std::size_t b = img::kEntradas.inicio(static_cast<std::size_t>(i));
    t.ponerTexto(f, config::colEntradas::kAlias, leerTexto(m, b, 12));
    ponerTipo(t, f, m[b + 13]);
    t.ponerTexto(f, colComparacion, img::voltajeDeCuentas(static_cast<std::uint16_t>(leerNumero(m, b + 14, 2))));
    t.ponerTexto(f, colComparacion + 1, img::voltajeDeCuentas(static_cast<std::uint16_t>(leerNumero(m, b + 16, 2))));
    t.ponerTexto(f, colRetardo, std::to_string(leerNumero(m, b + 18, 2) * 5));
    t.ponerTexto(f, colRetardo + 1, std::to_string(leerNumero(m, b + 20, 2)));
    marcasDeBits(t, f, t.findColumn("Si activa"), 8, m[b + 22]);
    marcasDeBits(t, f, t.findColumn("Si dispara envía"), 8, m[b + 23]);
    // A state the console cannot show is off, as in a new configuration.
    t.ponerImagen(f, t.findColumn("Hab"), config::kEstadosHabDisparo[m[b + 24] < 4 ? m[b + 24] : 0]);
    marcasDeBits(t, f, t.findColumn("Grupo"), 4, m[b + 25]);
    marcasDeBits(t, f, t.findColumn("Si dispara llama"), 8, m[b + 26]);
    t.ponerTexto(f, colEscala, img::textoFlotante(img::desdeFlotantePanel(m[b + 27], m[b + 28], m[b + 29], m[b + 30])));
    t.ponerTexto(f, colEscala + 1, leerTexto(m, b + 35, 3));
  }
  return borrados;
}

int decodificarMensajes(const img::ImagenMemoria& m, config::Configuracion& cfg) {
  Tabla& t = cfg.entradas;
  const int colAct = t.findColumn("Si activa");
  const int colDisp = t.findColumn("Si dispara");
  const int columnas[3] = {colAct + 8, colAct + 9, colDisp + 8};
  int borrados = 0;
  for (std::size_t i = 0; i < 8; ++i) {
    for (std::size_t k = 0; k < 3; ++k) {
      const std::size_t slot = img::slotMensaje(i, k);
      const int f = static_cast<int>(i) + Tabla::kPrimeraFila;
      if (borrado(m, img::kMensajes, slot)) {
        ++borrados;
        t.celda(f, columnas[k]) = nueva().entradas.celda(f, columnas[k]);
      } else {
        t.ponerTexto(f, columnas[k], leerTexto(m, img::kMensajes.inicio(slot), kLargoMensaje));
      }
    }
  }
  std::string& diario = cfg.globales.text[config::caja::kMensajeSms];
  if (borrado(m, img::kMensajes, img::kSlotMensajeDiario)) {
    ++borrados;
    diario = nueva().globales.text[config::caja::kMensajeSms];
  } else {
    diario = leerTexto(m, img::kMensajes.inicio(img::kSlotMensajeDiario), kLargoMensaje);
  }
  return borrados;
}

int decodificarTelefonos(const img::ImagenMemoria& m, config::Configuracion& cfg) {
  using namespace config::colTree;
  Tabla& t = cfg.tree;
  int borrados = 0;
  for (int i = 0; i < 10; ++i) {
    const int f = i + Tabla::kPrimeraFila;
    const std::size_t b = img::kTelefonos.inicio(static_cast<std::size_t>(i));
    if (borrado(m, img::kTelefonos, static_cast<std::size_t>(i))) {
      ++borrados;
      copiarFila(nueva().tree, t, f);
    } else if (f == kFilaSaldo) {
      // The hidden row carries only the balance number; its other fields are
      // always written empty, so nothing else of it is read.
      copiarFila(nueva().tree, t, f);
      t.ponerTexto(f, kTelefono, leerTexto(m, b + 14, 10));
    } else {
      t.ponerTexto(f, kPerteneceA, leerTexto(m, b, 12));
      t.ponerTexto(f, kTelefono, leerTexto(m, b + 14, 10));
      t.ponerTexto(f, kPrivilegio, std::to_string(m[b + 13]));
      t.ponerTexto(f, kDuracionRing, std::to_string(m[b + 25]));
    }
  }
  // The balance number is kept numeric; one written with an exponent ("1e10")
  // would grow past what its box and its record hold, and reads as any other
  // text that is no number does.
  std::string saldo = config::reescribirNumeroSaldo(t.texto(kFilaSaldo, kTelefono));
  if (texto::largo(saldo) > static_cast<std::size_t>(config::largoMaximoTexto(config::caja::kNumeroSaldo))) saldo = "0";
  config::cambiarNumeroSaldo(cfg, saldo);
  return borrados;
}

int decodificarSalidas(const img::ImagenMemoria& m, config::Configuracion& cfg) {
  using namespace config::colSalidas;
  Tabla& t = cfg.salidas;
  int borrados = 0;
  for (int i = 0; i < 4; ++i) {
    const int f = i + Tabla::kPrimeraFila;
    if (borrado(m, img::kSalidas, static_cast<std::size_t>(i))) {
      ++borrados;
      copiarFila(nueva().salidas, t, f);
      continue;
    }
    const std::size_t b = img::kSalidas.inicio(static_cast<std::size_t>(i));
    t.ponerTexto(f, kAlias, leerTexto(m, b + 29, 12));
    t.marcar(f, kEncendida, m[b] == 1);
    for (int k = 0; k < 4; ++k) {
      const std::size_t p = b + 7 * static_cast<std::size_t>(k);
      t.marcar(f, hab(k), m[p + 1] == 1);
      t.ponerTexto(f, desde(k), hora(m[p + 2], m[p + 3], nueva().salidas.texto(f, desde(k))));
      t.ponerTexto(f, hasta(k), hora(m[p + 5], m[p + 6], nueva().salidas.texto(f, hasta(k))));
    }
  }
  return borrados;
}

int decodificarGlobal(const img::ImagenMemoria& m, config::Configuracion& cfg) {
  using namespace config::opcion;
  namespace caja = config::caja;
  config::Globales& g = cfg.globales;
  const std::size_t b = img::kGlobal.inicio(0);
  if (borrado(m, img::kGlobal, 0)) {
    // Text4 is the daily text's record, Text7 the phone list's hidden row;
    // the hidden CoAdministrador option is never stored.
    const config::Configuracion& n = nueva();
    for (int c : {caja::kHoraLlamada, caja::kDuracionLlamada, caja::kHoraSms, caja::kDuracionDisparo,
                  caja::kDuracionStr, caja::kTextoSaldo}) {
      g.text[static_cast<std::size_t>(c)] = n.globales.text[static_cast<std::size_t>(c)];
    }
    std::copy(n.globales.opciones.begin() + 1, n.globales.opciones.end(), g.opciones.begin() + 1);
    cfg.especiales = n.especiales;
    cfg.versionPanel = n.versionPanel;
    cfg.serialPanel = n.serialPanel;
    return 1;
  }
  const std::pair<std::size_t, int> banderas[] = {{0, kNoPermitirDesarmar}, {1, kRearmadoAutomatico},
                                                  {2, kArmadoAlResetear},   {5, kLlamadaDiaria},
                                                  {11, kSmsDiario},         {17, kServTecRemoto},
                                                  {45, kUsoClave}};
  for (const auto& [offset, opcion] : banderas) g.opciones[static_cast<std::size_t>(opcion)] = m[b + offset] == 1;
  g.text[caja::kDuracionDisparo] = std::to_string(leerNumero(m, b + 3, 2) / 60);
  const config::Globales& omision = nueva().globales;
  g.text[caja::kHoraLlamada] = hora(m[b + 6], m[b + 7], omision.text[caja::kHoraLlamada]);
  g.text[caja::kDuracionLlamada] = std::to_string(m[b + 9]);
  opcionesDeBits(g, kLlamadaDiariaA, 8, m[b + 10]);
  g.text[caja::kHoraSms] = hora(m[b + 12], m[b + 13], omision.text[caja::kHoraSms]);
  opcionesDeBits(g, kSmsDiarioA, 8, m[b + 15]);
  opcionesDeBits(g, kGrupoHabilitado, 4, m[b + 16]);
  g.text[caja::kDuracionStr] = std::to_string(leerNumero(m, b + 18, 2) / 60);
  g.text[caja::kTextoSaldo] = leerTexto(m, b + 20, 12);
  opcionesDeBits(g, kAvisoArmadoA, 8, m[b + 44]);
  cfg.versionPanel = leerTexto(m, b + 33, 3);
  cfg.serialPanel = leerTexto(m, b + 37, 5);
  // Every group comes from the image: "Ninguno" unless one of its bits is
  // set (of two set bits in a group, the higher one wins).
  cfg.especiales = config::Especiales{};
  for (std::size_t bit = 0; bit < config::kBitsEspeciales.size(); ++bit) {
    if (m[b + 43] & (1u << bit)) cfg.especiales.seleccionar(config::kBitsEspeciales[bit]);
  }
  return 0;
}

int decodificarImagen(const img::ImagenMemoria& m, config::Configuracion& cfg) {
  return decodificarEntradas(m, cfg) + decodificarMensajes(m, cfg) + decodificarTelefonos(m, cfg) +
         decodificarSalidas(m, cfg) + decodificarGlobal(m, cfg);
}

void restaurarClave(const img::ImagenMemoria& m, config::Configuracion& cfg) {
  cfg.globales.text[config::caja::kClave] =
      borrado(m, img::kGlobal, 0) ? nueva().globales.text[config::caja::kClave]
                                  : leerTexto(m, img::kGlobal.inicio(0) + 46, 8);
}

std::string textoRegistrosBorrados(int cantidad, bool delPanel) {
  return std::string(delPanel ? "La central tiene " : "El archivo tiene ") + std::to_string(cantidad) +
         (cantidad == 1 ? " registro sin programar" : " registros sin programar") +
         ": se cargaron los valores por omisión.";
}

}  // namespace orda::reading
