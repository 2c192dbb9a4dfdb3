#pragma once
// A bug report mailed to the makers' support mailbox: the user's text, then
// the settings lines and a listing of the data directory, with the data file
// and the event log attached on request. The sender's fields come from the
// mail settings (Email::Host, Sender, SenderName, Organization).
//
// Before anything is sent, what would stop the report (no mail server, no
// return address, an attachment that is missing or cannot be copied) is
// found and said, so that nothing half-done goes out. The outcome of a send
// is written to the event log and to the script values "Mail" and
// "MailError"; the window that sends shows it.

#include "pim/MailSender.h"

#include <QString>
#include <QStringList>

namespace vl {

inline constexpr int kBugReportTextWidth = 9999;
inline constexpr char kBugReportSeparator[] = "--------------Internal Information------------";

struct BugReportInput {
    QString report;        // the user's text
    QStringList settings;  // the settings lines as shown
    bool includeDataFile = false;
    bool includeLog = false;
};

// One line per entry of the directory, directories included (not "." and
// ".."), by name: the name, a blank, the date changed as month-day-year
// ("03-07-24"), a blank and the time as hours and minutes ("09:05").
QStringList DirectoryListingLines(const QString& directory);

// The mail's text, cut at 9,999 characters: the clipped report, a line
// break, the separator line, then every settings line and every listing
// line, each clipped and followed by a line break (CR LF).
QString BugReportText(const QString& report, const QStringList& settings, const QStringList& listing);

// "Velmora:  Support for " and the clipped sender name.
QString BugReportSubject();

// Why a report cannot be sent with the mail settings as they are (no mail
// server, no return address); blank when it can.
QString BugReportSettingsProblem();

// The files to attach, prepared in workDir (which must outlive the send):
// a copy of the data file without its passwords (ReportDataFile.h) under
// its own name, and the event log. A problem names the file and what to do;
// nothing may be sent while there is one.
struct BugReportAttachments {
    QStringList paths;
    QString problem;
};
BugReportAttachments PrepareBugReportAttachments(const BugReportInput& input, const QString& workDir);

// Fills the prepared sender, sends the report to the support mailbox with
// the attachments and returns the MailResult, after writing the outcome to
// the event log and the script values.
int SendBugReport(MailSender& sender, const BugReportInput& input, const QStringList& attachments);

// Writes the report's text (as it would be mailed, with the data directory
// as it is now) to the file, replacing it only when complete; false with
// the reason when it could not be written.
bool SaveBugReport(const QString& path, const BugReportInput& input, QString* error);

// What the user is told after a send: that the report went, or why not,
// with the server, and that the text is still in the window.
QString BugReportResultText(int result, const QString& errorText);

} // namespace vl
