// Random valid configurations must survive encode -> decode -> encode.
#include <gtest/gtest.h>

#include <random>

#include "core/config/alternar.h"
#include "core/config/tablas.h"
#include "core/programming/aprogramar.h"
#include "core/reading/decodificar.h"

namespace orda {
namespace {

class Generador {
 public:
  explicit Generador(unsigned semilla) : rng_(semilla) {}

  int entre(int a, int b) { return std::uniform_int_distribution<int>(a, b)(rng_); }
  bool moneda() { return entre(0, 1) == 1; }

  std::string texto(int maximo, bool mayus) {
    static const std::vector<std::string> kLetras = {"A", "B", "Z", "Ñ", "É", "0", "9", " ", "-", "€", "a", "ñ", "/"};
    std::string s;
    const int n = entre(0, maximo);
    for (int i = 0; i < n; ++i) {
      const std::string& l = kLetras[static_cast<std::size_t>(entre(0, static_cast<int>(kLetras.size()) - (mayus ? 4 : 1)))];
      s += l;
    }
    return s;
  }
  std::string hora() { return dos(entre(0, 23)) + ":" + dos(entre(0, 59)); }
  std::string voltaje() {
    const int c = entre(0, 330);
    return std::to_string(c / 100) + "." + dos(c % 100);
  }
  static std::string dos(int v) { return (v < 10 ? "0" : "") + std::to_string(v); }

  config::Configuracion configuracion() {
    using namespace config;
    Configuracion c;
    Tabla& e = c.entradas;
    for (int f = 3; f <= 10; ++f) {
      e.ponerTexto(f, 1, texto(12, true));
      if (moneda()) toggleCell(e, f, 6);
      e.ponerImagen(f, 7, kEstadosHabDisparo[entre(0, 3)]);
      for (int col : {2, 3, 4, 5, 10, 13, 17, 20, 24, 27, 29, 33, 36}) e.marcar(f, col, moneda());
      e.ponerTexto(f, 8, std::to_string(5 * entre(0, 65535)));
      e.ponerTexto(f, 9, std::to_string(entre(0, 65535)));
      for (int col : {18, 19, 28}) e.ponerTexto(f, col, texto(60, false));
      e.ponerTexto(f, 37, voltaje());
      e.ponerTexto(f, 38, voltaje());
      e.ponerTexto(f, 39, std::to_string(entre(-500, 500)) + (moneda() ? ".5" : ""));
      e.ponerTexto(f, 40, texto(3, true));
    }
    Tabla& s = c.salidas;
    for (int f = 3; f <= 6; ++f) {
      s.ponerTexto(f, 1, texto(12, true));
      for (int col : {2, 3, 6, 9, 12}) s.marcar(f, col, moneda());
      for (int k = 0; k < 4; ++k) {
        s.ponerTexto(f, colSalidas::desde(k), hora());
        s.ponerTexto(f, colSalidas::hasta(k), hora());
      }
    }
    Tabla& t = c.tree;
    for (int f = 3; f <= 11; ++f) {
      t.ponerTexto(f, 1, texto(12, false));
      t.ponerTexto(f, 2, std::to_string(entre(0, 4)));
      std::string numero;
      for (int i = 0; i < 10; ++i) numero += static_cast<char>('0' + entre(0, 9));
      t.ponerTexto(f, 3, moneda() ? numero : kNumeroSinDefinir);
      t.ponerTexto(f, 4, std::to_string(entre(0, 14)));
    }
    Globales& g = c.globales;
    for (int i = 1; i < opcion::kCantidad; ++i) g.opciones[static_cast<std::size_t>(i)] = moneda();
    g.text[1] = hora();
    g.text[2] = std::to_string(entre(0, 255));
    g.text[3] = hora();
    g.text[4] = texto(31, false);
    g.text[5] = std::to_string(entre(0, 1092));
    g.text[6] = std::to_string(entre(0, 1092));
    cambiarNumeroSaldo(c, std::to_string(entre(0, 999999999)));
    g.text[8] = texto(12, false);
    g.text[9] = texto(8, true);
    for (std::size_t grupo = 0; grupo < kGruposEspeciales.size(); ++grupo) {
      int i = kGruposEspeciales[grupo].primero + entre(0, kGruposEspeciales[grupo].cantidad - 1);
      if (i == kOpcionOculta) i = 0;
      c.especiales.seleccionar(i);
    }
    c.versionPanel = std::to_string(entre(100, 999));
    c.serialPanel = std::to_string(entre(10000, 99999));
    return c;
  }

 private:
  std::mt19937 rng_;
};

// The first difference, to make a failure readable.
std::string diferencia(const config::Configuracion& a, const config::Configuracion& b) {
  const std::pair<const config::Tabla*, const config::Tabla*> tablas[] = {
      {&a.entradas, &b.entradas}, {&a.salidas, &b.salidas}, {&a.tree, &b.tree}};
  for (const auto& [ta, tb] : tablas) {
    for (int f = 0; f < ta->filas(); ++f) {
      for (int c = 0; c < ta->columnas(); ++c) {
        if (!(ta->celda(f, c) == tb->celda(f, c))) {
          return "tabla " + std::to_string(static_cast<int>(ta->tipo())) + " fila " + std::to_string(f) + " col " +
                 std::to_string(c) + ": '" + ta->texto(f, c) + "'/" + ta->imagen(f, c) + " vs '" + tb->texto(f, c) +
                 "'/" + tb->imagen(f, c);
        }
      }
    }
  }
  for (std::size_t i = 0; i < a.globales.text.size(); ++i) {
    if (a.globales.text[i] != b.globales.text[i]) return "Text" + std::to_string(i) + ": '" + a.globales.text[i] + "' vs '" + b.globales.text[i] + "'";
  }
  for (std::size_t i = 0; i < a.globales.opciones.size(); ++i) {
    if (a.globales.opciones[i] != b.globales.opciones[i]) return "opcion " + std::to_string(i);
  }
  if (!(a.especiales == b.especiales)) return "especiales";
  return a.versionPanel + "/" + a.serialPanel + " vs " + b.versionPanel + "/" + b.serialPanel;
}

TEST(IdaYVuelta, ConfiguracionesAleatoriasValidas) {
  for (unsigned semilla = 1; semilla <= 200; ++semilla) {
    Generador gen(semilla);
    config::Configuracion original = gen.configuracion();
    imagen::ImagenMemoria img1{};
    const auto corrida = programming::aProgramar(original, img1);
    ASSERT_TRUE(corrida.errores.empty()) << semilla << ": " << corrida.errores[0].ubicacion;

    config::Configuracion leida;
    reading::decodificarImagen(img1, leida);
    reading::restaurarClave(img1, leida);
    // Documented losses: the hidden CoAdministrador option is never stored.
    leida.globales.opciones[0] = original.globales.opciones[0];
    // The hidden balance row is read back with the zeros its record carries.
    EXPECT_EQ(leida.tree.texto(12, 2), "0");
    EXPECT_EQ(leida.tree.texto(12, 4), "0");
    leida.tree.ponerTexto(12, 2, "");
    leida.tree.ponerTexto(12, 4, "");
    ASSERT_TRUE(leida == original) << "semilla " << semilla << ": " << diferencia(leida, original);

    imagen::ImagenMemoria img2{};
    programming::aProgramar(leida, img2);
    ASSERT_EQ(img1, img2) << "semilla " << semilla;
  }
}

TEST(IdaYVuelta, PerdidasDocumentadas) {
  config::Configuracion c;
  c.entradas.ponerTexto(3, 8, "603");   // 5 ms units
  c.entradas.ponerTexto(3, 37, "1.234");  // two decimals
  c.entradas.ponerTexto(3, 39, "1.000");
  c.globales.text[5] = "2.5";             // whole minutes
  imagen::ImagenMemoria img{};
  programming::aProgramar(c, img);
  config::Configuracion l;
  reading::decodificarImagen(img, l);
  EXPECT_EQ(l.entradas.texto(3, 8), "600");
  EXPECT_EQ(l.entradas.texto(3, 37), "1.23");
  EXPECT_EQ(l.entradas.texto(3, 39), "1");
  EXPECT_EQ(l.globales.text[5], "2");
}

}  // namespace
}  // namespace orda
