#include "core/compare/comparar.h"


#include "core/config/alternar.h"
#include "core/config/tablas.h"
#include "core/imagen/codificacion.h"
#include "core/reading/decodificar.h"
#include "core/texto/cp1252.h"
#include "core/texto/numero.h"

namespace orda::compare {

namespace {

using config::Tabla;

// How a field is stored, and so what makes two values equal.
enum class Clave {
  Texto,         // Windows-1252 bytes
  Mayusculas,    // upper-cased, then Windows-1252 (the password)
  Marca,         // "OKG" or not
  HabDisparo,    // four-state code
  Tipo,          // input type code
  Voltaje,       // counts of 3.3 V / 1024
  Milisegundos,  // units of 5 ms
  Segundos,      // whole seconds
  Byte,          // the number rounded half to even
  Minutos,       // minutes × 60
  Flotante,      // the panel's float
  HoraLarga,     // three BCD bytes
  HoraCorta,     // two BCD bytes
  Telefono,      // digits
  Saldo,         // the balance number, rewritten as a number as its box does
};

std::string numero(std::optional<std::int64_t> v, std::string_view texto) {
  return v ? "#" + std::to_string(*v) : "!" + std::string(texto);
}

std::string bytesDe(std::string_view utf8) {
  const std::vector<std::uint8_t> b = texto::aCp1252(utf8);
  return std::string(b.begin(), b.end());
}

std::string hora(std::string_view t, std::size_t cuantos) {
  std::string s;
  for (std::size_t k = 0; k < cuantos; ++k) s += static_cast<char>(imagen::byteHora(t, k));
  return s;
}

int estadoHabDisparo(const std::string& imagen) {
  for (int i = 0; i < 3; ++i) {
    if (imagen == config::kEstadosHabDisparo[i]) return i;
  }
  return 3;
}

// The value as the panel would store it.
std::string claveDe(Clave k, std::string_view t, const std::string& imagen) {
  const auto n = [&] { return texto::numeroInicial(t); };
  switch (k) {
    case Clave::Texto: return bytesDe(t);
    case Clave::Mayusculas: return bytesDe(texto::mayusculas(t));
    case Clave::Marca: return imagen == config::imagenes::kMarcado ? "1" : "0";
    case Clave::HabDisparo: return std::to_string(estadoHabDisparo(imagen));
    case Clave::Tipo:
      // An unknown type ("?" from erased memory) is not taken for either code.
      return t == config::kTipoBajo ? "3" : t == config::kTipoAlto ? "2" : "!" + std::string(t);
    case Clave::Voltaje: return numero(imagen::cuentasDeVoltaje(t), t);
    case Clave::Milisegundos: return numero(texto::pisoEscalado(n(), 1, 5), t);
    case Clave::Segundos: return numero(texto::pisoEscalado(n(), 1, 1), t);
    case Clave::Byte: return numero(texto::redondeoPar(n(), 1), t);
    case Clave::Minutos: return numero(texto::redondeoPar(n(), 60), t);
    case Clave::Flotante: {
      const auto f = imagen::flotantePanel(t);
      return f ? "#" + std::to_string(*f) : "!" + std::string(t);
    }
    case Clave::HoraLarga: return hora(t, 3);
    case Clave::HoraCorta: return hora(t, 2);
    case Clave::Telefono: {
      std::string d;
      for (char c : t) {
        if (c >= '0' && c <= '9') d += c;
      }
      return d.empty() ? "!" + std::string(t) : d;
    }
    case Clave::Saldo: return config::reescribirNumeroSaldo(t);
  }
  return std::string(t);
}

Clave claveColumna(const Tabla& t, int col) {
  using namespace config;
  switch (t.tipo()) {
    case TipoTabla::Entradas:
      switch (col) {
        case colEntradas::kTipo: return Clave::Tipo;
        case colEntradas::kHabDisparo: return Clave::HabDisparo;
        case colEntradas::kRetardoActivacion: return Clave::Milisegundos;
        case colEntradas::kRetardoDisparo: return Clave::Segundos;
        case colEntradas::kComparacionSuperior:
        case colEntradas::kComparacionInferior: return Clave::Voltaje;
        case colEntradas::kEscalaValor: return Clave::Flotante;
        default: break;
      }
      break;
    case TipoTabla::Salidas:
      if (t.columna(col).tipo == CellKind::Time) return col % 3 == 1 ? Clave::HoraLarga : Clave::HoraCorta;
      break;
    case TipoTabla::Tree:
      if (col == colTree::kPrivilegio || col == colTree::kDuracionRing) return Clave::Byte;
      if (col == colTree::kTelefono) return Clave::Telefono;
      break;
  }
  return t.columna(col).tipo == CellKind::Mark ? Clave::Marca : Clave::Texto;
}

// The column as its headers name it: a header that only groups columns
// ("Listado", "Si dispara envía SMS a ...") leaves the name to the second,
// unless that is a number; the output programs also say which.
std::string captionColumna(const Tabla& t, int col) {
  const config::ColumnSpec& c = t.columna(col);
  if (t.tipo() == config::TipoTabla::Salidas && col >= config::colSalidas::hab(0)) {
    return c.encabezado1 + " " + std::to_string(col / 3) + " " + c.encabezado2;
  }
  const bool agrupa = c.encabezado1 == "Listado" || c.encabezado1.ends_with("...");
  if (agrupa && !texto::soloDigitos(c.encabezado2)) return c.encabezado2;
  return c.encabezado1 + " " + c.encabezado2;
}

std::string textoCelda(Clave k, const config::Celda& c) {
  if (k == Clave::Marca) return c.imagen == config::imagenes::kMarcado ? "sí" : "no";
  if (k == Clave::HabDisparo) return std::to_string(estadoHabDisparo(c.imagen));
  return c.texto;
}

void compararTabla(const Tabla& a, const Tabla& b, Ventana v, std::vector<Diferencia>& out) {
  for (int f = Tabla::kPrimeraFila; f <= b.ultimaFila(); ++f) {
    for (int col = 1; col < b.columnas(); ++col) {
      const config::Celda& ca = a.celda(f, col);
      const config::Celda& cb = b.celda(f, col);
      if (ca == cb) continue;
      const Clave k = claveColumna(b, col);
      if (claveDe(k, ca.texto, ca.imagen) == claveDe(k, cb.texto, cb.imagen)) continue;
      std::string fila = b.texto(f, 0);
      if (!b.texto(f, 1).empty()) fila += " " + b.texto(f, 1);
      out.push_back({v, std::move(fila), captionColumna(b, col), textoCelda(k, ca), textoCelda(k, cb),
                     {Lugar::Celda, f, col}, std::nullopt});
    }
  }
}

// One control of the global options window.
struct Control {
  const char* grupo;
  const char* caption;  // a numbered row's caption gets the box's number
  bool esTexto;
  int indice;          // option index or text box
  int cuantas = 1;     // numbered rows
  Clave clave = Clave::Texto;
};

using namespace config::opcion;
namespace caja = config::caja;

constexpr const char* kForma = "Forma de armar el sistema";
constexpr const char* kMisc = "Miscelánea";
constexpr const char* kLlamada = "Notificación por llamada";
constexpr const char* kSms = "Notificación por SMS";
constexpr const char* kClaveSms = "Uso de clave para SMS";
constexpr const char* kNotificar = "Notificar al número de teléfono:";

// In the order the window shows them. CoAdministrador is never stored.
const Control kControles[] = {
    {kForma, "No permitir desarmar el sistema", false, kNoPermitirDesarmar},
    {kForma, "Rearmado automático", false, kRearmadoAutomatico},
    {kForma, "Sistema armado cuando resetea", false, kArmadoAlResetear},
    {kForma, "Notificación por armada/desarmado:", false, kAvisoArmadoA, 8},
    {kMisc, "Permitir 'Serv. Téc. Remoto'", false, kServTecRemoto},
    {kMisc, "Habilitación global de grupo:", false, kGrupoHabilitado, 4},
    {kMisc, "Duración disparo [min]", true, caja::kDuracionDisparo, 1, Clave::Minutos},
    {kMisc, "Duración del STR [min]", true, caja::kDuracionStr, 1, Clave::Minutos},
    {kMisc, "Número consulta de saldo", true, caja::kNumeroSaldo, 1, Clave::Saldo},
    {kMisc, "Texto de consulta de saldo", true, caja::kTextoSaldo, 1, Clave::Texto},
    {kLlamada, "Llamada diaria", false, kLlamadaDiaria},
    {kLlamada, "Hora de llamada", true, caja::kHoraLlamada, 1, Clave::HoraLarga},
    {kLlamada, "Duración [seg]", true, caja::kDuracionLlamada, 1, Clave::Byte},
    {kLlamada, kNotificar, false, kLlamadaDiariaA, 8},
    {kSms, "SMS diario", false, kSmsDiario},
    {kSms, "Hora de SMS", true, caja::kHoraSms, 1, Clave::HoraLarga},
    {kSms, "Mensaje de SMS", true, caja::kMensajeSms, 1, Clave::Texto},
    {kSms, kNotificar, false, kSmsDiarioA, 8},
    {kClaveSms, "Habilitar uso de clave", false, kUsoClave},
    {kClaveSms, "Clave", true, caja::kClave, 1, Clave::Mayusculas},
};

std::string oculto(std::string_view t) { return std::string(texto::largo(t), '*'); }

void compararGlobales(const config::Globales& a, const config::Globales& b, std::vector<Diferencia>& out) {
  for (const Control& c : kControles) {
    if (c.esTexto) {
      const std::string& ta = a.text[static_cast<std::size_t>(c.indice)];
      const std::string& tb = b.text[static_cast<std::size_t>(c.indice)];
      if (ta == tb || claveDe(c.clave, ta, {}) == claveDe(c.clave, tb, {})) continue;
      // A read never shows the panel's SMS password: neither does a comparison.
      const bool oculta = c.indice == caja::kClave;
      out.push_back({Ventana::Globales, c.grupo, c.caption, oculta ? oculto(ta) : ta, oculta ? oculto(tb) : tb,
                     {Lugar::CajaTexto, -1, c.indice}, std::nullopt});
      continue;
    }
    for (int k = 0; k < c.cuantas; ++k) {
      const int i = c.indice + k;
      const bool va = a.opcionActiva(i);
      const bool vb = b.opcionActiva(i);
      if (va == vb) continue;
      std::string caption = c.caption;
      if (c.cuantas > 1) caption += " " + std::to_string(k + 1);
      out.push_back({Ventana::Globales, c.grupo, std::move(caption), va ? "sí" : "no", vb ? "sí" : "no",
                     {Lugar::Opcion, -1, i}, std::nullopt});
    }
  }
}

// The bit a group's choice sets, or -1 for none ("Ninguno", the hidden option).
int bitDe(int opcion) {
  for (std::size_t b = 0; b < config::kBitsEspeciales.size(); ++b) {
    if (config::kBitsEspeciales[b] == opcion) return static_cast<int>(b);
  }
  return -1;
}

void compararEspeciales(const config::Especiales& a, const config::Especiales& b, std::vector<Diferencia>& out) {
  for (int g = 0; g < static_cast<int>(config::kGruposEspeciales.size()); ++g) {
    const int oa = a.seleccion(g);
    const int ob = b.seleccion(g);
    if (bitDe(oa) == bitDe(ob)) continue;
    out.push_back({Ventana::Especiales, "", config::kGruposEspeciales[static_cast<std::size_t>(g)].titulo,
                   config::kCaptionsEspeciales[static_cast<std::size_t>(oa)],
                   config::kCaptionsEspeciales[static_cast<std::size_t>(ob)], {Lugar::GrupoEspecial, -1, g},
                   std::nullopt});
  }
}

// "prefijo" and upper-case hexadecimal digits into `s` (short: no allocation).
void hex(std::string& s, std::string_view prefijo, unsigned v, std::size_t digitos) {
  char buf[8];
  prefijo.copy(buf, prefijo.size());
  for (std::size_t i = digitos; i-- > 0; v >>= 4) buf[prefijo.size() + i] = "0123456789ABCDEF"[v & 15];
  s.assign(buf, prefijo.size() + digitos);
}

// Which image bytes a field covers, worked out once.
const std::vector<bool>& cobertura() {
  static const std::vector<bool> c = [] {
    std::vector<bool> v(imagen::kTamanoImagen);
    for (std::size_t i = 0; i < v.size(); ++i) v[i] = cubierto(i);
    return v;
  }();
  return c;
}

// Sized first and built in place: two random images differ in thousands of bytes.
void agregarBytes(const imagen::ImagenMemoria& antes, const imagen::ImagenMemoria& despues,
                  std::vector<Diferencia>& out) {
  const std::vector<bool>& cubre = cobertura();
  std::size_t n = 0;
  for (std::size_t i = 0; i < antes.size(); ++i) n += antes[i] != despues[i] && !cubre[i];
  out.reserve(out.size() + n);
  for (std::size_t i = 0; i < antes.size(); ++i) {
    if (antes[i] == despues[i] || cubre[i]) continue;
    Diferencia& d = out.emplace_back();
    d.ventana = Ventana::Memoria;
    hex(d.campo, "0x", static_cast<unsigned>(i), 4);
    hex(d.antes, "", antes[i], 2);
    hex(d.despues, "", despues[i], 2);
    d.lugar = {Lugar::Byte, -1, static_cast<int>(i)};
    d.offset = i;
  }
}

}  // namespace

const char* tituloVentana(Ventana v) {
  switch (v) {
    case Ventana::Entradas: return "Programación de Entradas";
    case Ventana::Salidas: return "Programación de Salidas";
    case Ventana::Telefonos: return "Listado de números telefónicos habilitados";
    case Ventana::Globales: return "Configuraciones globales";
    case Ventana::Especiales: return "Funciones Especiales";
    case Ventana::Memoria: return "Memoria interna de datos";
  }
  return "";
}

std::vector<Diferencia> comparar(const config::Configuracion& antes, const config::Configuracion& despues) {
  std::vector<Diferencia> out;
  compararTabla(antes.entradas, despues.entradas, Ventana::Entradas, out);
  compararTabla(antes.salidas, despues.salidas, Ventana::Salidas, out);
  compararTabla(antes.tree, despues.tree, Ventana::Telefonos, out);
  compararGlobales(antes.globales, despues.globales, out);
  compararEspeciales(antes.especiales, despues.especiales, out);
  return out;
}

bool cubierto(std::size_t i) {
  using namespace imagen;
  if (i < kEntradas.inicio(0)) {
    const std::size_t slot = i / kMensajes.tamano;
    return (slot < 32 && slot % 4 != 3) || slot == kSlotMensajeDiario;
  }
  if (i < kEntradas.inicio(kEntradas.cantidad)) {
    const std::size_t o = (i - kEntradas.inicio(0)) % kEntradas.tamano;
    return o <= 30 || (o >= 35 && o <= 38);
  }
  if (i >= kSalidas.inicio(0) && i < kSalidas.inicio(kSalidas.cantidad)) {
    const std::size_t o = (i - kSalidas.inicio(0)) % kSalidas.tamano;
    if (o > 28) return o <= 41;         // the alias
    return o == 0 || o % 7 != 0;  // offsets 7, 14, 21, 28 are always 0
  }
  if (i >= kTelefonos.inicio(0) && i < kTelefonos.inicio(kTelefonos.cantidad)) {
    const std::size_t r = (i - kTelefonos.inicio(0)) / kTelefonos.tamano;
    const std::size_t o = (i - kTelefonos.inicio(0)) % kTelefonos.tamano;
    if (r == kTelefonos.cantidad - 1) return o >= 14 && o <= 24;  // only the balance number
    return o <= 25;
  }
  if (i >= kGlobal.inicio(0) && i < kGlobal.inicio(1)) {
    const std::size_t o = i - kGlobal.inicio(0);
    return o <= 32 || (o >= 43 && o <= 54);  // version and serial are the panel's, not fields
  }
  return false;
}

std::vector<Diferencia> compararBytes(const imagen::ImagenMemoria& antes, const imagen::ImagenMemoria& despues) {
  std::vector<Diferencia> out;
  agregarBytes(antes, despues, out);
  return out;
}

config::Configuracion configuracionDe(const imagen::ImagenMemoria& img) {
  config::Configuracion c;
  reading::decodificarImagen(img, c);
  reading::restaurarClave(img, c);
  return c;
}

std::vector<Diferencia> compararImagenes(const imagen::ImagenMemoria& antes, const imagen::ImagenMemoria& despues,
                                         bool bytes) {
  std::vector<Diferencia> out = comparar(configuracionDe(antes), configuracionDe(despues));
  if (bytes) agregarBytes(antes, despues, out);
  return out;
}

}  // namespace orda::compare
