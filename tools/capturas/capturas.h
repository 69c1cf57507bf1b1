#pragma once
// The manual's pictures (scripts/capturas.sh): each set drives the windows
// on the simulated panel, in virtual time where it can, and saves what the
// manual shows. QtTest runs each set, for its waits and its checks that a
// window is in the state the picture needs.
#include <QObject>
#include <QPixmap>
#include <QString>
#include <memory>

namespace orda::capturas {

// The folder the pictures go to.
QString& carpeta();
// Saves `p` as carpeta()/<nombre>.png; false when it is empty or not saved.
bool guardar(const QPixmap& p, const QString& nombre);

std::unique_ptr<QObject> consola();
std::unique_ptr<QObject> configuracion();
std::unique_ptr<QObject> historial();
std::unique_ptr<QObject> tendencia();
std::unique_ptr<QObject> instalaciones();

}  // namespace orda::capturas
