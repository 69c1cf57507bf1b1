#include "cli/diferencias.h"

#include <nlohmann/json.hpp>

#include "core/files/archivos.h"

namespace orda::cli {

void escribirDiferencias(const std::vector<compare::Diferencia>& d, bool json, std::ostream& out) {
  if (!json) {
    for (const compare::Diferencia& x : d) {
      out << compare::tituloVentana(x.ventana) << " | " << x.fila << " | " << x.campo << " | " << x.antes << " -> "
          << x.despues << "\n";
    }
    return;
  }
  nlohmann::ordered_json lista = nlohmann::ordered_json::array();
  for (const compare::Diferencia& x : d) {
    nlohmann::ordered_json o = {{"ventana", compare::tituloVentana(x.ventana)},
                                {"fila", x.fila},
                                {"campo", x.campo},
                                {"antes", x.antes},
                                {"despues", x.despues}};
    if (x.offset) o["offset"] = *x.offset;
    lista.push_back(std::move(o));
  }
  out << lista.dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace) << "\n";
}

namespace {

int informar(const std::vector<compare::Diferencia>& d, bool json, std::ostream& out, std::ostream& err) {
  escribirDiferencias(d, json, out);
  out.flush();
  if (!out) {
    err << "No se pudo escribir la salida\n";
    return kErrorComparacion;
  }
  return d.empty() ? kIguales : kDistintas;
}

}  // namespace

int comandoDiferencias(const std::string& antes, const std::string& despues, bool json, bool bytes,
                       std::ostream& out, std::ostream& err) {
  imagen::ImagenMemoria a{}, b{};
  for (const auto& [ruta, img] : {std::pair{&antes, &a}, std::pair{&despues, &b}}) {
    if (auto error = files::leerImagen(*ruta, *img)) {
      err << *error << "\n";
      return kErrorComparacion;
    }
  }
  return informar(compare::compararImagenes(a, b, bytes), json, out, err);
}

std::optional<std::string> TareaDiferencias::preparar(SesionPanel&) {
  return files::leerImagen(ruta_, archivo_);
}

void TareaDiferencias::iniciar(SesionPanel& s, std::int64_t ahoraMs) {
  s.err() << "Leyendo la programación del panel...\n";
  // As `read`: no history, which would overwrite the image's first 4,096 bytes.
  if (!s.consola().leerProgramacion(ahoraMs, false)) s.terminar(kErrorComparacion);
}

void TareaDiferencias::secuenciaTerminada(const link::ResultadoSecuencia& r) {
  if (r.tipo != link::TipoSecuencia::Lectura) return;
  SesionPanel& s = *sesion_;
  if (r.fin != link::FinSecuencia::Completa) {
    s.terminar(kErrorComparacion);  // the console said why
    return;
  }
  comparada_ = true;
  imagen::ImagenMemoria panel = s.imagen();
  panel[imagen::kTamanoMemoria] = archivo_[imagen::kTamanoMemoria];  // a file's byte, not the panel's
  s.terminar(informar(compare::compararImagenes(panel, archivo_, bytes_), json_, s.out(), s.err()));
}

}  // namespace orda::cli
