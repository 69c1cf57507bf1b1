#pragma once
// orda-cli speaks Spanish: CLI11's own help labels and parse errors are
// translated here, so every text a user reads is in one language.
#include <string>

#include <CLI/CLI.hpp>

namespace orda::cli {

// Spanish labels, help and version flags. Call before adding subcommands:
// they copy their parent's help flag when they are created.
void ponerAyudaEnEspanol(CLI::App& app, const std::string& version);

// The rest, once every subcommand and option is declared: the commands'
// group and the type and range shown beside each option.
void terminarAyudaEnEspanol(CLI::App& app);

// A parse error as the user reads it, in Spanish.
std::string traducirError(const CLI::ParseError& e);

}  // namespace orda::cli
