#pragma once
// The "Bug Reporting" window: the user writes a report, checks the return
// address and mails both, with the settings shown in its list, to the
// makers' support mailbox (BugReport.h). The frame's menu starts it as the
// procedure "BugReport". A timer ticks once a second: it shows the clock and
// fills the settings list whenever the list is empty (after opening and
// after "&Reset").
//
// The send runs on a worker thread while the window stays painted, with its
// controls disabled. Its outcome is shown; after a failure the window stays
// open with the user's text, which "Save" can also write to a file.

#include "pim/BugReport.h"

#include <QTimer>
#include <QWidget>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTreeWidget;

namespace vl {

inline constexpr char kBugReportProcedure[] = "BugReport";
inline constexpr char kBugReportCaption[] = "Bug Reporting";

class BugReportWindow : public QWidget {
    Q_OBJECT
public:
    explicit BugReportWindow(QWidget* parent = nullptr);

    QLineEdit* ReturnAddressEntry() const { return returnAddress_; }
    QPlainTextEdit* ReportEntry() const { return report_; }
    QTreeWidget* SettingsList() const { return settings_; }
    QCheckBox* DatabaseBox() const { return includeDatabase_; }
    QCheckBox* LogBox() const { return includeLog_; }
    QPushButton* SendButton() const { return send_; }
    QPushButton* SaveButton() const { return save_; }
    QPushButton* ResetButton() const { return reset_; }
    QPushButton* CloseButton() const { return close_; }
    QLabel* ClockText() const { return clock_; }

    // The timer's work: the clock text; the settings list when it is empty.
    void Tick();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    BugReportInput Input() const;
    void Send();
    void Save();
    void SetSending(bool sending);

    QLineEdit* returnAddress_ = nullptr;
    QPlainTextEdit* report_ = nullptr;
    QTreeWidget* settings_ = nullptr;
    QCheckBox* includeDatabase_ = nullptr;
    QCheckBox* includeLog_ = nullptr;
    QPushButton* send_ = nullptr;
    QPushButton* save_ = nullptr;
    QPushButton* reset_ = nullptr;
    QPushButton* close_ = nullptr;
    QLabel* clock_ = nullptr;
    QTimer timer_;
    bool sending_ = false;
};

// Registers the procedure "BugReport" with the frame, and the values of the
// settings list that the windows and the report criteria keep.
void RegisterBugReportProcedure();

} // namespace vl
