#include "windows/scripting/ScriptQueueViewer.h"

#include "core/base/Globals.h"
#include "windows/pim/BugReportWindow.h"
#include "platform/runtime/Clock.h"
#include "platform/runtime/FixedText.h"
#include "platform/runtime/Picture.h"
#include "platform/ui/PromptService.h"
#include "platform/widgets/FrameProcedures.h"
#include "platform/widgets/WindowPosition.h"
#include "scheduler/run/ScriptQueueView.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace vl {
namespace {

const QString kCaption = QStringLiteral("Current Script");
constexpr char kNoBugReportTip[] = "The bug report window is not available in this version.";
constexpr int kRefreshMilliseconds = 500;

} // namespace

ScriptQueueViewer::ScriptQueueViewer(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QLatin1String(kViewQueueScriptProcedure));
    setWindowTitle(kCaption);
    setAttribute(Qt::WA_DeleteOnClose);

    list_ = new QTreeWidget(this);
    list_->setRootIsDecorated(false);
    list_->setUniformRowHeights(true);
    list_->setHeaderLabels({QStringLiteral("ID"), QStringLiteral("Seq"), QStringLiteral("Action")});
    list_->setToolTip(QStringLiteral("Browse current script"));
    const QFontMetrics metrics = list_->fontMetrics();
    list_->setColumnWidth(0, metrics.horizontalAdvance(QStringLiteral("000000")));
    list_->setColumnWidth(1, metrics.horizontalAdvance(QStringLiteral("0000000")));
    list_->header()->setStretchLastSection(true);
    list_->setMinimumWidth(metrics.horizontalAdvance(QString(42, QLatin1Char('n'))));
    connect(list_, &QTreeWidget::currentItemChanged, this, &ScriptQueueViewer::ShowDetails);

    detail_ = new QLabel(this);
    detail_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    detail_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    detail_->setTextFormat(Qt::PlainText);
    detail_->setWordWrap(true);
    detail_->setFrameShape(QFrame::StyledPanel);
    detail_->setMinimumHeight(detail_->fontMetrics().lineSpacing() * 6);
    detail_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    clock_ = new QLineEdit(this);
    clock_->setReadOnly(true);
    clock_->setFocusPolicy(Qt::NoFocus);
    clock_->setMaximumWidth(clock_->fontMetrics().horizontalAdvance(QString(14, QLatin1Char('0'))));
    auto* clockLabel = new QLabel(QStringLiteral("Current Time:"), this);

    const auto add = [this](const QString& text, void (ScriptQueueViewer::*action)()) {
        auto* button = new QPushButton(text, this);
        connect(button, &QPushButton::clicked, this, action);
        return button;
    };
    QPushButton* details = add(QStringLiteral("&Details"), &ScriptQueueViewer::ShowDetails);
    QPushButton* remove = add(QStringLiteral("Delete"), &ScriptQueueViewer::DeleteCurrent);
    remove->setToolTip(QStringLiteral("Remove the highlighted step from the running script"));
    bug_ = add(QStringLiteral("Report &Bug"), &ScriptQueueViewer::ReportBug);
    auto* close = new QPushButton(QStringLiteral("Cl&ose"), this);
    connect(close, &QPushButton::clicked, this, &QWidget::close);

    auto* side = new QVBoxLayout;
    side->addWidget(details);
    side->addWidget(remove);
    side->addStretch(1);
    side->addWidget(bug_);
    side->addWidget(close);
    auto* top = new QHBoxLayout;
    top->addWidget(list_, 1);
    top->addLayout(side);
    auto* clockRow = new QHBoxLayout;
    clockRow->addWidget(clockLabel);
    clockRow->addWidget(clock_);
    clockRow->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addWidget(detail_);
    layout->addLayout(clockRow);

    UpdateBugButton();
    connect(&Procedures(), &FrameProcedures::Changed, this, &ScriptQueueViewer::UpdateBugButton);
    timer_ = new QTimer(this);
    timer_->setInterval(kRefreshMilliseconds);
    connect(timer_, &QTimer::timeout, this, &ScriptQueueViewer::Refresh);
    timer_->start();
    Refresh();
    if (list_->topLevelItemCount() > 0)
        list_->setCurrentItem(list_->topLevelItem(0));
    resize(520, 420);
    KeepWindowPosition(*this, QLatin1String(kViewQueueScriptProcedure));
}

QString ScriptQueueViewer::DetailText() const
{
    return detail_->text();
}

QString ScriptQueueViewer::ClockText() const
{
    return clock_->text();
}

QPushButton* ScriptQueueViewer::Button(const QString& text) const
{
    for (QPushButton* button : findChildren<QPushButton*>()) {
        if (button->text() == text)
            return button;
    }
    return nullptr;
}

ScriptQueueViewer::EntryKey ScriptQueueViewer::KeyOf(const ScriptQueueEntry& entry)
{
    return {entry.RECORD.ID, entry.RECORD.Sequence, Clip(entry.RECORD.Action), entry.DATE, entry.TIME};
}

void ScriptQueueViewer::Refresh()
{
    clock_->setText(Picture::Format(qint64{Now()}, QStringLiteral("@T6")));
    std::vector<EntryKey> now;
    now.reserve(static_cast<size_t>(ScriptQueue.size()));
    for (const ScriptQueueEntry& entry : ScriptQueue)
        now.push_back(KeyOf(entry));
    if (now != shown_ || redraw_) {
        redraw_ = false;
        // The step that was highlighted stays so while it waits; the rows
        // before it that ran are gone.
        const int row = list_->currentIndex().row();
        const int index = row < 0 ? -1 : QueueIndexOfRow(row);
        list_->clear();
        QList<QTreeWidgetItem*> rows;
        for (const ScriptQueueEntry& entry : ScriptQueue) {
            rows << new QTreeWidgetItem(QStringList{QString::number(entry.RECORD.ID),
                                                    QString::number(entry.RECORD.Sequence),
                                                    Clip(entry.RECORD.Action).left(27)});
        }
        list_->addTopLevelItems(rows);
        shown_ = std::move(now);
        const int keep = index >= 0 ? index : std::min(row, list_->topLevelItemCount() - 1);
        if (keep >= 0)
            list_->setCurrentItem(list_->topLevelItem(keep));
    }
    if (!isMinimized())
        ShowDetails();
}

int ScriptQueueViewer::QueueIndexOfRow(int row) const
{
    // The interpreter only takes steps from the head: the queue is what was
    // shown less some first rows, or it changed otherwise and the row is
    // not to be trusted.
    const int taken = static_cast<int>(shown_.size()) - static_cast<int>(ScriptQueue.size());
    if (taken < 0 || row < taken || row >= static_cast<int>(shown_.size()))
        return -1;
    for (int i = 0; i < ScriptQueue.size(); ++i) {
        if (KeyOf(ScriptQueue[i]) != shown_[static_cast<size_t>(i + taken)])
            return -1;
    }
    return row - taken;
}

void ScriptQueueViewer::ShowDetails()
{
    const int row = list_->currentIndex().row();
    const int index = row < 0 ? -1 : QueueIndexOfRow(row);
    detail_->setText(index < 0 ? QString() : ScriptQueueEntryDetail(ScriptQueue[index]));
}

void ScriptQueueViewer::DeleteCurrent()
{
    const int row = list_->currentIndex().row();
    if (row < 0)
        return;
    const int index = QueueIndexOfRow(row);
    const ScriptQueueRemoval removal = PlanScriptQueueRemoval(ScriptQueue, index);
    if (!RemoveFromScriptQueue(ScriptQueue, removal)) {
        Refresh();
        Prompt::Message(removal.refusal, kCaption, PromptIcon::Exclamation);
    } else {
        // What follows the removed steps is highlighted next.
        redraw_ = true;
        list_->setCurrentItem(nullptr);
        Refresh();
        const int next = std::min(removal.first, list_->topLevelItemCount() - 1);
        if (next >= 0)
            list_->setCurrentItem(list_->topLevelItem(next));
    }
    list_->setFocus();
}

void ScriptQueueViewer::UpdateBugButton()
{
    const bool available = Procedures().Has(QLatin1String(kBugReportProcedure));
    bug_->setEnabled(available);
    bug_->setToolTip(available ? QStringLiteral("Log every script step in detail and report a problem")
                               : QLatin1String(kNoBugReportTip));
}

void ScriptQueueViewer::ReportBug()
{
    // The steps that follow are logged in detail for the report.
    DebugMode = true;
    Procedures().Start(QLatin1String(kBugReportProcedure), this);
}

void RegisterScriptQueueViewer()
{
    Procedures().RegisterWindow(QLatin1String(kViewQueueScriptProcedure), [] { return new ScriptQueueViewer; });
}

} // namespace vl
