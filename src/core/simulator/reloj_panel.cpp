#include "core/simulator/reloj_panel.h"

namespace orda::simulator {

namespace {

constexpr std::int64_t kDia = 86400;

std::int64_t pisoDiv(std::int64_t a, std::int64_t b) { return a / b - ((a % b != 0) && ((a < 0) != (b < 0))); }

// Days from 1970-01-01 of a civil date (era-based, exact for any year).
std::int64_t diasCiviles(std::int64_t y, int m, int d) {
  y -= m <= 2;
  const std::int64_t era = pisoDiv(y, 400);
  const std::int64_t yoe = y - era * 400;
  const std::int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468;
}

void civilDeDias(std::int64_t z, int& y, int& m, int& d) {
  z += 719468;
  const std::int64_t era = pisoDiv(z, 146097);
  const std::int64_t doe = z - era * 146097;
  const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const std::int64_t mp = (5 * doy + 2) / 153;
  d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  y = static_cast<int>(yoe + era * 400 + (m <= 2));
}

const std::int64_t kDias2000 = diasCiviles(2000, 1, 1);

}  // namespace

std::int64_t segundosDesde2000(const FechaHora& t) {
  return (diasCiviles(t.anio, t.mes, t.dia) - kDias2000) * kDia + t.hora * 3600 + t.minuto * 60 + t.segundo;
}

FechaHora fechaDeSegundos(std::int64_t s) {
  const std::int64_t dias = pisoDiv(s, kDia);
  const std::int64_t resto = s - dias * kDia;
  FechaHora t{};
  civilDeDias(dias + kDias2000, t.anio, t.mes, t.dia);
  t.hora = static_cast<int>(resto / 3600);
  t.minuto = static_cast<int>(resto / 60 % 60);
  t.segundo = static_cast<int>(resto % 60);
  return t;
}

bool fechaValida(int anio, int mes, int dia) {
  if (mes < 1 || mes > 12 || dia < 1) return false;
  const int siguienteMes = mes == 12 ? 1 : mes + 1;
  const int anioSiguiente = mes == 12 ? anio + 1 : anio;
  const std::int64_t largoMes = diasCiviles(anioSiguiente, siguienteMes, 1) - diasCiviles(anio, mes, 1);
  return dia <= largoMes;
}

RelojPanel::RelojPanel(const FechaHora& inicio, std::int64_t ahoraMs)
    : baseSegundos_(segundosDesde2000(inicio)), baseMs_(ahoraMs) {}

std::int64_t RelojPanel::segundos(std::int64_t ahoraMs) const {
  return baseSegundos_ + pisoDiv(ahoraMs - baseMs_, 1000);
}

bool RelojPanel::ponerHora(std::int64_t ahoraMs, int hora, int minuto, int segundo) {
  if (hora < 0 || hora > 23 || minuto < 0 || minuto > 59 || segundo < 0 || segundo > 59) return false;
  FechaHora t = en(ahoraMs);
  t.hora = hora;
  t.minuto = minuto;
  t.segundo = segundo;
  baseSegundos_ = segundosDesde2000(t);
  baseMs_ = ahoraMs;
  return true;
}

bool RelojPanel::ponerFecha(std::int64_t ahoraMs, int dia, int mes, int anio2) {
  if (anio2 < 0 || anio2 > 99 || !fechaValida(2000 + anio2, mes, dia)) return false;
  FechaHora t = en(ahoraMs);
  t.anio = 2000 + anio2;
  t.mes = mes;
  t.dia = dia;
  baseSegundos_ = segundosDesde2000(t);
  baseMs_ = ahoraMs;
  return true;
}

}  // namespace orda::simulator
