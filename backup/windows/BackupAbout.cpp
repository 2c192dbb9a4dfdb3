#include "backup/windows/BackupAbout.h"

#include "backup/ZipObject.h"
#include "platform/zip/ZipArchive.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace vl {

namespace {

QHBoxLayout* ButtonRow(std::initializer_list<QPushButton*> buttons)
{
    auto* row = new QHBoxLayout;
    row->addStretch();
    for (QPushButton* button : buttons)
        row->addWidget(button);
    return row;
}

} // namespace

BackupAbout::BackupAbout(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("About"));
    auto* layout = new QVBoxLayout(this);
    auto* text = new QLabel(QStringLiteral("Olvo Backup Module\n\n"
                                           "Browses and edits zip archives: add, delete, test and extract\n"
                                           "their files, with passwords, comments and statistics."));
    layout->addWidget(text);
    auto* info = new QPushButton(QStringLiteral("System &Info..."));
    auto* close = new QPushButton(QStringLiteral("Cl&ose"));
    close->setDefault(true);
    layout->addLayout(ButtonRow({info, close}));
    connect(info, &QPushButton::clicked, this, [this] {
        AboutZipLibrary system(this);
        system.exec();
    });
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
}

AboutZipLibrary::AboutZipLibrary(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("System Info"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("This dialog provides important information about the components\n"
                                                "used in this application.")));
    auto* form = new QFormLayout;
    const QString zipRelease = ZipLibraryRelease();
    form->addRow(QStringLiteral("LSZip Compression Library Release"), new QLabel(zipRelease));
    form->addRow(QStringLiteral("LSZip Decompression Library Release"), new QLabel(zipRelease));
    form->addRow(QStringLiteral("Runtime Library"), new QLabel(QString::fromLatin1(qVersion())));
    form->addRow(QStringLiteral("Zip class release"), new QLabel(QString::number(kZipClassRelease)));
    layout->addLayout(form);
    auto* ok = new QPushButton(QStringLiteral("&OK"));
    ok->setDefault(true);
    layout->addLayout(ButtonRow({ok}));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

} // namespace vl
