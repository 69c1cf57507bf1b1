// The writer's promises that no return value shows: what reaches the disk
// and when, and what a signal in the middle leaves.
#include "core/files/sistema.h"

#include <dlfcn.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

// The writer's steps, seen through the calls it makes: the temporary's data
// flushed (still open), then renamed over the destination, then the folder
// flushed.
enum class PasoEscritura { DatosEscritos, Renombrado, CarpetaAsentada };
void (*alPaso)(PasoEscritura paso) = nullptr;
void avisar(PasoEscritura p) {
  if (alPaso != nullptr) alPaso(p);
}

// Every fsync and rename of this test program passes here: what was flushed
// and renamed, in order.
std::vector<std::string> volcados;
extern "C" int fsync(int fd) {
  struct stat e {};
  const bool carpeta = ::fstat(fd, &e) == 0 && S_ISDIR(e.st_mode);
  if (!carpeta) avisar(PasoEscritura::DatosEscritos);
  volcados.emplace_back(carpeta ? "carpeta" : "archivo");
  const int r = static_cast<int>(::syscall(SYS_fsync, fd));
  if (carpeta) avisar(PasoEscritura::CarpetaAsentada);
  return r;
}
extern "C" int rename(const char* viejo, const char* nuevo) noexcept {
  using Rename = int (*)(const char*, const char*);
  static const auto real = reinterpret_cast<Rename>(::dlsym(RTLD_NEXT, "rename"));
  volcados.emplace_back("renombre");
  const int r = real(viejo, nuevo);
  avisar(PasoEscritura::Renombrado);
  return r;
}

namespace orda::files {
namespace {

namespace fs = std::filesystem;
struct Interrupcion {
  PasoEscritura paso;
  int senal;
  bool otroHilo;  // the signal lands on another thread of the process
};
Interrupcion interrupcion{};

void interrumpir(PasoEscritura paso) {
  if (paso != interrupcion.paso) return;
  if (interrupcion.otroHilo) {
    std::thread([] { std::raise(interrupcion.senal); }).join();
  } else {
    std::raise(interrupcion.senal);
  }
}

std::string contenido(const fs::path& p) {
  std::ifstream f(p, std::ios::binary);
  return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

// A power cut right after the save leaves the old file or the new, never an
// empty one: the data reaches the disk before the rename, the rename after.
// A signal at any step leaves no temporary and no half-written file.
TEST(Escritura, DurableEInterrumpible) {
  const fs::path dir = fs::path(::testing::TempDir()) / "orda_escritura";
  const fs::path p = dir / "a.dat";
  const std::string viejo = "contenido viejo", nuevo = "nuevo";
  fs::create_directories(dir);
  volcados.clear();
  EXPECT_EQ(escribirArchivo(p.string(), viejo), std::nullopt);
  EXPECT_EQ(volcados, (std::vector<std::string>{"archivo", "renombre", "carpeta"}));
  for (const PasoEscritura paso :
       {PasoEscritura::DatosEscritos, PasoEscritura::Renombrado, PasoEscritura::CarpetaAsentada}) {
    for (const int senal : {SIGINT, SIGTERM, SIGHUP}) {
      for (const bool otroHilo : {false, true}) {
        fs::remove_all(dir);
        fs::create_directories(dir);
        std::ofstream(p) << viejo;
        interrupcion = {paso, senal, otroHilo};
        const pid_t hijo = ::fork();
        ASSERT_GE(hijo, 0);
        if (hijo == 0) {
          // As a shell starts orda-cli, whatever this test runner ignores.
          for (const int s : {SIGINT, SIGTERM, SIGHUP}) std::signal(s, SIG_DFL);
          protegerEscrituras();
          alPaso = interrumpir;
          escribirArchivo(p.string(), nuevo);
          ::_exit(0);
        }
        int estado = 0;
        ASSERT_EQ(::waitpid(hijo, &estado, 0), hijo);
        const auto caso = ::testing::Message() << "paso " << static_cast<int>(paso) << ", señal " << senal
                                               << (otroHilo ? ", otro hilo" : "");
        EXPECT_TRUE(WIFSIGNALED(estado) && WTERMSIG(estado) == senal) << caso;
        EXPECT_EQ(contenido(p), paso >= PasoEscritura::Renombrado ? nuevo : viejo) << caso;
        EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1) << caso;
      }
    }
  }
  fs::remove_all(dir);
}

}  // namespace
}  // namespace orda::files
