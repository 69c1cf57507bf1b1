// The library's tests, inside a QCoreApplication. Started as
// `--fusionar URL SITE DUMP` the program is instead one of the processes of
// the concurrency test: it opens the library, says "listo", waits for its
// standard input to close and merges the dump.
#include <cstring>
#include <fstream>
#include <iostream>
#include <iterator>

#include <QCoreApplication>

#include <gtest/gtest.h>

#include "sites/biblioteca.h"

namespace {

int fusionar(const char* url, const char* sitio, const char* ruta) {
  try {
    orda::sites::Biblioteca b(*orda::sites::leerDestino(url).destino);
    std::ifstream f(ruta, std::ios::binary);
    const std::vector<std::uint8_t> dump((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
    std::cout << "listo" << std::endl;
    std::string resto((std::istreambuf_iterator<char>(std::cin)), std::istreambuf_iterator<char>());
    const auto r = b.fusionarHistorial(std::stoll(sitio), dump, orda::config::Configuracion{});
    std::cout << r.nuevos << std::endl;
    return 0;
  } catch (const std::exception& e) {
    std::cerr << e.what() << std::endl;
    return 1;
  }
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication aplicacion(argc, argv);
  if (argc == 5 && std::strcmp(argv[1], "--fusionar") == 0) return fusionar(argv[2], argv[3], argv[4]);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
