#include <algorithm>

#include "core/config/alternar.h"
#include "core/config/especiales.h"
#include "json/configuracion_json.h"
#include "json/formato.h"

namespace orda::json {

namespace {

using config::Tabla;

// E7's rule: a picture outside the cycle counts as the last state.
int estadoHabDisparo(const std::string& imagen) {
  for (int i = 0; i < 4; ++i) {
    if (imagen == config::kEstadosHabDisparo[i]) return i;
  }
  return 3;
}

Json valorCelda(const Tabla& t, int fila, const CampoTabla& c, int desplazamiento = 0) {
  const int col = c.col + desplazamiento;
  switch (c.clase) {
    case Clase::Texto:
    case Clase::Tipo:
      return t.texto(fila, col);
    case Clase::Marca:
      return t.marcada(fila, col);
    case Clase::Marcas: {
      Json lista = Json::array();
      for (int k = 0; k < c.cantidad; ++k) lista.push_back(t.marcada(fila, col + k));
      return lista;
    }
    case Clase::Estado:
      return estadoHabDisparo(t.imagen(fila, col));
  }
  return nullptr;
}

Json entradas(const Tabla& t) {
  Json lista = Json::array();
  for (int fila = Tabla::kPrimeraFila; fila <= t.ultimaFila(); ++fila) {
    Json e = Json::object();
    for (const CampoTabla& c : kCamposEntrada) e[c.clave] = valorCelda(t, fila, c);
    lista.push_back(std::move(e));
  }
  return lista;
}

Json salidas(const Tabla& t) {
  Json lista = Json::array();
  for (int fila = Tabla::kPrimeraFila; fila <= t.ultimaFila(); ++fila) {
    Json s = Json::object();
    for (const CampoTabla& c : kCamposSalida) s[c.clave] = valorCelda(t, fila, c);
    Json programas = Json::array();
    for (int k = 0; k < kCantidadProgramas; ++k) {
      Json p = Json::object();
      for (const CampoTabla& c : kCamposPrograma) p[c.clave] = valorCelda(t, fila, c, 3 * k);
      programas.push_back(std::move(p));
    }
    s[kClaveProgramas] = std::move(programas);
    lista.push_back(std::move(s));
  }
  return lista;
}

Json telefonos(const Tabla& t) {
  Json lista = Json::array();
  for (int fila = Tabla::kPrimeraFila; fila <= t.ultimaFila(); ++fila) {
    Json tel = Json::object();
    for (const CampoTabla& c : kCamposTelefono) tel[c.clave] = valorCelda(t, fila, c);
    lista.push_back(std::move(tel));
  }
  return lista;
}

Json globales(const config::Globales& g) {
  Json o = Json::object();
  for (const CampoOpcion& c : kOpcionesGlobales) {
    if (c.cantidad == 1) {
      o[c.clave] = g.opcionActiva(c.indice);
      continue;
    }
    Json lista = Json::array();
    for (int k = 0; k < c.cantidad; ++k) lista.push_back(g.opcionActiva(c.indice + k));
    o[c.clave] = std::move(lista);
  }
  for (const CampoCaja& c : kCajasGlobales) o[c.clave] = g.text[static_cast<std::size_t>(c.caja)];
  return o;
}

Json especiales(const config::Especiales& e) {
  Json o = Json::object();
  for (std::size_t g = 0; g < config::kGruposEspeciales.size(); ++g) {
    const int elegida = e.seleccion(static_cast<int>(g));
    o[config::kGruposEspeciales[g].campo] = config::kCaptionsEspeciales[static_cast<std::size_t>(elegida)];
  }
  return o;
}

bool esEscalar(const Json& v) { return !v.is_object() && !v.is_array(); }

// Indented like dump(2), but a list of plain values stays on one line so a
// row of marks reads as a row.
void escribir(std::string& s, const Json& v, int nivel) {
  // Texts decoded from an image are valid UTF-8; `replace` only guards a
  // caller that filled the configuration by hand.
  if (esEscalar(v)) {
    s += v.dump(-1, ' ', false, Json::error_handler_t::replace);
    return;
  }
  const bool lista = v.is_array();
  if (v.empty()) {
    s += lista ? "[]" : "{}";
    return;
  }
  if (lista && std::all_of(v.begin(), v.end(), esEscalar)) {
    s += '[';
    for (std::size_t i = 0; i < v.size(); ++i) {
      if (i > 0) s += ", ";
      escribir(s, v[i], nivel);
    }
    s += ']';
    return;
  }
  const std::string sangria(static_cast<std::size_t>(2 * (nivel + 1)), ' ');
  s += lista ? "[\n" : "{\n";
  bool primero = true;
  for (auto it = v.begin(); it != v.end(); ++it) {
    if (!primero) s += ",\n";
    primero = false;
    s += sangria;
    if (!lista) s += Json(it.key()).dump(-1, ' ', false, Json::error_handler_t::replace) + ": ";
    escribir(s, *it, nivel + 1);
  }
  s += "\n" + std::string(static_cast<std::size_t>(2 * nivel), ' ') + (lista ? "]" : "}");
}

}  // namespace

Json aJson(const config::Configuracion& cfg) {
  Json doc = Json::object();
  doc[kClaveEntradas] = entradas(cfg.entradas);
  doc[kClaveSalidas] = salidas(cfg.salidas);
  doc[kClaveTelefonos] = telefonos(cfg.tree);
  doc[kClaveGlobales] = globales(cfg.globales);
  doc[kClaveEspeciales] = especiales(cfg.especiales);
  doc[kClavePanel] = Json{{kClaveVersion, cfg.versionPanel}, {kClaveSerial, cfg.serialPanel}};
  return doc;
}

std::string exportarJson(const config::Configuracion& cfg) {
  std::string s;
  escribir(s, aJson(cfg), 0);
  return s + "\n";
}

}  // namespace orda::json
