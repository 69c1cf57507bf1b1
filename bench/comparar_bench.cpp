// Comparing two full configuration images as `orda-cli diff --bytes` and the
// console's comparisons do: both decoded, compared field by field, then their
// uncovered bytes. After Google Benchmark's table, one line per case with
// the time of one comparison over the 1 ms goal (1.00 or less), by the wall
// clock and by processor time.
//
//   orda_comparar_bench [--benchmark_repetitions=N ...]
#include <benchmark/benchmark.h>

#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "core/compare/comparar.h"
#include "core/programming/aprogramar.h"
#include "core/simulator/demo.h"

namespace {

using namespace orda;

imagen::ImagenMemoria imagenDe(config::Configuracion cfg) {
  imagen::ImagenMemoria img{};
  programming::aProgramar(cfg, img);
  return img;
}

// Every field and most bytes differ: the longest list.
imagen::ImagenMemoria imagenAlAzar(std::uint32_t semilla) {
  std::mt19937 azar(semilla);
  imagen::ImagenMemoria img;
  for (auto& b : img) b = static_cast<std::uint8_t>(azar());
  return img;
}

void comparar(benchmark::State& estado, const imagen::ImagenMemoria& a, const imagen::ImagenMemoria& b) {
  std::size_t diferencias = 0;
  for (auto _ : estado) {
    const auto d = compare::compararImagenes(a, b, true);
    diferencias = d.size();
    benchmark::DoNotOptimize(d.data());
  }
  estado.counters["diferencias"] = static_cast<double>(diferencias);
}

void demoContraNueva(benchmark::State& estado) {
  static const auto demo = imagenDe(simulator::configuracionDemostracion());
  static const auto nueva = imagenDe(config::Configuracion{});
  comparar(estado, demo, nueva);
}

void azarContraAzar(benchmark::State& estado) {
  static const auto a = imagenAlAzar(1);
  static const auto b = imagenAlAzar(2);
  comparar(estado, a, b);
}

BENCHMARK(demoContraNueva)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(azarContraAzar)->UseRealTime()->Unit(benchmark::kMillisecond);

// The usual table, and the runs kept for the ratios.
class Informe : public benchmark::ConsoleReporter {
 public:
  struct Fila {
    std::string nombre;
    double realMs, cpuMs;
  };
  std::vector<Fila> filas;

  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& r : runs) {
      if (r.run_type == Run::RT_Aggregate && r.aggregate_name != "median") continue;
      filas.push_back({r.benchmark_name(), r.GetAdjustedRealTime(), r.GetAdjustedCPUTime()});
    }
  }
};

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  Informe informe;
  benchmark::RunSpecifiedBenchmarks(&informe);
  benchmark::Shutdown();
  for (const Informe::Fila& f : informe.filas) {
    std::printf("%-36s relación con la meta de 1 ms: %.2f (reloj), %.2f (procesador)\n", f.nombre.c_str(), f.realMs,
                f.cpuMs);
  }
  return 0;
}
