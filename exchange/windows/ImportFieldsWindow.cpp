#include "exchange/windows/ImportFieldsWindow.h"

#include "exchange/ExchangeProcedures.h"
#include "exchange/windows/EnterPicture.h"
#include "exchange/windows/RunProgressWindow.h"
#include "platform/runtime/FixedText.h"
#include "platform/ui/PromptService.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace vl {
namespace {

const char kCaption[] = "Assign fields for Import...";
const char kNoFieldsCaption[] = "No Fields Selected for Import!";
const char kNoFieldsText[] = "You must select one or more fields to import.";
const char kProgressCaption[] = "Importing Records";
constexpr int kSampleWidth = 100; // characters of a sample value shown

QTreeWidget* List(const QStringList& headers, QWidget* parent)
{
    auto* list = new QTreeWidget(parent);
    list->setRootIsDecorated(false);
    list->setHeaderLabels(headers);
    list->setMinimumSize(300, 300);
    list->header()->setStretchLastSection(true);
    return list;
}

QPushButton* Button(const QString& text, QWidget* parent, QBoxLayout* layout)
{
    auto* button = new QPushButton(text, parent);
    button->setAutoDefault(false);
    layout->addWidget(button);
    return button;
}

int Row(const QTreeWidget* list)
{
    QTreeWidgetItem* item = list->currentItem();
    return item ? list->indexOfTopLevelItem(item) : -1;
}

void SetRow(QTreeWidget* list, int row)
{
    if (row >= 0 && row < list->topLevelItemCount())
        list->setCurrentItem(list->topLevelItem(row));
}

} // namespace

ImportFieldsWindow::ImportFieldsWindow(ExchangeTable table, ImexReader file, QWidget* parent)
    : QDialog(parent), mapping_(ExchangeInfo(table), std::move(file)),
      columns_(List({tr("Import Field"), tr("Picture"), tr("Value")}, this)),
      targets_(List({tr("Target Field"), QStringLiteral("="), tr("Import Field")}, this)), sample_(new QLabel(this)),
      strip_(new QCheckBox(tr("Strip &header record (field names)"), this))
{
    setWindowTitle(QLatin1String(kCaption));
    auto* grid = new QGridLayout(this);
    grid->addWidget(columns_, 0, 0);
    grid->addWidget(targets_, 0, 1);

    auto* buttons = new QHBoxLayout;
    next_ = Button(tr("&Next"), this, buttons);
    buttons->addWidget(new QLabel(tr("Rec#"), this));
    buttons->addWidget(sample_);
    connect(Button(tr("&Picture"), this, buttons), &QPushButton::clicked, this, &ImportFieldsWindow::ChangePicture);
    connect(Button(tr("&Assign"), this, buttons), &QPushButton::clicked, this, &ImportFieldsWindow::Assign);
    // "&Unassign" keeps Alt+U; Auto takes the next letter of its name.
    auto_ = Button(tr("Au&to"), this, buttons);
    connect(Button(tr("&Unassign"), this, buttons), &QPushButton::clicked, this, &ImportFieldsWindow::Unassign);
    buttons->addStretch();
    connect(next_, &QPushButton::clicked, this, &ImportFieldsWindow::NextSample);
    connect(auto_, &QPushButton::clicked, this, &ImportFieldsWindow::AutoAssign);
    grid->addLayout(buttons, 1, 0, 1, 2);

    auto* closing = new QHBoxLayout;
    closing->addWidget(strip_);
    closing->addStretch();
    QPushButton* ok = Button(tr("&OK"), this, closing);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &ImportFieldsWindow::Import);
    connect(Button(tr("&Cancel"), this, closing), &QPushButton::clicked, this, &QDialog::reject);
    grid->addLayout(closing, 2, 0, 1, 2);

    connect(columns_, &QTreeWidget::currentItemChanged, this, [this] {
        const int target = mapping_.FirstTargetOf(Row(columns_));
        if (target >= 0)
            SetRow(targets_, target);
    });
    connect(targets_, &QTreeWidget::currentItemChanged, this, [this] {
        const int target = Row(targets_);
        if (target >= 0 && mapping_.ColumnOf(target) >= 0)
            SetRow(columns_, mapping_.ColumnOf(target));
    });
    ShowColumns();
    ShowTargets();
    AutoAssign();
    resize(760, 480);
}

void ImportFieldsWindow::ShowColumns()
{
    const int row = Row(columns_);
    columns_->clear();
    for (size_t c = 0; c < mapping_.Columns().size(); ++c) {
        const ImportColumn& column = mapping_.Columns()[c];
        QString value = CutTo(mapping_.SampleValue(static_cast<int>(c)), kSampleWidth);
        value.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
        new QTreeWidgetItem(columns_, {column.name, ImportPictureText(column.picture), value});
    }
    columns_->resizeColumnToContents(0);
    SetRow(columns_, std::max(row, 0));
    sample_->setText(QString::number(mapping_.SampleNumber()));
    next_->setEnabled(mapping_.HasNextSample());
}

void ImportFieldsWindow::ShowTargets()
{
    const int row = Row(targets_);
    targets_->clear();
    const std::vector<ExchangeField>& fields = mapping_.Info().fields;
    for (size_t t = 0; t < fields.size(); ++t) {
        const int column = mapping_.ColumnOf(static_cast<int>(t));
        new QTreeWidgetItem(targets_, {fields[t].name, column >= 0 ? QStringLiteral("=") : QString(),
                                       column >= 0 ? mapping_.Columns()[column].name : QString()});
    }
    targets_->resizeColumnToContents(0);
    targets_->resizeColumnToContents(1);
    SetRow(targets_, std::max(row, 0));
}

void ImportFieldsWindow::NextSample()
{
    if (!mapping_.NextSample())
        return;
    auto_->setEnabled(false); // the values are no longer field names
    ShowColumns();
    columns_->setFocus();
}

void ImportFieldsWindow::ChangePicture()
{
    const int column = Row(columns_);
    if (column < 0)
        return;
    mapping_.SetPicture(column, EnterPicture(mapping_.Columns()[column].picture, this));
    ShowColumns();
}

void ImportFieldsWindow::Assign()
{
    const int column = Row(columns_);
    const int target = Row(targets_);
    if (column < 0 || target < 0)
        return;
    mapping_.Assign(target, column);
    ShowTargets();
}

void ImportFieldsWindow::AutoAssign()
{
    mapping_.Auto();
    strip_->setChecked(true);
    ShowColumns();
    ShowTargets();
}

void ImportFieldsWindow::Unassign()
{
    const int target = Row(targets_);
    if (target < 0)
        return;
    mapping_.Unassign(target);
    ShowTargets();
}

void ImportFieldsWindow::Import()
{
    if (!mapping_.AnyAssigned()) {
        Prompt::Message(QLatin1String(kNoFieldsText), QLatin1String(kNoFieldsCaption), PromptIcon::Information);
        columns_->setFocus();
        return;
    }
    const ImportResult result =
        RunImport(mapping_, strip_->isChecked(),
                  ProgressWindow(QLatin1String(kProgressCaption), QString(), QString(), parentWidget()));
    done(result.ok ? QDialog::Accepted : QDialog::Rejected);
}

void ImportProcedure(ExchangeTable table, QWidget* frame)
{
    std::optional<ImexReader> file = ChooseImportFile();
    if (!file)
        return;
    ImportFieldsWindow window(table, std::move(*file), frame);
    window.exec();
}

} // namespace vl
