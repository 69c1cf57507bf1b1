#pragma once
// Test double of the dialogs: answers from a queue, remembers every box shown.
#include <QString>
#include <deque>
#include <vector>

#include "gui/comun/dialogos.h"

namespace orda::gui {

struct MensajeMostrado {
  QString texto;
  QString titulo;
  Icono icono;
  Botones botones;
};

class DialogosGrabados : public Dialogos {
 public:
  std::vector<MensajeMostrado> mostrados;
  std::vector<PedidoArchivo> pedidos;
  std::deque<Respuesta> respuestas;                 // empty: Aceptar / Si
  std::deque<std::optional<QString>> archivos;      // empty: cancelled

  Respuesta mensaje(const QString& texto, const QString& titulo, Icono icono, Botones botones) override {
    mostrados.push_back({texto, titulo, icono, botones});
    if (respuestas.empty()) return botones == Botones::Aceptar ? Respuesta::Aceptar : Respuesta::Si;
    const Respuesta r = respuestas.front();
    respuestas.pop_front();
    return r;
  }
  std::optional<QString> archivoParaGuardar(const PedidoArchivo& p) override { return siguiente(p); }
  std::optional<QString> archivoParaAbrir(const PedidoArchivo& p) override { return siguiente(p); }

 private:
  std::optional<QString> siguiente(const PedidoArchivo& p) {
    pedidos.push_back(p);
    if (archivos.empty()) return std::nullopt;
    std::optional<QString> a;
    a.swap(archivos.front());
    archivos.pop_front();
    return a;
  }
};

}  // namespace orda::gui
