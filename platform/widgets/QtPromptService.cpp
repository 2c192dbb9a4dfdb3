#include "platform/widgets/QtPromptService.h"

#include "platform/ui/FileFilter.h"
#include "platform/ui/TerminationRequest.h"

#include <QAbstractFileIconProvider>
#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QSpacerItem>
#include <QStyle>

#include <algorithm>

namespace vl {
namespace {

QMessageBox::Icon QtIcon(PromptIcon icon)
{
    switch (icon) {
    case PromptIcon::Information:
        return QMessageBox::Information;
    case PromptIcon::Question:
        return QMessageBox::Question;
    case PromptIcon::Exclamation:
        return QMessageBox::Warning;
    case PromptIcon::Stop:
        return QMessageBox::Critical;
    case PromptIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

QString DialogFilter(const QString& filter)
{
    return DialogNameFilters(ParseFileFilters(filter)).join(QStringLiteral(";;"));
}

constexpr char kNoticeName[] = "Notice";

// An open notice with this caption and text, if any.
QMessageBox* OpenNotice(const QString& caption, const QString& text)
{
    for (QWidget* window : QApplication::topLevelWidgets()) {
        auto* box = qobject_cast<QMessageBox*>(window);
        if (box && box->objectName() == QLatin1String(kNoticeName) && box->isVisible()
            && box->windowTitle() == caption && box->text() == text)
            return box;
    }
    return nullptr;
}

// The pixels after which a box's text wraps, about.
constexpr int kWrapWidth = 400;

// The part of a text a box shows: all of it when it takes at most half the
// screen's height, else its first lines and "...". A taller box would reach
// below the screen, its buttons out of reach; the whole text then goes to
// the box's details, which scroll.
QString ShownPart(const QString& lines)
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return lines;
    const QFontMetrics metrics(QApplication::font("QMessageBox"));
    const int room = std::max(5, screen->availableGeometry().height() / 2 / std::max(1, metrics.lineSpacing()));
    const QStringList all = lines.split(QLatin1Char('\n'));
    int used = 0;
    for (qsizetype line = 0; line < all.size(); ++line) {
        used += 1 + metrics.horizontalAdvance(all[line]) / kWrapWidth;
        if (used > room)
            return QStringList(all.mid(0, std::max<qsizetype>(line, 1))).join(QLatin1Char('\n')) + QStringLiteral("\n...");
    }
    return lines;
}

void SetBoxText(QMessageBox& box, const QString& lines)
{
    const QString shown = ShownPart(lines);
    box.setText(shown);
    if (shown != lines)
        box.setDetailedText(lines);
}

// The window manager writes the caption in the title bar beside its icon and
// buttons, and cuts it short where the box is narrower: a box of a short text
// ("Backup complete.") is made as wide as its caption in a bold title font
// with room for an icon and three buttons. Called once the box is set up: its
// layout is made anew whenever its parts change.
void MakeRoomForCaption(QMessageBox& box)
{
    auto* layout = qobject_cast<QGridLayout*>(box.layout());
    if (!layout)
        return;
    QFont font = QApplication::font("QMdiSubWindowTitleBar");
    font.setBold(true);
    const int titleBar = box.style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, &box);
    const int width = QFontMetrics(font).horizontalAdvance(box.windowTitle()) + 4 * titleBar;
    layout->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Minimum), layout->rowCount(), 0,
                    1, layout->columnCount());
}

// Only the descriptions are shown; the patterns are spelled in both cases.
constexpr QFileDialog::Options kFileDialogOptions = QFileDialog::HideNameFilterDetails;

// Icons and types of the files a dialog lists, told by their names and
// kinds alone: learning a type from a file's content would open and read it,
// and a data file open in the program must not be read behind the engine's
// back.
class NameOnlyIconProvider : public QAbstractFileIconProvider {
public:
    QIcon icon(IconType type) const override
    {
        return QApplication::style()->standardIcon(type == Folder || type == Drive ? QStyle::SP_DirIcon
                                                                                  : QStyle::SP_FileIcon);
    }
    QIcon icon(const QFileInfo& info) const override
    {
        return icon(info.isDir() ? Folder : File);
    }
    QString type(const QFileInfo& info) const override
    {
        if (info.isDir())
            return QStringLiteral("Folder");
        const QString suffix = info.suffix();
        return suffix.isEmpty() ? QStringLiteral("File") : suffix.toUpper() + QStringLiteral(" File");
    }
};

// A file dialog of the program: it starts in start's folder (a file named
// there is proposed), and reads nothing of the files it lists. Empty when
// cancelled.
QStringList RunFileDialog(const QString& caption, const QString& start, const QString& filter,
                          QFileDialog::FileMode mode, QFileDialog::AcceptMode accept)
{
    static NameOnlyIconProvider provider;
    QFileDialog dialog(QApplication::activeWindow(), caption, QString(), filter);
    dialog.setIconProvider(&provider);
    dialog.setOptions(mode == QFileDialog::Directory ? QFileDialog::ShowDirsOnly : kFileDialogOptions);
    dialog.setFileMode(mode);
    dialog.setAcceptMode(accept);
    const QFileInfo proposed(start);
    if (start.isEmpty() || proposed.isDir()) {
        dialog.setDirectory(start);
    } else {
        dialog.setDirectory(proposed.absolutePath());
        dialog.selectFile(proposed.fileName());
    }
    if (TerminationRequested())
        return QStringList();
    // The end of the program ends the dialog's loop too: nothing was chosen.
    return dialog.exec() == QDialog::Accepted && !TerminationRequested() ? dialog.selectedFiles() : QStringList();
}

} // namespace

int QtPromptService::Message(const QString& text, const QString& caption, PromptIcon icon,
                             const QString& buttons, int defaultButton)
{
    if (TerminationRequested())
        return kNoAnswer;
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(caption);
    box.setTextFormat(Qt::PlainText);
    SetBoxText(box, MessageLines(text));
    box.setIcon(QtIcon(icon));

    const QStringList labels = SplitButtonList(buttons);
    QList<QPushButton*> pushButtons;
    // One role for all keeps the buttons in the order of the list.
    for (const QString& label : labels)
        pushButtons << box.addButton(label, QMessageBox::ActionRole);
    box.setDefaultButton(pushButtons.at(ValidDefaultButton(defaultButton, labels.size()) - 1));
    if (const int escape = EscapeButton(labels))
        box.setEscapeButton(pushButtons.at(escape - 1));
    MakeRoomForCaption(box);

    box.exec();
    // The end of the program ends the box's loop too: no button was pressed.
    if (TerminationRequested())
        return kNoAnswer;
    const int pressed = static_cast<int>(pushButtons.indexOf(qobject_cast<QPushButton*>(box.clickedButton())));
    return pressed >= 0 ? pressed + 1 : ValidDefaultButton(defaultButton, labels.size());
}

void QtPromptService::Notify(const QString& text, const QString& caption, PromptIcon icon)
{
    const QString lines = MessageLines(text);
    QMetaObject::invokeMethod(
        qApp,
        [lines, caption, icon] {
            if (TerminationRequested())
                return;
            if (QMessageBox* open = OpenNotice(caption, ShownPart(lines))) {
                open->raise();
                return;
            }
            auto* box = new QMessageBox(QtIcon(icon), caption, QString(), QMessageBox::Ok);
            SetBoxText(*box, lines);
            box->setObjectName(QLatin1String(kNoticeName));
            box->setTextFormat(Qt::PlainText);
            box->setWindowModality(Qt::NonModal);
            box->setAttribute(Qt::WA_DeleteOnClose);
            MakeRoomForCaption(*box);
            box->show();
        },
        Qt::QueuedConnection);
}

QString QtPromptService::SelectDirectory(const QString& caption, const QString& startDir)
{
    return RunFileDialog(caption, startDir, QString(), QFileDialog::Directory, QFileDialog::AcceptOpen).value(0);
}

QString QtPromptService::OpenFile(const QString& caption, const QString& filter, const QString& start)
{
    return RunFileDialog(caption, start, DialogFilter(filter), QFileDialog::ExistingFile, QFileDialog::AcceptOpen)
        .value(0);
}

QString QtPromptService::SaveFile(const QString& caption, const QString& filter, const QString& start)
{
    return RunFileDialog(caption, start, DialogFilter(filter), QFileDialog::AnyFile, QFileDialog::AcceptSave).value(0);
}

QStringList QtPromptService::OpenFiles(const QString& caption, const QString& filter, const QString& start)
{
    return RunFileDialog(caption, start, DialogFilter(filter), QFileDialog::ExistingFiles, QFileDialog::AcceptOpen);
}

} // namespace vl
