#include "windows/scripting/ScriptTextWindow.h"

#include "core/dictionary/Dictionary.h"
#include "platform/runtime/FixedText.h"
#include "platform/ui/PromptService.h"
#include "platform/widgets/WindowPosition.h"
#include "scripting/text/ScriptText.h"
#include "windows/scripting/ScriptTextReferenceWindow.h"

#include <QClipboard>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBlock>
#include <QVBoxLayout>

namespace vl {

ScriptTextWindow::ScriptTextWindow(int32_t taskId, QWidget* parent) : QDialog(parent), taskId_(taskId)
{
    setObjectName(QLatin1String(kScriptEditAsTextName));
    setWindowTitle(QStringLiteral("Scripting:  Edit As Text"));
    opened_ = OpenTable(Tables().Scripting);
    if (!opened_)
        Prompt::Message(Tables().Scripting.LastError().Describe(), QLatin1String(kScriptTextErrorCaption),
                        PromptIcon::Stop);

    text_ = new QPlainTextEdit(this);
    text_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    text_->setLineWrapMode(QPlainTextEdit::NoWrap);
    text_->setTabChangesFocus(true);
    if (opened_)
        text_->setPlainText(ScriptItemsToText(Tables().Scripting, taskId_));
    text_->setMinimumSize(text_->fontMetrics().horizontalAdvance(QString(72, QLatin1Char('n'))),
                          text_->fontMetrics().lineSpacing() * 16);

    const auto add = [this](const QString& text, void (ScriptTextWindow::*action)()) {
        auto* button = new QPushButton(text, this);
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, action);
        return button;
    };
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(add(QStringLiteral("Copy to Clipboard"), &ScriptTextWindow::CopyToClipboard));
    buttons->addWidget(add(QStringLiteral("Replace with Clipboard"), &ScriptTextWindow::ReplaceWithClipboard));
    buttons->addWidget(add(QStringLiteral("Reference/Commands"), &ScriptTextWindow::OpenReference));
    buttons->addStretch(1);
    QPushButton* ok = add(QStringLiteral("OK"), &ScriptTextWindow::accept);
    ok->setEnabled(opened_);
    buttons->addWidget(ok);
    buttons->addWidget(add(QStringLiteral("Cancel"), &ScriptTextWindow::reject));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text_, 1);
    layout->addLayout(buttons);
    text_->setFocus();
    KeepWindowPosition(*this, QLatin1String(kScriptEditAsTextName));
}

ScriptTextWindow::~ScriptTextWindow()
{
    if (opened_)
        Tables().Scripting.Close();
}

QPushButton* ScriptTextWindow::Button(const QString& text) const
{
    for (QPushButton* button : findChildren<QPushButton*>(Qt::FindDirectChildrenOnly)) {
        if (button->text() == text)
            return button;
    }
    return nullptr;
}

void ScriptTextWindow::accept()
{
    if (!opened_)
        return;
    int line = 0;
    if (ScriptTextToItems(Tables().Scripting, taskId_, text_->toPlainText(), &line)) {
        QDialog::accept();
        return;
    }
    // Kept as typed, for the user to put right.
    GoToLine(line);
}

void ScriptTextWindow::GoToLine(int line)
{
    if (line > 0) {
        const QTextBlock block = text_->document()->findBlockByNumber(line - 1);
        if (block.isValid()) {
            QTextCursor cursor(block);
            cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
            text_->setTextCursor(cursor);
        }
    }
    text_->setFocus();
}

void ScriptTextWindow::CopyToClipboard()
{
    QGuiApplication::clipboard()->setText(Clip(text_->toPlainText()));
}

void ScriptTextWindow::ReplaceWithClipboard()
{
    text_->setPlainText(QGuiApplication::clipboard()->text());
    text_->setFocus();
}

void ScriptTextWindow::OpenReference()
{
    if (reference_) {
        reference_->raise();
        return;
    }
    reference_ = new ScriptTextReferenceWindow(this);
    connect(reference_, &QDialog::finished, reference_, &QObject::deleteLater);
    // Modal to this window, without holding up the caller.
    reference_->open();
}

bool EditScriptAsText(int32_t taskId, QWidget* parent)
{
    if (taskId == 0) {
        Prompt::Message(QLatin1String(kNoTaskIdErrorText), QLatin1String(kScriptTextErrorCaption), PromptIcon::Stop);
        return false;
    }
    ScriptTextWindow window(taskId, parent);
    return window.exec() == QDialog::Accepted;
}

} // namespace vl
