#include "core/monitoring/grafico_cursores.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "core/config/tablas.h"
#include "core/texto/numero.h"

namespace orda::monitoring {

Cursores cursoresIniciales(double alto) { return {0, alto}; }

bool moverCursor(Cursores& c, Cursor cual, double y, double alto) {
  if (!(y > 0 && y < alto)) return false;
  if (cual == Cursor::Superior) {
    if (!(y < c.inferior)) return false;
    c.superior = y;
  } else {
    if (!(y > c.superior)) return false;
    c.inferior = y;
  }
  return true;
}

double voltajeCursor(double y, double alto) { return (1.0 - y / alto) * kVoltiosPlenos; }

std::string formatoCentesimas(double valor) {
  if (!std::isfinite(valor)) return {};
  // The value's 15 significant digits and its decimal exponent.
  char buf[40];
  std::snprintf(buf, sizeof buf, "%.14e", std::fabs(valor));
  std::string digitos;
  const char* p = buf;
  for (; *p != 'e'; ++p) {
    if (*p != '.') digitos += *p;
  }
  const int exponente = std::atoi(p + 1);

  // Digits from 10^max(exponente,0) down to 10^-3: the integer part, two
  // decimals and the one that decides the rounding.
  const int alto = std::max(exponente, 0);
  std::string cifras;
  for (int e = alto; e >= -3; --e) {
    const int i = exponente - e;  // index into digitos
    cifras += (i >= 0 && i < static_cast<int>(digitos.size())) ? digitos[static_cast<std::size_t>(i)] : '0';
  }
  const bool subir = cifras.back() >= '5';
  cifras.pop_back();
  if (subir) {
    int i = static_cast<int>(cifras.size()) - 1;
    for (; i >= 0 && cifras[static_cast<std::size_t>(i)] == '9'; --i) cifras[static_cast<std::size_t>(i)] = '0';
    if (i < 0) {
      cifras.insert(cifras.begin(), '1');
    } else {
      ++cifras[static_cast<std::size_t>(i)];
    }
  }
  const std::size_t enteros = cifras.size() - 2;
  std::string texto = cifras.substr(0, enteros) + "." + cifras.substr(enteros);
  const bool cero = texto.find_first_not_of("0.") == std::string::npos;
  return (valor < 0 && !cero ? "-" : "") + texto;
}

std::string lecturaVoltios(double voltaje) { return formatoCentesimas(voltaje) + "V"; }

LecturaEscalada lecturaEscalada(double voltaje, std::string_view escalaValor, std::string_view escalaUnidad) {
  const double valor = voltaje * texto::valorNumerico(escalaValor);
  if (!std::isfinite(valor)) return {{}, FalloLectura{kErrorDesbordamiento, "Desbordamiento"}};
  return {formatoCentesimas(valor) + std::string(escalaUnidad), std::nullopt};
}

LecturaEscalada lecturaEscalada(double voltaje, const config::Tabla& entradas, int canal) {
  if (canal < 1 || canal > 8) return {};
  const int fila = config::Tabla::kPrimeraFila + canal - 1;
  return lecturaEscalada(voltaje, entradas.texto(fila, config::colEntradas::kEscalaValor),
                         entradas.texto(fila, config::colEntradas::kEscalaUnidad));
}

std::string textoFallo(const FalloLectura& f) { return "Error " + std::to_string(f.numero) + ": " + f.mensaje; }

}  // namespace orda::monitoring
