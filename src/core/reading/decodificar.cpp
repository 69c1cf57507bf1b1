#include "core/reading/decodificar.h"

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
  std::size_t j = 0;
  while (j < n && inicio + j < m.size() && m[inicio + j] != 0) ++j;
  return texto::desdeCp1252(m.data() + inicio, j);
}

std::uint32_t leerNumero(const img::ImagenMemoria& m, std::size_t inicio, std::size_t n) {
  std::uint32_t v = 0;
  for (std::size_t j = n; j-- > 0;) v = (v << 8) | m.at(inicio + j);
  return v;
}

void decodificarEntradas(const img::ImagenMemoria& m, config::Configuracion& cfg) {
  Tabla& t = cfg.entradas;
  const int colComparacion = t.findColumn("Valor de comparación");
  const int colRetardo = t.findColumn("Retardo de");
  const int colEscala = t.findColumn("Constante de escalado para SMS");
  for (int i = 0; i < 8; ++i) {
    const int f = i + Tabla::kPrimeraFila;
    const std::size_t b = img::kEntradas.inicio(static_cast<std::size_t>(i));
    t.ponerTexto(f, config::colEntradas::kAlias, leerTexto(m, b, 12));
    ponerTipo(t, f, m[b + 13]);
    t.ponerTexto(f, colComparacion, img::voltajeDeCuentas(static_cast<std::uint16_t>(leerNumero(m, b + 14, 2))));
    t.ponerTexto(f, colComparacion + 1, img::voltajeDeCuentas(static_cast<std::uint16_t>(leerNumero(m, b + 16, 2))));
    t.ponerTexto(f, colRetardo, std::to_string(leerNumero(m, b + 18, 2) * 5));
    t.ponerTexto(f, colRetardo + 1, std::to_string(leerNumero(m, b + 20, 2)));
    marcasDeBits(t, f, t.findColumn("Si activa"), 8, m[b + 22]);
    marcasDeBits(t, f, t.findColumn("Si dispara envía"), 8, m[b + 23]);
    if (m[b + 24] < 4) t.ponerImagen(f, t.findColumn("Hab"), config::kEstadosHabDisparo[m[b + 24]]);
    marcasDeBits(t, f, t.findColumn("Grupo"), 4, m[b + 25]);
    marcasDeBits(t, f, t.findColumn("Si dispara llama"), 8, m[b + 26]);
    t.ponerTexto(f, colEscala, img::textoFlotante(img::desdeFlotantePanel(m[b + 27], m[b + 28], m[b + 29], m[b + 30])));
    t.ponerTexto(f, colEscala + 1, leerTexto(m, b + 35, 3));
  }
}

void decodificarMensajes(const img::ImagenMemoria& m, config::Configuracion& cfg) {
  Tabla& t = cfg.entradas;
  const int colAct = t.findColumn("Si activa");
  const int colDisp = t.findColumn("Si dispara");
  const int columnas[3] = {colAct + 8, colAct + 9, colDisp + 8};
  for (std::size_t i = 0; i < 8; ++i) {
    for (std::size_t k = 0; k < 3; ++k) {
      const std::size_t slot = img::slotMensaje(i, k);
      t.ponerTexto(static_cast<int>(i) + Tabla::kPrimeraFila, columnas[k], leerTexto(m, img::kMensajes.inicio(slot), 64));
    }
  }
  cfg.globales.text[config::caja::kMensajeSms] = leerTexto(m, img::kMensajes.inicio(img::kSlotMensajeDiario), 64);
}

void decodificarTelefonos(const img::ImagenMemoria& m, config::Configuracion& cfg) {
  using namespace config::colTree;
  Tabla& t = cfg.tree;
  for (int i = 0; i < 10; ++i) {
    const int f = i + Tabla::kPrimeraFila;
    const std::size_t b = img::kTelefonos.inicio(static_cast<std::size_t>(i));
    t.ponerTexto(f, kPerteneceA, leerTexto(m, b, 12));
    t.ponerTexto(f, kTelefono, leerTexto(m, b + 14, 10));
    t.ponerTexto(f, kPrivilegio, std::to_string(m[b + 13]));
    t.ponerTexto(f, kDuracionRing, std::to_string(m[b + 25]));
  }
  config::cambiarNumeroSaldo(cfg, t.texto(kFilaSaldo, kTelefono));
}

void decodificarSalidas(const img::ImagenMemoria& m, config::Configuracion& cfg) {
  using namespace config::colSalidas;
  Tabla& t = cfg.salidas;
  for (int i = 0; i < 4; ++i) {
    const int f = i + Tabla::kPrimeraFila;
    const std::size_t b = img::kSalidas.inicio(static_cast<std::size_t>(i));
    t.ponerTexto(f, kAlias, leerTexto(m, b + 29, 12));
    t.marcar(f, kEncendida, m[b] == 1);
    for (int k = 0; k < 4; ++k) {
      const std::size_t p = b + 7 * static_cast<std::size_t>(k);
      t.marcar(f, hab(k), m[p + 1] == 1);
      t.ponerTexto(f, desde(k), img::textoHora(m[p + 2], m[p + 3]));
      t.ponerTexto(f, hasta(k), img::textoHora(m[p + 5], m[p + 6]));
    }
  }
}

void decodificarGlobal(const img::ImagenMemoria& m, config::Configuracion& cfg) {
  using namespace config::opcion;
  namespace caja = config::caja;
  config::Globales& g = cfg.globales;
  const std::size_t b = img::kGlobal.inicio(0);
  const std::pair<std::size_t, int> banderas[] = {{0, kNoPermitirDesarmar}, {1, kRearmadoAutomatico},
                                                  {2, kArmadoAlResetear},   {5, kLlamadaDiaria},
                                                  {11, kSmsDiario},         {17, kServTecRemoto},
                                                  {45, kUsoClave}};
  for (const auto& [offset, opcion] : banderas) g.opciones[static_cast<std::size_t>(opcion)] = m[b + offset] == 1;
  g.text[caja::kDuracionDisparo] = std::to_string(leerNumero(m, b + 3, 2) / 60);
  g.text[caja::kHoraLlamada] = img::textoHora(m[b + 6], m[b + 7]);
  g.text[caja::kDuracionLlamada] = std::to_string(m[b + 9]);
  opcionesDeBits(g, kLlamadaDiariaA, 8, m[b + 10]);
  g.text[caja::kHoraSms] = img::textoHora(m[b + 12], m[b + 13]);
  opcionesDeBits(g, kSmsDiarioA, 8, m[b + 15]);
  opcionesDeBits(g, kGrupoHabilitado, 4, m[b + 16]);
  g.text[caja::kDuracionStr] = std::to_string(leerNumero(m, b + 18, 2) / 60);
  g.text[caja::kTextoSaldo] = leerTexto(m, b + 20, 12);
  opcionesDeBits(g, kAvisoArmadoA, 8, m[b + 44]);
  cfg.versionPanel = leerTexto(m, b + 33, 3);
  cfg.serialPanel = leerTexto(m, b + 37, 5);
  // A set bit selects its option; a clear bit leaves the group as it is.
  const std::uint32_t especiales = leerNumero(m, b + 43, 2);
  for (std::size_t bit = 0; bit < config::kBitsEspeciales.size(); ++bit) {
    if (especiales & (1u << bit)) cfg.especiales.seleccionar(config::kBitsEspeciales[bit]);
  }
  config::cambiarNumeroSaldo(cfg, cfg.tree.texto(config::colTree::kFilaSaldo, config::colTree::kTelefono));
}

void decodificarImagen(const img::ImagenMemoria& m, config::Configuracion& cfg) {
  decodificarEntradas(m, cfg);
  decodificarMensajes(m, cfg);
  decodificarTelefonos(m, cfg);
  decodificarSalidas(m, cfg);
  decodificarGlobal(m, cfg);
}

void restaurarClave(const img::ImagenMemoria& m, config::Configuracion& cfg) {
  cfg.globales.text[config::caja::kClave] = leerTexto(m, img::kGlobal.inicio(0) + 46, 8);
}

}  // namespace orda::reading
