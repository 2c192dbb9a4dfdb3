#pragma once
// "Set Report Title": the title the to-do reports print instead of their
// own; a blank title keeps theirs.

#include <QDialog>

class QLineEdit;

namespace vl {

// The title typed last (STRING(80)), read by the to-do reports.
inline QString ReportTitle;

class SetReportTitle : public QDialog {
    Q_OBJECT
public:
    explicit SetReportTitle(QWidget* parent = nullptr);

    void done(int result) override;
    QLineEdit* TitleEntry() const { return entry_; }

private:
    QLineEdit* entry_ = nullptr;
};

// Shows the window with ReportTitle; both buttons keep what was typed in
// ReportTitle; true after OK.
bool AskReportTitle(QWidget* parent);

} // namespace vl
