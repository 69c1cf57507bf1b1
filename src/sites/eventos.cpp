// The history part of the library: merging a retrieval, and the events as
// the library window and orda-cli list them.
#include <algorithm>

#include <QSqlError>
#include <QSqlQuery>

#include "core/history/descripcion.h"
#include "sites/biblioteca.h"

namespace orda::sites {

namespace {

// Rows per INSERT: one statement per hundred records keeps a 408-record
// retrieval to a handful of round trips to a server.
constexpr std::size_t kFilasPorSentencia = 100;
constexpr std::int64_t kMomentoMaximo = (std::int64_t{1} << 48) - 1;

std::int64_t momentoDe(const history::EventRecord& r) {
  return (std::int64_t{r.anio} << 40) | (std::int64_t{r.mes} << 32) | (std::int64_t{r.dia} << 24) |
         (std::int64_t{r.hora} << 16) | (std::int64_t{r.minuto} << 8) | std::int64_t{r.segundo};
}

std::int64_t codigosDe(const history::EventRecord& r) {
  return (std::int64_t{r.codigo1} << 24) | (std::int64_t{r.codigo2} << 16) | (std::int64_t{r.codigo3} << 8) |
         std::int64_t{r.codigo4};
}

std::uint8_t byte(std::int64_t v, int desplazamiento) { return static_cast<std::uint8_t>((v >> desplazamiento) & 0xFF); }

history::EventRecord registroDe(std::int64_t momento, std::int64_t codigos) {
  return {byte(momento, 40), byte(momento, 32), byte(momento, 24), byte(momento, 16), byte(momento, 8),
          byte(momento, 0),  byte(codigos, 24), byte(codigos, 16), byte(codigos, 8),  byte(codigos, 0)};
}

std::uint8_t bcd(int v) { return static_cast<std::uint8_t>(((v / 10) << 4) | (v % 10)); }

std::int64_t momentoDelDia(const Fecha& f) {
  return (std::int64_t{bcd(f.anio - 2000)} << 40) | (std::int64_t{bcd(f.mes)} << 32) | (std::int64_t{bcd(f.dia)} << 24);
}

// The WHERE clause of a filter and its values, in order.
struct Condicion {
  QString sql;
  QVariantList valores;
};

Condicion condicion(Motor motor, std::int64_t sitio, const FiltroEventos& f) {
  Condicion c;
  c.sql = "sitio = ? AND momento >= ? AND momento <= ?";
  c.valores = {numero(sitio), numero(f.desde ? momentoDelDia(*f.desde) : 0),
               numero(f.hasta ? momentoDelDia(*f.hasta) | 0xFFFFFF : kMomentoMaximo)};
  if (f.codigo) {
    c.sql += " AND codigos >= ? AND codigos <= ?";
    const std::int64_t base = std::int64_t{*f.codigo} << 24;
    c.valores << numero(base) << numero(base | 0xFFFFFF);
  }
  if (!f.texto.empty()) {
    c.sql += motor == Motor::Sqlite ? " AND instr(lower(descripcion), lower(?)) > 0"
                                    : " AND strpos(lower(descripcion), lower(?)) > 0";
    c.valores << texto(f.texto);
  }
  return c;
}

QSqlQuery ejecutarLista(Conexion& c, const QString& sql, const QVariantList& valores) {
  QSqlQuery q(c.base());
  q.setForwardOnly(true);
  bool ok = q.prepare(sql);
  if (ok) {
    for (const QVariant& v : valores) q.addBindValue(v);
    ok = q.exec();
  }
  if (!ok) throw Error(c.prefijo() + q.lastError().text().toStdString());
  return q;
}

}  // namespace

std::optional<Fecha> leerFecha(std::string_view t) {
  auto digitos = [&](std::size_t desde, std::size_t n, int& v) {
    v = 0;
    for (std::size_t i = desde; i < desde + n; ++i) {
      if (t[i] < '0' || t[i] > '9') return false;
      v = v * 10 + (t[i] - '0');
    }
    return true;
  };
  Fecha f{};
  if (t.size() != 10 || t[4] != '-' || t[7] != '-') return std::nullopt;
  if (!digitos(0, 4, f.anio) || !digitos(5, 2, f.mes) || !digitos(8, 2, f.dia)) return std::nullopt;
  if (f.anio < 2000 || f.anio > 2099 || f.mes < 1 || f.mes > 12 || f.dia < 1 || f.dia > 31) return std::nullopt;
  return f;
}

Recuperacion Biblioteca::fusionarHistorial(std::int64_t sitio, std::span<const std::uint8_t> memoria,
                                           const config::Configuracion& alias) {
  exigirEscritura();
  // Described before the transaction: the lock is held only for the writing.
  struct Fila {
    std::int64_t momento, codigos;
    QString descripcion;
  };
  std::vector<Fila> filas;
  const history::CantidadRegistros cantidad = history::cantidadRegistros(memoria);
  for (int i = 1; i < cantidad.cantidad; ++i) {
    const std::optional<history::EventRecord> r = history::registroEn(memoria, static_cast<std::size_t>(i));
    if (!r) break;
    const history::Descripcion d =
        history::describirEvento(r->codigo1, r->codigo2, r->codigo3, r->codigo4, alias.entradas, alias.tree);
    filas.push_back({momentoDe(*r), codigosDe(*r), QString::fromStdString(d.ok ? d.texto : std::string())});
  }

  Recuperacion rec;
  rec.cuando = ahora();
  rec.registros = static_cast<int>(filas.size());
  Transaccion t(*c_);
  if (!this->sitio(sitio)) throw Error("No existe la instalación " + std::to_string(sitio) + ".");
  rec.id = c_->valor("INSERT INTO recuperaciones (sitio, cuando, registros, nuevos) VALUES (?, ?, ?, 0) RETURNING id",
                     {numero(sitio), texto(rec.cuando), rec.registros})
               .toLongLong();
  for (std::size_t desde = 0; desde < filas.size(); desde += kFilasPorSentencia) {
    const std::size_t n = std::min(kFilasPorSentencia, filas.size() - desde);
    QString sql = "INSERT INTO eventos (sitio, momento, codigos, descripcion, recuperacion) VALUES ";
    QVariantList valores;
    for (std::size_t i = desde; i < desde + n; ++i) {
      sql += i == desde ? "(?, ?, ?, ?, ?)" : ", (?, ?, ?, ?, ?)";
      valores << numero(sitio) << numero(filas[i].momento) << numero(filas[i].codigos) << filas[i].descripcion
              << numero(rec.id);
    }
    // A record another process stored first is left to it.
    sql += " ON CONFLICT DO NOTHING";
    rec.nuevos += ejecutarLista(*c_, sql, valores).numRowsAffected();
  }
  c_->ejecutar("UPDATE recuperaciones SET nuevos = ? WHERE id = ?", {rec.nuevos, numero(rec.id)});
  t.confirmar();
  return rec;
}

std::vector<Recuperacion> Biblioteca::recuperaciones(std::int64_t sitio) {
  QSqlQuery q = c_->ejecutar(
      "SELECT id, cuando, registros, nuevos FROM recuperaciones WHERE sitio = ? ORDER BY id DESC", {numero(sitio)});
  std::vector<Recuperacion> v;
  while (q.next()) {
    v.push_back({q.value(0).toLongLong(), cadena(q.value(1)), q.value(2).toInt(), q.value(3).toInt()});
  }
  return v;
}

std::vector<Evento> Biblioteca::eventos(std::int64_t sitio, const FiltroEventos& f) {
  Condicion c = condicion(c_->motor(), sitio, f);
  c.valores << std::max(f.limite, 0) << std::max(f.salto, 0);
  QSqlQuery q = ejecutarLista(*c_,
                              "SELECT momento, codigos, descripcion, recuperacion FROM eventos WHERE " + c.sql +
                                  " ORDER BY momento DESC, codigos DESC LIMIT ? OFFSET ?",
                              c.valores);
  std::vector<Evento> v;
  while (q.next()) {
    v.push_back({registroDe(q.value(0).toLongLong(), q.value(1).toLongLong()), cadena(q.value(2)),
                 q.value(3).toLongLong()});
  }
  return v;
}

std::int64_t Biblioteca::contarEventos(std::int64_t sitio, const FiltroEventos& f) {
  const Condicion c = condicion(c_->motor(), sitio, f);
  QSqlQuery q = ejecutarLista(*c_, "SELECT count(*) FROM eventos WHERE " + c.sql, c.valores);
  return q.next() ? q.value(0).toLongLong() : 0;
}

}  // namespace orda::sites
