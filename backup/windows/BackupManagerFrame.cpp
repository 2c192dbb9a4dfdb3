#include "backup/windows/BackupManagerFrame.h"

#include "backup/ArchiveOperations.h"
#include "backup/windows/ArchiveTextDialogs.h"
#include "backup/windows/BackupAbout.h"
#include "backup/windows/MemberChoiceDialog.h"
#include "backup/windows/ZipPreferencesDialog.h"
#include "platform/ui/TerminationRequest.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QStyle>
#include <QToolBar>

namespace vl {

namespace {

constexpr char kCaption[] = "Olvo Backup Module";

// Sends an edit command to the control that has the focus, when it takes it.
void EditCommand(const char* slot)
{
    if (QWidget* focus = QApplication::focusWidget())
        QMetaObject::invokeMethod(focus, slot);
}

QAction* Unavailable(QMenu& menu, const QString& text, const QString& why)
{
    QAction* action = menu.addAction(text);
    action->setEnabled(false);
    action->setToolTip(why);
    action->setStatusTip(why);
    return action;
}

} // namespace

BackupManagerFrame::BackupManagerFrame(QWidget* parent) : QMainWindow(parent)
{
    setWindowTitle(QLatin1String(kCaption));
    BuildMenus();
    auto* empty = new QLabel;
    setCentralWidget(empty);
    // Opens in the middle of the screen's free area and never larger than it.
    const QRect area = screen()->availableGeometry();
    resize(QSize(760, 480).boundedTo(area.size() * 0.9));
    move(area.center() - rect().center());
    EnableArchiveCommands(false);
}

QAction* BackupManagerFrame::MakeAction(const QString& text, const QString& tip, void (BackupManagerFrame::*command)())
{
    auto* action = new QAction(text, this);
    if (!tip.isEmpty())
        action->setToolTip(tip);
    connect(action, &QAction::triggered, this, [this, command] { (this->*command)(); });
    return action;
}

void BackupManagerFrame::BuildMenus()
{
    QAction* newArchive = MakeAction(QStringLiteral("&New Archive..."), QStringLiteral("New Archive"), &BackupManagerFrame::NewArchive);
    QAction* openArchive = MakeAction(QStringLiteral("&Open Archive..."), QStringLiteral("Open Archive"), &BackupManagerFrame::OpenArchive);
    closeArchive_ = MakeAction(QStringLiteral("&Close Archive"), QString(), &BackupManagerFrame::CloseArchive);
    QAction* information = MakeAction(QStringLiteral("&Information..."), QStringLiteral("Archive Information"), &BackupManagerFrame::Statistics);
    QAction* add = MakeAction(QStringLiteral("&Add..."), QStringLiteral("Zip Items"), &BackupManagerFrame::Add);
    QAction* remove = MakeAction(QStringLiteral("&Delete..."), QStringLiteral("Delete Items"), &BackupManagerFrame::Delete);
    QAction* extract = MakeAction(QStringLiteral("E&xtract..."), QStringLiteral("Unzip Items"), &BackupManagerFrame::Extract);
    QAction* test = MakeAction(QStringLiteral("&Test..."), QStringLiteral("Test Data Integrity"), &BackupManagerFrame::Test);
    QAction* comment = MakeAction(QStringLiteral("Archive Comment"), QStringLiteral("Archive Comment"), &BackupManagerFrame::ArchiveComment);
    QAction* about = new QAction(QStringLiteral("&About..."), this);
    about->setToolTip(QStringLiteral("About LSZip"));
    connect(about, &QAction::triggered, this, [this] {
        BackupAbout window(this);
        window.exec();
    });
    archiveCommands_ = {information, add, remove, extract, test, comment};

    QStyle* look = style();
    newArchive->setIcon(look->standardIcon(QStyle::SP_FileIcon));
    openArchive->setIcon(look->standardIcon(QStyle::SP_DialogOpenButton));
    add->setIcon(look->standardIcon(QStyle::SP_ArrowDown));
    extract->setIcon(look->standardIcon(QStyle::SP_ArrowUp));
    test->setIcon(look->standardIcon(QStyle::SP_DialogApplyButton));
    information->setIcon(look->standardIcon(QStyle::SP_FileDialogInfoView));
    remove->setIcon(look->standardIcon(QStyle::SP_TrashIcon));
    about->setIcon(look->standardIcon(QStyle::SP_MessageBoxInformation));
    comment->setIcon(look->standardIcon(QStyle::SP_FileDialogDetailedView));

    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->addActions({newArchive, openArchive, closeArchive_, information});
    file->addSeparator();
    Unavailable(*file, QStringLiteral("P&rint Setup..."), QStringLiteral("Nothing in this program prints."));
    file->addSeparator();
    file->addAction(QStringLiteral("E&xit"), this, &QWidget::close);
    QMenu* edit = menuBar()->addMenu(QStringLiteral("&Edit"));
    edit->addAction(QStringLiteral("Cu&t"), this, [] { EditCommand("cut"); });
    edit->addAction(QStringLiteral("&Copy"), this, [] { EditCommand("copy"); });
    edit->addAction(QStringLiteral("&Paste"), this, [] { EditCommand("paste"); });
    QMenu* actions = menuBar()->addMenu(QStringLiteral("&Actions"));
    actions->addActions({add, remove, extract, test});
    QMenu* options = menuBar()->addMenu(QStringLiteral("&Options"));
    options->addAction(MakeAction(QStringLiteral("&Zip Preferences..."), QString(), &BackupManagerFrame::Preferences));
    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    help->setToolTipsVisible(true);
    file->setToolTipsVisible(true);
    for (const char* entry : {"&Contents", "&Search for Help On...", "&How to Use Help"})
        Unavailable(*help, QLatin1String(entry), QStringLiteral("There is no help file."));
    help->addSeparator();
    help->addAction(about);

    QToolBar* tools = addToolBar(QStringLiteral("Toolbar"));
    tools->setObjectName(QStringLiteral("Toolbar"));
    tools->setMovable(false);
    tools->addActions({newArchive, openArchive, add, extract, test, information, remove, about, comment});
}

void BackupManagerFrame::EnableArchiveCommands(bool on)
{
    for (QAction* action : archiveCommands_)
        action->setEnabled(on);
    closeArchive_->setEnabled(contents_ != nullptr);
}

void BackupManagerFrame::ShowArchive(const QString& name)
{
    contents_ = new ArchiveContents(zip_, [this](ArchiveCommand command) { Run(command); });
    setCentralWidget(contents_); // the old contents window goes
    // File names are shown as they are: their case matters.
    setWindowTitle(QLatin1String(kCaption) + QStringLiteral(" - ") + name.trimmed());
    EnableArchiveCommands(true);
}

void BackupManagerFrame::NewArchive()
{
    const QString name = vl::NewArchive(QString());
    if (name.trimmed().isEmpty())
        return;
    // A new archive has no file until something is added: it lists nothing.
    zip_.Clear();
    zip_.archiveName = name;
    ShowArchive(name);
}

void BackupManagerFrame::OpenArchive()
{
    const QString name = ChooseArchiveToOpen(QString());
    if (!name.trimmed().isEmpty() && ReadArchiveToOpen(zip_, name))
        ShowArchive(name);
}

void BackupManagerFrame::CloseArchive()
{
    if (!contents_)
        return;
    contents_ = nullptr;
    setCentralWidget(new QLabel);
    setWindowTitle(QLatin1String(kCaption));
    zip_.Clear();
    EnableArchiveCommands(false);
}

void BackupManagerFrame::Run(ArchiveCommand command)
{
    switch (command) {
    case ArchiveCommand::Add:
        Add();
        break;
    case ArchiveCommand::Delete:
        Delete();
        break;
    case ArchiveCommand::Extract:
        Extract();
        break;
    case ArchiveCommand::Test:
        Test();
        break;
    case ArchiveCommand::Statistics:
        Statistics();
        break;
    }
}

void BackupManagerFrame::Statistics()
{
    if (zip_.members == 0)
        return;
    StatisticsDialog window(zip_, this);
    window.exec();
}

void BackupManagerFrame::ArchiveComment()
{
    if (zip_.archiveName.trimmed().isEmpty())
        return;
    ArchiveCommentDialog window(zip_.archiveComment, this);
    const int choice = window.exec();
    if (choice == ArchiveCommentDialog::Cancelled)
        return;
    zip_.archiveComment = window.Comment();
    if (choice == ArchiveCommentDialog::SaveLater)
        preferences_.addArchiveComment = true;
    else
        SaveArchiveCommentNow(zip_);
}

void BackupManagerFrame::Add()
{
    if (zip_.archiveName.trimmed().isEmpty())
        return;
    const QStringList files = ChooseFilesToAdd();
    if (files.isEmpty())
        return;
    AddAnswers answers;
    if (preferences_.addFileComment) {
        FileCommentDialog comment(this);
        answers.fileCommentEntered = comment.exec() == QDialog::Accepted;
        answers.fileComment = comment.Comment();
    }
    if (preferences_.encryptData && !TerminationRequested()) {
        PasswordDialog password(this);
        answers.passwordEntered = password.exec() == QDialog::Accepted;
        answers.password = password.Password();
    }
    // A dialog ended by a signal is no answer: nothing is added.
    if (TerminationRequested())
        return;
    AddFiles(zip_, preferences_, files, answers, QDir::currentPath());
    if (contents_)
        contents_->ShowListing();
}

void BackupManagerFrame::Delete()
{
    if (zip_.members == 0)
        return;
    MemberChoiceDialog dialog(MemberWork::Delete, zip_, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    DeleteMembers(zip_);
    if (contents_)
        contents_->ShowListing();
}

void BackupManagerFrame::Unzip(bool extracting)
{
    if (zip_.members == 0)
        return;
    MemberChoiceDialog dialog(extracting ? MemberWork::Extract : MemberWork::Test, zip_, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (extracting)
        ExtractMembers(zip_);
    else
        TestMembers(zip_);
    if (contents_)
        contents_->ShowListing();
}

void BackupManagerFrame::Extract()
{
    Unzip(true);
}

void BackupManagerFrame::Test()
{
    Unzip(false);
}

void BackupManagerFrame::Preferences()
{
    ZipPreferencesDialog dialog(preferences_, this);
    dialog.exec();
}

} // namespace vl
