#pragma once
// Texts cross between the core (UTF-8 std::string) and Qt (QString) only here.

#include <QString>

#include <string>
#include <string_view>

namespace stelvar::ui {

QString ToQString(std::string_view utf8);
std::string FromQString(const QString& text);

}  // namespace stelvar::ui
