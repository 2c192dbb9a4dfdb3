#pragma once
// The About window: product, version, build number and build date, with the
// program's icon and its turning picture.

#include "core/frame/AboutTexts.h"

#include <QDialog>

class QLabel;
class QPushButton;

namespace vl {

class AboutWindow : public QDialog {
    Q_OBJECT
public:
    AboutWindow(const AboutTexts& texts, QWidget* parent = nullptr);

    QLabel* ProductLine() const { return product_; }
    QLabel* VersionLine() const { return version_; }
    QLabel* BuildNumber() const { return buildNumber_; }
    QLabel* BuildDate() const { return buildDate_; }
    QPushButton* CloseButton() const { return close_; }
    QPushButton* HelpButton() const { return help_; }

private:
    QLabel* product_;
    QLabel* version_;
    QLabel* buildNumber_;
    QLabel* buildDate_;
    QPushButton* close_;
    QPushButton* help_;
};

// Shows the About window modally over the frame and returns when it closes.
void About(QWidget* frame, const QString& productName, const QString& versionNumber);

} // namespace vl
