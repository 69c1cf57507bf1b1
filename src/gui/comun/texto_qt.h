#pragma once
// The core keeps UTF-8; Qt keeps UTF-16.
#include <QString>
#include <string>
#include <string_view>

namespace orda::gui {

inline QString q(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }
inline std::string u8(const QString& s) { return s.toStdString(); }

}  // namespace orda::gui
