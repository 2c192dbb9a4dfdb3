#include "core/repair/windows/RepairWindow.h"

#include "core/dictionary/Dictionary.h"
#include "platform/data/DamagedFileNotice.h"
#include "platform/data/DataFileName.h"
#include "platform/ui/PromptService.h"
#include "platform/widgets/WindowPosition.h"

#include <QCloseEvent>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QTableWidget>
#include <QThread>
#include <QVBoxLayout>

namespace vl {

namespace {

enum Column { kTagColumn, kFileColumn, kRecordsColumn, kInformationColumn };

struct OperationButton {
    RepairOperation operation;
    const char* text;
    const char* tip;
};

const OperationButton kOperationButtons[] = {
    {RepairOperation::Fix, "&Repair", nullptr},
    {RepairOperation::Build, "&Build", "Build the key files for the tagged data files"},
    {RepairOperation::Pack, "&Pack", "Pack the tagged data files"},
    {RepairOperation::Release, "Relea&se", "Release any held records in the tagged files"},
    {RepairOperation::Info, "&Info", nullptr},
};

} // namespace

RepairProgressWindow::RepairProgressWindow(QWidget* parent) : QWidget(parent, Qt::Dialog)
{
    setWindowTitle(QStringLiteral("Progress..."));
    setWindowModality(Qt::WindowModal);
    file_ = new QLabel(this);
    action_ = new QLabel(this);
    bar_ = new QProgressBar(this);
    bar_->setRange(0, 100);
    left_ = new QLabel(this);
    cancel_ = new QPushButton(QStringLiteral("&Cancel"), this);
    connect(cancel_, &QPushButton::clicked, this, [this] {
        cancel_->setEnabled(false);
        emit CancelRequested();
    });
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Current File :"), file_);
    form->addRow(QStringLiteral("Action :"), action_);
    form->addRow(QStringLiteral("Progress :"), bar_);
    form->addRow(QStringLiteral("Files Left     :"), left_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(cancel_, 0, Qt::AlignRight);
    setMinimumWidth(360);
}

void RepairProgressWindow::ShowTable(const QString& label, const QString& action, int filesLeft)
{
    file_->setText(label);
    action_->setText(action);
    bar_->setValue(0);
    left_->setText(QString::number(filesLeft));
}

void RepairProgressWindow::SetPercent(int percent) { bar_->setValue(percent); }
QString RepairProgressWindow::CurrentFile() const { return file_->text(); }
QString RepairProgressWindow::Action() const { return action_->text(); }
int RepairProgressWindow::Percent() const { return bar_->value(); }
QString RepairProgressWindow::FilesLeft() const { return left_->text(); }

RepairWindow::RepairWindow(QWidget* parent)
    : QWidget(parent, Qt::Window), rows_(RepairTableRows()), positions_(QString::fromLatin1(kPositionIniFile))
{
    setWindowTitle(QString::fromLatin1(kRepairWindowCaption));

    list_ = new QTableWidget(0, 4, this);
    list_->setHorizontalHeaderLabels({QString(), QStringLiteral("File"), QStringLiteral("Records"),
                                      QStringLiteral("Information")});
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->verticalHeader()->hide();
    list_->verticalHeader()->setDefaultSectionSize(list_->fontMetrics().height() + 8);
    list_->horizontalHeader()->setStretchLastSection(true);
    list_->setWordWrap(true);
    // Ticking a row's box tags it; the list shows every row's tag again.
    connect(list_, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
        if (item->column() != kTagColumn || item->row() >= static_cast<int>(rows_.size()))
            return;
        RepairRow& row = rows_[item->row()];
        if ((item->checkState() == Qt::Checked) != (row.tag == QLatin1String("1")))
            ToggleTag(row);
    });

    auto* buttons = new QVBoxLayout;
    for (const OperationButton& entry : kOperationButtons) {
        auto* button = new QPushButton(QString::fromLatin1(entry.text), this);
        if (entry.tip)
            button->setToolTip(QString::fromLatin1(entry.tip));
        const RepairOperation operation = entry.operation;
        connect(button, &QPushButton::clicked, this, [this, operation] { Start(operation); });
        operations_.emplace_back(operation, button);
        buttons->addWidget(button);
    }
    tagAll_ = new QPushButton(QStringLiteral("&Tag All"), this);
    tagAll_->setToolTip(QStringLiteral("Tag all the files"));
    untagAll_ = new QPushButton(QStringLiteral("&Untag All"), this);
    untagAll_->setToolTip(QStringLiteral("Untag all of the files"));
    close_ = new QPushButton(QStringLiteral("Cl&ose"), this);
    close_->setToolTip(QStringLiteral("Close this window"));
    connect(tagAll_, &QPushButton::clicked, this, [this] {
        TagAll(rows_);
        ShowRows();
    });
    connect(untagAll_, &QPushButton::clicked, this, [this] {
        UntagAll(rows_);
        ShowRows();
    });
    connect(close_, &QPushButton::clicked, this, &QWidget::close);
    buttons->addSpacing(12);
    buttons->addWidget(tagAll_);
    buttons->addWidget(untagAll_);
    buttons->addStretch();
    buttons->addWidget(close_);

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(list_, 1);
    layout->addLayout(buttons);

    progress_ = new RepairProgressWindow(this);
    connect(progress_, &RepairProgressWindow::CancelRequested, this, [this] {
        if (run_)
            run_->Cancel();
    });

    ShowRows();
    list_->selectRow(0);
    list_->resizeColumnToContents(kTagColumn);
    list_->setColumnWidth(kFileColumn, 190);
    resize(720, 420);
    RestoreWindowPosition(positions_, *this, QString::fromLatin1(kRepairWindowProcedure));
}

RepairWindow::~RepairWindow()
{
    if (worker_)
        worker_->wait();
}

QPushButton* RepairWindow::Button(RepairOperation operation) const
{
    for (const auto& [op, button] : operations_) {
        if (op == operation)
            return button;
    }
    return nullptr;
}

void RepairWindow::ShowRows()
{
    const QSignalBlocker block(list_);
    list_->setRowCount(static_cast<int>(rows_.size()));
    for (int i = 0; i < static_cast<int>(rows_.size()); ++i) {
        const RepairRow& row = rows_[i];
        auto* tag = new QTableWidgetItem;
        tag->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        tag->setCheckState(row.tagIcon ? Qt::Checked : Qt::Unchecked);
        list_->setItem(i, kTagColumn, tag);
        list_->setItem(i, kFileColumn, new QTableWidgetItem(row.description));
        auto* records = new QTableWidgetItem(row.records);
        records->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        list_->setItem(i, kRecordsColumn, records);
        auto* information = new QTableWidgetItem(row.information);
        information->setToolTip(row.information);
        list_->setItem(i, kInformationColumn, information);
    }
    // A repair's account of what it kept and lost is read whole: its row
    // grows to the lines it wraps to.
    for (int i = 0; i < static_cast<int>(rows_.size()); ++i) {
        if (rows_[i].information.isEmpty())
            list_->setRowHeight(i, list_->verticalHeader()->defaultSectionSize());
        else
            list_->resizeRowToContents(i);
    }
}

void RepairWindow::TagDataFile(const QString& path)
{
    const QString wanted = QFileInfo(path).absoluteFilePath();
    for (RepairRow& row : rows_) {
        const TableFile* table = Tables().FindTable(row.label);
        const bool inFile = table && DataFilePath(*table) == wanted;
        if (inFile != (row.tag == QLatin1String("1")))
            ToggleTag(row);
    }
    RefreshTagIcons(rows_);
    ShowRows();
}

void RepairWindow::SetRunning(bool running)
{
    for (const auto& entry : operations_)
        entry.second->setEnabled(!running);
    tagAll_->setEnabled(!running);
    untagAll_->setEnabled(!running);
    close_->setEnabled(!running);
    list_->setEnabled(!running);
    progress_->CancelButton()->setEnabled(running);
    progress_->setVisible(running);
}

void RepairWindow::Start(RepairOperation operation)
{
    StartRun(operation, QString());
}

void RepairWindow::RepairAgreedFile(const QString& path)
{
    if (run_)
        return;
    TagDataFile(path);
    StartRun(RepairOperation::Fix, path);
}

void RepairWindow::StartRun(RepairOperation operation, const QString& agreedFile)
{
    if (run_)
        return;
    if (operation == RepairOperation::Fix && !access_.Released() && RepairAccess::Needed(this)) {
        if (agreedFile.isEmpty() &&
            CurrentPromptService().Message(RepairAccess::Question(), QLatin1String(kRepairAccessCaption),
                                           PromptIcon::Question, QStringLiteral("&Yes|&No"), 1) != 1)
            return;
        if (!access_.Release(this))
            return;
    }
    RefreshTagIcons(rows_);
    run_ = std::make_unique<RepairRun>(operation, rows_, list_->currentRow());
    if (!agreedFile.isEmpty())
        run_->Agreed(agreedFile);
    SetRunning(true);
    StartNextTable();
}

void RepairWindow::StartNextTable()
{
    const std::optional<TableJob> job = run_->Next(CurrentPromptService());
    if (!job) {
        run_.reset();
        access_.GiveBack();
        SetRunning(false);
        ShowRows();
        emit Finished();
        return;
    }
    const RepairOperation operation = run_->Operation();
    // A repair works on the whole data file.
    progress_->ShowTable(operation == RepairOperation::Fix ? QFileInfo(job->path).fileName() : job->label,
                         RepairActionText(operation), run_->FilesLeft());
    // The worker reports progress through queued calls into this window's
    // thread; the progress window only ever changes there.
    jobPath_ = job->path;
    QPointer<RepairProgressWindow> progress(progress_);
    worker_ = QThread::create([this, operation, job = *job, progress] {
        outcome_ = RunTableOperation(operation, job, [progress](int percent) {
            QMetaObject::invokeMethod(
                progress, [progress, percent] {
                    if (progress)
                        progress->SetPercent(percent);
                },
                Qt::QueuedConnection);
        });
    });
    connect(worker_, &QThread::finished, this, &RepairWindow::TableDone, Qt::QueuedConnection);
    worker_->start();
}

void RepairWindow::TableDone()
{
    worker_->wait();
    delete worker_;
    worker_ = nullptr;
    progress_->SetPercent(100);
    // A file repaired (or found sound) is offered again should it be found
    // damaged later.
    if (run_->Operation() == RepairOperation::Fix && outcome_.message.isEmpty())
        ForgetDamagedFile(jobPath_);
    run_->Finish(outcome_, CurrentPromptService());
    ShowRows();
    StartNextTable();
}

void RepairWindow::closeEvent(QCloseEvent* event)
{
    if (run_) {
        event->ignore(); // the table in hand is finished first
        return;
    }
    SaveWindowPosition(positions_, *this, QString::fromLatin1(kRepairWindowProcedure));
    event->accept();
}

RepairWindow* RepairFiles()
{
    auto* window = new RepairWindow;
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
    return window;
}

} // namespace vl
