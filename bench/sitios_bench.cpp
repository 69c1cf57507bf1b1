// The installations library at a company's size: 10,000 sites and
// 1,000,000 archived events, generated here in batched transactions, on
// SQLite and on PostgreSQL. Each operation is timed (median of the
// repetitions) and printed as time / goal: 1.00 is exactly the goal.
//
//   orda_sitios_bench [postgresql://...]   (else ORDA_PRUEBAS_PG; without
//                                           either only SQLite is measured)
//
// The events are generated as retrievals would bring them: round after
// round, every site's new records in turn, each site's in time order.
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>

#include "core/history/descripcion.h"
#include "core/history/memoria.h"
#include "sites/biblioteca.h"

namespace {

using namespace orda;
using namespace orda::sites;

constexpr int kSitios = 10000;
constexpr int kEventos = 1000000;
constexpr int kRondas = 10;                 // retrievals per site
constexpr int kEventosSitioGrande = 10000;  // the site the page and merge are measured on
constexpr int kRepeticiones = 21;

std::uint8_t bcd(int v) { return static_cast<std::uint8_t>(((v / 10) << 4) | (v % 10)); }

// Event k of a site: a record a minute apart from 2020 on, codes from the
// kinds a panel logs most (arming, zone triggers, start-ups, reads).
history::EventRecord registro(int k) {
  static constexpr std::uint8_t kCodigos[][2] = {{8, 0}, {9, 0}, {10, 2}, {10, 5}, {4, 1}, {16, 0}, {17, 0}, {11, 0}};
  const int minutos = k;
  const int dias = minutos / 1440;
  const auto& c = kCodigos[k % 8];
  return {bcd(20 + dias / 336), bcd(1 + dias / 28 % 12), bcd(1 + dias % 28), bcd(minutos / 60 % 24),
          bcd(minutos % 60),    bcd(k % 60),             c[0],               c[1], 0, 0};
}

std::int64_t momento(const history::EventRecord& r) {
  return (std::int64_t{r.anio} << 40) | (std::int64_t{r.mes} << 32) | (std::int64_t{r.dia} << 24) |
         (std::int64_t{r.hora} << 16) | (std::int64_t{r.minuto} << 8) | r.segundo;
}

double mediana(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

void linea(const char* que, double ms, double objetivoMs) {
  std::printf("  %-58s %8.2f ms   %5.2f del objetivo (%g ms)\n", que, ms, ms / objetivoMs, objetivoMs);
  std::fflush(stdout);
}

// Events straight into the table, many rows per statement.
void generar(Biblioteca& b, std::int64_t primerSitio, const config::Configuracion& alias) {
  Conexion& c = b.conexion();
  std::vector<QString> descripciones;
  for (int k = 0; k < 8; ++k) {
    const history::EventRecord r = registro(k);
    descripciones.push_back(QString::fromStdString(
        history::describirEvento(r.codigo1, r.codigo2, r.codigo3, r.codigo4, alias.entradas, alias.tree).texto));
  }
  constexpr int kFilas = 500;
  const int porSitio = (kEventos - kEventosSitioGrande) / (kSitios - 1);
  QString sql;
  QVariantList valores;
  int filas = 0;
  auto volcar = [&] {
    if (filas == 0) return;
    QSqlQuery q(c.base());
    q.prepare("INSERT INTO eventos (sitio, momento, codigos, descripcion, recuperacion) VALUES " + sql);
    for (const QVariant& v : valores) q.addBindValue(v);
    if (!q.exec()) throw Error(q.lastError().text().toStdString());
    sql.clear();
    valores.clear();
    filas = 0;
  };
  for (int ronda = 0; ronda < kRondas; ++ronda) {
    c.empezar();
    for (int s = 0; s < kSitios; ++s) {
      const int cuantos = (s == 0 ? kEventosSitioGrande : porSitio) / kRondas;
      for (int k = ronda * cuantos; k < (ronda + 1) * cuantos; ++k) {
        const history::EventRecord r = registro(k);
        sql += filas == 0 ? "(?, ?, ?, ?, ?)" : ", (?, ?, ?, ?, ?)";
        valores << numero(primerSitio + s) << numero(momento(r))
                << numero((std::int64_t{r.codigo1} << 24) | (std::int64_t{r.codigo2} << 16)) << descripciones[k % 8]
                << numero(ronda + 1);
        if (++filas == kFilas) volcar();
      }
    }
    volcar();
    c.confirmar();
  }
}

std::vector<std::uint8_t> volcado(int primero) {
  std::vector<std::uint8_t> m(history::kTamanoHistorial, 0);
  m[8] = history::kMaxRegistros % history::kRegistrosPorBloque;
  m[9] = history::kMaxRegistros / history::kRegistrosPorBloque;
  for (int i = 1; i < history::kMaxRegistros; ++i) {
    const history::EventRecord r = registro(primero + i);
    const std::uint8_t b[10] = {r.anio, r.mes, r.dia, r.hora, r.minuto, r.segundo, r.codigo1, r.codigo2, 0, 0};
    std::copy(std::begin(b), std::end(b), m.begin() + static_cast<std::ptrdiff_t>(history::direccionRegistro(i)));
  }
  return m;
}

void medir(const Destino& d, const char* motor) {
  std::printf("%s: %s\n", motor, d.descripcion().c_str());
  Biblioteca b(d);
  QElapsedTimer reloj;
  reloj.start();
  config::Configuracion alias;
  std::int64_t primero = 0;
  for (int s = 0; s < kSitios; ++s) {
    char nombre[64], serie[8];
    std::snprintf(nombre, sizeof nombre, "Instalación %05d", s);
    std::snprintf(serie, sizeof serie, "%05d", (s * 7919) % 100000);
    Sitio x;
    x.nombre = nombre;
    x.serie = serie;
    x.direccion = "Calle " + std::to_string(s % 500) + " n.º " + std::to_string(s);
    const std::int64_t id = b.crearSitio(x);
    if (s == 0) primero = id;
  }
  const bool sqlite = d.motor == Motor::Sqlite;
  auto tamano = [&] {
    if (!sqlite) return qint64{0};
    b.conexion().valor("PRAGMA wal_checkpoint(TRUNCATE)");
    return QFileInfo(QString::fromStdString(d.ruta)).size();
  };
  const qint64 antes = tamano();
  generar(b, primero, alias);
  std::printf("  generado: %d sitios y %d eventos en %.1f s\n", kSitios, kEventos, reloj.elapsed() / 1000.0);
  if (sqlite) {
    const double bytes = static_cast<double>(tamano() - antes) / kEventos;
    std::printf("  %-58s %8.1f B    %5.2f del objetivo (120 B)\n", "crecimiento del archivo por evento", bytes,
                bytes / 120.0);
  }

  std::vector<double> t;
  auto cronometrar = [&](auto&& f) {
    t.clear();
    for (int i = 0; i < kRepeticiones; ++i) {
      reloj.restart();
      f(i);
      t.push_back(static_cast<double>(reloj.nsecsElapsed()) / 1e6);
    }
    return mediana(t);
  };
  std::size_t hallados = 0;
  linea("buscar sitios por parte del nombre (\"ción 0421\")",
        cronometrar([&](int i) { hallados += b.buscarSitios("ción 04" + std::to_string(10 + i)).size(); }), 20);
  linea("buscar sitios por parte de la serie (\"7919\")",
        cronometrar([&](int) { hallados += b.buscarSitios("7919").size(); }), 20);
  FiltroEventos filtro;
  filtro.desde = Fecha{2020, 1, 2};
  filtro.hasta = Fecha{2020, 6, 28};
  filtro.texto = "zona";
  linea("una página (200) de eventos del sitio por fechas y texto",
        cronometrar([&](int i) {
          FiltroEventos f = filtro;
          f.salto = 200 * (i % 5);
          hallados += b.eventos(primero, f).size();
        }),
        50);
  linea("fusionar 408 registros en un sitio con 10.000 eventos",
        cronometrar([&](int i) { b.fusionarHistorial(primero, volcado(kEventosSitioGrande + 408 * i), alias); }), 30);
  imagen::ImagenMemoria img{};
  linea("archivar una versión", cronometrar([&](int i) {
          img[static_cast<std::size_t>(i)] ^= 0x5A;
          b.archivarVersion(primero + i, img, Origen::Leida);
        }),
        10);
  std::printf("  (%zu filas halladas en total)\n", hallados);
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication aplicacion(argc, argv);
  QTemporaryDir carpeta;
  Destino sqlite;
  sqlite.ruta = carpeta.filePath("instalaciones.sqlite").toStdString();
  try {
    medir(sqlite, "SQLite");
    const QByteArray url = argc > 1 ? QByteArray(argv[1]) : qgetenv("ORDA_PRUEBAS_PG");
    if (url.isEmpty()) {
      std::printf("PostgreSQL: sin servidor (pase su URL o defina ORDA_PRUEBAS_PG)\n");
      return 0;
    }
    DestinoLeido d = leerDestino(url.toStdString());
    if (!d.destino) throw Error(d.error);
    {
      Conexion admin(*d.destino);
      admin.ejecutar("DROP DATABASE IF EXISTS orda_bench");
      admin.ejecutar("CREATE DATABASE orda_bench");
    }
    d.destino->nombre = "orda_bench";
    medir(*d.destino, "PostgreSQL");
  } catch (const std::exception& e) {
    std::fprintf(stderr, "%s\n", e.what());
    return 1;
  }
  return 0;
}
