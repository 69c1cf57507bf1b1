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

// A configuration that differs from a new one in every record.
config::Configuracion otraConfiguracion() {
  config::Configuracion c;
  for (int f = 3; f <= 10; ++f) {
    for (int col = 0; col < c.entradas.columnas(); ++col) c.entradas.ponerTexto(f, col, "X");
    c.entradas.marcar(f, config::colEntradas::kGrupo, true);
    c.entradas.ponerImagen(f, config::colEntradas::kHabDisparo, config::imagenes::kMarcadoRG);
  }
  for (int f = 3; f <= 12; ++f) c.tree.ponerTexto(f, config::colTree::kPerteneceA, "X");
  for (int f = 3; f <= 6; ++f) c.salidas.ponerTexto(f, config::colSalidas::desde(1), "09:09");
  for (int& o : c.globales.opciones) o = 1;
  for (int i = 1; i <= 9; ++i) c.globales.text[static_cast<std::size_t>(i)] = "X";
  for (int i : {2, 6, 9, 11, 13}) c.especiales.seleccionar(i);
  c.versionPanel = "999";
  c.serialPanel = "99999";
  return c;
}

TEST(Decodificar, MemoriaBorradaDaLosValoresPorOmision) {
  ImagenMemoria img;
  img.fill(0xFF);
  config::Configuracion c = otraConfiguracion();
  EXPECT_EQ(decodificarImagen(img, c), 8 + 25 + 10 + 4 + 1);
  restaurarClave(img, c);
  c.globales.opciones[config::opcion::kCoAdministrador] = 0;  // never stored
  EXPECT_TRUE(c == config::Configuracion{});
  EXPECT_EQ(textoRegistrosBorrados(21, true),
            "La central tiene 21 registros sin programar: se cargaron los valores por omisión.");
  EXPECT_EQ(textoRegistrosBorrados(1, false),
            "El archivo tiene 1 registro sin programar: se cargaron los valores por omisión.");
}

// Only a record erased whole takes the defaults; one byte written keeps it
// as the panel holds it.
TEST(Decodificar, SoloLosRegistrosBorradosEnteros) {
  config::Configuracion programada;
  programada.entradas.ponerTexto(4, config::colEntradas::kAlias, "PUERTA");
  programada.entradas.ponerTexto(3, config::colEntradas::kMensajeDesactivacion, "CERRADA");
  programada.entradas.ponerTexto(4, config::colEntradas::kMensajeActivacion, "ABIERTA");
  ImagenMemoria img = imagenDe(programada);
  std::fill_n(img.begin() + 0x2000 + 64, 64, 0xFF);       // input 2, its texts stay
  std::fill_n(img.begin() + 64 * 1, 64, 0xFF);            // input 1's second text
  std::fill_n(img.begin() + 0x2000 + 128, 64, 0xFF);      // input 3 ...
  img[0x2000 + 128 + 13] = 0xFE;                          // ... but for its type byte
  config::Configuracion c = otraConfiguracion();
  EXPECT_EQ(decodificarImagen(img, c), 2);
  const config::Tabla nueva = config::nuevaTablaEntradas();
  EXPECT_EQ(c.entradas.texto(4, config::colEntradas::kAlias), "ENTRADA2");
  EXPECT_EQ(c.entradas.celda(4, config::colEntradas::kGrupo), nueva.celda(4, config::colEntradas::kGrupo));
  EXPECT_EQ(c.entradas.texto(4, config::colEntradas::kMensajeActivacion), "ABIERTA");
  EXPECT_EQ(c.entradas.texto(3, config::colEntradas::kMensajeDesactivacion), "");
  EXPECT_EQ(c.entradas.texto(5, config::colEntradas::kAlias), "ÿÿÿÿÿÿÿÿÿÿÿÿ");
  EXPECT_EQ(c.entradas.celda(5, config::colEntradas::kTipo), (config::Celda{"?", "NOG"}));
  EXPECT_EQ(c.entradas.imagen(5, config::colEntradas::kHabDisparo), "NOG2");  // 0xFF: off, not left as it was
  EXPECT_EQ(c.entradas.texto(5, config::colEntradas::kComparacionSuperior), "211.19");  // still encodable
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
  img[e0 + 2] = '\n';  // a control byte in a name
  const std::size_t g = 0x2F00;
  img[g + 33] = '2';
  img[g + 34] = '0';
  img[g + 35] = '2';
  for (std::size_t i = 0; i < 5; ++i) img[g + 37 + i] = static_cast<std::uint8_t>('1' + i);
  img[g + 43] = 1 << 5;  // only Salida 1's second option
  img[g + 46] = 'X';
  img[g + 47] = 'Y';
  img[g + 48] = 'Z';
  img[g + 49] = 0;
  std::fill_n(img.begin() + 64 * 2, 64, 'M');  // a text with no NUL
  img[0x2800 + 7 + 5] = 0xA5;                    // output 1, program 2 "hasta": no BCD
  img[g + 12] = 0x99;                            // "99:99" is still a time the panel can hold
  img[g + 13] = 0x99;
  const char exponente[] = "1e10";  // the hidden row's balance number, 11 digits once rewritten
  std::copy_n(exponente, 5, img.begin() + 0x2C00 + 32 * 9 + 14);

  config::Configuracion c = otraConfiguracion();
  c.globales.text[9] = "";
  EXPECT_EQ(decodificarImagen(img, c), 0);
  EXPECT_EQ(c.entradas.texto(3, 37), "1.20");
  EXPECT_EQ(c.entradas.texto(3, 38), "3.30");
  EXPECT_EQ(c.entradas.texto(3, 8), "600");
  EXPECT_EQ(c.entradas.texto(3, 39), "1");  // "1.000" comes back as "1"
  EXPECT_EQ(c.entradas.texto(3, 1), "EN?RADA1");
  EXPECT_EQ(c.entradas.texto(3, config::colEntradas::kMensajeDisparo), std::string(kLargoMensaje, 'M'));
  EXPECT_EQ(c.entradas.celda(3, 6), (config::Celda{"Activa en alto", "FLANCOASC"}));
  EXPECT_EQ(c.entradas.imagen(3, 7), "OKGRG");
  EXPECT_EQ(c.salidas.texto(3, config::colSalidas::hasta(1)), "00:00");
  EXPECT_EQ(c.globales.text[config::caja::kHoraSms], "99:99");
  EXPECT_EQ(config::textoVersion(c.versionPanel), "V2.02");
  EXPECT_EQ(config::textoSerial(c.serialPanel), "SN: 12345");
  // Every group comes from the image: a group without a bit shows "Ninguno".
  const int esperadas[] = {0, 4, 9, 10, 12};
  for (int grupo = 0; grupo < 5; ++grupo) EXPECT_EQ(c.especiales.seleccion(grupo), esperadas[grupo]) << grupo;
  // The hidden phone row brings only the balance number.
  EXPECT_EQ(c.tree.texto(config::colTree::kFilaSaldo, config::colTree::kPerteneceA), "");
  EXPECT_EQ(c.globales.text[config::caja::kNumeroSaldo], "0");
  EXPECT_EQ(c.globales.text[9], "");
  restaurarClave(img, c);
  EXPECT_EQ(c.globales.text[9], "XYZ");
}

}  // namespace
}  // namespace orda::reading
