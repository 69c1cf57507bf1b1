#pragma once
// The library for a window: every request runs on a thread of its own, one
// after another in the order asked, and its answer comes back to the
// caller's thread through the event loop. The window never waits for a disk
// or a server: a request is a function of the library, an answer is a
// function of the result, a failure is a function of the message.
//
// The library is opened by the first request (and again by the next one
// after a failure), so a server that is down costs each request its
// connection timeout on the worker thread, never on the window's.
#include <functional>
#include <memory>
#include <string>

#include <QObject>
#include <QThread>

#include "sites/biblioteca.h"

namespace orda::sites {

class Trabajador : public QObject {
  Q_OBJECT

 public:
  explicit Trabajador(Destino destino, QObject* padre = nullptr);
  // Waits for the requests already asked (each is short, or bounded by the
  // connection timeout), then closes the library.
  ~Trabajador() override;

  // Another library from the next request on: the requests already asked
  // still go to the one they were asked of.
  void cambiarDestino(Destino destino);

  template <class T>
  void pedir(std::function<T(Biblioteca&)> trabajo, std::function<void(T)> alTerminar,
             std::function<void(const std::string&)> alFallar) {
    enHilo([this, trabajo = std::move(trabajo), alTerminar = std::move(alTerminar),
            alFallar = std::move(alFallar)]() mutable {
      std::function<void()> respuesta;
      try {
        T resultado = trabajo(biblioteca());
        respuesta = [alTerminar = std::move(alTerminar), r = std::move(resultado)]() mutable { alTerminar(std::move(r)); };
      } catch (const std::exception& e) {
        respuesta = [alFallar = std::move(alFallar), m = std::string(e.what())] { alFallar(m); };
      }
      responder(std::move(respuesta));
    });
  }

 signals:
  // The library opened (again): read-only and why, for the window to say.
  void abierta(bool soloLectura, const QString& aviso);

 private:
  Biblioteca& biblioteca();  // on the worker thread
  void enHilo(std::function<void()> f);
  void responder(std::function<void()> f);

  Destino destino_;
  QThread hilo_;
  QObject* contexto_;  // lives on hilo_
  std::unique_ptr<Biblioteca> biblioteca_;  // touched on hilo_ only
};

// What the console archives by itself once a read told the panel's serial:
// the site that has it, or none.
struct ArchivoAutomatico {
  std::optional<Sitio> sitio;
  std::optional<Archivada> version;
  std::optional<Recuperacion> recuperacion;
};
ArchivoAutomatico archivarPorSerie(Biblioteca& b, const std::string& serial, const imagen::ImagenMemoria& img,
                                   Origen origen);
ArchivoAutomatico fusionarPorSerie(Biblioteca& b, const std::string& serial, std::span<const std::uint8_t> memoria,
                                   const config::Configuracion& alias);

}  // namespace orda::sites
