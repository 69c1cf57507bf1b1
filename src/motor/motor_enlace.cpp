#include "motor/motor_enlace.h"


namespace orda::motor {

namespace {

// Forwards everything to the real transport and says when a report went out,
// so that the timer is armed for its answer whoever sent it.
class TransporteVigilado : public link::Transporte {
 public:
  TransporteVigilado(link::Transporte& t, std::function<void()> alEscribir)
      : t_(t), alEscribir_(std::move(alEscribir)) {
    t_.alEvento = [this](const link::Evento& e) {
      if (alEvento) alEvento(e);
    };
  }
  ~TransporteVigilado() override { t_.alEvento = nullptr; }
  bool Connect() override { return t_.Connect(); }
  void Disconnect() override { t_.Disconnect(); }
  int GetVendorID(link::Handle h) override { return t_.GetVendorID(h); }
  int GetProductID(link::Handle h) override { return t_.GetProductID(h); }
  link::Handle GetHandle(int v, int p) override { return t_.GetHandle(v, p); }
  void SetReadNotify(link::Handle h, bool a) override { t_.SetReadNotify(h, a); }
  bool Read(link::Handle h, link::BufferReporte& b) override { return t_.Read(h, b); }
  void alVencer(std::int64_t ahoraMs) override { t_.alVencer(ahoraMs); }
  std::optional<std::int64_t> proximoVencimiento() const override { return t_.proximoVencimiento(); }
  bool WriteEx(int v, int p, const link::BufferReporte& b) override {
    const bool ok = t_.WriteEx(v, p, b);
    alEscribir_();
    return ok;
  }

 private:
  link::Transporte& t_;
  std::function<void()> alEscribir_;
};

}  // namespace

MotorEnlace::MotorEnlace(const FabricaTransporte& fabrica, link::OyenteEnlace& oyente, config::Configuracion& cfg,
                         imagen::ImagenMemoria& imagenMemoria, Reloj reloj, QObject* padre)
    : QObject(padre), despertador_(std::move(reloj)) {
  transporte_ = fabrica(despertador_.reloj());
  despertador_.alSonar = [this] { vencer(); };
  // A report written by anyone may bring an answer: look again right away.
  auto vigilado = std::make_unique<TransporteVigilado>(*transporte_, [this] {
    if (!venciendo_) despertador_.armar(ahoraMs());
  });
  vigilado->alEvento = [this](const link::Evento& e) { alEvento(e); };
  consola_ = std::make_unique<sequences::Consola>(*vigilado, oyente, cfg, imagenMemoria, ahoraMs());
  vigilante_ = std::move(vigilado);
}

MotorEnlace::~MotorEnlace() {
  despertador_.detener();
  if (conectado_) transporte_->Disconnect();
  consola_.reset();
  vigilante_.reset();
}

bool MotorEnlace::conectar() {
  conectado_ = vigilante_->Connect();
  rearmar();
  return conectado_;
}

void MotorEnlace::desconectar() {
  despertador_.detener();
  if (!conectado_) return;
  vigilante_->Disconnect();
  conectado_ = false;
}

void MotorEnlace::alEvento(const link::Evento& e) {
  consola_->alEvento(e, ahoraMs());
  if (!venciendo_) rearmar();
}

void MotorEnlace::vencer() {
  if (!conectado_) return;
  venciendo_ = true;
  const std::int64_t ahora = ahoraMs();
  transporte_->alVencer(ahora);
  consola_->alVencer(ahora);
  venciendo_ = false;
  rearmar();
}

std::optional<std::int64_t> MotorEnlace::proximoVencimiento() const {
  std::optional<std::int64_t> t = consola_->proximoVencimiento();
  const auto s = transporte_->proximoVencimiento();
  if (s && (!t || *s < *t)) t = s;
  return t;
}

void MotorEnlace::rearmar() {
  if (!conectado_) return;
  despertador_.armar(proximoVencimiento());
}

}  // namespace orda::motor
