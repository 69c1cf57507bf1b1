#pragma once
// Test double of the dialogs: answers from a queue, remembers every box shown.
// With `reales` set the message boxes are real ones, which the test closes
// with cerrarLaProximaCaja().
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QString>
#include <QTimer>
#include <deque>
#include <functional>
#include <memory>
#include <vector>

#include "gui/comun/dialogos.h"

namespace orda::gui {

struct MensajeMostrado {
  QString texto;
  QString titulo;
  Icono icono;
  Botones botones;
  bool operator==(const MensajeMostrado&) const = default;
};

class DialogosGrabados : public Dialogos {
 public:
  std::vector<MensajeMostrado> mostrados;
  std::vector<PedidoArchivo> pedidos;
  std::deque<Respuesta> respuestas;                 // empty: Aceptar / Si
  std::deque<std::optional<QString>> archivos;      // empty: cancelled

  bool reales = false;
  void ponerPadre(QWidget* padre) { qt_.ponerPadre(padre); }

  Respuesta mensaje(const QString& texto, const QString& titulo, Icono icono, Botones botones) override {
    mostrados.push_back({texto, titulo, icono, botones});
    if (reales) return qt_.mensaje(texto, titulo, icono, botones);
    if (respuestas.empty()) return botones == Botones::Aceptar ? Respuesta::Aceptar : Respuesta::Si;
    const Respuesta r = respuestas.front();
    respuestas.pop_front();
    return r;
  }
  std::optional<QString> archivoParaGuardar(const PedidoArchivo& p) override { return siguiente(p); }
  std::optional<QString> archivoParaAbrir(const PedidoArchivo& p) override { return siguiente(p); }

 private:
  DialogosQt qt_;

  std::optional<QString> siguiente(const PedidoArchivo& p) {
    pedidos.push_back(p);
    if (archivos.empty()) return std::nullopt;
    std::optional<QString> a;
    a.swap(archivos.front());
    archivos.pop_front();
    return a;
  }
};

// The next real message box is answered with its first button as soon as it
// is up, as a user closes it; `mientras` sees it first. Nothing happens once
// `contexto` is gone.
inline void cerrarLaProximaCaja(QObject* contexto, std::function<void(QMessageBox*)> mientras = {}) {
  auto intentar = std::make_shared<std::function<void()>>();
  *intentar = [contexto, mientras, intentar] {
    auto* caja = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (caja == nullptr || !caja->isVisible()) {
      QTimer::singleShot(5, contexto, *intentar);
      return;
    }
    if (mientras) mientras(caja);
    caja->buttons().constFirst()->click();
  };
  QTimer::singleShot(0, contexto, *intentar);
}

}  // namespace orda::gui
