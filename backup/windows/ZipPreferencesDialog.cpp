#include "backup/windows/ZipPreferencesDialog.h"

#include "platform/runtime/Clock.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

namespace vl {

namespace {

// A group of radio buttons numbered from 1 in the order given.
QGroupBox* Choices(const QString& title, const QStringList& texts, QButtonGroup*& group, int checked, QWidget* owner)
{
    auto* box = new QGroupBox(title);
    auto* layout = new QVBoxLayout(box);
    group = new QButtonGroup(owner);
    for (int n = 0; n < texts.size(); ++n) {
        auto* button = new QRadioButton(texts.at(n));
        group->addButton(button, n + 1);
        layout->addWidget(button);
        button->setChecked(n + 1 == checked);
    }
    layout->addStretch();
    return box;
}

QCheckBox* Option(QVBoxLayout& layout, const QString& text, bool on)
{
    auto* box = new QCheckBox(text);
    box->setChecked(on);
    layout.addWidget(box);
    return box;
}

QCheckBox* Unavailable(QVBoxLayout& layout, const QString& text, const QString& why)
{
    QCheckBox* box = Option(layout, text, false);
    box->setEnabled(false);
    box->setToolTip(why);
    return box;
}

QSpinBox* Number(int low, int high, int value)
{
    auto* spin = new QSpinBox;
    spin->setRange(low, high);
    spin->setValue(value);
    return spin;
}

} // namespace

ZipPreferencesDialog::ZipPreferencesDialog(ZipPreferences& preferences, QWidget* parent)
    : QDialog(parent), preferences_(preferences)
{
    setWindowTitle(QStringLiteral("Zip Preferences"));
    auto* layout = new QVBoxLayout(this);
    auto* tabs = new QTabWidget;
    layout->addWidget(tabs);

    auto* general = new QWidget;
    auto* grid = new QGridLayout(general);
    grid->addWidget(Choices(QStringLiteral("Compression"),
                            {QStringLiteral("&Fast"), QStringLiteral("&Normal"), QStringLiteral("E&xtra"), QStringLiteral("&Store")},
                            compression_, preferences.compressionLevelSwitch, this),
                    0, 0);
    grid->addWidget(Choices(QStringLiteral("Path Information"),
                            {QStringLiteral("&No path information"), QStringLiteral("&Relative path"),
                             QStringLiteral("&Full path")},
                            path_, preferences.pathInformationSwitch, this),
                    0, 1);
    auto* misc = new QGroupBox(QStringLiteral("Miscellaneous"));
    auto* miscLayout = new QVBoxLayout(misc);
    Unavailable(*miscLayout, QStringLiteral("Recurse folders"),
                QStringLiteral("Not available: files are chosen one by one, not by folder."));
    systemAndHidden_ = Option(*miscLayout, QStringLiteral("Include &system and hidden Files"), preferences.systemAndHidden);
    moveFiles_ = Option(*miscLayout, QStringLiteral("Delete orginal file(s) after zipping"), preferences.moveFiles);
    latestDate_ = Option(*miscLayout, QStringLiteral("Set .ZIP file date to newest item date"), preferences.latestDate);
    fileComment_ = Option(*miscLayout, QStringLiteral("Add file comment"), preferences.addFileComment);
    password_ = Option(*miscLayout, QStringLiteral("Password"), preferences.encryptData);
    Unavailable(*miscLayout, QStringLiteral("Create multiple-volume files when zipping"),
                QStringLiteral("Not available: an archive is always one file."));
    grid->addWidget(misc, 1, 0, 2, 1);
    grid->addWidget(Choices(QStringLiteral("Action"),
                            {QStringLiteral("&Add (and Replace) files"), QStringLiteral("&Freshen Existing files"),
                             QStringLiteral("&Update (and Add) files")},
                            action_, preferences.action, this),
                    1, 1);
    auto* folders = new QGroupBox(QStringLiteral("Folders"));
    auto* folderLayout = new QGridLayout(folders);
    auto* temp = new QLineEdit(preferences.tempDir);
    auto* browse = new QPushButton(QStringLiteral("..."));
    auto* useTemp = new QCheckBox(QStringLiteral("&Use Temporary Directory"));
    folderLayout->addWidget(new QLabel(QStringLiteral("Temporary Working Directory")), 0, 0, 1, 2);
    folderLayout->addWidget(temp, 1, 0);
    folderLayout->addWidget(browse, 1, 1);
    folderLayout->addWidget(useTemp, 2, 0, 1, 2);
    folders->setEnabled(false);
    folders->setToolTip(QStringLiteral("Not available: a changed archive is always written beside itself and put in "
                                       "place when it is complete."));
    grid->addWidget(folders, 2, 1);
    tabs->addTab(general, QStringLiteral("&General"));

    auto* extra = new QWidget;
    auto* extraLayout = new QVBoxLayout(extra);
    auto* before = new QGroupBox(QStringLiteral("Process files before"));
    auto* dateRow = new QHBoxLayout(before);
    const DayMonthYear today = SplitDate(Today());
    month_ = Number(1, 12, today.month);
    day_ = Number(1, 31, today.day);
    year_ = Number(1980, 2107, today.year);
    for (auto [label, spin] : {std::pair{"Month", month_}, std::pair{"Day", day_}, std::pair{"Year", year_}}) {
        dateRow->addWidget(new QLabel(QLatin1String(label)));
        dateRow->addWidget(spin);
    }
    extraLayout->addWidget(before);
    beforeOnly_ = new QCheckBox(QStringLiteral("Process files before mm/dd/yyyy only"));
    extraLayout->addWidget(beforeOnly_);
    extraLayout->addStretch();
    tabs->addTab(extra, QStringLiteral("&Extra"));

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    auto* ok = new QPushButton(QStringLiteral("&OK"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("&Cancel"));
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
    connect(ok, &QPushButton::clicked, this, [this] { Confirm(); });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void ZipPreferencesDialog::Confirm()
{
    preferences_.compressionLevelSwitch = compression_->checkedId();
    preferences_.pathInformationSwitch = path_->checkedId();
    preferences_.action = action_->checkedId();
    preferences_.systemAndHidden = systemAndHidden_->isChecked();
    preferences_.moveFiles = moveFiles_->isChecked();
    preferences_.latestDate = latestDate_->isChecked();
    preferences_.addFileComment = fileComment_->isChecked();
    preferences_.encryptData = password_->isChecked();
    // A date that does not exist is kept as typed: the add then asks whether
    // to go on without it.
    preferences_.beforeDate =
        beforeOnly_->isChecked()
            ? QStringLiteral("%1%2%3").arg(month_->value(), 2, 10, QLatin1Char('0')).arg(day_->value(), 2, 10, QLatin1Char('0')).arg(year_->value(), 4, 10, QLatin1Char('0'))
            : QString();
    accept();
}

} // namespace vl
