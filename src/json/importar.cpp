#include <set>

#include "core/config/alternar.h"
#include "core/config/especiales.h"
#include "core/config/validacion.h"
#include "json/configuracion_json.h"
#include "json/formato.h"
#include "json/lector.h"
#include "core/texto/cp1252.h"

namespace orda::json {

namespace {

using config::Tabla;
using Accion = config::ValidacionCelda::Accion;

inline constexpr const char* kTipoDesconocido = "?";
inline constexpr const char* kAvisoTipo = "Se esperaba \"Activa en bajo\" o \"Activa en alto\"";
inline constexpr const char* kAvisoEstado = "Se esperaba un valor de 0 a 3";
inline constexpr const char* kAvisoOpcion = "Opción desconocida para este grupo";

template <std::size_t N>
std::vector<std::string_view> clavesDe(const std::array<CampoTabla, N>& campos) {
  std::vector<std::string_view> v;
  for (const CampoTabla& c : campos) v.emplace_back(c.clave);
  return v;
}

bool demasiadoLargo(std::string_view texto, int largoMaximo) {
  return largoMaximo > 0 && texto::largo(texto) > static_cast<std::size_t>(largoMaximo);
}

class Importador {
 public:
  Importador(Lector& l, config::Configuracion& cfg) : l_(l), cfg_(cfg) {}

  void documento(const Json& doc) {
    if (!l_.objeto(doc, "", {kClaveEntradas, kClaveSalidas, kClaveTelefonos, kClaveGlobales, kClaveEspeciales,
                             kClavePanel})) {
      return;
    }
    if (const Json* v = Lector::miembro(doc, kClaveEntradas)) filas(*v, kClaveEntradas, cfg_.entradas, kCamposEntrada);
    if (const Json* v = Lector::miembro(doc, kClaveSalidas)) salidas(*v);
    if (const Json* v = Lector::miembro(doc, kClaveTelefonos)) filas(*v, kClaveTelefonos, cfg_.tree, kCamposTelefono);
    if (const Json* v = Lector::miembro(doc, kClaveGlobales)) globales(*v);
    if (const Json* v = Lector::miembro(doc, kClaveEspeciales)) especiales(*v);
    if (const Json* v = Lector::miembro(doc, kClavePanel)) panel(*v);
  }

 private:
  // Every data row of a table, one object per row with the given fields.
  template <std::size_t N>
  void filas(const Json& v, const std::string& donde, Tabla& t, const std::array<CampoTabla, N>& campos) {
    if (!l_.lista(v, donde, static_cast<std::size_t>(t.registros()))) return;
    for (std::size_t i = 0; i < v.size(); ++i) {
      const std::string aqui = ruta(donde, i);
      if (!l_.objeto(v[i], aqui, clavesDe(campos))) continue;
      for (const CampoTabla& c : campos) {
        if (const Json* m = Lector::miembro(v[i], c.clave)) {
          celda(*m, ruta(aqui, c.clave), t, Tabla::kPrimeraFila + static_cast<int>(i), c);
        }
      }
    }
  }

  void salidas(const Json& v) {
    Tabla& t = cfg_.salidas;
    if (!l_.lista(v, kClaveSalidas, static_cast<std::size_t>(t.registros()))) return;
    std::vector<std::string_view> claves = clavesDe(kCamposSalida);
    claves.emplace_back(kClaveProgramas);
    for (std::size_t i = 0; i < v.size(); ++i) {
      const std::string aqui = ruta(kClaveSalidas, i);
      const int fila = Tabla::kPrimeraFila + static_cast<int>(i);
      if (!l_.objeto(v[i], aqui, claves)) continue;
      for (const CampoTabla& c : kCamposSalida) {
        if (const Json* m = Lector::miembro(v[i], c.clave)) celda(*m, ruta(aqui, c.clave), t, fila, c);
      }
      const Json* programas = Lector::miembro(v[i], kClaveProgramas);
      const std::string enProgramas = ruta(aqui, kClaveProgramas);
      if (programas == nullptr || !l_.lista(*programas, enProgramas, kCantidadProgramas)) continue;
      for (int k = 0; k < kCantidadProgramas; ++k) {
        const Json& p = (*programas)[static_cast<std::size_t>(k)];
        const std::string enPrograma = ruta(enProgramas, static_cast<std::size_t>(k));
        if (!l_.objeto(p, enPrograma, clavesDe(kCamposPrograma))) continue;
        for (const CampoTabla& c : kCamposPrograma) {
          if (const Json* m = Lector::miembro(p, c.clave)) celda(*m, ruta(enPrograma, c.clave), t, fila, c, 3 * k);
        }
      }
    }
  }

  void celda(const Json& v, const std::string& donde, Tabla& t, int fila, const CampoTabla& c, int desplazamiento = 0) {
    const int col = c.col + desplazamiento;
    switch (c.clase) {
      case Clase::Texto:
        if (const std::string* s = l_.texto(v, donde)) textoCelda(*s, donde, t, fila, col);
        return;
      case Clase::Marca:
        if (const auto b = l_.logico(v, donde)) t.marcar(fila, col, *b);
        return;
      case Clase::Marcas:
        if (!l_.lista(v, donde, static_cast<std::size_t>(c.cantidad))) return;
        for (int k = 0; k < c.cantidad; ++k) {
          const auto b = l_.logico(v[static_cast<std::size_t>(k)], ruta(donde, static_cast<std::size_t>(k)));
          if (b) t.marcar(fila, col + k, *b);
        }
        return;
      case Clase::Tipo:
        if (const std::string* s = l_.texto(v, donde)) tipoEntrada(*s, donde, t, fila, col);
        return;
      case Clase::Estado:
        if (const auto n = l_.entero(v, donde)) {
          if (*n < 0 || *n > 3) {
            l_.error(donde, kAvisoEstado);
          } else {
            t.ponerImagen(fila, col, config::kEstadosHabDisparo[*n]);
          }
        }
        return;
    }
  }

  // The cell gets what LeaveCell would commit for the typed text.
  void textoCelda(const std::string& s, const std::string& donde, Tabla& t, int fila, int col) {
    if (demasiadoLargo(s, t.columna(col).largoMaximo)) {
      l_.error(donde, kTextoLargo);
      return;
    }
    config::ValidacionCelda v = config::validarLeaveCell(t, col, s);
    switch (v.accion) {
      case Accion::Rechazar:
        l_.error(donde, v.aviso.texto);
        return;
      case Accion::NoEscribir:
        t.ponerTexto(fila, col, s);  // the text already equals what the cell shows
        return;
      case Accion::Escribir:
      case Accion::CambiarEditor:
        t.ponerTexto(fila, col, std::move(v.texto));
        return;
    }
  }

  // Set as a toggle leaves it, but without resetting the thresholds: the
  // document carries them. "?" is what an unknown type byte decodes to.
  void tipoEntrada(const std::string& s, const std::string& donde, Tabla& t, int fila, int col) {
    const char* imagen = s == config::kTipoBajo   ? config::imagenes::kFlancoDesc
                         : s == config::kTipoAlto ? config::imagenes::kFlancoAsc
                         : s == kTipoDesconocido  ? config::imagenes::kDesconocido
                                                  : nullptr;
    if (imagen == nullptr) {
      l_.error(donde, kAvisoTipo);
      return;
    }
    t.ponerTexto(fila, col, s);
    t.ponerImagen(fila, col, imagen);
  }

  void globales(const Json& v) {
    std::vector<std::string_view> claves;
    for (const CampoOpcion& c : kOpcionesGlobales) claves.emplace_back(c.clave);
    for (const CampoCaja& c : kCajasGlobales) claves.emplace_back(c.clave);
    if (!l_.objeto(v, kClaveGlobales, claves)) return;

    auto& opciones = cfg_.globales.opciones;
    for (const CampoOpcion& c : kOpcionesGlobales) {
      const Json* m = Lector::miembro(v, c.clave);
      const std::string donde = ruta(kClaveGlobales, c.clave);
      if (m == nullptr) continue;
      if (c.cantidad == 1) {
        if (const auto b = l_.logico(*m, donde)) opciones[static_cast<std::size_t>(c.indice)] = *b ? 1 : 0;
        continue;
      }
      if (!l_.lista(*m, donde, static_cast<std::size_t>(c.cantidad))) continue;
      for (int k = 0; k < c.cantidad; ++k) {
        const auto b = l_.logico((*m)[static_cast<std::size_t>(k)], ruta(donde, static_cast<std::size_t>(k)));
        if (b) opciones[static_cast<std::size_t>(c.indice + k)] = *b ? 1 : 0;
      }
    }
    for (const CampoCaja& c : kCajasGlobales) {
      const Json* m = Lector::miembro(v, c.clave);
      const std::string donde = ruta(kClaveGlobales, c.clave);
      if (m == nullptr) continue;
      if (const std::string* s = l_.texto(*m, donde)) cajaGlobal(*s, donde, c.caja);
    }
  }

  // What the box holds once it has lost the focus; an empty password is a
  // box that never had it.
  // The numeric rewrite can lengthen a text ("1e20"), so the box's limit
  // holds for what is typed and for what it becomes.
  void cajaGlobal(const std::string& s, const std::string& donde, int caja) {
    const int largoMaximo = config::largoMaximoTexto(caja);
    if (demasiadoLargo(s, largoMaximo)) {
      l_.error(donde, kTextoLargo);
      return;
    }
    if (caja == config::caja::kClave && s.empty()) {
      cfg_.globales.text[static_cast<std::size_t>(caja)].clear();
      return;
    }
    config::RevisionTexto r = config::revisarTextoGlobal(caja, s);
    if (r.aviso) {
      l_.error(donde, r.aviso.texto);
    } else if (demasiadoLargo(r.texto, largoMaximo)) {
      l_.error(donde, kTextoLargo);
    } else if (caja == config::caja::kNumeroSaldo) {
      config::cambiarNumeroSaldo(cfg_, r.texto);
    } else {
      cfg_.globales.text[static_cast<std::size_t>(caja)] = std::move(r.texto);
    }
  }

  void especiales(const Json& v) {
    std::vector<std::string_view> claves;
    for (const auto& g : config::kGruposEspeciales) claves.emplace_back(g.campo);
    if (!l_.objeto(v, kClaveEspeciales, claves)) return;
    for (std::size_t g = 0; g < config::kGruposEspeciales.size(); ++g) {
      const char* campo = config::kGruposEspeciales[g].campo;
      const Json* m = Lector::miembro(v, campo);
      const std::string donde = ruta(kClaveEspeciales, campo);
      if (m == nullptr) continue;
      const std::string* s = l_.texto(*m, donde);
      if (s == nullptr) continue;
      const int opcion = config::opcionPorCaption(static_cast<int>(g), *s);
      if (opcion < 0) {
        l_.error(donde, kAvisoOpcion);
      } else {
        cfg_.especiales.seleccionar(opcion);
      }
    }
  }

  void panel(const Json& v) {
    if (!l_.objeto(v, kClavePanel, {kClaveVersion, kClaveSerial})) return;
    const struct {
      const char* clave;
      int largo;
      std::string& destino;
    } campos[] = {{kClaveVersion, kLargoVersion, cfg_.versionPanel}, {kClaveSerial, kLargoSerial, cfg_.serialPanel}};
    for (const auto& c : campos) {
      const Json* m = Lector::miembro(v, c.clave);
      const std::string donde = ruta(kClavePanel, c.clave);
      if (m == nullptr) continue;
      if (const std::string* s = l_.texto(*m, donde)) {
        if (demasiadoLargo(*s, c.largo)) {
          l_.error(donde, kTextoLargo);
        } else {
          c.destino = *s;
        }
      }
    }
  }

  Lector& l_;
  config::Configuracion& cfg_;
};

// Line and column (from 1) of a byte offset, for parse errors.
std::string posicion(std::string_view texto, std::size_t byte) {
  byte = std::min(byte, texto.size());
  std::size_t linea = 1, columna = 1;
  for (std::size_t i = 0; i < byte; ++i) {
    if (texto[i] == '\n') {
      ++linea;
      columna = 1;
    } else if ((static_cast<unsigned char>(texto[i]) & 0xC0) != 0x80) {
      ++columna;
    }
  }
  return "línea " + std::to_string(linea) + ", columna " + std::to_string(columna);
}

}  // namespace

ResultadoImportacion desdeJson(const Json& doc, config::Configuracion& cfg) {
  ResultadoImportacion r;
  Lector lector(r.errores);
  config::Configuracion nueva = cfg;
  Importador(lector, nueva).documento(doc);
  if (r.ok()) cfg = std::move(nueva);
  return r;
}

ResultadoImportacion importarJson(std::string_view texto, config::Configuracion& cfg) {
  ResultadoImportacion r;
  // A repeated key would silently hide the first value; report it instead.
  std::vector<std::set<std::string>> claves;
  std::vector<std::string> repetidas;
  const Json::parser_callback_t vigilar = [&](int, Json::parse_event_t evento, Json& valor) {
    if (evento == Json::parse_event_t::object_start) {
      claves.emplace_back();
    } else if (evento == Json::parse_event_t::object_end && !claves.empty()) {
      claves.pop_back();
    } else if (evento == Json::parse_event_t::key && !claves.empty() && valor.is_string()) {
      const std::string& clave = valor.get_ref<const std::string&>();
      if (!claves.back().insert(clave).second) repetidas.push_back(clave);
    }
    return true;
  };
  Json doc;
  try {
    doc = Json::parse(texto.begin(), texto.end(), vigilar);
  } catch (const Json::parse_error& e) {
    r.errores.push_back("El archivo no es un JSON válido (" + posicion(texto, e.byte == 0 ? 0 : e.byte - 1) + ")");
    return r;
  } catch (const Json::exception&) {
    // A number beyond any double, for instance: refused like any other bad JSON.
    r.errores.push_back("El archivo no es un JSON válido (número fuera de rango)");
    return r;
  }
  for (const std::string& clave : repetidas) r.errores.push_back(clave + ": Clave repetida");
  if (!r.ok()) return r;
  return desdeJson(doc, cfg);
}

}  // namespace orda::json
