#include "core/config/validacion.h"

#include "core/config/tablas.h"
#include "core/texto/cp1252.h"
#include "core/texto/numero.h"

namespace orda::config {

namespace {

using Accion = ValidacionCelda::Accion;

ValidacionCelda escribir(std::string t) { return {Accion::Escribir, std::move(t), {}}; }
ValidacionCelda rechazar(const char* aviso) { return {Accion::Rechazar, {}, Aviso{aviso}}; }

bool todosDigitos(std::string_view t) {
  for (char c : t) {
    if (c < '0' || c > '9') return false;
  }
  return true;
}

ValidacionCelda validarEntradas(const Tabla& t, int col, std::string_view texto) {
  const double v = texto::valorNumerico(texto);
  const int comparacion = t.findColumn("Valor");
  const int retardo = t.findColumn("Retardo");
  if (col == comparacion || col == comparacion + 1) {
    return v <= 3.3 ? escribir(std::string(texto)) : rechazar(kAvisoVoltaje);
  }
  if (col == retardo) {
    return v <= 327675 ? escribir(std::string(texto)) : rechazar(kAvisoRetardoActivacion);
  }
  if (col == retardo + 1) {
    return v <= 65535 ? escribir(std::string(texto)) : rechazar(kAvisoRetardoDisparo);
  }
  return escribir(texto::mayusculas(texto));
}

ValidacionCelda validarSalidas(int col, std::string_view texto) {
  if (col >= colSalidas::desde(0) && (col - colSalidas::hab(0)) % 3 != 0) {
    return validarHora(texto) ? escribir(std::string(texto)) : rechazar(kAvisoHora);
  }
  return escribir(texto::mayusculas(texto));
}

ValidacionCelda validarTree(int col, std::string_view texto) {
  switch (col) {
    case colTree::kPrivilegio:
      return texto::esNumerico(texto) && texto::valorNumerico(texto) < 5 ? escribir(std::string(texto))
                                                                          : rechazar(kAvisoPrivilegio);
    case colTree::kTelefono:
      if (texto == kNumeroSinDefinir) return {Accion::NoEscribir, {}, {}};
      if (texto.empty()) return {Accion::CambiarEditor, kNumeroSinDefinir, {}};
      return texto.size() == 10 && todosDigitos(texto) ? escribir(std::string(texto)) : rechazar(kAvisoNumero);
    case colTree::kDuracionRing:
      return todosDigitos(texto) && texto::valorNumerico(texto) <= 14 ? escribir(std::string(texto))
                                                                       : rechazar(kAvisoRing);
    default:
      return escribir(std::string(texto));
  }
}

}  // namespace

bool validarHora(std::string_view texto) {
  const std::u32string cs = texto::aCodigos(texto);
  if (cs.size() != 5) return false;
  for (std::size_t i : {0u, 1u, 3u, 4u}) {
    if (cs[i] < U'0' || cs[i] > U'9') return false;
  }
  const int hh = static_cast<int>((cs[0] - U'0') * 10 + (cs[1] - U'0'));
  const int mm = static_cast<int>((cs[3] - U'0') * 10 + (cs[4] - U'0'));
  return hh <= 23 && mm <= 59;
}

ValidacionCelda validarLeaveCell(const Tabla& t, int col, std::string_view texto) {
  switch (t.tipo()) {
    case TipoTabla::Entradas: return validarEntradas(t, col, texto);
    case TipoTabla::Salidas: return validarSalidas(col, texto);
    case TipoTabla::Tree: return validarTree(col, texto);
  }
  return rechazar("");
}

Aviso confirmarLeaveCell(Tabla& t, int fila, int col, std::string_view texto) {
  ValidacionCelda v = validarLeaveCell(t, col, texto);
  if (v.accion == Accion::Escribir) t.ponerTexto(fila, col, std::move(v.texto));
  return v.aviso;
}

Aviso confirmarLostFocus(Tabla& t, int fila, int col, std::string_view texto) {
  if (!t.existe(fila, col)) return {};
  const bool tiempo = t.columna(col).tipo == CellKind::Time;
  if (t.tipo() == TipoTabla::Salidas && (col != colSalidas::kAlias || tiempo)) {
    return {};  // only the name is written on focus loss; times go through LeaveCell
  }
  ValidacionCelda v = validarLeaveCell(t, col, texto);
  switch (v.accion) {
    case Accion::Rechazar:
    case Accion::NoEscribir:
      return v.aviso;
    case Accion::CambiarEditor:
      t.ponerTexto(fila, col, texto::mayusculas(v.texto));
      return {};
    case Accion::Escribir:
      break;
  }
  const bool mayus = t.tipo() == TipoTabla::Tree || t.tipo() == TipoTabla::Salidas ||
                     col == colEntradas::kAlias;
  t.ponerTexto(fila, col, mayus ? texto::mayusculas(texto) : std::string(texto));
  return {};
}

std::string caracteresRestantes(int largoMaximo, std::string_view texto) {
  const long resto = static_cast<long>(largoMaximo) - static_cast<long>(texto::largo(texto));
  return "Caracteres restantes:" + (resto >= 0 ? " " + std::to_string(resto) : std::to_string(resto));
}

}  // namespace orda::config
