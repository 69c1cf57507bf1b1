#include "sites/trabajador.h"

namespace orda::sites {

Trabajador::Trabajador(Destino destino, QObject* padre)
    : QObject(padre), destino_(std::move(destino)), contexto_(new QObject) {
  contexto_->moveToThread(&hilo_);
  hilo_.setObjectName("biblioteca");
  hilo_.start();
}

Trabajador::~Trabajador() {
  // After every request already queued: the connection is closed on its own thread.
  enHilo([this] {
    biblioteca_.reset();
    QThread::currentThread()->quit();
  });
  hilo_.wait();
  delete contexto_;
}

void Trabajador::cambiarDestino(Destino destino) {
  // destino_ and the connection are the worker thread's: changed there, in turn.
  enHilo([this, d = std::move(destino)]() mutable {
    biblioteca_.reset();
    destino_ = std::move(d);
  });
}

Biblioteca& Trabajador::biblioteca() {
  if (!biblioteca_) {
    biblioteca_ = std::make_unique<Biblioteca>(destino_);
    const bool soloLectura = biblioteca_->soloLectura();
    const QString aviso = QString::fromStdString(biblioteca_->aviso());
    responder([this, soloLectura, aviso] { emit abierta(soloLectura, aviso); });
  }
  return *biblioteca_;
}

void Trabajador::enHilo(std::function<void()> f) {
  QMetaObject::invokeMethod(contexto_, std::move(f), Qt::QueuedConnection);
}

void Trabajador::responder(std::function<void()> f) {
  // `this` lives on the caller's thread: the answer runs there.
  QMetaObject::invokeMethod(this, std::move(f), Qt::QueuedConnection);
}

ArchivoAutomatico archivarPorSerie(Biblioteca& b, const std::string& serial, const imagen::ImagenMemoria& img,
                                   Origen origen) {
  ArchivoAutomatico a;
  a.sitio = b.sitioPorSerie(serial);
  if (a.sitio) a.version = b.archivarVersion(a.sitio->id, img, origen);
  return a;
}

ArchivoAutomatico fusionarPorSerie(Biblioteca& b, const std::string& serial, std::span<const std::uint8_t> memoria,
                                   const config::Configuracion& alias) {
  ArchivoAutomatico a;
  a.sitio = b.sitioPorSerie(serial);
  if (a.sitio) a.recuperacion = b.fusionarHistorial(a.sitio->id, memoria, alias);
  return a;
}

}  // namespace orda::sites
