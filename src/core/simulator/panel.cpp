#include "core/simulator/panel.h"

#include <algorithm>

#include "core/imagen/codificacion.h"
#include "core/imagen/imagen.h"
#include "core/programming/aprogramar.h"
#include "core/simulator/azar.h"
#include "core/simulator/demo.h"
#include "core/simulator/respuestas.h"
#include "core/texto/cp1252.h"

namespace orda::simulator {

namespace {

constexpr std::uint8_t kMarcaDatos = 2;
constexpr std::uint8_t kMarcaHistorial = 3;
constexpr std::size_t kBloque = 64;
constexpr std::size_t kBytesTransmitidos = 62;  // record bytes 0..61 travel at report bytes 3..64
constexpr std::int64_t kPausaEntreCorridasMs = 10000;

// Where each record command writes.
struct TipoRegistro {
  std::uint8_t comando;
  imagen::Bloque bloque;
  std::size_t cantidad;  // indices accepted into the data memory
  const char* nombre;
};
constexpr TipoRegistro kTiposRegistro[] = {
    {programming::kCmdEntrada, imagen::kEntradas, 8, "entrada"},
    {programming::kCmdSalida, imagen::kSalidas, 4, "salida"},
    {programming::kCmdGlobal, imagen::kGlobal, 1, "bloque global"},
    {programming::kCmdMensaje, imagen::kMensajes, imagen::kPrimerTextoFijo, "mensaje"},
    {programming::kCmdTelefono, imagen::kTelefonos, 10, "telefono"},
};

}  // namespace

struct PanelSimulado::Comando {
  std::uint8_t b1, b2;  // b2 = 0: any second byte
  void (PanelSimulado::*accion)(const link::BufferReporte&, std::int64_t, Respuestas&);
};

const std::vector<PanelSimulado::Comando>& PanelSimulado::comandos() {
  static const std::vector<Comando> tabla = {
      {'s', 'q', &PanelSimulado::senal},
      {'l', 't', &PanelSimulado::leerDatos},
      {'l', 'h', &PanelSimulado::leerHistorial},
      {'p', 'n', &PanelSimulado::proximoBloque},
      {programming::kCmdEntrada, 0, &PanelSimulado::grabarRegistro},
      {programming::kCmdSalida, 0, &PanelSimulado::grabarRegistro},
      {programming::kCmdGlobal, 0, &PanelSimulado::grabarRegistro},
      {programming::kCmdMensaje, 0, &PanelSimulado::grabarRegistro},
      {programming::kCmdTelefono, 0, &PanelSimulado::grabarRegistro},
      {'c', 'H', &PanelSimulado::ponerHora},
      {'c', 'F', &PanelSimulado::ponerFecha},
      {'v', 'a', &PanelSimulado::valoresEntradas},
      {'v', 'A', &PanelSimulado::estadosSalidas},
      {'t', 's', &PanelSimulado::forzarSalida},
      {'V', '!', &PanelSimulado::ponerVersion},
      {'S', '!', &PanelSimulado::ponerSerial},
  };
  return tabla;
}

PanelSimulado::PanelSimulado(OpcionesPanel opciones, std::int64_t encendidoMs)
    : opciones_(opciones),
      datos_(memoriaDemostracion()),
      reloj_(opciones.reloj, encendidoMs),
      historial_(opciones.reloj),
      zonas_(opciones.semilla, encendidoMs) {
  for (std::size_t s = 0; s < propios_.size(); ++s) {
    propios_[s].fill(0);
    const std::vector<std::uint8_t> t = texto::aCp1252(programming::kTextosFijos[s]);
    std::copy_n(t.begin(), std::min(t.size(), propios_[s].size() - 1), propios_[s].begin());
  }
  for (std::size_t i = 0; i < salidas_.size(); ++i) salidas_[i] = datos_[imagen::kSalidas.inicio(i)] == 1;
  historialDemostracion(historial_, opciones.reloj, opciones.semilla);
  ultimoMinuto_ = reloj_.segundos(encendidoMs) / 60;
}

std::vector<link::BufferReporte> PanelSimulado::recibir(const link::BufferReporte& in, std::int64_t ahoraMs) {
  avanzar(ahoraMs);
  Respuestas r;
  for (const Comando& c : comandos()) {
    if (in[1] == c.b1 && (c.b2 == 0 || in[2] == c.b2)) {
      (this->*c.accion)(in, ahoraMs, r);
      return r;
    }
  }
  desconocido(in, ahoraMs, r);
  return r;
}

void PanelSimulado::avanzar(std::int64_t ahoraMs) {
  zonas_.avanzar(ahoraMs, datos_, [this](int i, std::int64_t ms) {
    registrar(ms, evento::kDisparoZona, static_cast<std::uint8_t>(i));
  });
  avanzarSalidas(ahoraMs);
}

void PanelSimulado::registrar(std::int64_t ahoraMs, std::uint8_t c1, std::uint8_t c2, std::uint8_t c3) {
  historial_.agregar(reloj_.en(ahoraMs), c1, c2, c3);
}

FechaHora PanelSimulado::reloj(std::int64_t ahoraMs) const { return reloj_.en(ahoraMs); }

std::string PanelSimulado::version() const {
  const std::size_t g = imagen::kGlobal.inicio(0);
  return texto::desdeCp1252(datos_.data() + g + 33, 3);
}

std::string PanelSimulado::serial() const {
  const std::size_t g = imagen::kGlobal.inicio(0);
  return texto::desdeCp1252(datos_.data() + g + 37, 5);
}

int PanelSimulado::valorEntrada(int i) const { return valorReportado(zonas_.cuentas(i)); }
int PanelSimulado::estadoEntrada(int i) const { return zonas_.estado(i); }
int PanelSimulado::cantidadRegistros() const { return historial_.cantidad(); }

int PanelSimulado::valorReportado(int cuentas) { return (10 * cuentas + 1024 + 6) / 12; }

int PanelSimulado::nivelSenal(std::int64_t ahoraMs) const {
  // A base between 14 and 22 that drifts up and down by 3 over ten minutes.
  const int base = 14 + sorteo(opciones_.semilla, 0x51, 0, 0, 9);
  const std::int64_t t = ((ahoraMs / 1000) % 600 + 600) % 600;
  const int deriva = static_cast<int>(t < 300 ? t / 50 : (600 - t) / 50) - 3;
  return std::clamp(base + deriva, 0, 31);
}

void PanelSimulado::iniciarVolcado(const std::uint8_t* origen, std::size_t tamano, std::uint8_t marca,
                                   Respuestas& r) {
  volcado_.assign(origen, origen + tamano);
  bloqueVolcado_ = 0;
  link::BufferReporte inicio{};
  inicio[1] = marca;
  r.push_back(inicio);
}

void PanelSimulado::leerDatos(const link::BufferReporte&, std::int64_t ahoraMs, Respuestas& r) {
  registrar(ahoraMs, evento::kLecturaParametros);
  iniciarVolcado(datos_.data(), datos_.size(), kMarcaDatos, r);
}

void PanelSimulado::leerHistorial(const link::BufferReporte&, std::int64_t ahoraMs, Respuestas& r) {
  registrar(ahoraMs, evento::kLecturaHistorial);
  iniciarVolcado(historial_.memoria().data(), historial_.memoria().size(), kMarcaHistorial, r);
}

void PanelSimulado::proximoBloque(const link::BufferReporte&, std::int64_t, Respuestas& r) {
  // Outside a transfer "pn" asks for nothing (the console sends one after the last block).
  if (bloqueVolcado_ * kBloque >= volcado_.size()) return;
  link::BufferReporte b{};
  std::copy_n(volcado_.begin() + static_cast<std::ptrdiff_t>(bloqueVolcado_ * kBloque), kBloque, b.begin() + 1);
  r.push_back(b);
  if (++bloqueVolcado_ * kBloque >= volcado_.size()) volcado_.clear();
}

void PanelSimulado::grabarRegistro(const link::BufferReporte& in, std::int64_t ahoraMs, Respuestas& r) {
  const TipoRegistro* tipo = nullptr;
  for (const TipoRegistro& t : kTiposRegistro) {
    if (t.comando == in[1]) tipo = &t;
  }
  // The global block has one record; its index byte carries record byte 2.
  const std::size_t indice = in[1] == programming::kCmdGlobal ? 0 : in[2];
  const bool propio = in[1] == programming::kCmdMensaje && indice >= kPrimerSlotPropio &&
                      indice < kPrimerSlotPropio + kCantidadTextosPropios;
  if (tipo == nullptr || (indice >= tipo->cantidad && !propio)) {
    r.push_back(reporteTexto("Registro fuera de rango: " + std::to_string(in[1]) + "/" + std::to_string(in[2])));
    return;
  }
  if (ultimoRegistroMs_ < 0 || ahoraMs - ultimoRegistroMs_ > kPausaEntreCorridasMs) {
    registrar(ahoraMs, evento::kGrabacion);
  }
  ultimoRegistroMs_ = ahoraMs;

  const std::size_t n = std::min(tipo->bloque.tamano, kBytesTransmitidos);
  std::uint8_t* destino = propio ? propios_[indice - kPrimerSlotPropio].data()
                                 : datos_.data() + tipo->bloque.inicio(indice);
  std::copy_n(in.begin() + 3, n, destino);
  const bool unico = tipo->bloque.cantidad == 1;
  r.push_back(reporteTexto(std::string("Grabado: ") + tipo->nombre + (unico ? "" : " " + std::to_string(indice))));
}

}  // namespace orda::simulator
