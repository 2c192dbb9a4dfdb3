#include "windows/scripting/TextLinesViewer.h"

#include "platform/print/ReportOutput.h"
#include "platform/widgets/WindowPosition.h"

#include <QAbstractListModel>
#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QListView>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QVBoxLayout>

#include <algorithm>

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

class TextLinesViewer::LinesModel : public QAbstractListModel {
public:
    LinesModel(const LogLines& lines, QObject* parent) : QAbstractListModel(parent), lines_(lines) {}

    int rowCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : lines_.Count(); }
    QVariant data(const QModelIndex& index, int role) const override
    {
        if (!index.isValid())
            return {};
        if (role == Qt::DisplayRole)
            return lines_.Line(index.row());
        // Every line as wide as the widest: the view sizes all rows by one
        // (uniform sizes), and a row narrower than its text would cut it.
        if (role == Qt::SizeHintRole && !rowSize_.isEmpty())
            return rowSize_;
        return {};
    }
    void Reset(const QFontMetrics& metrics)
    {
        beginResetModel();
        int widest = 0;
        for (int row = 0; row < lines_.Count(); ++row)
            widest = std::max(widest, int(lines_.Line(row).size()));
        // The font is fixed-pitch: a line's width is its length in characters.
        rowSize_ = QSize(metrics.horizontalAdvance(QString(widest + 1, QLatin1Char('M'))), metrics.height());
        endResetModel();
    }
    int Width() const { return rowSize_.width(); }

private:
    const LogLines& lines_;
    QSize rowSize_;
};

TextLinesViewer::TextLinesViewer(const TextLinesViewerSetup& setup, QWidget* parent)
    : QWidget(parent, Qt::Window), procedure_(QString::fromLatin1(setup.procedure)),
      closeOnlyWhenShown_(setup.closeOnlyWhenShown), positions_(QString::fromLatin1(kPositionIniFile))
{
    setWindowTitle(setup.caption);
    model_ = new LinesModel(lines_, this);
    list_ = new QListView(this);
    list_->setModel(model_);
    list_->setUniformItemSizes(true);
    list_->setWordWrap(false);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setFont(FixedFont());

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    if (setup.print) {
        printButton_ = new QPushButton(QStringLiteral("&Print..."), this);
        printButton_->setEnabled(false);
        connect(printButton_, &QPushButton::clicked, this, [this] { PrintReport(PrintedList(), this); });
        buttons->addWidget(printButton_);
    }
    searchButton_ = new QPushButton(QStringLiteral("&Search..."), this);
    closeButton_ = new QPushButton(QStringLiteral("&Close"), this);
    searchButton_->setEnabled(false);
    closeButton_->setEnabled(!closeOnlyWhenShown_);
    connect(searchButton_, &QPushButton::clicked, this, &TextLinesViewer::AskForSearchText);
    connect(closeButton_, &QPushButton::clicked, this, &QWidget::close);
    buttons->addWidget(searchButton_);
    buttons->addWidget(closeButton_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_);
    layout->addLayout(buttons);
    resize(setup.size);
    RestoreWindowPosition(positions_, *this, procedure_);
}

TextLinesViewer::~TextLinesViewer() = default;

void TextLinesViewer::ShowLines(bool opened)
{
    model_->Reset(list_->fontMetrics());
    if (printButton_)
        printButton_->setEnabled(opened);
    searchButton_->setEnabled(opened);
    if (closeOnlyWhenShown_)
        closeButton_->setEnabled(opened);
}

void TextLinesViewer::WidenToLines()
{
    const int frame = width() - list_->viewport()->width();
    const int wanted = model_->Width() + frame + list_->verticalScrollBar()->sizeHint().width();
    const QScreen* shown = screen();
    const int room = shown ? shown->availableGeometry().width() : wanted;
    if (wanted > width())
        resize(std::min(wanted, room), height());
}

int TextLinesViewer::LineCount() const { return lines_.Count(); }

QString TextLinesViewer::LineText(int row) const { return lines_.Line(row); }

int TextLinesViewer::CurrentLine() const
{
    const QModelIndex current = list_->currentIndex();
    return current.isValid() ? current.row() : -1;
}

bool TextLinesViewer::FindNext(const QString& text)
{
    const int row = lines_.Find(text, CurrentLine());
    if (row < 0)
        return false;
    const QModelIndex index = model_->index(row);
    list_->setCurrentIndex(index);
    list_->scrollTo(index, QAbstractItemView::PositionAtCenter);
    return true;
}

Report TextLinesViewer::PrintedList() const
{
    Report report;
    report.definition.title = windowTitle();
    report.definition.columnHeadings = false;
    report.definition.columns = {ReportColumn{QString(), 0}};
    report.definition.fonts.detail = FixedFont();
    for (int row = 0; row < lines_.Count(); ++row)
        report.rows.append(ReportRow{{lines_.Line(row)}, {}});
    return report;
}

void TextLinesViewer::AskForSearchText()
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

void TextLinesViewer::closeEvent(QCloseEvent* event)
{
    SaveWindowPosition(positions_, *this, procedure_);
    event->accept();
}

} // namespace vl
