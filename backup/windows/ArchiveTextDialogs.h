#pragma once
// The small dialogs of the backup manager's operations: the password
// ("Password"), the file comment ("File comment"), the archive comment
// ("Archive Comment") and the archive's statistics ("ZIP Information").

#include "backup/ZipObject.h"

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QPlainTextEdit;

namespace vl {

// Accepted with the password when both entries agree; "&No Encryption" or a
// blank first entry rejects. Different entries are reported, both entries
// are blanked and the dialog stays open.
class PasswordDialog : public QDialog {
public:
    explicit PasswordDialog(QWidget* parent = nullptr);
    QString Password() const;

private:
    void Confirm();

    QLineEdit* first_ = nullptr;
    QLineEdit* second_ = nullptr;
};

class FileCommentDialog : public QDialog {
public:
    explicit FileCommentDialog(QWidget* parent = nullptr);
    QString Comment() const;

private:
    QLineEdit* comment_ = nullptr;
};

// "&Cancel", "Save &Now" (the comment is written at once) and "Save &Later"
// (the next add writes it); the choice is the dialog's result.
class ArchiveCommentDialog : public QDialog {
public:
    enum Choice { Cancelled = 0, SaveNow = 1, SaveLater = 2 };
    ArchiveCommentDialog(const QString& comment, QWidget* parent = nullptr);
    QString Comment() const;

private:
    QPlainTextEdit* text_ = nullptr;
};

class StatisticsDialog : public QDialog {
public:
    StatisticsDialog(const ZipObject& zip, QWidget* parent = nullptr);
};

// Switches a password entry between hidden and plain text.
void BindMaskPassword(QCheckBox& mask, QLineEdit& entry);

} // namespace vl
