#include "windows/scripting/ScriptTextReferenceWindow.h"

#include "platform/widgets/TextWidth.h"
#include "platform/widgets/WindowPosition.h"
#include "scripting/text/ScriptText.h"
#include "scripting/text/ScriptTextReference.h"

#include <QClipboard>
#include <QComboBox>
#include <QFontDatabase>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace vl {

ScriptTextReferenceWindow::ScriptTextReferenceWindow(QWidget* parent) : QDialog(parent)
{
    setObjectName(QLatin1String(kScriptTextReferenceName));
    setWindowTitle(QStringLiteral("Edit Script as Text: Reference"));
    const QFont fixed = QFontDatabase::systemFont(QFontDatabase::FixedFont);

    line_ = new QLineEdit(this);
    LimitToWidth(line_, kScriptTextLineWidth);
    line_->setFont(fixed);
    line_->setText(QGuiApplication::clipboard()->text().left(kScriptTextLineWidth));
    auto* lineLabel = new QLabel(QStringLiteral("Clipboard:"), this);
    lineLabel->setBuddy(line_);

    commands_ = new QListWidget(this);
    commands_->setFont(fixed);
    commands_->addItems(ScriptCommandTemplates());
    commands_->setToolTip(QStringLiteral("Choose a command to put its form in the line"));
    connect(commands_, &QListWidget::currentTextChanged, this, [this](const QString& command) {
        if (!command.isEmpty())
            line_->setText(command);
    });
    auto* commandsLabel = new QLabel(QStringLiteral("&Commands:"), this);
    commandsLabel->setBuddy(commands_);

    modifier_ = new QComboBox(this);
    modifier_->addItems(ScriptKeyModifiers());
    key_ = new QComboBox(this);
    key_->addItems(ScriptReferenceKeys());
    key_->setMaxVisibleItems(16);
    auto* appendKey = new QPushButton(QStringLiteral("&Append"), this);
    appendKey->setAutoDefault(false);
    connect(appendKey, &QPushButton::clicked, this, &ScriptTextReferenceWindow::AppendKey);
    auto* keys = new QGroupBox(QStringLiteral("Keys"), this);
    auto* keysLayout = new QFormLayout(keys);
    keysLayout->addRow(QStringLiteral("&Modifier:"), modifier_);
    keysLayout->addRow(QStringLiteral("&Key:"), key_);
    keysLayout->addRow(QString(), appendKey);

    keyword_ = new QComboBox(this);
    keyword_->addItems(ScriptReferenceKeywords());
    keyword_->setMaxVisibleItems(18);
    auto* appendKeyword = new QPushButton(QStringLiteral("A&ppend"), this);
    appendKeyword->setAutoDefault(false);
    connect(appendKeyword, &QPushButton::clicked, this, &ScriptTextReferenceWindow::AppendKeyword);
    auto* keywords = new QGroupBox(QStringLiteral("Keywords"), this);
    auto* keywordsLayout = new QFormLayout(keywords);
    keywordsLayout->addRow(QStringLiteral("Key&word:"), keyword_);
    keywordsLayout->addRow(QString(), appendKeyword);

    auto* hint = new QLabel(QStringLiteral("Build a command on the clipboard, then press Close."), this);
    auto* close = new QPushButton(QStringLiteral("Cl&ose"), this);
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &ScriptTextReferenceWindow::accept);

    auto* groups = new QVBoxLayout;
    groups->addWidget(keys);
    groups->addWidget(keywords);
    groups->addStretch(1);
    auto* foot = new QHBoxLayout;
    foot->addWidget(hint, 1);
    foot->addWidget(close);
    auto* layout = new QGridLayout(this);
    layout->addWidget(lineLabel, 0, 0);
    layout->addWidget(line_, 0, 1, 1, 2);
    layout->addWidget(commandsLabel, 1, 0, Qt::AlignTop);
    layout->addWidget(commands_, 1, 1);
    layout->addLayout(groups, 1, 2);
    layout->addLayout(foot, 2, 0, 1, 3);
    layout->setColumnStretch(1, 1);
    commands_->setMinimumWidth(commands_->fontMetrics().horizontalAdvance(ScriptCommandTemplates()[5]) + 32);
    KeepWindowPosition(*this, QLatin1String(kScriptTextReferenceName));
}

void ScriptTextReferenceWindow::Append(const QString& group)
{
    line_->setText(line_->text() + group);
}

void ScriptTextReferenceWindow::AppendKey()
{
    Append(ScriptKeyGroup(modifier_->currentText(), key_->currentText()));
}

void ScriptTextReferenceWindow::AppendKeyword()
{
    Append(ScriptKeywordGroup(keyword_->currentText()));
}

void ScriptTextReferenceWindow::accept()
{
    QGuiApplication::clipboard()->setText(line_->text());
    QDialog::accept();
}

} // namespace vl
