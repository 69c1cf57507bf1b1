#include "json/configuracion_json.h"

#include <gtest/gtest.h>

#include "core/reading/decodificar.h"

#include <random>

namespace orda::json {
namespace {

using config::Configuracion;

// What opening an image of random bytes shows: something unusual in every field.
Configuracion alAzar(unsigned semilla) {
  std::mt19937 azar(semilla);
  imagen::ImagenMemoria img;
  for (std::uint8_t& b : img) b = static_cast<std::uint8_t>(azar());
  Configuracion c;
  reading::decodificarImagen(img, c);
  reading::restaurarClave(img, c);
  return c;
}

// Each kind of value once through its editor's rule (each rule's limits are
// checked on the editors), and what only a file or a panel can hold.
TEST(Json, CadaValorPasaPorLaReglaDeSuEditor) {
  struct Caso {
    const char* donde;
    Json valor;
    const char* error;  // nullptr: accepted
    Json queda;         // what the editor then shows (null: the value itself)
  };
  const Caso casos[] = {
      {"/entradas/1/comparacionSuperior", "5.00", nullptr, nullptr},  // as a panel's count reads
      {"/entradas/1/comparacionSuperior", "211.20", "El valor debe ser menor a 3.3V", nullptr},
      {"/entradas/0/alias", "puerta ñ", nullptr, nullptr},  // a panel may hold lower case
      {"/entradas/0/alias", std::string("PUE\0RTA", 7), "El texto tiene caracteres de control", nullptr},
      {"/globales/textoSaldo", "A\r\nB", "El texto tiene caracteres de control", nullptr},
      {"/panel/serialPanel", "1\u007f", "El texto tiene caracteres de control", nullptr},
      {"/entradas/0/mensajeActivacion", std::string(62, 'A'), "Texto demasiado largo", nullptr},
      {"/entradas/0/mensajeActivacion", std::string(61, 'A'), nullptr, nullptr},
      {"/entradas/0/escalaUnidad", "kp中", nullptr, "KP中"},
      {"/entradas/0/escalaValor", "1.1754944e-38", nullptr, nullptr},
      {"/entradas/0/escalaValor", "-nan", nullptr, nullptr},
      {"/entradas/0/tipoEntrada", "Activa en alto", nullptr, nullptr},
      {"/entradas/0/tipoEntrada", "?", nullptr, nullptr},
      {"/entradas/0/tipoEntrada", "activa en bajo", "Se esperaba \"Activa en bajo\" o \"Activa en alto\"", nullptr},
      {"/entradas/0/habDisparo", 4, "Se esperaba un valor de 0 a 3", nullptr},
      {"/entradas/0/habDisparo", -1, "Se esperaba un valor de 0 a 3", nullptr},
      {"/entradas/0/habDisparo", 1.0, "Se esperaba un número entero", nullptr},
      {"/entradas/0/grupo", Json::array({true, false, true}), "Se esperaba una lista de 4 elementos", nullptr},
      {"/entradas/0/grupo/1", 1, "Se esperaba true o false", nullptr},
      {"/salidas/1/programas/2/desde", "24:0", "La hora ingresada es incorrecra (HH:MM)  ", nullptr},
      {"/salidas/1/programas/2/desde", "24:60", nullptr, nullptr},
      {"/salidas/1/encendida", "si", "Se esperaba true o false", nullptr},
      {"/telefonos/0/numero", "12345 7890", nullptr, nullptr},
      {"/telefonos/3/privilegio", "x", "El campo 'Privilegio' debe contener un valor numérico menor a 5 ", nullptr},
      {"/telefonos/3/privilegio", "255", nullptr, nullptr},
      {"/globales/duracionLlamada", "0255", nullptr, "255"},
      {"/globales/mensajeSms", std::string(62, 'x'), "Texto demasiado largo", nullptr},
      {"/globales/numeroSaldo", "saldo", nullptr, "0"},
      {"/globales/duracionDisparo", "1e-9", "Texto demasiado largo", nullptr},
      {"/globales/clave", "a中", "Laclave debe tener entre 3 y 8 caracteres", nullptr},
      {"/globales/horaSms", "99:99", nullptr, nullptr},
      {"/globales/usoClave", nullptr, "Se esperaba true o false", nullptr},
      {"/globales/avisoArmadoA", Json::array(), "Se esperaba una lista de 8 elementos", nullptr},
      {"/especiales/comportamientoEntrada2", "Arma el sistema", "Opción desconocida para este grupo", nullptr},
      {"/especiales/comportamientoSalida1", "Enciende sirena", nullptr, nullptr},
      {"/panel/versionPanel", "2021", "Texto demasiado largo", nullptr},
      {"/panel/serialPanel", 12345, "Se esperaba un texto", nullptr},
  };
  for (const Caso& c : casos) {
    const Json::json_pointer donde(c.donde);
    Json doc = aJson(Configuracion{});
    doc[donde] = c.valor;
    Configuracion cfg;
    const std::vector<std::string> errores = desdeJson(doc, cfg).errores;
    if (c.error != nullptr) {
      ASSERT_EQ(errores.size(), 1u) << c.donde << " " << c.valor;
      EXPECT_NE(errores[0].find(std::string(": ") + c.error), std::string::npos) << errores[0];
      EXPECT_EQ(cfg, Configuracion{}) << c.donde;
    } else {
      EXPECT_TRUE(errores.empty()) << c.donde << ": " << (errores.empty() ? "" : errores[0]);
      EXPECT_EQ(aJson(cfg)[donde], c.queda.is_null() ? c.valor : c.queda) << c.donde;
    }
  }
}

// A refused text changes nothing, whatever the stage that refuses it; every
// mistake of a document is listed, not just the first.
TEST(Json, ClavesDesconocidasFaltantesYFormaIncorrecta) {
  const Json nuevo = aJson(Configuracion{});
  const auto con = [&](void (*cambio)(Json&)) {
    Json d = nuevo;
    cambio(d);
    return d.dump();
  };
  std::string repetida = exportarJson(Configuracion{});
  repetida.insert(repetida.find("\"alias\""), "\"alias\": \"X\", ");
  struct Caso {
    std::string texto;
    std::vector<std::string> errores;
  };
  const Caso casos[] = {
      {con([](Json& d) { d["version"] = 1; }), {"version: Clave desconocida"}},
      {con([](Json& d) { d["entradas"][0]["Alias"] = "X"; }), {"entradas[0].Alias: Clave desconocida"}},
      {con([](Json& d) { d.erase("panel"); }), {"panel: Falta la clave"}},
      {con([](Json& d) { d["entradas"].erase(7); }), {"entradas: Se esperaba una lista de 8 elementos"}},
      {con([](Json& d) { d["telefonos"].push_back(d["telefonos"][0]); }),
       {"telefonos: Se esperaba una lista de 9 elementos"}},
      {con([](Json& d) { d["globales"] = Json::array(); }), {"globales: Se esperaba un objeto"}},
      {con([](Json& d) { d = Json::array({d}); }), {"(raíz): Se esperaba un objeto"}},
      {con([](Json& d) {
         d["entradas"][1]["retardoDisparo"] = "70000";
         d["telefonos"][2]["privilegio"] = "x";
         d["entradas"][4]["smsDisparo"][7] = "no";
         d["especiales"].erase("comportamientoSalida2");
       }),
       {"entradas[1].retardoDisparo: El valor debe ser menor a 65535 seg",
        "entradas[4].smsDisparo[7]: Se esperaba true o false",
        "telefonos[2].privilegio: El campo 'Privilegio' debe contener un valor numérico menor a 5 ",
        "especiales.comportamientoSalida2: Falta la clave"}},
      {"", {"El archivo no es un JSON válido (línea 1, columna 1)"}},
      {"{\n  \"entradas\": [,\n", {"El archivo no es un JSON válido (línea 2, columna 16)"}},
      {"{}}", {"El archivo no es un JSON válido (línea 1, columna 3)"}},
      {"\"\xff\"", {"El archivo no es un JSON válido (línea 1, columna 2)"}},
      {repetida, {"alias: Clave repetida"}},
      {"[31e338]", {"El archivo no es un JSON válido (número fuera de rango)"}},
  };
  for (const Caso& c : casos) {
    Configuracion cfg = alAzar(3);
    EXPECT_EQ(importarJson(c.texto, cfg).errores, c.errores) << c.texto.substr(0, 200);
    EXPECT_EQ(cfg, alAzar(3));
  }
}

}  // namespace
}  // namespace orda::json
