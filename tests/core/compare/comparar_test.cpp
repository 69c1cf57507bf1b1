#include "core/compare/comparar.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>

#include "core/config/tablas.h"
#include "core/programming/aprogramar.h"

namespace orda::compare {
namespace {

using config::Configuracion;

struct Caso {
  const char* nombre;
  std::function<void(Configuracion&)> cambiar;
  const char* ventana;
  const char* fila;
  const char* campo;
  const char* antes;
  const char* despues;
};

// An input's name is compared where orda-cli and the window list differences.
TEST(Comparar, CadaTipoDeCampo) {
  using namespace config;
  const Caso casos[] = {
      {"mensaje en la columna 28", [](auto& c) { c.entradas.ponerTexto(5, 28, "ROBO"); }, "Programación de Entradas",
       "3 ENTRADA3", "Mensaje de disparo", "", "ROBO"},
      {"milisegundos en unidades de 5", [](auto& c) { c.entradas.ponerTexto(3, 8, "605"); },
       "Programación de Entradas", "1 ENTRADA1", "Retardo de activación [mseg]", "600", "605"},
      {"voltaje", [](auto& c) { c.entradas.ponerTexto(3, 37, "1.21"); }, "Programación de Entradas", "1 ENTRADA1",
       "Valor de comparación [Volt] Superior", "1.20", "1.21"},
      {"marca", [](auto& c) { c.entradas.marcar(4, 3, true); }, "Programación de Entradas", "2 ENTRADA2", "Grupo 2",
       "no", "sí"},
      {"tipo de entrada", [](auto& c) { c.entradas.celda(3, 6) = {kTipoAlto, imagenes::kFlancoAsc}; },
       "Programación de Entradas", "1 ENTRADA1", "Tipo de entrada", "Activa en bajo", "Activa en alto"},
      {"tipo desconocido", [](auto& c) { c.entradas.celda(3, 6) = {"?", imagenes::kDesconocido}; },
       "Programación de Entradas", "1 ENTRADA1", "Tipo de entrada", "Activa en bajo", "?"},
      {"cuatro estados", [](auto& c) { c.entradas.ponerImagen(3, 7, imagenes::kMarcadoRG); },
       "Programación de Entradas", "1 ENTRADA1", "Hab disp", "0", "2"},
      {"hora de salida", [](auto& c) { c.salidas.ponerTexto(4, colSalidas::hasta(2), "07:30"); },
       "Programación de Salidas", "2 SALIDA2", "Programación automática 3 Hasta", "00:00", "07:30"},
      {"dígitos del teléfono", [](auto& c) { c.tree.ponerTexto(3, 3, "0123456789"); },
       "Listado de números telefónicos habilitados", "1", "Número", "**********", "0123456789"},
      {"nombre", [](auto& c) { c.tree.ponerTexto(11, 1, "TECNICO"); }, "Listado de números telefónicos habilitados",
       "9 TECNICO", "Pertenece a ...", "SERV TECNICO", "TECNICO"},
      {"opción global", [](auto& c) { c.globales.opciones[opcion::kSmsDiario] = 1; }, "Configuraciones globales",
       "Notificación por SMS", "SMS diario", "no", "sí"},
      {"fila numerada", [](auto& c) { c.globales.opciones[opcion::kLlamadaDiariaA + 2] = 1; },
       "Configuraciones globales", "Notificación por llamada", "Notificar al número de teléfono: 3", "no", "sí"},
      {"minutos", [](auto& c) { c.globales.text[caja::kDuracionStr] = "31"; }, "Configuraciones globales",
       "Miscelánea", "Duración del STR [min]", "30", "31"},
      {"hora global", [](auto& c) { c.globales.text[caja::kHoraSms] = "13:01"; }, "Configuraciones globales",
       "Notificación por SMS", "Hora de SMS", "13:00", "13:01"},
      {"el mensaje diario distingue mayúsculas",
       [](auto& c) { c.globales.text[caja::kMensajeSms] = "COMUNICACIÓN OK"; }, "Configuraciones globales",
       "Notificación por SMS", "Mensaje de SMS", "Comunicación OK", "COMUNICACIÓN OK"},
      {"clave", [](auto& c) { c.globales.text[caja::kClave] = "abc"; }, "Configuraciones globales",
       "Uso de clave para SMS", "Clave", "", "***"},  // never shown
      {"función especial", [](auto& c) { c.especiales.seleccionar(8); }, "Funciones Especiales", "",
       "Comportamiento Salida 1", "Ninguno", "Enciende sirena"},
  };
  for (const Caso& caso : casos) {
    SCOPED_TRACE(caso.nombre);
    Configuracion nueva;
    caso.cambiar(nueva);
    const auto d = comparar(Configuracion{}, nueva);
    ASSERT_EQ(d.size(), 1u);
    EXPECT_EQ(tituloVentana(d[0].ventana), std::string(caso.ventana));
    EXPECT_EQ(d[0].fila, caso.fila);
    EXPECT_EQ(d[0].campo, caso.campo);
    EXPECT_EQ(d[0].antes, caso.antes);
    EXPECT_EQ(d[0].despues, caso.despues);
  }
}

// Texts that the panel would store the same way.
TEST(Comparar, IgualesUnaVezCodificados) {
  using namespace config;
  using Poner = std::function<void(Configuracion&, const char*)>;
  const auto celda = [](Tabla Configuracion::*t, int f, int col) {
    return Poner([=](Configuracion& c, const char* v) { (c.*t).ponerTexto(f, col, v); });
  };
  const auto caja = [](int n) {
    return Poner([=](Configuracion& c, const char* v) { c.globales.text[static_cast<std::size_t>(n)] = v; });
  };
  const struct {
    Poner poner;
    const char* a;
    const char* b;
  } casos[] = {
      {celda(&Configuracion::entradas, 3, 37), "1.2", "1.20"},
      {celda(&Configuracion::entradas, 3, 8), "604", "600"},
      {celda(&Configuracion::entradas, 3, 9), "2.9", "2"},
      {celda(&Configuracion::entradas, 3, 39), "1", "1.000"},
      {celda(&Configuracion::salidas, 4, colSalidas::desde(0)), "12.30", "12:30"},
      {celda(&Configuracion::tree, 3, 3), "012 345 6789", "0123456789"},
      {celda(&Configuracion::tree, 3, 2), "04", "4"},
      {caja(caja::kDuracionDisparo), "5.0", "5"},
      {caja(caja::kClave), "abc", "ABC"},
      {caja(caja::kNumeroSaldo), "0555", "555"},
  };
  for (const auto& caso : casos) {
    Configuracion a, b;
    caso.poner(a, caso.a);
    caso.poner(b, caso.b);
    EXPECT_TRUE(comparar(a, b).empty()) << caso.a << " / " << caso.b;
  }
  Configuracion oculta;
  oculta.especiales.seleccionar(kOpcionOculta);  // stores no bit, as "Ninguno"
  oculta.globales.opciones[opcion::kCoAdministrador] = 1;  // never stored
  EXPECT_TRUE(comparar(Configuracion{}, oculta).empty());
}

imagen::ImagenMemoria imagenAlAzar(std::uint32_t semilla) {
  std::mt19937 azar(semilla);
  imagen::ImagenMemoria img;
  for (auto& b : img) b = static_cast<std::uint8_t>(azar());
  return img;
}

// Taking one field at a time from another configuration changes exactly that
// field, and the fields' differences add up to the whole comparison.
TEST(Comparar, UnCampoPorVez) {
  const Configuracion a = configuracionDe(imagenAlAzar(1));
  const Configuracion b = configuracionDe(imagenAlAzar(2));
  EXPECT_TRUE(comparar(a, a).empty());
  std::size_t suma = 0;
  auto probar = [&](const Configuracion& c, Lugar lugar) {
    const auto d = comparar(a, c);
    ASSERT_LE(d.size(), 1u);
    if (d.empty()) return;
    EXPECT_EQ(d[0].lugar, lugar);
    ++suma;
  };
  for (config::Tabla Configuracion::*tabla : {&Configuracion::entradas, &Configuracion::salidas, &Configuracion::tree}) {
    for (int f = 3; f <= (a.*tabla).ultimaFila(); ++f) {
      for (int col = 0; col < (a.*tabla).columnas(); ++col) {
        Configuracion c = a;
        (c.*tabla).celda(f, col) = (b.*tabla).celda(f, col);
        probar(c, {Lugar::Celda, f, col});
      }
    }
  }
  for (int i = 0; i < config::opcion::kCantidad; ++i) {
    Configuracion c = a;
    c.globales.opciones[static_cast<std::size_t>(i)] = b.globales.opciones[static_cast<std::size_t>(i)];
    probar(c, {Lugar::Opcion, -1, i});
  }
  for (int n = 1; n <= 9; ++n) {
    Configuracion c = a;
    c.globales.text[static_cast<std::size_t>(n)] = b.globales.text[static_cast<std::size_t>(n)];
    probar(c, {Lugar::CajaTexto, -1, n});
  }
  for (int g = 0; g < 5; ++g) {
    Configuracion c = a;
    c.especiales.seleccionar(b.especiales.seleccion(g));
    probar(c, {Lugar::GrupoEspecial, -1, g});
  }
  EXPECT_EQ(comparar(a, b).size(), suma);
  EXPECT_GT(suma, 200u);
}

TEST(Comparar, BytesSinCampo) {
  Configuracion cfg;
  imagen::ImagenMemoria a{};
  programming::aProgramar(cfg, a);
  imagen::ImagenMemoria b = a;
  const std::size_t entrada = imagen::kEntradas.inicio(1);
  b[entrada + 0] = 'X';        // the alias: a field
  b[entrada + 40] ^= 1;        // not written by any field
  b[imagen::kSalidas.inicio(0) + 35] = 'Z';  // inside an output's alias
  b[imagen::kGlobal.inicio(0) + 34] ^= 1;    // the panel's version
  b[imagen::kTamanoMemoria] = 7;             // the byte with no panel address
  const auto sinBytes = compararImagenes(a, b, false);
  ASSERT_EQ(sinBytes.size(), 2u);
  EXPECT_EQ(sinBytes[0].campo, "Alias Identificación");
  EXPECT_EQ(sinBytes[1].ventana, Ventana::Salidas);
  const auto d = compararBytes(a, b);
  ASSERT_EQ(d.size(), 3u);
  EXPECT_EQ(d[0].antes, "FF");
  EXPECT_EQ(d[0].despues, "FE");
  EXPECT_EQ(d[1].offset, imagen::kGlobal.inicio(0) + 34);
  EXPECT_EQ(d[2].offset, imagen::kTamanoMemoria);
  EXPECT_EQ(compararImagenes(a, b, true).size(), 5u);
}

}  // namespace
}  // namespace orda::compare
