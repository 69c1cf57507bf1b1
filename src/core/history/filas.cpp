#include "core/history/filas.h"

#include "core/history/descripcion.h"

namespace orda::history {

Historial filasHistorial(std::span<const std::uint8_t> memoria, const config::Tabla& entradas,
                         const config::Tabla& tree) {
  Historial h;
  h.cantidad = cantidadRegistros(memoria);
  h.filas.reserve(static_cast<std::size_t>(h.cantidad.cantidad));
  for (int i = 0; i < h.cantidad.cantidad; ++i) {
    FilaHistorial f;
    f.indice = i;
    f.numero = std::to_string(i);
    const std::optional<EventRecord> r = registroEn(memoria, static_cast<std::size_t>(i));
    if (!r) {
      f.error = "Registro " + std::to_string(i) + " fuera de la memoria de " + std::to_string(memoria.size()) + " bytes";
      h.filas.push_back(std::move(f));
      continue;
    }
    f.fecha = fechaRegistro(*r);
    f.hora = horaRegistro(*r);
    f.codigos = {textoCodigo(r->codigo1), textoCodigo(r->codigo2), textoCodigo(r->codigo3), textoCodigo(r->codigo4)};
    Descripcion d = describirEvento(r->codigo1, r->codigo2, r->codigo3, r->codigo4, entradas, tree);
    if (d.ok) {
      f.descripcion = std::move(d.texto);
    } else {
      f.error = std::move(d.error);
    }
    h.filas.push_back(std::move(f));
  }
  return h;
}

}  // namespace orda::history
