#include "report/modelo_informe.h"

#include <algorithm>

#include "core/compare/comparar.h"
#include "core/config/alternar.h"
#include "core/config/disposicion_globales.h"
#include "core/config/tablas.h"

namespace orda::report {

namespace {

using config::CellKind;
using config::Tabla;

using compare::Ventana;
using compare::tituloVentana;

// The windows in the order the report shows them.
constexpr Ventana kVentanas[] = {Ventana::Entradas, Ventana::Salidas, Ventana::Telefonos, Ventana::Globales,
                                 Ventana::Especiales};

// Relative width a page takes: wider tables are cut into bands that each
// repeat the number and alias columns.
constexpr int kAnchoPagina = 6500;
constexpr int kColumnasFijas = 2;
// Width a header's longest word needs per character, so that "Nº" or "Hab"
// never breaks inside a narrow column.
constexpr int kAnchoLetra = 75;

Alineacion alineacion(config::Alineacion a) {
  switch (a) {
    case config::Alineacion::Izquierda: return Alineacion::Izquierda;
    case config::Alineacion::Derecha: return Alineacion::Derecha;
    default: return Alineacion::Centro;
  }
}

// A mark as text: its picture's meaning, blank when off.
std::string textoMarca(const std::string& imagen) {
  if (imagen == config::imagenes::kNoMarcado) return "";
  if (imagen == config::imagenes::kMarcado) return "X";
  if (imagen == config::imagenes::kMarcadoRG) return "RG";
  if (imagen == config::imagenes::kMarcado24) return "24";
  return "?";
}

bool esNumeroTelefono(const Tabla& t, int col) {
  return t.tipo() == config::TipoTabla::Tree && col == config::colTree::kTelefono;
}

std::string textoCelda(const Tabla& t, int fila, int col, const OpcionesInforme& o) {
  if (t.columna(col).tipo == CellKind::Mark) return textoMarca(t.imagen(fila, col));
  if (o.ocultarTelefonos && esNumeroTelefono(t, col)) return ocultarNumero(t.texto(fila, col));
  return t.texto(fila, col);
}

// Runs of columns under one header-1 caption, after the fixed columns.
std::vector<std::vector<int>> gruposDeColumnas(const Tabla& t) {
  std::vector<std::vector<int>> grupos;
  for (int c = kColumnasFijas; c < t.columnas(); ++c) {
    if (grupos.empty() || t.columna(grupos.back().front()).encabezado1 != t.columna(c).encabezado1) {
      grupos.emplace_back();
    }
    grupos.back().push_back(c);
  }
  return grupos;
}

std::size_t palabraMasLarga(std::string_view texto) {
  std::size_t mayor = 0;
  for (std::size_t i = 0; i < texto.size();) {
    const std::size_t fin = std::min(texto.find(' ', i), texto.size());
    std::size_t letras = 0;
    for (std::size_t k = i; k < fin; ++k) letras += (static_cast<unsigned char>(texto[k]) & 0xC0) != 0x80;
    mayor = std::max(mayor, letras);
    i = fin + 1;
  }
  return mayor;
}

// The column's width in the window, or what its headers need if more.
int anchoColumna(const Tabla& t, int col) {
  const config::ColumnSpec& s = t.columna(col);
  std::size_t letras = palabraMasLarga(s.encabezado2);
  const bool sola = (col == 0 || t.columna(col - 1).encabezado1 != s.encabezado1) &&
                    (col + 1 == t.columnas() || t.columna(col + 1).encabezado1 != s.encabezado1);
  if (sola) letras = std::max(letras, palabraMasLarga(s.encabezado1));
  return std::max(s.ancho, kAnchoLetra * static_cast<int>(letras));
}

int ancho(const Tabla& t, const std::vector<int>& cols) {
  int a = 0;
  for (int c : cols) a += anchoColumna(t, c);
  return a;
}

// The table's columns in bands that fit a page, whole header groups each.
std::vector<std::vector<int>> bandas(const Tabla& t) {
  std::vector<int> fijas;
  for (int c = 0; c < kColumnasFijas; ++c) fijas.push_back(c);
  std::vector<std::vector<int>> b{fijas};
  for (const auto& g : gruposDeColumnas(t)) {
    if (b.back().size() > fijas.size() && ancho(t, b.back()) + ancho(t, g) > kAnchoPagina) b.push_back(fijas);
    b.back().insert(b.back().end(), g.begin(), g.end());
  }
  return b;
}

// Header 1 merged over equal neighbours, header 2 one per column.
TablaInforme tablaDeColumnas(const Tabla& t, const std::vector<int>& cols, const OpcionesInforme& o) {
  TablaInforme r;
  std::vector<Encabezado> fila1, fila2;
  for (int c : cols) {
    const config::ColumnSpec& s = t.columna(c);
    if (!fila1.empty() && fila1.back().texto == s.encabezado1) {
      ++fila1.back().columnas;
    } else {
      fila1.push_back({s.encabezado1});
    }
    fila2.push_back({s.encabezado2});
    r.anchos.push_back(anchoColumna(t, c));
    r.alineaciones.push_back(alineacion(s.alineacion));
  }
  r.encabezados = {fila1, fila2};
  for (int f = Tabla::kPrimeraFila; f <= t.ultimaFila(); ++f) {
    std::vector<std::string> fila;
    for (int c : cols) fila.push_back(textoCelda(t, f, c, o));
    r.filas.push_back(std::move(fila));
  }
  return r;
}

Seccion seccionTabla(Ventana v, const Tabla& t, const OpcionesInforme& o) {
  Seccion s{tituloVentana(v), {}, {}};
  for (const auto& cols : bandas(t)) s.tablas.push_back(tablaDeColumnas(t, cols, o));
  return s;
}

// Two columns, caption and value, under a title that spans both.
TablaInforme tablaDeValores(const std::string& titulo, std::vector<std::vector<std::string>> filas) {
  TablaInforme r;
  r.encabezados = {{{titulo, 2}}};
  r.anchos = {3, 2};
  r.alineaciones = {Alineacion::Izquierda, Alineacion::Izquierda};
  r.filas = std::move(filas);
  return r;
}

const char* siNo(bool b) { return b ? "Sí" : "No"; }

// "1 3 4", or "Ninguno" when no box of the row is checked.
std::string numerosMarcados(const config::Globales& g, const config::FilaGlobal& f) {
  std::string s;
  for (int k = 0; k < f.cuantas; ++k) {
    if (!g.opcionActiva(f.indice + k)) continue;
    if (!s.empty()) s += ' ';
    s += std::to_string(k + 1);
  }
  return s.empty() ? "Ninguno" : s;
}

Seccion seccionGlobales(const config::Globales& g, const OpcionesInforme& o) {
  Seccion s{tituloVentana(Ventana::Globales), {}, {}};
  for (const config::GrupoGlobal& grupo : config::gruposGlobales()) {
    std::vector<std::vector<std::string>> filas;
    for (const config::FilaGlobal& f : grupo.filas) {
      switch (f.tipo) {
        case config::FilaGlobal::Opcion:
          filas.push_back({config::captionOpcion(f.indice), siNo(g.opcionActiva(f.indice))});
          break;
        case config::FilaGlobal::Numerada: filas.push_back({f.titulo, numerosMarcados(g, f)}); break;
        case config::FilaGlobal::Texto: {
          std::string valor = g.text.at(static_cast<std::size_t>(f.indice));
          if (o.ocultarTelefonos && f.indice == config::caja::kNumeroSaldo) valor = ocultarNumero(valor);
          filas.push_back({config::etiquetaTexto(f.indice), std::move(valor)});
          break;
        }
      }
    }
    s.tablas.push_back(tablaDeValores(grupo.titulo, std::move(filas)));
  }
  return s;
}

Seccion seccionEspeciales(const config::Especiales& e) {
  std::vector<std::vector<std::string>> filas;
  for (std::size_t g = 0; g < config::kGruposEspeciales.size(); ++g) {
    const int elegida = e.seleccion(static_cast<int>(g));
    filas.push_back({config::kGruposEspeciales[g].titulo,
                     config::kCaptionsEspeciales.at(static_cast<std::size_t>(elegida))});
  }
  TablaInforme t = tablaDeValores("", std::move(filas));
  t.encabezados.clear();  // the section's title says it all
  return {tituloVentana(Ventana::Especiales), {std::move(t)}, {}};
}

std::vector<Seccion> seccionesCompletas(const config::Configuracion& cfg, const OpcionesInforme& o) {
  return {seccionTabla(Ventana::Entradas, cfg.entradas, o), seccionTabla(Ventana::Salidas, cfg.salidas, o),
          seccionTabla(Ventana::Telefonos, cfg.tree, o), seccionGlobales(cfg.globales, o),
          seccionEspeciales(cfg.especiales)};
}

bool esTelefono(const compare::Diferencia& d) {
  return (d.ventana == Ventana::Telefonos && d.lugar.tipo == compare::Lugar::Celda &&
          d.lugar.indice == config::colTree::kTelefono) ||
         (d.ventana == Ventana::Globales && d.lugar.tipo == compare::Lugar::CajaTexto &&
          d.lugar.indice == config::caja::kNumeroSaldo);
}

// Each window's fields that differ from a new configuration's, one per row.
std::vector<Seccion> seccionesDistintas(const config::Configuracion& cfg, const OpcionesInforme& o) {
  const std::vector<compare::Diferencia> distintas = compare::comparar(config::Configuracion(), cfg);
  std::vector<Seccion> secciones;
  for (Ventana v : kVentanas) {
    TablaInforme t;
    t.encabezados = {{{"Fila"}, {"Campo"}, {"Valor"}, {"De fábrica"}}};
    t.anchos = {3, 4, 4, 3};
    t.alineaciones.assign(4, Alineacion::Izquierda);
    for (const compare::Diferencia& d : distintas) {
      if (d.ventana != v) continue;
      const bool ocultar = o.ocultarTelefonos && esTelefono(d);
      t.filas.push_back({d.fila, d.campo, ocultar ? ocultarNumero(d.despues) : d.despues,
                         ocultar ? ocultarNumero(d.antes) : d.antes});
    }
    Seccion s{tituloVentana(v), {}, "Todos los valores son los de fábrica."};
    if (!t.filas.empty()) s.tablas.push_back(std::move(t));
    secciones.push_back(std::move(s));
  }
  return secciones;
}

}  // namespace

std::string ocultarNumero(std::string_view numero) {
  if (numero.size() <= 3 || numero == config::kNumeroSinDefinir) return std::string(numero);
  return std::string(numero.size() - 3, '*') + std::string(numero.substr(numero.size() - 3));
}

Informe armarInforme(const config::Configuracion& cfg, const OpcionesInforme& o, const DatosInforme& d) {
  Informe inf;
  inf.titulo = kTituloInforme;
  const std::string panel = config::textoVersion(cfg.versionPanel) + "  " + config::textoSerial(cfg.serialPanel);
  const std::string archivo = d.archivo.empty() ? "Sin archivo" : d.archivo;
  inf.encabezadoPagina = "ORDA202 " + panel + "  ·  " + archivo;
  inf.datos = {{"Panel", panel},
               {"Archivo", archivo},
               {"Fecha y hora", d.fechaHora},
               {"Instalador", d.instalador},
               {"Cliente", d.cliente}};
  if (o.soloDistintos) inf.avisos.push_back("Solo valores distintos de los de fábrica");
  if (o.ocultarTelefonos) inf.avisos.push_back("Números de teléfono ocultos");
  inf.secciones = o.soloDistintos ? seccionesDistintas(cfg, o) : seccionesCompletas(cfg, o);
  return inf;
}

}  // namespace orda::report
