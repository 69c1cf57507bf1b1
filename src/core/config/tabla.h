#pragma once
// A configuration table as the grids keep it: cells of text and picture key,
// with the grid's own coordinates (row 0 hidden, rows 1 and 2 headers, data
// from row 3), so that "row i + 3" reads the same everywhere.
#include <string>
#include <string_view>
#include <vector>

namespace orda::config {

enum class CellKind { Text = 1, Mark = 2, Time = 3, InputType = 4 };
enum class Alineacion { Izquierda = 1, Centro = 4, Derecha = 7 };
enum class TipoTabla { Entradas, Salidas, Tree };

struct ColumnSpec {
  int ancho;
  std::string encabezado1;
  std::string encabezado2;
  Alineacion alineacion;
  CellKind tipo;
  int largoMaximo;  // 0 for marks, -1 for the input type
};

struct Celda {
  std::string texto;
  std::string imagen;  // picture key, empty when none
  bool operator==(const Celda&) const = default;
};

// Picture keys that carry meaning in the tables.
namespace imagenes {
inline constexpr const char* kNoMarcado = "NOG2";
inline constexpr const char* kMarcado = "OKG";
inline constexpr const char* kMarcadoRG = "OKGRG";
inline constexpr const char* kMarcado24 = "OKG24";
inline constexpr const char* kFlancoAsc = "FLANCOASC";
inline constexpr const char* kFlancoDesc = "FLANCODESC";
inline constexpr const char* kDesconocido = "NOG";
}  // namespace imagenes

class Tabla {
 public:
  static constexpr int kFilaOculta = 0;
  static constexpr int kFilaEncabezado1 = 1;
  static constexpr int kFilaEncabezado2 = 2;
  static constexpr int kPrimeraFila = 3;

  // registros: data rows; filasExtra: hidden rows after the data (phone list).
  Tabla(TipoTabla tipo, std::vector<ColumnSpec> columnas, int registros, int filasExtra = 0);

  TipoTabla tipo() const { return tipo_; }
  int filas() const { return static_cast<int>(celdas_.size()) / columnas(); }
  int columnas() const { return static_cast<int>(spec_.size()); }
  int registros() const { return registros_; }
  int ultimaFila() const { return kPrimeraFila + registros_ - 1; }
  bool esFilaDatos(int fila) const { return fila >= kPrimeraFila && fila <= ultimaFila(); }
  bool existe(int fila, int col) const { return fila >= 0 && fila < filas() && col >= 0 && col < columnas(); }

  const ColumnSpec& columna(int col) const { return spec_.at(static_cast<std::size_t>(col)); }
  const std::vector<ColumnSpec>& spec() const { return spec_; }

  // Throw std::out_of_range outside the grid.
  Celda& celda(int fila, int col);
  const Celda& celda(int fila, int col) const;
  const std::string& texto(int fila, int col) const { return celda(fila, col).texto; }
  const std::string& imagen(int fila, int col) const { return celda(fila, col).imagen; }
  void ponerTexto(int fila, int col, std::string t) { celda(fila, col).texto = std::move(t); }
  void ponerImagen(int fila, int col, std::string k) { celda(fila, col).imagen = std::move(k); }
  bool marcada(int fila, int col) const { return imagen(fila, col) == imagenes::kMarcado; }
  void marcar(int fila, int col, bool on) { ponerImagen(fila, col, on ? imagenes::kMarcado : imagenes::kNoMarcado); }

  // First column whose header-1 text contains `texto` (case-sensitive); the
  // last column when none does.
  int findColumn(std::string_view texto) const;

  bool operator==(const Tabla& o) const { return tipo_ == o.tipo_ && celdas_ == o.celdas_; }

 private:
  TipoTabla tipo_;
  std::vector<ColumnSpec> spec_;
  int registros_;
  std::vector<Celda> celdas_;
};

}  // namespace orda::config
