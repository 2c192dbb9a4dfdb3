#include "core/windows/eventlog/EventLogWindow.h"

#include "platform/widgets/WindowPosition.h"
#include "core/base/TextFileRecords.h"
#include "core/base/EventLog.h"
#include "core/base/Globals.h"

#include <QAbstractListModel>
#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QListView>
#include <QPushButton>
#include <QVBoxLayout>

namespace vl {

class EventLogWindow::LinesModel : public QAbstractListModel {
public:
    LinesModel(const LogLines& lines, QObject* parent) : QAbstractListModel(parent), lines_(lines) {}

    int rowCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : lines_.Count(); }

    QVariant data(const QModelIndex& index, int role) const override
    {
        if (role != Qt::DisplayRole || !index.isValid())
            return {};
        return lines_.Line(index.row());
    }

    void Reset()
    {
        beginResetModel();
        endResetModel();
    }

private:
    const LogLines& lines_;
};

EventLogWindow::EventLogWindow(QWidget* parent)
    : QWidget(parent, Qt::Window), positions_(QString::fromLatin1(kPositionIniFile))
{
    setWindowTitle(QString::fromLatin1(kEventLogWindowCaption));

    model_ = new LinesModel(lines_, this);
    list_ = new QListView(this);
    list_->setModel(model_);
    list_->setUniformItemSizes(true);
    list_->setWordWrap(false);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    list_->setFont(font);

    searchButton_ = new QPushButton(QStringLiteral("&Search..."), this);
    closeButton_ = new QPushButton(QStringLiteral("&Close"), this);
    searchButton_->setEnabled(false);
    closeButton_->setEnabled(false);
    connect(searchButton_, &QPushButton::clicked, this, &EventLogWindow::AskForSearchText);
    connect(closeButton_, &QPushButton::clicked, this, &QWidget::close);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(searchButton_);
    buttons->addWidget(closeButton_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_);
    layout->addLayout(buttons);

    resize(800, 450);
    RestoreWindowPosition(positions_, *this, QString::fromLatin1(kEventLogWindowProcedure));
}

EventLogWindow::~EventLogWindow() = default;

bool EventLogWindow::Open(const QString& path)
{
    const bool opened = lines_.Load(path);
    model_->Reset();
    searchButton_->setEnabled(opened);
    closeButton_->setEnabled(opened);
    return opened;
}

int EventLogWindow::LineCount() const { return lines_.Count(); }

QString EventLogWindow::LineText(int row) const { return lines_.Line(row); }

int EventLogWindow::CurrentLine() const
{
    const QModelIndex current = list_->currentIndex();
    return current.isValid() ? current.row() : -1;
}

bool EventLogWindow::FindNext(const QString& text)
{
    const int row = lines_.Find(text, CurrentLine());
    if (row < 0)
        return false;
    const QModelIndex index = model_->index(row);
    list_->setCurrentIndex(index);
    list_->scrollTo(index, QAbstractItemView::PositionAtCenter);
    return true;
}

void EventLogWindow::AskForSearchText()
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

void EventLogWindow::closeEvent(QCloseEvent* event)
{
    SaveWindowPosition(positions_, *this, QString::fromLatin1(kEventLogWindowProcedure));
    event->accept();
}

EventLogWindow* ViewAscii_Log()
{
    if (!GlobalUseLog)
        AppendEventLog(QString::fromLatin1(kViewLogDisabledLabel), QString::fromLatin1(kViewLogDisabledText));
    auto* window = new EventLogWindow;
    if (!window->Open(QString::fromLatin1(kEventLogFileName))) {
        delete window;
        return nullptr;
    }
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
    return window;
}

} // namespace vl
