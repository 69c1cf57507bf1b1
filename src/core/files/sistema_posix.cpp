// The POSIX calls behind files/sistema.h: the only file of the console that
// knows them. A Windows build replaces this file: the temporary opened with
// CreateFileW(CREATE_NEW), FlushFileBuffers before MoveFileExW(
// MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) (no folder to flush),
// GetFileAttributesW to refuse devices and folders, and only SIGINT and
// SIGTERM to hold back (a console close arrives through
// SetConsoleCtrlHandler instead of SIGHUP).
#include "core/files/sistema.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <random>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "core/files/mensajes.h"

namespace orda::files {

namespace {

// ---- Signals held back during a write -------------------------------------

// 0: no write; 1: writing; kPendiente + N: writing, signal N held back;
// -1: a signal is ending the program.
constexpr int kPendiente = 1000;
std::atomic<int> estadoSenal{0};
static_assert(std::atomic<int>::is_always_lock_free, "used from a signal handler");

constexpr int kSenales[] = {SIGINT, SIGTERM, SIGHUP};

void terminarPorSenal(int senal) {
  std::signal(senal, SIG_DFL);
  std::raise(senal);  // delivered when the handler returns
}

void alRecibirSenal(int senal) {
  int e = 0;
  for (;;) {
    if (e == 0 && estadoSenal.compare_exchange_weak(e, -1)) {
      terminarPorSenal(senal);
      return;
    }
    if (e == 1 && estadoSenal.compare_exchange_weak(e, kPendiente + senal)) return;
    if (e != 0 && e != 1) return;  // already ending, or a signal already held back
  }
}

// From before the temporary exists until it is renamed or removed.
class SinInterrupciones {
 public:
  SinInterrupciones() {
    int e = 0;
    entrada_ = estadoSenal.compare_exchange_strong(e, 1);
    muriendo_ = !entrada_ && e == -1;
  }
  ~SinInterrupciones() {
    if (!entrada_) return;
    const int e = estadoSenal.exchange(0);
    if (e > kPendiente) std::raise(e - kPendiente);
  }
  SinInterrupciones(const SinInterrupciones&) = delete;
  SinInterrupciones& operator=(const SinInterrupciones&) = delete;
  // A signal is already ending the program: nothing new is created.
  bool muriendo() const { return muriendo_; }
  // A signal came during the write: the old file is kept.
  bool interrumpida() const { return estadoSenal.load() > kPendiente; }

 private:
  bool entrada_ = false;
  bool muriendo_ = false;
};

// ---- Destinations -----------------------------------------------------------

std::string errorEscritura(int error) { return kPrefijoEscritura + motivoDelSistema(error); }

struct Destino {
  std::string ruta;     // the file to replace: the link's target for a link
  std::string carpeta;  // its folder
  bool existe = false;
  struct stat estado {};
};

std::string carpetaDe(const std::string& ruta) {
  const std::size_t barra = ruta.find_last_of('/');
  if (barra == std::string::npos) return ".";
  if (barra == 0) return "/";
  return ruta.substr(0, barra);
}

// Where a write to `ruta` lands, or why it may not.
std::optional<std::string> resolverDestino(const std::string& ruta, Destino& d) {
  if (ruta.empty()) return errorEscritura(ENOENT);
  struct stat propio {};
  if (::lstat(ruta.c_str(), &propio) != 0) {
    if (errno != ENOENT) return errorEscritura(errno);
    d.ruta = ruta;  // a new file
  } else if (S_ISLNK(propio.st_mode)) {
    // Saving through a link updates the file it points to.
    char* real = ::realpath(ruta.c_str(), nullptr);
    if (real == nullptr) {
      if (errno == ENOENT) return kPrefijoEscritura + ruta + " es un enlace a un archivo que no existe";
      return errorEscritura(errno);
    }
    d.ruta = real;
    std::free(real);
  } else {
    d.ruta = ruta;
  }
  if (::stat(d.ruta.c_str(), &d.estado) == 0) {
    d.existe = true;
    if (S_ISDIR(d.estado.st_mode)) return errorEscritura(EISDIR);
    if (!S_ISREG(d.estado.st_mode)) return kPrefijoEscritura + ruta + " no es un archivo común";
  } else if (errno != ENOENT) {
    return errorEscritura(errno);
  }
  d.carpeta = carpetaDe(d.ruta);
  return std::nullopt;
}

// ---- The temporary ------------------------------------------------------------

// A hidden name of its own beside the target (independent of the target's
// name, so a name near the length limit still saves), created exclusively
// and never through a link planted there.
int crearTemporal(const std::string& carpeta, mode_t modo, std::string& temporal) {
  static std::mt19937 azar{std::random_device{}()};
  for (int intento = 0; intento < 16; ++intento) {
    char nombre[32];
    std::snprintf(nombre, sizeof nombre, "/.orda-%08x.tmp", static_cast<unsigned>(azar()));
    temporal = carpeta + nombre;
    const int fd = ::open(temporal.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, modo);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

// The errno of the first failure, or 0; the descriptor is closed.
int volcarYCerrar(int fd, std::span<const std::uint8_t> datos, const Destino& d) {
  int error = 0;
  std::size_t hecho = 0;
  while (hecho < datos.size()) {
    const ssize_t n = ::write(fd, datos.data() + hecho, datos.size() - hecho);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      error = n < 0 ? errno : EIO;
      break;
    }
    hecho += static_cast<std::size_t>(n);
  }
  if (error == 0 && d.existe) {
    // The replaced file's owner (a save under sudo) and exact permissions.
    // Only root may give a file away, and the temporary was created with
    // no more rights than the old file had: a refusal here exposes nothing.
    const bool dueno = ::fchown(fd, d.estado.st_uid, d.estado.st_gid) == 0;
    const bool modo = ::fchmod(fd, d.estado.st_mode & 07777) == 0;
    static_cast<void>(dueno);
    static_cast<void>(modo);
  }
  if (error == 0 && ::fsync(fd) != 0) error = errno;
  if (::close(fd) != 0 && error == 0 && errno != EINTR) error = errno;
  return error;
}

// The rename itself must reach the disk too; file systems that cannot
// flush a folder say so with EINVAL.
int asentarCarpeta(const std::string& carpeta) {
  const int fd = ::open(carpeta.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return errno;
  int error = ::fsync(fd) == 0 || errno == EINVAL || errno == ENOTSUP ? 0 : errno;
  ::close(fd);
  return error;
}

}  // namespace

std::optional<std::string> comprobarDestino(const std::string& ruta) {
  Destino d;
  if (auto error = resolverDestino(ruta, d)) return error;
  struct stat carpeta {};
  if (::stat(d.carpeta.c_str(), &carpeta) != 0) return errorEscritura(errno);
  if (!S_ISDIR(carpeta.st_mode)) return errorEscritura(ENOTDIR);
  if (::access(d.carpeta.c_str(), W_OK | X_OK) != 0) return errorEscritura(errno);
  return std::nullopt;
}

std::optional<std::string> escribirArchivo(const std::string& ruta, std::span<const std::uint8_t> datos) {
  Destino d;
  if (auto error = resolverDestino(ruta, d)) return error;

  SinInterrupciones seccion;
  if (seccion.muriendo()) return errorEscritura(EINTR);
  std::string temporal;
  const int fd = crearTemporal(d.carpeta, d.existe ? (d.estado.st_mode & 0777) : 0666, temporal);
  if (fd < 0) return errorEscritura(errno);

  int error = volcarYCerrar(fd, datos, d);
  if (error == 0 && seccion.interrumpida()) error = EINTR;
  if (error == 0 && ::rename(temporal.c_str(), d.ruta.c_str()) != 0) error = errno;
  if (error != 0) {
    ::unlink(temporal.c_str());
    return errorEscritura(error);
  }
  error = asentarCarpeta(d.carpeta);
  if (error != 0) return errorEscritura(error);
  return std::nullopt;
}

std::optional<std::string> escribirArchivo(const std::string& ruta, std::string_view datos) {
  return escribirArchivo(ruta, std::span(reinterpret_cast<const std::uint8_t*>(datos.data()), datos.size()));
}

std::optional<std::string> leerArchivo(const std::string& ruta, std::size_t maximo, std::vector<std::uint8_t>& datos,
                                       bool& cortado) {
  const auto errorLectura = [](int error) { return kPrefijoLectura + motivoDelSistema(error); };
  // Looked at before it is opened (opening a device may act on it), and
  // opened without blocking: a pipe with no writer would hold the open.
  struct stat estado {};
  if (::stat(ruta.c_str(), &estado) == 0 && !S_ISREG(estado.st_mode) && !S_ISDIR(estado.st_mode)) {
    return kPrefijoLectura + ruta + " no es un archivo común";
  }
  const int fd = ::open(ruta.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) return errorLectura(errno);
  std::optional<std::string> rechazo;
  if (::fstat(fd, &estado) != 0) {
    rechazo = errorLectura(errno);
  } else if (S_ISDIR(estado.st_mode)) {
    rechazo = errorLectura(EISDIR);
  } else if (!S_ISREG(estado.st_mode)) {
    rechazo = kPrefijoLectura + ruta + " no es un archivo común";
  }
  if (rechazo) {
    ::close(fd);
    return rechazo;
  }
  datos.assign(maximo + 1, 0);
  std::size_t leido = 0;
  int error = 0;
  while (leido < datos.size()) {
    const ssize_t n = ::read(fd, datos.data() + leido, datos.size() - leido);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) error = errno;
    if (n <= 0) break;
    leido += static_cast<std::size_t>(n);
  }
  ::close(fd);  // read-only: nothing to lose on close
  if (error != 0) return errorLectura(error);
  cortado = leido > maximo;
  datos.resize(std::min(leido, maximo));
  return std::nullopt;
}

void protegerEscrituras() {
  for (const int senal : kSenales) {
    struct sigaction antes {};
    if (::sigaction(senal, nullptr, &antes) != 0 || antes.sa_handler == SIG_IGN) continue;
    struct sigaction nueva {};
    nueva.sa_handler = alRecibirSenal;
    sigemptyset(&nueva.sa_mask);
    nueva.sa_flags = SA_RESTART;
    ::sigaction(senal, &nueva, nullptr);
  }
}

}  // namespace orda::files
