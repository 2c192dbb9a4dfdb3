#include "exchange/windows/ExportFieldsWindow.h"

#include "exchange/ExchangeProcedures.h"
#include "exchange/windows/EnterPicture.h"
#include "exchange/windows/RunProgressWindow.h"
#include "platform/ui/PromptService.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace vl {
namespace {

const char kCaption[] = "Choose Fields for Export...";
const char kNoFieldsCaption[] = "No Fields Selected for Export!";
const char kNoFieldsText[] = "You must select one or more fields to export.";
const char kProgressCaption[] = "Exporting Records";

QListWidget* FieldList(QWidget* parent)
{
    auto* list = new QListWidget(parent);
    list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list->setMinimumSize(200, 260);
    return list;
}

QPushButton* Button(const QString& text, QWidget* parent, QLayout* layout)
{
    auto* button = new QPushButton(text, parent);
    button->setAutoDefault(false);
    layout->addWidget(button);
    return button;
}

} // namespace

ExportFieldsWindow::ExportFieldsWindow(ExchangeTable table, QWidget* parent)
    : QDialog(parent), choice_(ExchangeInfo(table)), all_(FieldList(this)), chosen_(FieldList(this)),
      picture_(new QLabel(this)), header_(new QCheckBox(tr("Include &header record with field names"), this))
{
    setWindowTitle(QLatin1String(kCaption));
    for (const ExchangeField& field : choice_.Info().fields)
        all_->addItem(field.name);

    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel(tr("All Fields"), this), 0, 0);
    grid->addWidget(new QLabel(tr("Export Fields"), this), 0, 2);
    grid->addWidget(all_, 1, 0);
    auto* moves = new QVBoxLayout;
    connect(Button(tr("&Add ->"), this, moves), &QPushButton::clicked, this, &ExportFieldsWindow::Add);
    connect(Button(tr("&Remove"), this, moves), &QPushButton::clicked, this, &ExportFieldsWindow::Remove);
    connect(Button(tr("Shift &Up"), this, moves), &QPushButton::clicked, this, &ExportFieldsWindow::ShiftUp);
    connect(Button(tr("Shift &Down"), this, moves), &QPushButton::clicked, this, &ExportFieldsWindow::ShiftDown);
    connect(Button(tr("&Picture"), this, moves), &QPushButton::clicked, this, &ExportFieldsWindow::ChangePicture);
    moves->addStretch();
    grid->addLayout(moves, 1, 1);
    grid->addWidget(chosen_, 1, 2);

    auto* pictureRow = new QHBoxLayout;
    pictureRow->addWidget(new QLabel(tr("Picture"), this));
    pictureRow->addWidget(picture_, 1);
    grid->addLayout(pictureRow, 2, 2);
    header_->setChecked(true);
    grid->addWidget(header_, 3, 0, 1, 3);

    auto* closing = new QHBoxLayout;
    closing->addStretch();
    QPushButton* ok = Button(tr("&OK"), this, closing);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &ExportFieldsWindow::Export);
    connect(Button(tr("&Cancel"), this, closing), &QPushButton::clicked, this, &QDialog::reject);
    grid->addLayout(closing, 4, 0, 1, 3);

    connect(chosen_, &QListWidget::currentRowChanged, this, &ExportFieldsWindow::ShowPicture);
    ShowColumns({}, 0);
    all_->setCurrentRow(0, QItemSelectionModel::NoUpdate);
    all_->setFocus();
}

std::vector<int> ExportFieldsWindow::Marked(const QListWidget* list) const
{
    std::vector<int> rows;
    for (const QModelIndex& index : list->selectionModel()->selectedRows())
        rows.push_back(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
}

void ExportFieldsWindow::ShowColumns(const std::vector<int>& marked, int highlighted)
{
    chosen_->clear();
    for (const ExportColumn& column : choice_.Columns())
        chosen_->addItem(column.field);
    if (highlighted >= 0 && highlighted < chosen_->count())
        chosen_->setCurrentRow(highlighted, QItemSelectionModel::NoUpdate);
    for (int row : marked)
        chosen_->item(row)->setSelected(true);
    ShowPicture();
}

void ExportFieldsWindow::ShowPicture()
{
    const int row = chosen_->currentRow();
    picture_->setText(row >= 0 && static_cast<size_t>(row) < choice_.Columns().size()
                          ? ExportPictureText(choice_.Columns()[row].picture)
                          : QString());
}

void ExportFieldsWindow::Add()
{
    const bool wasEmpty = choice_.Columns().empty();
    std::vector<int> marked = Marked(chosen_);
    for (int row : choice_.Add(Marked(all_)))
        marked.push_back(row);
    ShowColumns(marked, wasEmpty ? 0 : chosen_->currentRow());
    (chosen_->count() > 0 ? chosen_ : all_)->setFocus();
}

void ExportFieldsWindow::Remove()
{
    const int highlighted = choice_.Remove(Marked(chosen_), std::max(chosen_->currentRow(), 0));
    ShowColumns({}, highlighted);
    chosen_->setFocus();
}

void ExportFieldsWindow::ShiftUp()
{
    ShowColumns({}, choice_.ShiftUp(chosen_->currentRow()));
    chosen_->setFocus();
}

void ExportFieldsWindow::ShiftDown()
{
    ShowColumns({}, choice_.ShiftDown(chosen_->currentRow()));
    chosen_->setFocus();
}

void ExportFieldsWindow::ChangePicture()
{
    const int row = chosen_->currentRow();
    if (row < 0) {
        if (chosen_->count() == 0)
            all_->setFocus();
        else
            chosen_->setCurrentRow(0, QItemSelectionModel::NoUpdate);
        return;
    }
    choice_.SetPicture(row, EnterPicture(choice_.Columns()[row].picture, this));
    ShowPicture();
}

void ExportFieldsWindow::Export()
{
    if (choice_.Columns().empty()) {
        Prompt::Message(QLatin1String(kNoFieldsText), QLatin1String(kNoFieldsCaption), PromptIcon::Information);
        all_->setFocus();
        return;
    }
    // The file is chosen first; only then does the progress window open,
    // outliving this window to say what the export wrote.
    const bool written = RunExport(choice_.Info().table, choice_.Columns(), header_->isChecked(),
                                   ProgressWindow(QLatin1String(kProgressCaption), QString(), QString(),
                                                  parentWidget()));
    done(written ? QDialog::Accepted : QDialog::Rejected);
}

} // namespace vl
