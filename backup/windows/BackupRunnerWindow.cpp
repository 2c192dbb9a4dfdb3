#include "backup/windows/BackupRunnerWindow.h"

#include "platform/ui/PromptService.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace vl {

namespace {

constexpr char kBackupText[] = "Backup to an archive";
constexpr char kRestoreText[] = "Restore from an archive";
constexpr char kArchiveFilter[] = "Archives|*.ZIP";

} // namespace

BackupRunnerWindow::BackupRunnerWindow(const RunnerChoice& choice, const QString& dataDir, const ProgramStart& manager,
                                       QWidget* parent)
    : QDialog(parent), dataDir_(dataDir), manager_(manager)
{
    setWindowTitle(QStringLiteral("Backup / Restore"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("This option allows you to create or restore from\n"
                                                "a standard ZIP archive.")));
    operations_ = new QGroupBox(QStringLiteral("Select an operation:"));
    auto* choices = new QVBoxLayout(operations_);
    backup_ = new QRadioButton(QStringLiteral("&Backup to an archive"));
    restore_ = new QRadioButton(QStringLiteral("&Restore from an archive"));
    choices->addWidget(backup_);
    choices->addWidget(restore_);
    operations_->setFocusPolicy(Qt::StrongFocus);
    layout->addWidget(operations_);
    const RunnerOperation operation = OperationOf(choice.operation);
    backup_->setChecked(operation == RunnerOperation::Backup);
    restore_->setChecked(operation == RunnerOperation::Restore);

    auto* nameLabel = new QLabel(QStringLiteral("Select a name for the &archive:"));
    archive_ = new QLineEdit(choice.archiveName);
    archive_->setMaxLength(255);
    nameLabel->setBuddy(archive_);
    auto* browse = new QPushButton(QStringLiteral("..."));
    auto* nameRow = new QHBoxLayout;
    nameRow->addWidget(archive_);
    nameRow->addWidget(browse);
    layout->addWidget(nameLabel);
    layout->addLayout(nameRow);

    auto* advanced = new QPushButton(QStringLiteral("&Advanced"));
    auto* ok = new QPushButton(QStringLiteral("&OK"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Cancel"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(advanced);
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    layout->addLayout(buttons);

    connect(browse, &QPushButton::clicked, this, [this] { ChooseArchive(); });
    connect(advanced, &QPushButton::clicked, this, [this] { StartManager(); });
    connect(ok, &QPushButton::clicked, this, [this] { RunChosen(); });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

RunnerChoice BackupRunnerWindow::Choice() const
{
    RunnerChoice choice;
    choice.archiveName = archive_->text();
    choice.operation = backup_->isChecked()    ? QLatin1String(kBackupText)
                       : restore_->isChecked() ? QLatin1String(kRestoreText)
                                               : QString();
    return choice;
}

void BackupRunnerWindow::ChooseArchive()
{
    const QString chosen =
        backup_->isChecked()
            ? Prompt::SaveFile(QStringLiteral("Select Archive (Backup to...)"), QLatin1String(kArchiveFilter),
                               archive_->text())
            : Prompt::OpenFile(QStringLiteral("Select Archive (Restore from...)"), QLatin1String(kArchiveFilter),
                               archive_->text());
    if (!chosen.isEmpty())
        archive_->setText(chosen);
}

void BackupRunnerWindow::StartManager()
{
    if (!StartDetached(manager_).Started()) {
        Prompt::Message(QStringLiteral("Unable to run Orlend."), QStringLiteral("Error"), PromptIcon::Stop);
        return;
    }
    accept();
}

void BackupRunnerWindow::RunChosen()
{
    const RunnerChoice choice = Choice();
    switch (OperationOf(choice.operation)) {
    case RunnerOperation::Backup:
        result_ = RunBackup(zip_, choice.archiveName, dataDir_);
        break;
    case RunnerOperation::Restore:
        result_ = RunRestore(zip_, choice.archiveName, dataDir_);
        break;
    case RunnerOperation::Unknown:
        operations_->setFocus();
        return;
    }
    // A failure has been told; the user stays in the window to choose again.
    if (result_.Ok())
        accept();
}

} // namespace vl
