#include "backup/windows/ArchiveTextDialogs.h"

#include "backup/ArchiveDialogRules.h"
#include "platform/ui/PromptService.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace vl {

namespace {

constexpr int kPasswordWidth = 64;
constexpr int kFileCommentWidth = 127;
constexpr int kArchiveCommentWidth = 1023;

QPushButton* AddButton(QHBoxLayout& row, const QString& text)
{
    auto* button = new QPushButton(text);
    row.addWidget(button);
    return button;
}

} // namespace

void BindMaskPassword(QCheckBox& mask, QLineEdit& entry)
{
    mask.setChecked(true);
    entry.setEchoMode(QLineEdit::Password);
    QObject::connect(&mask, &QCheckBox::toggled, &entry,
                     [&entry](bool on) { entry.setEchoMode(on ? QLineEdit::Password : QLineEdit::Normal); });
}

PasswordDialog::PasswordDialog(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Password"));
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    first_ = new QLineEdit;
    second_ = new QLineEdit;
    for (QLineEdit* entry : {first_, second_})
        entry->setMaxLength(kPasswordWidth);
    form->addRow(QStringLiteral("Enter Password"), first_);
    form->addRow(QStringLiteral("Re-Enter Password"), second_);
    layout->addLayout(form);
    auto* mask = new QCheckBox(QStringLiteral("&Mask Password"));
    layout->addWidget(mask);
    BindMaskPassword(*mask, *first_);
    connect(mask, &QCheckBox::toggled, second_,
            [this](bool on) { second_->setEchoMode(on ? QLineEdit::Password : QLineEdit::Normal); });
    second_->setEchoMode(QLineEdit::Password);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    QPushButton* ok = AddButton(*buttons, QStringLiteral("&OK"));
    ok->setDefault(true);
    QPushButton* none = AddButton(*buttons, QStringLiteral("&No Encryption"));
    layout->addLayout(buttons);
    connect(ok, &QPushButton::clicked, this, [this] { Confirm(); });
    connect(none, &QPushButton::clicked, this, &QDialog::reject);
}

QString PasswordDialog::Password() const
{
    return first_->text();
}

void PasswordDialog::Confirm()
{
    switch (CheckPasswords(first_->text(), second_->text())) {
    case PasswordCheck::NoPassword:
        reject();
        return;
    case PasswordCheck::Mismatch:
        Prompt::Message(QStringLiteral("The password you typed is incorrect. Please re-enter the passwords."),
                        QStringLiteral("LSZip Visual Archiver"), PromptIcon::Exclamation);
        first_->clear();
        second_->clear();
        first_->setFocus();
        return;
    case PasswordCheck::Agreed:
        accept();
        return;
    }
}

FileCommentDialog::FileCommentDialog(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("File comment"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Enter File Comment")));
    comment_ = new QLineEdit;
    comment_->setMaxLength(kFileCommentWidth);
    comment_->setMinimumWidth(320);
    layout->addWidget(comment_);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    QPushButton* ok = AddButton(*buttons, QStringLiteral("&OK"));
    ok->setDefault(true);
    QPushButton* cancel = AddButton(*buttons, QStringLiteral("&Cancel"));
    layout->addLayout(buttons);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

QString FileCommentDialog::Comment() const
{
    return comment_->text();
}

ArchiveCommentDialog::ArchiveCommentDialog(const QString& comment, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Archive Comment"));
    auto* layout = new QVBoxLayout(this);
    text_ = new QPlainTextEdit(comment);
    connect(text_, &QPlainTextEdit::textChanged, this, [this] {
        // The archive keeps at most this much of a comment.
        if (text_->toPlainText().size() > kArchiveCommentWidth) {
            text_->setPlainText(text_->toPlainText().left(kArchiveCommentWidth));
            text_->moveCursor(QTextCursor::End);
        }
    });
    layout->addWidget(text_);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    QPushButton* cancel = AddButton(*buttons, QStringLiteral("&Cancel"));
    QPushButton* now = AddButton(*buttons, QStringLiteral("Save &Now"));
    QPushButton* later = AddButton(*buttons, QStringLiteral("Save &Later"));
    layout->addLayout(buttons);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(now, &QPushButton::clicked, this, [this] { done(SaveNow); });
    connect(later, &QPushButton::clicked, this, [this] { done(SaveLater); });
}

QString ArchiveCommentDialog::Comment() const
{
    return text_->toPlainText();
}

StatisticsDialog::StatisticsDialog(const ZipObject& zip, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("ZIP Information"));
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("Files:"), new QLabel(QString::number(zip.members)));
    form->addRow(QStringLiteral("Archive Size:"), new QLabel(QString::number(zip.originalSize)));
    form->addRow(QStringLiteral("Compression:"), new QLabel(RatioText(zip.compressionRatio)));
    form->addRow(QStringLiteral("Compressed Size:"), new QLabel(QString::number(zip.compressedSize)));
    layout->addLayout(form);
    layout->addWidget(new QLabel(QStringLiteral("Archive Comment:")));
    auto* comment = new QPlainTextEdit(zip.archiveComment);
    comment->setReadOnly(true);
    comment->setMaximumHeight(90);
    layout->addWidget(comment);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    QPushButton* ok = AddButton(*buttons, QStringLiteral("&OK"));
    ok->setDefault(true);
    layout->addLayout(buttons);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

} // namespace vl
