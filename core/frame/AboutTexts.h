#pragma once
// What the About window says: product, version, build number and build date.

#include "platform/runtime/Calendar.h"

#include <QString>

namespace vl {

inline constexpr int kBuildNumber = 8;
// A day number of the runtime calendar (7 July 1999 there).
inline constexpr Date kBuildDate = 72509;

struct AboutTexts {
    QString caption;
    QString productName;
    QString version;
    QString buildLabel;
    QString buildNumber;
    QString buildDate; // in the desktop's short date format
    QString closeButton;
    QString helpButton;
};

AboutTexts MakeAboutTexts(const QString& productName, const QString& versionNumber);

} // namespace vl
