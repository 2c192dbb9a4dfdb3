#pragma once
// The application's style with the extension buttons of menu bars and
// toolbars (the ">>" of items that do not fit) given Qt's own pictures read
// as PNG. Qt's style adds those files to the icon by name, which first asks
// every image-format plugin whether it reads them: the plugins (and the
// libraries they need) would load at start for pictures Qt Gui reads itself.
//
//   QApplication::setStyle(new BuiltInIconStyle(QApplication::style()));

#include <QProxyStyle>

namespace vl {

class BuiltInIconStyle : public QProxyStyle {
public:
    explicit BuiltInIconStyle(QStyle* base) : QProxyStyle(base) {}

    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
};

} // namespace vl
