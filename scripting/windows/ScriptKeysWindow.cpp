#include "scripting/windows/ScriptKeysWindow.h"

#include "platform/print/ReportOutput.h"
#include "platform/ui/PromptService.h"
#include "platform/widgets/WindowPosition.h"
#include "scripting/KeyNames.h"

#include <QAbstractListModel>
#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QListView>
#include <QPushButton>
#include <QVBoxLayout>

namespace vl {
namespace {

QFont FixedFont()
{
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    return font;
}

} // namespace

class ScriptKeysWindow::LinesModel : public QAbstractListModel {
public:
    LinesModel(const LogLines& lines, QObject* parent) : QAbstractListModel(parent), lines_(lines) {}

    int rowCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : lines_.Count(); }
    QVariant data(const QModelIndex& index, int role) const override
    {
        return role == Qt::DisplayRole && index.isValid() ? QVariant(lines_.Line(index.row())) : QVariant();
    }
    void Reset()
    {
        beginResetModel();
        endResetModel();
    }

private:
    const LogLines& lines_;
};

ScriptKeysWindow::ScriptKeysWindow(QWidget* parent)
    : QWidget(parent, Qt::Window), positions_(QString::fromLatin1(kPositionIniFile))
{
    setWindowTitle(QString::fromLatin1(kScriptKeysCaption));
    model_ = new LinesModel(lines_, this);
    list_ = new QListView(this);
    list_->setModel(model_);
    list_->setUniformItemSizes(true);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setFont(FixedFont());

    printButton_ = new QPushButton(QStringLiteral("&Print..."), this);
    searchButton_ = new QPushButton(QStringLiteral("&Search..."), this);
    auto* closeButton = new QPushButton(QStringLiteral("&Close"), this);
    printButton_->setEnabled(false);
    searchButton_->setEnabled(false);
    connect(printButton_, &QPushButton::clicked, this, [this] { PrintReport(PrintedList(), this); });
    connect(searchButton_, &QPushButton::clicked, this, &ScriptKeysWindow::AskForSearchText);
    connect(closeButton, &QPushButton::clicked, this, &QWidget::close);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(printButton_);
    buttons->addWidget(searchButton_);
    buttons->addWidget(closeButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_);
    layout->addLayout(buttons);
    resize(560, 480);
    RestoreWindowPosition(positions_, *this, QString::fromLatin1(kScriptKeysProcedure));
}

ScriptKeysWindow::~ScriptKeysWindow() = default;

bool ScriptKeysWindow::Open()
{
    const QString file = QString::fromLatin1(kKeyCodesFileName);
    bool opened = true;
    if (QFileInfo::exists(file)) {
        opened = lines_.Load(file);
        if (!opened)
            Prompt::Message(QStringLiteral("The key list %1 cannot be read.").arg(QFileInfo(file).absoluteFilePath()),
                            QString::fromLatin1(kScriptKeysCaption), PromptIcon::Exclamation);
    } else {
        lines_.Take(KeyListText().toUtf8());
    }
    model_->Reset();
    printButton_->setEnabled(opened);
    searchButton_->setEnabled(opened);
    return opened;
}

int ScriptKeysWindow::LineCount() const { return lines_.Count(); }

QString ScriptKeysWindow::LineText(int row) const { return lines_.Line(row); }

int ScriptKeysWindow::CurrentLine() const
{
    const QModelIndex current = list_->currentIndex();
    return current.isValid() ? current.row() : -1;
}

bool ScriptKeysWindow::FindNext(const QString& text)
{
    const int row = lines_.Find(text, CurrentLine());
    if (row < 0)
        return false;
    const QModelIndex index = model_->index(row);
    list_->setCurrentIndex(index);
    list_->scrollTo(index, QAbstractItemView::PositionAtCenter);
    return true;
}

Report ScriptKeysWindow::PrintedList() const
{
    Report report;
    report.definition.title = QString::fromLatin1(kScriptKeysCaption);
    report.definition.columnHeadings = false;
    report.definition.columns = {ReportColumn{QString(), 0}};
    report.definition.fonts.detail = FixedFont();
    for (int row = 0; row < lines_.Count(); ++row)
        report.rows.append(ReportRow{{lines_.Line(row)}, {}});
    return report;
}

void ScriptKeysWindow::AskForSearchText()
{
    auto* dialog = new QInputDialog(this);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowTitle(QStringLiteral("Search"));
    dialog->setLabelText(QStringLiteral("Search for:"));
    dialog->setTextValue(lastSearch_);
    connect(dialog, &QInputDialog::textValueSelected, this, [this](const QString& text) {
        lastSearch_ = text;
        if (!FindNext(text))
            QApplication::beep();
    });
    dialog->open();
}

void ScriptKeysWindow::closeEvent(QCloseEvent* event)
{
    SaveWindowPosition(positions_, *this, QString::fromLatin1(kScriptKeysProcedure));
    event->accept();
}

ScriptKeysWindow* ViewAscii_ScriptKeys()
{
    auto* window = new ScriptKeysWindow;
    if (!window->Open()) {
        delete window;
        return nullptr;
    }
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
    return window;
}

} // namespace vl
