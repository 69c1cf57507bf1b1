#include "core/reading/decodificar.h"

#include <gtest/gtest.h>

#include "core/config/tablas.h"
#include "core/imagen/codificacion.h"
#include "core/programming/aprogramar.h"

namespace orda::reading {
namespace {

using imagen::ImagenMemoria;

ImagenMemoria imagenDe(config::Configuracion cfg) {
  ImagenMemoria img{};
  programming::aProgramar(cfg, img);
  return img;
}

TEST(Decodificar, MemoriaBorrada) {
  ImagenMemoria img;
  img.fill(0xFF);
  config::Configuracion c;
  c.especiales.seleccionar(8);
  c.globales.text[9] = "CLAVE";
  c.entradas.ponerImagen(3, 7, "OKGRG");
  decodificarImagen(img, c);
  EXPECT_EQ(c.entradas.celda(3, 6), (config::Celda{"?", "NOG"}));
  EXPECT_EQ(c.entradas.imagen(3, 7), "OKGRG");  // an unknown trigger state leaves the picture
  EXPECT_EQ(c.entradas.texto(3, 1), "ÿÿÿÿÿÿÿÿÿÿÿÿ");
  EXPECT_EQ(c.entradas.texto(3, 40), "ÿÿÿ");
  EXPECT_EQ(c.entradas.texto(3, 18), std::string(64 * 2, '\0').replace(0, 128, [] {
    std::string s;
    for (int i = 0; i < 64; ++i) s += "ÿ";
    return s;
  }()));
  EXPECT_EQ(c.entradas.imagen(3, 2), "OKG");
  EXPECT_EQ(c.tree.texto(3, 2), "255");
  EXPECT_EQ(c.salidas.texto(3, 4), "165:165");
  EXPECT_EQ(c.versionPanel, "ÿÿÿ");
  EXPECT_EQ(c.globales.text[7], "0");  // the balance number is kept numeric
  EXPECT_EQ(c.tree.texto(12, 3), "0");
  EXPECT_EQ(c.globales.text[9], "CLAVE");  // a panel read keeps the typed password
  // Every special-function bit set: the last option of each group wins.
  EXPECT_EQ(c.especiales.seleccion(0), 2);
  EXPECT_EQ(c.especiales.seleccion(2), 9);
}

TEST(Decodificar, ValoresDelPanel) {
  ImagenMemoria img = imagenDe(config::Configuracion{});
  const std::size_t e0 = 0x2000;
  img[e0 + 14] = 0x74;  // 372
  img[e0 + 15] = 0x01;
  img[e0 + 16] = 0x00;  // 1024
  img[e0 + 17] = 0x04;
  img[e0 + 13] = 2;
  img[e0 + 24] = 2;
  const std::size_t g = 0x2F00;
  img[g + 33] = '2';
  img[g + 34] = '0';
  img[g + 35] = '2';
  for (std::size_t i = 0; i < 5; ++i) img[g + 37 + i] = static_cast<std::uint8_t>('1' + i);
  img[g + 43] = 0;  // no special function: the groups stay as they were
  img[g + 46] = 'X';
  img[g + 47] = 'Y';
  img[g + 48] = 'Z';
  img[g + 49] = 0;

  config::Configuracion c;
  c.especiales.seleccionar(13);
  decodificarImagen(img, c);
  EXPECT_EQ(c.entradas.texto(3, 37), "1.20");
  EXPECT_EQ(c.entradas.texto(3, 38), "3.30");
  EXPECT_EQ(c.entradas.texto(3, 8), "600");
  EXPECT_EQ(c.entradas.texto(3, 39), "1");  // "1.000" comes back as "1"
  EXPECT_EQ(c.entradas.celda(3, 6), (config::Celda{"Activa en alto", "FLANCOASC"}));
  EXPECT_EQ(c.entradas.imagen(3, 7), "OKGRG");
  EXPECT_EQ(config::textoVersion(c.versionPanel), "V2.02");
  EXPECT_EQ(config::textoSerial(c.serialPanel), "SN: 12345");
  EXPECT_EQ(c.especiales.seleccion(4), 13);
  EXPECT_EQ(c.globales.text[9], "");
  restaurarClave(img, c);
  EXPECT_EQ(c.globales.text[9], "XYZ");
}

TEST(Decodificar, VoltajesADosDecimales) {
  EXPECT_EQ(imagen::voltajeDeCuentas(372), "1.20");
  EXPECT_EQ(imagen::voltajeDeCuentas(1024), "3.30");
  EXPECT_EQ(imagen::voltajeDeCuentas(0), "0.00");
  EXPECT_EQ(imagen::voltajeDeCuentas(155), "0.50");
  EXPECT_EQ(imagen::voltajeDeCuentas(65535), "211.20");
}

TEST(Decodificar, FlotanteDelPanelIdaYVuelta) {
  for (const char* t : {"1", "-2.5", "16.5", "0.001", "3.4e+38", "1e-40"}) {
    const auto bits = imagen::flotantePanel(t);
    ASSERT_TRUE(bits) << t;
    const float f = imagen::desdeFlotantePanel(*bits & 0xFF, (*bits >> 8) & 0xFF, (*bits >> 16) & 0xFF, *bits >> 24);
    const std::string s = imagen::textoFlotante(f);
    EXPECT_EQ(imagen::flotantePanel(s), bits) << t << " -> " << s;
    EXPECT_EQ(s.find(','), std::string::npos);
  }
}

}  // namespace
}  // namespace orda::reading
