// Contact sheet of the console's picture set, rendered by Qt itself (the same
// SVG renderer and image plugins the console uses), and single PNG renders.
//
//   hoja <carpeta> <salida.png> [escala]   every picture at 16, 24 and 48 px
//   detalle <carpeta> <salida.png> [escala]  16 and 24 px only, enlarged
//   png <entrada.svg> <salida.png> <px>    one picture at one size
//
// Exits non-zero when a picture does not load or the SVG renderer complains,
// so a picture Qt cannot parse is caught before the console shows it. Qt
// silently skips elements it does not know (filters, masks): look at the sheet.
#include <QtCore/QDir>
#include <QtCore/QFileInfo>
#include <QtGui/QFont>
#include <QtGui/QGuiApplication>
#include <QtGui/QImage>
#include <QtGui/QPainter>
#include <QtGui/QPixmap>
#include <QtSvg/QSvgRenderer>

#include <cstdio>

namespace {

int avisos = 0;

// Only the SVG renderer's complaints count; start-up chatter of the offscreen
// platform does not say anything about the pictures.
void contarAvisos(QtMsgType tipo, const QMessageLogContext &contexto, const QString &texto) {
    const bool delSvg = contexto.category && QByteArray(contexto.category).startsWith("qt.svg");
    if (tipo != QtDebugMsg && tipo != QtInfoMsg && delSvg) {
        ++avisos;
        std::fprintf(stderr, "aviso: %s\n", qPrintable(texto));
    }
}

// An SVG is drawn by the vector renderer at the size asked for; anything else
// (the cursor) goes through the image plugins, scaled without smoothing.
QImage dibujar(const QString &archivo, int lado) {
    QImage imagen(lado, lado, QImage::Format_ARGB32_Premultiplied);
    imagen.fill(Qt::transparent);
    if (archivo.endsWith(".svg", Qt::CaseInsensitive)) {
        QSvgRenderer svg(archivo);
        if (!svg.isValid())
            return {};
        QPainter p(&imagen);
        svg.render(&p);
        return imagen;
    }
    QImage leida(archivo);
    if (leida.isNull())
        return {};
    return leida.scaled(lado, lado, Qt::KeepAspectRatio, Qt::FastTransformation);
}

int hoja(const QString &carpeta, const QString &salida, int escala) {
    const QStringList archivos =
        QDir(carpeta).entryList({"*.svg", "*.cur", "*.png"}, QDir::Files, QDir::Name);
    if (archivos.isEmpty()) {
        std::fprintf(stderr, "no hay imágenes en %s\n", qPrintable(carpeta));
        return 1;
    }
    const QList<int> lados{16, 24, 48};
    // Backgrounds: window, a shaded grid row, a selected grid cell.
    const QList<QColor> fondos{QColor("#ffffff"), QColor("#e4e4e4"), QColor("#3874d8")};
    const int alto = 56, etiqueta = 170, celda = 60;
    const int anchoColumna = etiqueta + celda * (lados.size() + 2);
    const int filas = (archivos.size() + 1) / 2;
    QImage lamina(anchoColumna * 2, filas * alto + 8, QImage::Format_ARGB32_Premultiplied);
    lamina.fill(QColor("#f3f3f3"));
    QPainter p(&lamina);
    p.setFont(QFont("DejaVu Sans", 8));
    int fallos = 0;
    for (int i = 0; i < archivos.size(); ++i) {
        const QString ruta = QDir(carpeta).filePath(archivos[i]);
        const int x0 = (i / filas) * anchoColumna, y0 = (i % filas) * alto + 4;
        const QString clave = archivos[i].left(archivos[i].size() - 4).toUpper();
        p.setPen(Qt::black);
        p.drawText(QRect(x0 + 6, y0, etiqueta - 8, alto), Qt::AlignVCenter, clave);
        int x = x0 + etiqueta;
        auto poner = [&](int lado, const QColor &fondo) {
            p.fillRect(x, y0, celda - 4, alto - 4, fondo);
            const QImage img = dibujar(ruta, lado);
            if (img.isNull()) {
                ++fallos;
                std::fprintf(stderr, "no se pudo dibujar %s\n", qPrintable(ruta));
            } else {
                p.drawImage(x + (celda - 4 - lado) / 2, y0 + (alto - 4 - lado) / 2, img);
            }
            x += celda;
        };
        for (int lado : lados)
            poner(lado, fondos[0]);
        poner(16, fondos[1]);
        poner(16, fondos[2]);
    }
    p.end();
    if (escala > 1)
        lamina = lamina.scaled(lamina.size() * escala, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    if (!lamina.save(salida)) {
        std::fprintf(stderr, "no se pudo escribir %s\n", qPrintable(salida));
        return 1;
    }
    std::printf("%lld imágenes en %s\n", static_cast<long long>(archivos.size()), qPrintable(salida));
    return fallos == 0 && avisos == 0 ? 0 : 1;
}

// The small sizes only, enlarged without smoothing, to judge single pixels.
int detalle(const QString &carpeta, const QString &salida, int escala) {
    const QStringList archivos =
        QDir(carpeta).entryList({"*.svg", "*.cur", "*.png"}, QDir::Files, QDir::Name);
    const int columnas = 8, ancho = 60, alto = 40;
    const int filas = (archivos.size() + columnas - 1) / columnas;
    QImage lamina(columnas * ancho, filas * alto, QImage::Format_ARGB32_Premultiplied);
    lamina.fill(QColor("#ffffff"));
    QPainter p(&lamina);
    p.setFont(QFont("DejaVu Sans", 4));
    int fallos = 0;
    for (int i = 0; i < archivos.size(); ++i) {
        const QString ruta = QDir(carpeta).filePath(archivos[i]);
        const int x0 = (i % columnas) * ancho, y0 = (i / columnas) * alto;
        p.fillRect(x0 + 30, y0, 30, 30, QColor("#e4e4e4"));
        const QImage a = dibujar(ruta, 16), b = dibujar(ruta, 24);
        if (a.isNull() || b.isNull()) {
            ++fallos;
            continue;
        }
        p.drawImage(x0 + 4, y0 + 8, a);
        p.drawImage(x0 + 33, y0 + 3, b);
        p.setPen(Qt::black);
        p.drawText(QRect(x0, y0 + 30, ancho, 10), Qt::AlignCenter,
                   archivos[i].left(archivos[i].size() - 4).toUpper());
    }
    p.end();
    lamina = lamina.scaled(lamina.size() * escala, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    if (!lamina.save(salida))
        return 1;
    return fallos == 0 && avisos == 0 ? 0 : 1;
}

int png(const QString &entrada, const QString &salida, int lado) {
    const QImage img = dibujar(entrada, lado);
    if (img.isNull() || !img.save(salida)) {
        std::fprintf(stderr, "no se pudo convertir %s en %s\n", qPrintable(entrada), qPrintable(salida));
        return 1;
    }
    return avisos == 0 ? 0 : 1;
}

} // namespace

int main(int argc, char **argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(contarAvisos);
    QGuiApplication app(argc, argv);
    const QStringList a = app.arguments();
    if (a.size() >= 4 && a[1] == "hoja")
        return hoja(a[2], a[3], a.size() > 4 ? a[4].toInt() : 1);
    if (a.size() >= 4 && a[1] == "detalle")
        return detalle(a[2], a[3], a.size() > 4 ? a[4].toInt() : 4);
    if (a.size() == 5 && a[1] == "png")
        return png(a[2], a[3], a[4].toInt());
    std::fprintf(stderr, "uso: %s hoja <carpeta> <salida.png> [escala]\n"
                         "     %s png <entrada.svg> <salida.png> <px>\n",
                 argv[0], argv[0]);
    return 2;
}
