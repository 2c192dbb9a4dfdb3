#include "pim/BugReport.h"

#include "core/base/EventLog.h"
#include "core/base/Globals.h"
#include "core/base/TextFileRecords.h"
#include "core/cycle/SchedulerState.h"
#include "core/dictionary/TableDefinitions.h"
#include "pim/ReportDataFile.h"
#include "platform/data/DataFileName.h"
#include "platform/runtime/FixedText.h"
#include "scripting/ScriptVariables.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace vl {
namespace {

constexpr uint8_t kMailServerMode = 1;
constexpr uint8_t kPlainTextMessage = 6;
constexpr uint8_t kBinaryFile = 8;
constexpr char kLineBreak[] = "\r\n";
constexpr char kMailLabel[] = "Mail";
constexpr char kMailErrorLabel[] = "Mail Error";

QString Line(const QString& text)
{
    return Clip(text) + QLatin1String(kLineBreak);
}

void SetValue(const char* name, const QString& value)
{
    CurrentScriptVariables().Set(QLatin1String(name), value);
}

// Fills the sender's fields from the mail settings, publishing the host,
// sender name and return path as script values.
void FillSender(MailSender& sender)
{
    sender.Prepare();
    sender.SetServerMode(kMailServerMode);
    sender.SetDebugFile(QStringLiteral("inmail.log"));
    sender.SetMailHost(Clip(Email::Host));
    SetValue("EmailHost", Email::Host);
    const QString name = Clip(Email::SenderName);
    if (!name.isEmpty())
        sender.SetFrom(name);
    SetValue("EmailSenderName", name);
    const QString returnPath = Clip(Email::Sender);
    if (!returnPath.isEmpty())
        sender.SetReturnPath(returnPath);
    SetValue("EmailReturnPath", returnPath);
    if (!Clip(Email::Organization).isEmpty())
        sender.SetOrganization(Clip(Email::Organization));
    sender.SetMailer(Clip(ProductName));
}

} // namespace

QStringList DirectoryListingLines(const QString& directory)
{
    QStringList lines;
    const QFileInfoList entries = QDir(directory).entryInfoList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    for (const QFileInfo& entry : entries) {
        const QDateTime changed = entry.lastModified();
        lines << entry.fileName() + u' ' + changed.toString(QStringLiteral("MM-dd-yy")) + u' ' +
                     changed.toString(QStringLiteral("HH:mm"));
    }
    return lines;
}

QString BugReportText(const QString& report, const QStringList& settings, const QStringList& listing)
{
    QString text = Line(report) + Line(QLatin1String(kBugReportSeparator));
    for (const QString& line : settings)
        text += Line(line);
    for (const QString& line : listing) {
        if (text.size() >= kBugReportTextWidth)
            break;
        text += Line(line);
    }
    return CutTo(text, kBugReportTextWidth);
}

QString BugReportSubject()
{
    return QStringLiteral("Velmora:  Support for ") + Clip(Email::SenderName);
}

QString BugReportSettingsProblem()
{
    if (Clip(Email::Host).isEmpty())
        return QStringLiteral("No mail server is set.  Enter it under Email in Options before sending the report.");
    if (Clip(Email::Sender).isEmpty())
        return QStringLiteral("Enter your return email address so that the report can be answered.");
    return {};
}

BugReportAttachments PrepareBugReportAttachments(const BugReportInput& input, const QString& workDir)
{
    BugReportAttachments attachments;
    if (input.includeDataFile) {
        const QString live = ResolveDataFileName(QLatin1String(kScheduleFileName), QString()).path;
        const QString name = QFileInfo(live).fileName();
        if (!QFileInfo::exists(live)) {
            attachments.problem = QStringLiteral("The data file %1 was not found in %2.  Clear "
                                                 "\"Include Full Database\" to send the report without it.")
                                      .arg(name, QDir::currentPath());
            return attachments;
        }
        const QString copy = QDir(workDir).filePath(name);
        const DataError error = CopyDataFileForReport(live, copy);
        if (!error.Ok()) {
            attachments.problem =
                QStringLiteral("The data file %1 could not be copied for the report.||%2").arg(name, error.Describe());
            return attachments;
        }
        attachments.paths << copy;
    }
    if (input.includeLog) {
        const QString log = FindFileNoCase(QString(), QLatin1String(kEventLogFileName));
        if (!QFileInfo(log).isFile()) {
            attachments.problem = QStringLiteral("The log file %1 was not found in %2 (the event log is written only "
                                                 "while logging is on).  Clear \"Include Log File\" to send the "
                                                 "report without it.")
                                      .arg(QLatin1String(kEventLogFileName), QDir::currentPath());
            return attachments;
        }
        attachments.paths << QFileInfo(log).absoluteFilePath();
    }
    return attachments;
}

int SendBugReport(MailSender& sender, const BugReportInput& input, const QStringList& attachments)
{
    FillSender(sender);
    sender.SetSubject(BugReportSubject());
    sender.AddTo(QString(), QLatin1String(kSupportMailbox));
    sender.SetMessageText(
        BugReportText(input.report, input.settings, DirectoryListingLines(QDir::currentPath())), kPlainTextMessage);
    for (const QString& path : attachments)
        sender.AddAttachment(path, kBinaryFile);

    MailProgressText = QStringLiteral("Sending Email...");
    const int result = sender.Send();
    MailProgressText.clear();
    if (result == kMailSent) {
        WriteEventLog(QLatin1String(kMailLabel), QStringLiteral("Sent to Brantwell"));
        SetValue("Mail", QStringLiteral("Sent"));
        SetValue("MailError", QStringLiteral("None"));
    } else {
        const QString error = sender.ErrorText(result);
        WriteEventLog(QLatin1String(kMailErrorLabel), QStringLiteral("Error:  ") + error);
        WriteEventLog(QLatin1String(kMailErrorLabel), QStringLiteral("Could not send to Brantwell"));
        SetValue("Mail", QStringLiteral("Error"));
        SetValue("MailError", error);
    }
    return result;
}

bool SaveBugReport(const QString& path, const BugReportInput& input, QString* error)
{
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly)) {
        file.write(BugReportText(input.report, input.settings, DirectoryListingLines(QDir::currentPath())).toUtf8());
        if (file.commit())
            return true;
    }
    if (error)
        *error = file.errorString();
    return false;
}

QString BugReportResultText(int result, const QString& errorText)
{
    if (result == kMailSent)
        return QStringLiteral("The report was sent.  Thank you.");
    // "|" is the line break of the program's message texts.
    return QStringLiteral("The report was not sent.||Error:|") + errorText + QStringLiteral("||Host:") +
           Clip(Email::Host) +
           QStringLiteral("||Your text is still in the window: send it again later, or Save it to a file.");
}

} // namespace vl
