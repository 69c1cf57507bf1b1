#include "gui/instalaciones/ventana_instalaciones.h"

#include <algorithm>

#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSaveFile>
#include <QSplitter>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include "gui/comun/dialogos.h"
#include "gui/comun/texto_qt.h"
#include "core/files/archivos.h"
#include "core/history/csv.h"
#include "core/history/filas.h"

namespace orda::gui {

namespace {

const QString kTitulo = QStringLiteral("Instalaciones");

// One row per line; `ancha` takes the width the others leave.
QTableWidget* tabla(const QStringList& encabezados, int ancha, QWidget* padre) {
  auto* t = new QTableWidget(0, static_cast<int>(encabezados.size()), padre);
  t->setHorizontalHeaderLabels(encabezados);
  t->setEditTriggers(QAbstractItemView::NoEditTriggers);
  t->setSelectionBehavior(QAbstractItemView::SelectRows);
  t->setSelectionMode(QAbstractItemView::SingleSelection);
  t->setWordWrap(false);
  t->verticalHeader()->hide();
  t->verticalHeader()->setDefaultSectionSize(t->fontMetrics().height() + 6);
  t->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  t->horizontalHeader()->setSectionResizeMode(ancha, QHeaderView::Stretch);
  return t;
}

void ponerFila(QTableWidget* t, int fila, const QStringList& celdas) {
  for (int c = 0; c < celdas.size(); ++c) t->setItem(fila, c, new QTableWidgetItem(celdas[c]));
}

history::FilaHistorial filaDeEvento(const sites::Evento& e, std::int64_t n) {
  const history::EventRecord& r = e.registro;
  history::FilaHistorial f;
  f.numero = std::to_string(n);
  f.fecha = history::fechaRegistro(r);
  f.hora = history::horaRegistro(r);
  f.descripcion = e.descripcion;
  f.codigos = {history::textoCodigo(r.codigo1), history::textoCodigo(r.codigo2), history::textoCodigo(r.codigo3),
               history::textoCodigo(r.codigo4)};
  return f;
}

}  // namespace

VentanaInstalaciones::VentanaInstalaciones(sites::Trabajador& trabajador, Dialogos& dialogos, QWidget* padre)
    : QWidget(padre), trabajador_(trabajador), dialogos_(dialogos) {
  setWindowTitle(kTitulo);
  auto* divisor = new QSplitter(this);
  auto* izquierda = new QWidget(divisor);
  auto* li = new QVBoxLayout(izquierda);
  buscar_ = new QLineEdit(izquierda);
  buscar_->setPlaceholderText(QStringLiteral("Buscar por nombre, dirección o número de serie"));
  lista_ = new QListWidget(izquierda);
  li->addWidget(buscar_);
  li->addWidget(lista_);

  auto* pestanas = new QTabWidget(divisor);
  auto* datos = new QWidget(pestanas);
  auto* form = new QFormLayout(datos);
  const QStringList etiquetas = {"Nombre", "Dirección", "Contacto", "Teléfono", "Número de serie"};
  for (int i = 0; i < 5; ++i) {
    campos_[static_cast<std::size_t>(i)] = new QLineEdit(datos);
    form->addRow(etiquetas[i], campos_[static_cast<std::size_t>(i)]);
  }
  notas_ = new QPlainTextEdit(datos);
  form->addRow(QStringLiteral("Notas"), notas_);
  auto* botones = new QHBoxLayout;
  auto agregar = [this](QBoxLayout* l, const QString& texto, const char* nombre) {
    auto* b = new QPushButton(texto, this);
    b->setObjectName(QString::fromLatin1(nombre));
    l->addWidget(b);
    return b;
  };
  connect(agregar(botones, "Nueva", "nueva"), &QPushButton::clicked, this, &VentanaInstalaciones::nueva);
  connect(agregar(botones, "Guardar", "guardar"), &QPushButton::clicked, this, &VentanaInstalaciones::guardar);
  connect(agregar(botones, "Borrar", "borrar"), &QPushButton::clicked, this, &VentanaInstalaciones::borrar);
  crearPanel_ = agregar(botones, "Crear instalación para este panel", "crearPanel");
  crearPanel_->hide();
  connect(crearPanel_, &QPushButton::clicked, this, [this] {
    nueva();
    campos_[4]->setText(serialSinSitio_);
  });
  form->addRow(botones);
  pestanas->addTab(datos, QStringLiteral("Datos"));

  auto* pv = new QWidget(pestanas);
  auto* lv = new QVBoxLayout(pv);
  versiones_ = tabla({"Nº", "Cuándo", "Origen", "Usuario", "SHA-256", "Nota"}, 5, pv);
  lv->addWidget(versiones_);
  versiones_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  auto* bv = new QHBoxLayout;
  connect(agregar(bv, "Abrir en la consola", "abrirVersion"), &QPushButton::clicked, this,
          &VentanaInstalaciones::abrirVersion);
  connect(agregar(bv, "Comparar", "compararVersiones"), &QPushButton::clicked, this,
          &VentanaInstalaciones::compararVersiones);
  connect(agregar(bv, "Exportar .dat", "exportarDat"), &QPushButton::clicked, this, &VentanaInstalaciones::exportarDat);
  lv->addLayout(bv);
  pestanas->addTab(pv, QStringLiteral("Versiones"));

  auto* pe = new QWidget(pestanas);
  auto* le = new QVBoxLayout(pe);
  auto* filtros = new QHBoxLayout;
  const QStringList pistas = {"Desde AAAA-MM-DD", "Hasta AAAA-MM-DD", "Texto", "Código 1 (HH)"};
  for (int i = 0; i < 4; ++i) {
    auto*& f = filtros_[static_cast<std::size_t>(i)];
    f = new QLineEdit(pe);
    f->setPlaceholderText(pistas[i]);
    filtros->addWidget(f);
    connect(f, &QLineEdit::returnPressed, this, [this] {
      salto_ = 0;
      cargarEventos();
    });
  }
  connect(agregar(filtros, "Filtrar", "filtrar"), &QPushButton::clicked, this, [this] {
    salto_ = 0;
    cargarEventos();
  });
  le->addLayout(filtros);
  eventos_ = tabla({"Nº", "Fecha", "Hora", "Descripción", "Código 1", "Código 2", "Código 3", "Código 4"}, 3, pe);
  le->addWidget(eventos_);
  auto* paginas = new QHBoxLayout;
  connect(agregar(paginas, "Anterior", "anterior"), &QPushButton::clicked, this, [this] {
    if (salto_ == 0) return;
    salto_ = std::max(0, salto_ - kFilasPorPagina);
    cargarEventos();
  });
  pagina_ = new QLabel(pe);
  paginas->addWidget(pagina_);
  connect(agregar(paginas, "Siguiente", "siguiente"), &QPushButton::clicked, this, [this] {
    if (salto_ + kFilasPorPagina >= total_) return;
    salto_ += kFilasPorPagina;
    cargarEventos();
  });
  paginas->addStretch();
  connect(agregar(paginas, "Exportar...", "exportarCsv"), &QPushButton::clicked, this, &VentanaInstalaciones::exportarCsv);
  le->addLayout(paginas);
  pestanas->addTab(pe, QStringLiteral("Eventos"));

  auto* todo = new QVBoxLayout(this);
  todo->addWidget(divisor);
  divisor->setStretchFactor(1, 3);
  connect(buscar_, &QLineEdit::textChanged, this, &VentanaInstalaciones::recargar);
  connect(lista_, &QListWidget::currentRowChanged, this, &VentanaInstalaciones::elegir);
  recargar();
}

QPushButton* VentanaInstalaciones::boton(const QString& nombre) const { return findChild<QPushButton*>(nombre); }

void VentanaInstalaciones::fallo(const std::string& motivo) {
  emit mensajeEstado(q(motivo));
  dialogos_.mensaje(q(motivo), kTitulo, Icono::Exclamacion);
}

void VentanaInstalaciones::recargar() {
  const std::string texto = buscar_->text().toStdString();
  const std::optional<std::int64_t> elegido = actual_ ? std::optional(actual_->id) : std::nullopt;
  trabajador_.pedir<std::vector<sites::Sitio>>(
      [texto](sites::Biblioteca& b) { return b.buscarSitios(texto); },
      [this, texto, elegido](std::vector<sites::Sitio> s) {
        if (texto != buscar_->text().toStdString()) return;  // the box changed since
        sitios_ = std::move(s);
        int fila = -1;
        {
          const QSignalBlocker bloqueo(lista_);
          lista_->clear();
          for (std::size_t i = 0; i < sitios_.size(); ++i) {
            const sites::Sitio& x = sitios_[i];
            lista_->addItem(x.serie ? q(x.nombre + "  (" + *x.serie + ")") : q(x.nombre));
            if (elegido && x.id == *elegido) fila = static_cast<int>(i);
          }
          lista_->setCurrentRow(-1);
        }
        // The site shown stays chosen (and is read again) when still listed.
        if (fila >= 0) lista_->setCurrentRow(fila);
      },
      [this](const std::string& m) { emit mensajeEstado(q(m)); });
}

void VentanaInstalaciones::ofrecerCrear(const QString& serial) {
  serialSinSitio_ = serial;
  crearPanel_->setVisible(!serial.isEmpty());
}

void VentanaInstalaciones::elegir(int fila) {
  ++generacion_;
  if (fila < 0 || fila >= static_cast<int>(sitios_.size())) return;
  actual_ = sitios_[static_cast<std::size_t>(fila)];
  const std::array<std::string, 5> valores = {actual_->nombre, actual_->direccion, actual_->contacto,
                                              actual_->telefono, actual_->serie.value_or("")};
  for (std::size_t i = 0; i < valores.size(); ++i) campos_[i]->setText(q(valores[i]));
  notas_->setPlainText(q(actual_->notas));
  salto_ = 0;
  cargarVersiones();
  cargarEventos();
}

void VentanaInstalaciones::cargarVersiones() {
  if (!actual_) return;
  const std::int64_t id = actual_->id;
  const int g = generacion_;
  trabajador_.pedir<std::vector<sites::Version>>(
      [id](sites::Biblioteca& b) { return b.versiones(id); },
      [this, g](std::vector<sites::Version> v) {
        if (g != generacion_) return;
        listaVersiones_ = std::move(v);
        versiones_->setRowCount(static_cast<int>(listaVersiones_.size()));
        for (int i = 0; i < versiones_->rowCount(); ++i) {
          const sites::Version& x = listaVersiones_[static_cast<std::size_t>(i)];
          ponerFila(versiones_, i,
                    {QString::number(x.id), q(x.cuando), q(sites::textoOrigen(x.origen)), q(x.usuario),
                     q(x.sha256.substr(0, 12)), q(x.nota)});
        }
      },
      [this](const std::string& m) { emit mensajeEstado(q(m)); });
}

std::optional<sites::FiltroEventos> VentanaInstalaciones::filtroEventos() {
  sites::FiltroEventos f;
  for (std::size_t i = 0; i < 2; ++i) {
    const QString t = filtros_[i]->text().trimmed();
    if (t.isEmpty()) continue;
    auto& destino = i == 0 ? f.desde : f.hasta;
    destino = sites::leerFecha(t.toStdString());
    if (!destino) {
      emit mensajeEstado(QStringLiteral("Fecha inválida: %1 (AAAA-MM-DD)").arg(t));
      return std::nullopt;
    }
  }
  f.texto = filtros_[2]->text().toStdString();
  const QString codigo = filtros_[3]->text().trimmed();
  if (!codigo.isEmpty()) {
    bool ok = false;
    const uint v = codigo.toUInt(&ok, 16);
    if (!ok || v > 0xFF) {
      emit mensajeEstado(QStringLiteral("Código inválido: %1 (dos cifras hexadecimales)").arg(codigo));
      return std::nullopt;
    }
    f.codigo = static_cast<std::uint8_t>(v);
  }
  f.limite = kFilasPorPagina;
  f.salto = salto_;
  return f;
}

void VentanaInstalaciones::cargarEventos() {
  const std::optional<sites::FiltroEventos> f = filtroEventos();
  if (!actual_ || !f) return;
  const std::int64_t id = actual_->id;
  const int g = generacion_;
  using Pagina = std::pair<std::vector<sites::Evento>, std::int64_t>;
  trabajador_.pedir<Pagina>(
      [id, f = *f](sites::Biblioteca& b) { return Pagina(b.eventos(id, f), b.contarEventos(id, f)); },
      [this, g, salto = f->salto](Pagina p) {
        if (g != generacion_) return;
        total_ = p.second;
        eventos_->setRowCount(static_cast<int>(p.first.size()));
        for (int i = 0; i < eventos_->rowCount(); ++i) {
          const history::FilaHistorial fila = filaDeEvento(p.first[static_cast<std::size_t>(i)], salto + i + 1);
          ponerFila(eventos_, i,
                    {q(fila.numero), q(fila.fecha), q(fila.hora), q(fila.descripcion), q(fila.codigos[0]),
                     q(fila.codigos[1]), q(fila.codigos[2]), q(fila.codigos[3])});
        }
        pagina_->setText(total_ == 0 ? QStringLiteral("Sin eventos")
                                     : QStringLiteral("%1 a %2 de %3").arg(salto + 1).arg(salto + eventos_->rowCount()).arg(total_));
      },
      [this](const std::string& m) { emit mensajeEstado(q(m)); });
}

void VentanaInstalaciones::nueva() {
  ++generacion_;
  actual_.reset();
  lista_->setCurrentRow(-1);
  for (QLineEdit* c : campos_) c->clear();
  notas_->clear();
  versiones_->setRowCount(0);
  eventos_->setRowCount(0);
  pagina_->clear();
  campos_[0]->setFocus();
}

void VentanaInstalaciones::guardar() {
  sites::Sitio s = actual_.value_or(sites::Sitio{});
  std::array<std::string*, 4> textos = {&s.nombre, &s.direccion, &s.contacto, &s.telefono};
  for (std::size_t i = 0; i < textos.size(); ++i) *textos[i] = campos_[i]->text().toStdString();
  s.serie = campos_[4]->text().trimmed().isEmpty() ? std::nullopt : std::optional(campos_[4]->text().toStdString());
  s.notas = notas_->toPlainText().toStdString();
  const bool nuevo = !actual_;
  trabajador_.pedir<std::int64_t>(
      [s, nuevo](sites::Biblioteca& b) {
        if (nuevo) return b.crearSitio(s);
        b.modificarSitio(s);
        return s.id;
      },
      [this, s](std::int64_t id) {
        actual_ = s;
        actual_->id = id;
        if (s.serie && q(*s.serie) == serialSinSitio_) ofrecerCrear({});
        emit mensajeEstado(QStringLiteral("Instalación \"%1\" guardada").arg(q(s.nombre)));
        recargar();
      },
      [this](const std::string& m) { fallo(m); });
}

void VentanaInstalaciones::borrar() {
  if (!actual_) return;
  const sites::Sitio s = *actual_;
  if (dialogos_.mensaje(QStringLiteral("¿Borrar la instalación \"%1\" con sus versiones y eventos?").arg(q(s.nombre)),
                        kTitulo, Icono::Pregunta, Botones::SiNo) != Respuesta::Si) {
    return;
  }
  trabajador_.pedir<bool>(
      [id = s.id](sites::Biblioteca& b) {
        b.eliminarSitio(id);
        return true;
      },
      [this, s](bool) {
        nueva();
        emit mensajeEstado(QStringLiteral("Se borró la instalación \"%1\"").arg(q(s.nombre)));
        recargar();
      },
      [this](const std::string& m) { fallo(m); });
}

std::optional<QString> VentanaInstalaciones::rutaParaGuardar(const QString& titulo, const QString& nombre,
                                                             const QString& extension) {
  QString carpeta = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  if (carpeta.isEmpty()) carpeta = QDir::homePath();
  const std::optional<QString> ruta =
      dialogos_.archivoParaGuardar({titulo, carpeta, nombre, "*." + extension, extension});
  if (!ruta) return std::nullopt;
  if (QFileInfo::exists(*ruta) &&
      dialogos_.mensaje(QStringLiteral("El archivo %1 ya existe. ¿Desea reemplazarlo?").arg(*ruta), kTitulo,
                        Icono::Pregunta, Botones::SiNo) != Respuesta::Si) {
    return std::nullopt;
  }
  return ruta;
}

void VentanaInstalaciones::exportarDat() {
  const int fila = versiones_->currentRow();
  if (!actual_ || fila < 0 || fila >= static_cast<int>(listaVersiones_.size())) {
    dialogos_.mensaje(QStringLiteral("Elija una versión."), kTitulo, Icono::Informacion);
    return;
  }
  const std::int64_t sitio = actual_->id;
  const std::int64_t version = listaVersiones_[static_cast<std::size_t>(fila)].id;
  const std::optional<QString> ruta =
      rutaParaGuardar(QStringLiteral("Exportar versión"), QStringLiteral("version%1.dat").arg(version), "dat");
  if (!ruta) return;
  trabajador_.pedir<QString>(
      [sitio, version, r = ruta->toStdString()](sites::Biblioteca& b) {
        const std::optional<imagen::ImagenMemoria> img = b.imagenVersion(sitio, version);
        if (!img) throw sites::Error("La versión ya no está en la biblioteca.");
        if (auto error = files::escribirImagen(r, *img)) throw sites::Error(*error);
        return q(r);
      },
      [this](QString r) { emit mensajeEstado(QStringLiteral("Versión exportada a %1").arg(r)); },
      [this](const std::string& m) { fallo(m); });
}

std::vector<sites::Version> VentanaInstalaciones::elegidas() const {
  std::vector<sites::Version> v;
  if (!actual_) return v;
  for (const QModelIndex& i : versiones_->selectionModel()->selectedRows()) {
    if (i.row() < static_cast<int>(listaVersiones_.size())) v.push_back(listaVersiones_[static_cast<std::size_t>(i.row())]);
  }
  std::sort(v.begin(), v.end(), [](const sites::Version& a, const sites::Version& b) { return a.id < b.id; });
  return v;
}

void VentanaInstalaciones::abrirVersion() {
  const std::vector<sites::Version> v = elegidas();
  if (v.size() != 1) {
    dialogos_.mensaje(QStringLiteral("Elija una versión."), kTitulo, Icono::Informacion);
    return;
  }
  const QString origen = QStringLiteral("Instalación \"%1\", versión %2").arg(q(actual_->nombre)).arg(v[0].id);
  trabajador_.pedir<imagen::ImagenMemoria>(
      [sitio = actual_->id, version = v[0].id](sites::Biblioteca& b) {
        const std::optional<imagen::ImagenMemoria> img = b.imagenVersion(sitio, version);
        if (!img) throw sites::Error("La versión ya no está en la biblioteca.");
        return *img;
      },
      [this, origen](imagen::ImagenMemoria img) { emit abrirEnConsola(img, origen); },
      [this](const std::string& m) { fallo(m); });
}

void VentanaInstalaciones::compararVersiones() {
  const std::vector<sites::Version> v = elegidas();
  if (v.empty() || v.size() > 2) {
    dialogos_.mensaje(QStringLiteral("Elija una versión (se compara con las tablas) o dos."), kTitulo,
                      Icono::Informacion);
    return;
  }
  const QString nombre = q(actual_->nombre);
  const QString queSeCompara =
      v.size() == 2 ? QStringLiteral("Antes: \"%1\", versión %2. Después: versión %3.").arg(nombre).arg(v[0].id).arg(v[1].id)
                    : QStringLiteral("Antes: \"%1\", versión %2. Después: las tablas de la consola.").arg(nombre).arg(v[0].id);
  using Imagenes = std::vector<imagen::ImagenMemoria>;
  trabajador_.pedir<Imagenes>(
      [sitio = actual_->id, v](sites::Biblioteca& b) {
        Imagenes imgs;
        for (const sites::Version& x : v) {
          const std::optional<imagen::ImagenMemoria> img = b.imagenVersion(sitio, x.id);
          if (!img) throw sites::Error("La versión ya no está en la biblioteca.");
          imgs.push_back(*img);
        }
        return imgs;
      },
      [this, queSeCompara](Imagenes imgs) {
        emit comparar(imgs[0], imgs.size() == 2 ? std::optional(imgs[1]) : std::nullopt, queSeCompara);
      },
      [this](const std::string& m) { fallo(m); });
}

void VentanaInstalaciones::exportarCsv() {
  std::optional<sites::FiltroEventos> f = filtroEventos();
  if (!actual_ || !f) return;
  const std::optional<QString> ruta =
      rutaParaGuardar(QStringLiteral("Exportar registros históricos"), QStringLiteral("historico.csv"), "csv");
  if (!ruta) return;
  // Every event the filter lets through, not only the page shown.
  trabajador_.pedir<QString>(
      [id = actual_->id, f = *f, r = *ruta](sites::Biblioteca& b) mutable {
        std::string csv = history::encabezadoCsv();
        std::int64_t n = 0;
        f.limite = 1000;
        for (f.salto = 0;; f.salto += f.limite) {
          const std::vector<sites::Evento> pagina = b.eventos(id, f);
          for (const sites::Evento& e : pagina) csv += history::filaCsv(filaDeEvento(e, ++n));
          if (static_cast<int>(pagina.size()) < f.limite) break;
        }
        QSaveFile archivo(r);
        if (!archivo.open(QIODevice::WriteOnly) ||
            archivo.write(csv.data(), static_cast<qint64>(csv.size())) != static_cast<qint64>(csv.size()) ||
            !archivo.commit()) {
          throw sites::Error(QStringLiteral("No se pudo guardar %1: %2").arg(r, archivo.errorString()).toStdString());
        }
        return r;
      },
      [this](QString r) { emit mensajeEstado(QStringLiteral("Registros exportados a %1").arg(r)); },
      [this](const std::string& m) { fallo(m); });
}

}  // namespace orda::gui
