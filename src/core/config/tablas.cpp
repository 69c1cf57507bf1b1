#include "core/config/tablas.h"

#include <string>

namespace orda::config {

namespace {

using enum CellKind;
constexpr Alineacion I = Alineacion::Izquierda, C = Alineacion::Centro, D = Alineacion::Derecha;

void agregarMarcas(std::vector<ColumnSpec>& v, const std::string& enc1, int cuantas) {
  for (int k = 1; k <= cuantas; ++k) v.push_back({100, enc1, std::to_string(k), C, Mark, 0});
}

std::vector<ColumnSpec> columnasEntradas() {
  const std::string smsAct = "Si activa/desactiva envía SMS a ...";
  const std::string smsDisp = "Si dispara envía SMS a ...";
  std::vector<ColumnSpec> v;
  v.push_back({110, "Nº", "ent", C, Text, 2});
  v.push_back({800, "Alias", "Identificación", I, Text, 12});
  agregarMarcas(v, "Grupo", 4);
  v.push_back({550, "Tipo de", "entrada", D, InputType, -1});
  v.push_back({130, "Hab", "disp", C, Mark, 0});
  v.push_back({500, "Retardo de", "activación [mseg]", D, Text, 6});
  v.push_back({400, "Retardo de", "disparo [seg]", D, Text, 5});
  agregarMarcas(v, smsAct, 8);
  v.push_back({1000, smsAct, "Mensaje de Activación", I, Text, 60});
  v.push_back({1000, smsAct, "Mensaje de Desactivación", I, Text, 60});
  agregarMarcas(v, smsDisp, 8);
  v.push_back({1000, smsDisp, "Mensaje de disparo", I, Text, 60});
  agregarMarcas(v, "Si dispara llama a ...", 8);
  v.push_back({500, "Valor de comparación [Volt]", "Superior", C, Text, 10});
  v.push_back({500, "Valor de comparación [Volt]", "Inferior", C, Text, 10});
  v.push_back({500, "Constante de escalado para SMS", "Valor", C, Text, 10});
  v.push_back({500, "Constante de escalado para SMS", "Unidad", C, Text, 3});
  return v;
}

std::vector<ColumnSpec> columnasSalidas() {
  std::vector<ColumnSpec> v;
  v.push_back({110, "Nº", "sal", C, Text, 2});
  v.push_back({800, "Alias", "Identificación", I, Text, 12});
  v.push_back({400, "Salida", "encendida", C, Mark, 0});
  for (int k = 0; k < 4; ++k) {
    v.push_back({130, "Programación automática", "Hab", C, Mark, 0});
    v.push_back({400, "Programación automática", "Desde", C, Time, 5});
    v.push_back({400, "Programación automática", "Hasta", C, Time, 5});
  }
  return v;
}

std::vector<ColumnSpec> columnasTree() {
  return {
      {100, "Nº", "tel", C, Text, 1},
      {500, "Listado", "Pertenece a ...", I, Text, 12},
      {300, "Listado", "Privilegios", C, Text, 1},
      {400, "Listado", "Número", C, Text, 10},
      {400, "Listado", "Duración Ring [seg]", C, Text, 2},
  };
}

// Record numbers in column 0 and the picture of every mark cell.
void numerarYMarcar(Tabla& t) {
  for (int f = Tabla::kPrimeraFila; f <= t.ultimaFila(); ++f) {
    t.ponerTexto(f, 0, std::to_string(f - Tabla::kPrimeraFila + 1));
    for (int c = 0; c < t.columnas(); ++c) {
      if (t.columna(c).tipo == Mark) t.ponerImagen(f, c, imagenes::kNoMarcado);
    }
  }
}

}  // namespace

Tabla nuevaTablaEntradas() {
  Tabla t(TipoTabla::Entradas, columnasEntradas(), 8);
  numerarYMarcar(t);
  for (int f = Tabla::kPrimeraFila; f <= t.ultimaFila(); ++f) {
    using namespace colEntradas;
    t.ponerTexto(f, kAlias, "ENTRADA" + std::to_string(f - 2));
    t.ponerTexto(f, kTipo, kTipoBajo);
    t.ponerImagen(f, kTipo, imagenes::kFlancoDesc);
    t.ponerTexto(f, kRetardoActivacion, "600");
    t.ponerTexto(f, kRetardoDisparo, "1");
    t.ponerTexto(f, kComparacionSuperior, "1.20");
    t.ponerTexto(f, kComparacionInferior, "0.50");
    t.ponerTexto(f, kEscalaValor, "1.000");
  }
  return t;
}

Tabla nuevaTablaSalidas() {
  Tabla t(TipoTabla::Salidas, columnasSalidas(), 4);
  numerarYMarcar(t);
  for (int f = Tabla::kPrimeraFila; f <= t.ultimaFila(); ++f) {
    t.ponerTexto(f, colSalidas::kAlias, "SALIDA" + std::to_string(f - 2));
    for (int k = 0; k < 4; ++k) {
      t.ponerTexto(f, colSalidas::desde(k), "00:00");
      t.ponerTexto(f, colSalidas::hasta(k), "00:00");
    }
  }
  return t;
}

Tabla nuevaTablaTree() {
  Tabla t(TipoTabla::Tree, columnasTree(), 9, 1);
  numerarYMarcar(t);
  for (int f = Tabla::kPrimeraFila; f <= t.ultimaFila(); ++f) {
    t.ponerTexto(f, colTree::kPrivilegio, "0");
    t.ponerTexto(f, colTree::kTelefono, kNumeroSinDefinir);
    t.ponerTexto(f, colTree::kDuracionRing, "5");
  }
  t.ponerTexto(t.ultimaFila(), colTree::kPerteneceA, "SERV TECNICO");
  t.ponerTexto(colTree::kFilaSaldo, 0, "w");
  return t;
}

}  // namespace orda::config
