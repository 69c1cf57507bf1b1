#pragma once
// Texts live in the console as UTF-8; the panel speaks Windows-1252, one byte
// per character. These helpers convert between the two and upper-case the way
// the editors do (Spanish letters included).
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace orda::texto {

// Decodes UTF-8 into code points; malformed bytes become U+FFFD.
std::u32string aCodigos(std::string_view utf8);
std::string aUtf8(std::u32string_view codigos);
void agregarUtf8(std::string& destino, char32_t c);

// The Windows-1252 byte of a character, or '?' when it has none.
std::uint8_t byteCp1252(char32_t c);
char32_t caracterCp1252(std::uint8_t b);

std::vector<std::uint8_t> aCp1252(std::string_view utf8);
std::string desdeCp1252(const std::uint8_t* bytes, std::size_t n);

// Length in characters, as the editors count it.
std::size_t largo(std::string_view utf8);

// Upper case as the editors store names and texts: a-z, the accented
// Latin-1 letters, and the Windows-1252 pairs (š, œ, ž, ÿ).
char32_t mayuscula(char32_t c);
std::string mayusculas(std::string_view utf8);

}  // namespace orda::texto
