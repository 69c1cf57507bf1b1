#include "core/texto/cp1252.h"

#include <array>

namespace orda::texto {

namespace {

// Code points of bytes 0x80..0x9F; the five holes map to the C1 control of
// the same value, as Windows does, so that every byte survives a round trip.
constexpr std::array<char32_t, 32> kAltos = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

constexpr char32_t kReemplazo = 0xFFFD;

}  // namespace

std::u32string aCodigos(std::string_view s) {
  std::u32string out;
  out.reserve(s.size());
  std::size_t i = 0;
  while (i < s.size()) {
    const auto b = static_cast<unsigned char>(s[i]);
    int extra = 0;
    char32_t c = 0;
    if (b < 0x80) {
      c = b;
    } else if ((b & 0xE0) == 0xC0) {
      c = b & 0x1F;
      extra = 1;
    } else if ((b & 0xF0) == 0xE0) {
      c = b & 0x0F;
      extra = 2;
    } else if ((b & 0xF8) == 0xF0) {
      c = b & 0x07;
      extra = 3;
    } else {
      out.push_back(kReemplazo);
      ++i;
      continue;
    }
    bool valido = i + static_cast<std::size_t>(extra) < s.size();
    for (int k = 1; valido && k <= extra; ++k) {
      const auto t = static_cast<unsigned char>(s[i + k]);
      if ((t & 0xC0) != 0x80) {
        valido = false;
      } else {
        c = (c << 6) | (t & 0x3F);
      }
    }
    if (!valido) {
      out.push_back(kReemplazo);
      ++i;
      continue;
    }
    out.push_back(c);
    i += static_cast<std::size_t>(extra) + 1;
  }
  return out;
}

void agregarUtf8(std::string& d, char32_t c) {
  if (c < 0x80) {
    d.push_back(static_cast<char>(c));
  } else if (c < 0x800) {
    d.push_back(static_cast<char>(0xC0 | (c >> 6)));
    d.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else if (c < 0x10000) {
    d.push_back(static_cast<char>(0xE0 | (c >> 12)));
    d.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    d.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else {
    d.push_back(static_cast<char>(0xF0 | (c >> 18)));
    d.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
    d.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    d.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  }
}

std::string aUtf8(std::u32string_view cs) {
  std::string out;
  out.reserve(cs.size());
  for (char32_t c : cs) agregarUtf8(out, c);
  return out;
}

std::uint8_t byteCp1252(char32_t c) {
  if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<std::uint8_t>(c);
  for (std::size_t i = 0; i < kAltos.size(); ++i) {
    if (kAltos[i] == c) return static_cast<std::uint8_t>(0x80 + i);
  }
  return '?';
}

char32_t caracterCp1252(std::uint8_t b) {
  if (b >= 0x80 && b < 0xA0) return kAltos[b - 0x80];
  return b;
}

std::vector<std::uint8_t> aCp1252(std::string_view utf8) {
  std::vector<std::uint8_t> out;
  for (char32_t c : aCodigos(utf8)) out.push_back(byteCp1252(c));
  return out;
}

std::string desdeCp1252(const std::uint8_t* bytes, std::size_t n) {
  std::string out;
  out.reserve(n);
  for (std::size_t i = 0; i < n; ++i) agregarUtf8(out, caracterCp1252(bytes[i]));
  return out;
}

std::size_t largo(std::string_view utf8) {
  std::size_t n = 0;
  for (char ch : utf8) {
    if ((static_cast<unsigned char>(ch) & 0xC0) != 0x80) ++n;
  }
  return n;
}

char32_t mayuscula(char32_t c) {
  if (c >= U'a' && c <= U'z') return c - 0x20;
  if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return c - 0x20;
  switch (c) {
    case 0x0161: return 0x0160;  // š
    case 0x0153: return 0x0152;  // œ
    case 0x017E: return 0x017D;  // ž
    case 0x00FF: return 0x0178;  // ÿ
    default: return c;
  }
}

std::string mayusculas(std::string_view utf8) {
  std::u32string cs = aCodigos(utf8);
  for (char32_t& c : cs) c = mayuscula(c);
  return aUtf8(cs);
}

}  // namespace orda::texto
