#include "windows/pim/BugReportWindow.h"

#include "core/base/Globals.h"
#include "message/MessageDisplay.h"
#include "pim/BugReportSettings.h"
#include "platform/runtime/Clock.h"
#include "platform/runtime/FixedText.h"
#include "platform/runtime/Picture.h"
#include "platform/ui/PromptService.h"
#include "platform/widgets/FrameProcedures.h"
#include "platform/widgets/TextWidth.h"
#include "platform/widgets/ThreadRegistry.h"
#include "platform/widgets/WindowPosition.h"
#include "reports/ReportCriteria.h"
#include "resources/ProgramIcons.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace vl {
namespace {

constexpr int kReturnAddressWidth = 254;
constexpr int kTickMilliseconds = 1000;
constexpr char kSaveFilter[] = "Text files (*.txt)|*.txt|All files (*.*)|*.*";

QPushButton* Button(const QString& text, const QString& icon, QWidget* parent)
{
    return icon.isEmpty() ? new QPushButton(text, parent) : new QPushButton(LoadIcon(icon), text, parent);
}

} // namespace

BugReportWindow::BugReportWindow(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setWindowTitle(QLatin1String(kBugReportCaption));
    setWindowIcon(LoadIcon(QStringLiteral("0PRG.ICO")));
    setObjectName(QLatin1String(kBugReportProcedure));
    setAttribute(Qt::WA_DeleteOnClose);

    returnAddress_ = new QLineEdit(CutTo(Clip(Email::Sender), kReturnAddressWidth), this);
    LimitToWidth(returnAddress_, kReturnAddressWidth);
    // The entry is the running program's return address; the stored setting
    // changes only in Options.
    connect(returnAddress_, &QLineEdit::textEdited, this, [](const QString& text) { Email::Sender = text; });
    report_ = new QPlainTextEdit(this);
    report_->setTabChangesFocus(true);
    settings_ = new QTreeWidget(this);
    settings_->setColumnCount(1);
    settings_->setHeaderLabels({QStringLiteral("Configuration")});
    settings_->setRootIsDecorated(false);
    settings_->setUniformRowHeights(true);
    settings_->header()->setStretchLastSection(true);

    auto* internal = new QGroupBox(QStringLiteral("Email Internal Information to Brantwell"), this);
    includeDatabase_ = new QCheckBox(QStringLiteral("Include Full Database"), internal);
    includeLog_ = new QCheckBox(QStringLiteral("Include Log File"), internal);
    auto* boxes = new QHBoxLayout(internal);
    boxes->addWidget(includeDatabase_);
    boxes->addWidget(includeLog_);
    boxes->addStretch();

    send_ = Button(QStringLiteral("&Send"), QStringLiteral("mail.ico"), this);
    save_ = Button(QStringLiteral("Save"), QString(), this);
    save_->setToolTip(QStringLiteral("Writes the report, as it would be sent, to a text file"));
    reset_ = Button(QStringLiteral("&Reset"), QString(), this);
    reset_->setToolTip(QStringLiteral("Reads the settings again"));
    close_ = Button(QStringLiteral("Cl&ose"), QStringLiteral("exit.ico"), this);
    clock_ = new QLabel(this);
    clock_->setMinimumWidth(clock_->fontMetrics().horizontalAdvance(QString(12, u'0')));
    clock_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    connect(send_, &QPushButton::clicked, this, &BugReportWindow::Send);
    connect(save_, &QPushButton::clicked, this, &BugReportWindow::Save);
    connect(reset_, &QPushButton::clicked, settings_, &QTreeWidget::clear);
    connect(close_, &QPushButton::clicked, this, &QWidget::close);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(send_);
    buttons->addWidget(save_);
    buttons->addWidget(reset_);
    buttons->addWidget(close_);
    buttons->addStretch();
    buttons->addWidget(clock_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(
        QStringLiteral("Before proceeding, make sure that your return email address is correct:"), this));
    layout->addWidget(returnAddress_);
    layout->addWidget(new QLabel(QStringLiteral("Enter your bug report or comments here:"), this));
    layout->addWidget(report_, 3);
    layout->addWidget(new QLabel(QStringLiteral("This information will be sent:"), this));
    layout->addWidget(settings_, 2);
    layout->addWidget(internal);
    layout->addLayout(buttons);

    resize(560, 560);
    KeepWindowPosition(*this, QLatin1String(kBugReportProcedure));
    connect(&timer_, &QTimer::timeout, this, &BugReportWindow::Tick);
    timer_.start(kTickMilliseconds);
}

void BugReportWindow::Tick()
{
    clock_->setText(Picture::Format(Now(), QStringLiteral("@t6")));
    if (settings_->topLevelItemCount() > 0)
        return;
    QList<QTreeWidgetItem*> rows;
    for (const QString& line : BugReportSettingsLines())
        rows << new QTreeWidgetItem(QStringList{line});
    settings_->addTopLevelItems(rows);
}

void BugReportWindow::closeEvent(QCloseEvent* event)
{
    // The window cannot close while its send is running.
    if (sending_) {
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
}

BugReportInput BugReportWindow::Input() const
{
    BugReportInput input;
    input.report = CutTo(report_->toPlainText(), kBugReportTextWidth);
    for (int row = 0; row < settings_->topLevelItemCount(); ++row)
        input.settings << settings_->topLevelItem(row)->text(0);
    input.includeDataFile = includeDatabase_->isChecked();
    input.includeLog = includeLog_->isChecked();
    return input;
}

void BugReportWindow::Send()
{
    const BugReportInput input = Input();
    const QString caption = QLatin1String(kBugReportCaption);
    if (const QString problem = BugReportSettingsProblem(); !problem.isEmpty()) {
        Prompt::Message(problem, caption, PromptIcon::Exclamation);
        return;
    }
    const QTemporaryDir work;
    if (!work.isValid()) {
        Prompt::Message(QStringLiteral("No temporary folder could be made for the attachments.||") +
                            work.errorString(),
                        caption, PromptIcon::Stop);
        return;
    }
    const BugReportAttachments attachments = PrepareBugReportAttachments(input, work.path());
    if (!attachments.problem.isEmpty()) {
        Prompt::Message(attachments.problem, caption, PromptIcon::Exclamation);
        return;
    }

    // The send keeps the event loop running: nothing here may be pressed
    // again until it returns.
    SetSending(true);
    MailSender sender;
    const int result = SendBugReport(sender, input, attachments.paths);
    const QString errorText = sender.ErrorText(result);
    sender.Release();
    SetSending(false);

    Prompt::Message(BugReportResultText(result, errorText), caption,
                    result == kMailSent ? PromptIcon::Information : PromptIcon::Exclamation);
    if (result == kMailSent)
        close();
}

void BugReportWindow::Save()
{
    const QString path =
        Prompt::SaveFile(QStringLiteral("Save Bug Report"), QLatin1String(kSaveFilter), QStringLiteral("BugReport.txt"));
    if (path.isEmpty())
        return;
    QString error;
    if (!SaveBugReport(path, Input(), &error))
        Prompt::Message(QStringLiteral("The report could not be written to %1.||%2").arg(path, error),
                        QLatin1String(kBugReportCaption), PromptIcon::Stop);
}

void BugReportWindow::SetSending(bool sending)
{
    sending_ = sending;
    const QList<QWidget*> controls{returnAddress_, report_, includeDatabase_, includeLog_,
                                   send_,          save_,   reset_,           close_};
    for (QWidget* control : controls)
        control->setEnabled(!sending);
    if (sending)
        setCursor(Qt::WaitCursor);
    else
        unsetCursor();
}

namespace {

// The values of the settings list that the window libraries and the report
// criteria keep.
void AddWindowValues()
{
    const auto frame = [] {
        const QWidget* window = Threads().Window(ThreadRegistry::kFrameThread);
        return QString::number(window ? window->winId() : 0);
    };
    const auto number = [](qint64 value) { return QString::number(value); };
    const std::pair<const char*, std::function<QString()>> values[] = {
        {"BrowseThreadNo", [number] { return number(Threads().ProcedureThread(QStringLiteral("BrowseSchedule"))); }},
        {"FrameHandle", frame},
        {"ParentHandle", frame},
        {"ThreadCount", [number] { return number(OpenMessageDisplays()); }},
        {"GlobalCategory", [] { return GLO::Category; }},
        {"GlobalDateFrom", [number] { return number(GLO::DateFrom); }},
        {"GlobalDateTo", [number] { return number(GLO::DateTo); }},
        {"GlobalFilter", [] { return GlobalFilter; }},
        {"GlobalOrder", [] { return GlobalOrder; }},
        {"TempCategorySelect", [] { return ReportCriteriaChoice.categorySelect; }},
        {"TempCategorySelected", [] { return ReportCriteriaChoice.categorySelected; }},
        {"TempDateFrom", [number] { return number(ReportCriteriaChoice.dateFrom); }},
        {"TempDateSelect", [] { return ReportCriteriaChoice.dateSelect; }},
        {"TempDateTo", [number] { return number(ReportCriteriaChoice.dateTo); }},
        {"TempOrderSelect", [] { return ReportCriteriaChoice.orderSelect; }},
    };
    for (const auto& [name, value] : values)
        AddBugReportValue(QLatin1String(name), value);
}

} // namespace

void RegisterBugReportProcedure()
{
    AddWindowValues();
    Procedures().RegisterWindow(QLatin1String(kBugReportProcedure), [] { return new BugReportWindow; });
}

} // namespace vl
