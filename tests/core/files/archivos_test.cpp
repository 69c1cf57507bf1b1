// Opening and saving configuration files, and the writer's promises that no
// return value shows: what reaches the disk and when, and what a signal in
// the middle leaves.
#include "core/files/archivos.h"
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
using imagen::ImagenMemoria;
using imagen::kTamanoImagen;

ImagenMemoria imagenDePrueba(std::uint8_t semilla) {
  ImagenMemoria im{};
  for (std::size_t i = 0; i < im.size(); ++i) im[i] = static_cast<std::uint8_t>(i * 7 + semilla);
  return im;
}

std::string contenido(const fs::path& p) {
  std::ifstream f(p, std::ios::binary);
  return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

void crear(const fs::path& p, std::size_t n, char relleno) {
  std::ofstream f(p, std::ios::binary);
  f << std::string(n, relleno);
}

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

class Archivos : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    dir_ = fs::temp_directory_path() / (std::string("orda_archivos_") + info->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override {
    std::error_code ec;
    fs::permissions(dir_, fs::perms::owner_all, fs::perm_options::add, ec);
    fs::remove_all(dir_, ec);
  }
  // Only the target files: no temporary is left behind.
  std::size_t archivosEnCarpeta() const {
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()));
  }
  fs::path dir_;
};

// Saved whole through a link over a longer file and read back the same; no
// tail of the old file and no temporary are left.
TEST_F(Archivos, GuardarPorUnEnlaceActualizaElArchivoEnlazadoConSusPermisos) {
  fs::create_directory(dir_ / "real");
  const fs::path real = dir_ / "real" / "casa.dat";
  crear(real, 20000, 'x');
  fs::permissions(real, fs::perms::owner_read | fs::perms::owner_write);
  fs::create_symlink(real, dir_ / "enlace.dat");
  ASSERT_EQ(escribirImagen((dir_ / "enlace.dat").string(), imagenDePrueba(5)), std::nullopt);
  EXPECT_TRUE(fs::is_symlink(dir_ / "enlace.dat"));
  EXPECT_EQ(fs::file_size(real), kTamanoImagen);
  EXPECT_EQ(fs::status(real).permissions(), fs::perms::owner_read | fs::perms::owner_write);
  EXPECT_EQ(std::distance(fs::directory_iterator(dir_ / "real"), fs::directory_iterator()), 1);
  ImagenMemoria leida{};
  ASSERT_EQ(leerImagen((dir_ / "enlace.dat").string(), leida), std::nullopt);
  EXPECT_EQ(leida, imagenDePrueba(5));
}

// Only a missing path, a regular file or a link to one is written, and only
// a regular file or a link to one is read: anything else is refused by name
// and left as it was, and the image in memory too. A pipe named directly is
// refused where orda-cli reads and writes one.
TEST_F(Archivos, RutaQueNoEsArchivoComunSeRechazaSinTocarNada) {
  const fs::path archivo = dir_ / "a.dat";
  crear(archivo, kTamanoImagen, 0);
  ASSERT_EQ(::mkfifo((dir_ / "tubo").c_str(), 0600), 0);
  fs::create_directory(dir_ / "carpeta.dat");
  fs::create_symlink(dir_ / "nada.dat", dir_ / "roto.dat");
  fs::create_symlink(dir_ / "tubo", dir_ / "a_tubo.dat");
  const auto noComun = [&](const char* n) { return (dir_ / n).string() + " no es un archivo común"; };
  const std::string noExiste = "No existe el archivo o la carpeta";
  const std::string parte = "Una parte de la ruta no es una carpeta";
  struct Caso {
    fs::path ruta;
    std::string alGuardar, alLeer;
  };
  for (const Caso& c : std::vector<Caso>{
           {dir_ / "a_tubo.dat", noComun("a_tubo.dat"), noComun("a_tubo.dat")},
           {dir_ / "roto.dat", (dir_ / "roto.dat").string() + " es un enlace a un archivo que no existe",
            noExiste},
           {dir_ / "carpeta.dat", "Es una carpeta", "Es una carpeta"},
           {dir_ / "no/existe.dat", noExiste, noExiste},
           {archivo / "x.dat", parte, parte}}) {
    const std::string error = "No se pudo guardar el archivo: " + c.alGuardar;
    EXPECT_EQ(comprobarDestino(c.ruta.string()), error);
    EXPECT_EQ(escribirImagen(c.ruta.string(), imagenDePrueba(0)), error);
    ImagenMemoria im = imagenDePrueba(4);
    EXPECT_EQ(leerImagen(c.ruta.string(), im), "No se pudo leer el archivo: " + c.alLeer) << c.ruta;
    EXPECT_EQ(im, imagenDePrueba(4));
  }
  EXPECT_EQ(fs::symlink_status(dir_ / "tubo").type(), fs::file_type::fifo);
  EXPECT_TRUE(fs::is_symlink(dir_ / "roto.dat"));
  EXPECT_FALSE(fs::exists(dir_ / "nada.dat"));
  EXPECT_TRUE(fs::is_directory(dir_ / "carpeta.dat"));
  EXPECT_EQ(archivosEnCarpeta(), 5u);
  EXPECT_EQ(comprobarDestino((dir_ / "nuevo.dat").string()), std::nullopt);
}

TEST_F(Archivos, GuardarEnCarpetaSinPermisoConservaElArchivoViejo) {
  const fs::path p = dir_ / "viejo.dat";
  crear(p, 20000, 'x');
  fs::permissions(dir_, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                  fs::perm_options::remove);
  if (std::ofstream(dir_ / "prueba")) GTEST_SKIP() << "permissions are not enforced for this user";

  const auto error = escribirImagen(p.string(), imagenDePrueba(0));
  EXPECT_EQ(error, "No se pudo guardar el archivo: Permiso denegado");
  EXPECT_EQ(comprobarDestino(p.string()), error);
  EXPECT_EQ(contenido(p), std::string(20000, 'x'));
}

TEST_F(Archivos, AbrirTomaLosPrimerosBytesORechaza) {
  struct Caso {
    std::size_t bytes;
    const char* error;  // nullptr: loaded
  };
  for (const Caso& c : {Caso{kTamanoImagen, nullptr}, Caso{kTamanoImagen + 500, nullptr},
                        Caso{0, "El archivo no es una configuración válida (0 bytes)"}}) {
    const fs::path p = dir_ / "archivo.dat";
    crear(p, c.bytes, '\x5A');
    ImagenMemoria im = imagenDePrueba(9), esperada = im;  // a refused file leaves the image as it was
    if (c.error == nullptr) esperada.fill(0x5A);
    const auto error = leerImagen(p.string(), im);
    EXPECT_EQ(error, c.error ? std::optional<std::string>(c.error) : std::nullopt) << c.bytes;
    EXPECT_EQ(im, esperada) << c.bytes;
  }
}

// The title takes the name after the last slash or backslash; the status
// texts and a Linux path's title are checked where the window saves and opens.
TEST(TextosDeArchivo, TituloConElNombreDelArchivo) {
  EXPECT_EQ(tituloVentana("C:\\orda\\depósito.dat"), "Ordavix - depósito.dat");
  EXPECT_EQ(tituloVentana("c:/mixta\\final.dat"), "Ordavix - final.dat");
}

// A power cut right after the save leaves the old file or the new, never an
// empty one: the data reaches the disk before the rename, the rename after.
// A signal at any step leaves no temporary and no half-written file.
TEST_F(Archivos, EscrituraDurableEInterrumpible) {
  const fs::path p = dir_ / "a.dat";
  const std::string viejo = "contenido viejo", nuevo = "nuevo";
  volcados.clear();
  EXPECT_EQ(escribirArchivo(p.string(), viejo), std::nullopt);
  EXPECT_EQ(volcados, (std::vector<std::string>{"archivo", "renombre", "carpeta"}));
  for (const PasoEscritura paso :
       {PasoEscritura::DatosEscritos, PasoEscritura::Renombrado, PasoEscritura::CarpetaAsentada}) {
    for (const int senal : {SIGINT, SIGTERM, SIGHUP}) {
      for (const bool otroHilo : {false, true}) {
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
        EXPECT_EQ(archivosEnCarpeta(), 1u) << caso;
      }
    }
  }
}

}  // namespace
}  // namespace orda::files
