#include "core/frame/AboutTexts.h"

#include "platform/runtime/FixedText.h"
#include "platform/runtime/Picture.h"

namespace vl {

AboutTexts MakeAboutTexts(const QString& productName, const QString& versionNumber)
{
    AboutTexts texts;
    texts.caption = QStringLiteral("About");
    texts.productName = Clip(productName);
    texts.version = Clip(versionNumber);
    texts.buildLabel = QStringLiteral("Build");
    texts.buildNumber = QString::number(kBuildNumber);
    // Picture 17 is the desktop's short date format.
    texts.buildDate = Picture::Format(kBuildDate, QStringLiteral("@d17"));
    texts.closeButton = QStringLiteral("Cl&ose");
    texts.helpButton = QStringLiteral("&Help");
    return texts;
}

} // namespace vl
