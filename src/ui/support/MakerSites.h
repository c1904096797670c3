#pragma once

#include <QString>

namespace orvex::ui {

// The maker's two web sites; every address the program opens is built on one of them.
inline const QString kMakerMainSite = QStringLiteral("www.velnor-gaming.com");
inline const QString kMakerSupportSite = QStringLiteral("support.velnor-gaming.com");

}  // namespace orvex::ui
