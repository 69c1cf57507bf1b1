#include "cli/ayuda.h"

#include <array>
#include <regex>
#include <utility>

namespace orda::cli {

namespace {

// CLI11's words as they appear in the help pages.
constexpr std::array<std::pair<const char*, const char*>, 14> kEtiquetas{{
    {"Usage", "Uso"},
    {"OPTIONS", "OPCIONES"},
    {"SUBCOMMAND", "COMANDO"},
    {"SUBCOMMANDS", "COMANDOS"},
    {"Positionals", "Argumentos"},
    {"Options", "Opciones"},
    {"Subcommands", "Comandos"},
    {"REQUIRED", "OBLIGATORIO"},
    {"Needs", "Necesita"},
    {"Excludes", "Excluye"},
    {"Env", "Variable"},
    {"TEXT", "TEXTO"},
    {"INT", "ENTERO"},
    {"UINT", "ENTERO"},
}};

// CLI11's parse errors, English pattern and Spanish replacement, tried in order.
struct Traduccion {
  const char* patron;
  const char* texto;
};
constexpr std::array<Traduccion, 13> kErrores{{
    {R"(^A subcommand is required$)", "falta el comando (new, export, import, history, read, ...)"},
    {R"(^(.+) is required$)", "falta $1"},
    {R"(^The following arguments? (?:was|were) not expected: (.*)$)", "argumentos de más: $1"},
    {R"(^(.+) requires (.+)$)", "$1 necesita $2"},
    {R"(^(.+) excludes (.+)$)", "$1 no se puede usar con $2"},
    {R"(^(\S+): Value (.+) not in range (.+) to (.+)$)", "$1: el valor $2 no está entre $3 y $4"},
    {R"(^Could not convert: (.+) = (.+)$)", "valor inválido para $1: $2"},
    {R"(^(.+) only accepts (\d+) arguments?.*$)", "$1 admite solo $2 argumento(s)"},
    {R"(^(.+) requires (\d+) arguments?.*$)", "$1 necesita $2 argumento(s)"},
    {R"(^(.+): Too many positional arguments.*$)", "$1: demasiados argumentos"},
    {R"(^Requires at most (\d+) options.*$)", "demasiadas opciones"},
    {R"(^(.+) is not a valid option.*$)", "$1 no es una opción válida"},
    {R"(^(\S+): (.*)$)", "$1: valor no válido ($2)"},
}};

}  // namespace

void ponerAyudaEnEspanol(CLI::App& app, const std::string& version) {
  for (const auto& [clave, texto] : kEtiquetas) app.get_formatter()->label(clave, texto);
  // The options' group is a name, not a label: subcommands inherit it.
  app.option_defaults()->group("Opciones");
  app.set_help_flag("-h,--help", "Muestra esta ayuda y sale");
  app.set_version_flag("--version", version, "Muestra el programa y su versión y sale");
}

namespace {

void traducirOpciones(CLI::App& app) {
  static const std::regex rango(R"(^(?:INT|UINT|FLOAT) in \[(.+) - (.+)\]$)");
  for (CLI::Option* o : app.get_options()) {
    try {
      for (int i = 0;; ++i) {  // get_validator throws past the last one
        CLI::Validator* v = o->get_validator(i);
        const std::string d = v->get_description();
        if (std::regex_match(d, rango)) v->description(std::regex_replace(d, rango, "de $1 a $2"));
      }
    } catch (const CLI::OptionNotFound&) {
    }
    if (o->get_group() == "Options") o->group("Opciones");  // a subcommand's own help flag
    const std::string tipo = o->get_type_name();
    if (tipo.rfind("INT", 0) == 0 || tipo.rfind("UINT", 0) == 0) o->type_name("ENTERO");
    if (tipo.rfind("TEXT", 0) == 0) o->type_name("TEXTO");
  }
}

}  // namespace

void terminarAyudaEnEspanol(CLI::App& app) {
  traducirOpciones(app);
  for (CLI::App* sub : app.get_subcommands([](CLI::App*) { return true; })) {
    sub->group("Comandos");
    terminarAyudaEnEspanol(*sub);
  }
}

std::string traducirError(const CLI::ParseError& e) {
  const std::string original = e.what();
  for (const auto& t : kErrores) {
    const std::regex patron(t.patron);
    if (std::regex_match(original, patron)) return std::regex_replace(original, patron, t.texto);
  }
  // An error this table does not know yet: at least the Spanish frame.
  return "argumentos no válidos (" + original + ")";
}

}  // namespace orda::cli
