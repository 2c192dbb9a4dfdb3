#include "backup/windows/MemberChoiceDialog.h"

#include "backup/windows/ArchiveTextDialogs.h"
#include "platform/ui/PromptService.h"

#include <QCheckBox>
#include <QDir>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace vl {

namespace {

constexpr int kPasswordWidth = 64;
constexpr int kNameWidth = 254;

struct WorkTexts {
    const char* caption;
    const char* statistics;
    const char* files;
    const char* bytes;
    const char* confirm;
};

WorkTexts TextsOf(MemberWork work)
{
    switch (work) {
    case MemberWork::Delete:
        return {"Delete files", "Delete Statistics", "Files to delete:", "Bytes to delete:", "&Delete"};
    case MemberWork::Test:
        return {"Test files", "Test Statistics", "Files to test:", "Bytes to test:", "&Test"};
    case MemberWork::Extract:
        break;
    }
    return {"Extract files", "Unzip Statistics", "Files to unzip:", "Bytes to unzip:", "&Unzip"};
}

} // namespace

MemberChoiceDialog::MemberChoiceDialog(MemberWork work, ZipObject& zip, QWidget* parent)
    : QDialog(parent), work_(work), zip_(zip)
{
    const WorkTexts texts = TextsOf(work);
    setWindowTitle(QLatin1String(texts.caption));
    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    auto* members = new QGroupBox(QStringLiteral("Files"));
    auto* choices = new QVBoxLayout(members);
    all_ = new QRadioButton(QStringLiteral("&All files"));
    selected_ = new QRadioButton(QStringLiteral("&Selected files"));
    wildcard_ = new QRadioButton(QStringLiteral("&Wildcard"));
    wildcardEntry_ = new QLineEdit;
    wildcardEntry_->setMaxLength(kNameWidth);
    auto* wildcardRow = new QHBoxLayout;
    wildcardRow->addWidget(wildcard_);
    wildcardRow->addWidget(wildcardEntry_);
    choices->addWidget(all_);
    choices->addWidget(selected_);
    choices->addLayout(wildcardRow);
    top->addWidget(members, 1);

    auto* statistics = new QGroupBox(QLatin1String(texts.statistics));
    auto* counts = new QFormLayout(statistics);
    files_ = new QLabel;
    bytes_ = new QLabel;
    counts->addRow(QLatin1String(texts.files), files_);
    counts->addRow(QLatin1String(texts.bytes), bytes_);
    top->addWidget(statistics);
    layout->addLayout(top);

    if (work == MemberWork::Extract) {
        auto* unzipTo = new QGroupBox(QStringLiteral("Unzip to"));
        auto* row = new QHBoxLayout(unzipTo);
        target_ = new QLineEdit(zip.destinationDir.trimmed().isEmpty() ? QDir::currentPath() : zip.destinationDir);
        target_->setMaxLength(kNameWidth);
        auto* browse = new QPushButton(QStringLiteral("..."));
        row->addWidget(target_);
        row->addWidget(browse);
        layout->addWidget(unzipTo);
        connect(browse, &QPushButton::clicked, this, [this] {
            const QString chosen = Prompt::SelectDirectory(QStringLiteral("Unzip to"), target_->text());
            if (!chosen.isEmpty())
                target_->setText(chosen);
        });
    }
    if (work != MemberWork::Delete) {
        auto* passwordBox = new QGroupBox(QStringLiteral("Password"));
        auto* row = new QHBoxLayout(passwordBox);
        password_ = new QLineEdit(zip.password);
        password_->setMaxLength(kPasswordWidth);
        auto* mask = new QCheckBox(QStringLiteral("&Mask Password"));
        BindMaskPassword(*mask, *password_);
        row->addWidget(password_);
        row->addWidget(mask);
        layout->addWidget(passwordBox);
    }
    if (work == MemberWork::Extract) {
        overwrite_ = new QCheckBox(QStringLiteral("&Overwrite Existing Files"));
        overwrite_->setChecked(zip.overwriteExistingFiles);
        auto* skipOlder = new QCheckBox(QStringLiteral("S&kip Older Files"));
        skipOlder->setEnabled(false);
        skipOlder->setToolTip(QStringLiteral("Not available: files are either kept or overwritten, whatever their dates."));
        folderNames_ = new QCheckBox(QStringLiteral("&Use Folder Names"));
        folderNames_->setChecked(zip.useFolderNames);
        auto* options = new QHBoxLayout;
        options->addWidget(overwrite_);
        options->addWidget(skipOlder);
        options->addWidget(folderNames_);
        layout->addLayout(options);
    }

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    auto* confirm = new QPushButton(QLatin1String(texts.confirm));
    confirm->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("&Cancel"));
    buttons->addWidget(confirm);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);

    (InitialMemberChoice(zip_) == MemberChoice::Selected ? selected_ : all_)->setChecked(true);
    ShowCounts();
    for (QRadioButton* choice : {all_, selected_, wildcard_})
        connect(choice, &QRadioButton::toggled, this, [this](bool on) {
            if (on)
                ShowCounts();
        });
    connect(wildcardEntry_, &QLineEdit::selectionChanged, this, [this] { wildcard_->setChecked(true); });
    connect(wildcardEntry_, &QLineEdit::textEdited, this, [this] { wildcard_->setChecked(true); });
    connect(confirm, &QPushButton::clicked, this, [this] { Confirm(); });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

MemberChoice MemberChoiceDialog::Choice() const
{
    if (selected_->isChecked())
        return MemberChoice::Selected;
    return wildcard_->isChecked() ? MemberChoice::Wildcard : MemberChoice::All;
}

void MemberChoiceDialog::ShowCounts()
{
    const ChoiceCounts counts = CountsFor(zip_, Choice());
    files_->setText(QString::number(counts.files));
    bytes_->setText(QString::number(counts.bytes));
}

void MemberChoiceDialog::Confirm()
{
    ApplyMemberChoice(zip_, Choice(), wildcardEntry_->text(), password_ ? password_->text() : QString());
    if (work_ == MemberWork::Extract) {
        zip_.destinationDir = target_->text().trimmed();
        zip_.overwriteExistingFiles = overwrite_->isChecked();
        zip_.useFolderNames = folderNames_->isChecked();
    }
    accept();
}

} // namespace vl
