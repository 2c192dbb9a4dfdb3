#include "windows/scripting/TokenQuestionWindows.h"

#include "platform/ui/PromptService.h"
#include "platform/widgets/TextWidth.h"
#include "platform/widgets/WindowPosition.h"
#include "scripting/items/KeyBuilder.h"
#include "windows/scripting/WindowTitleBox.h"

#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace vl {

namespace {

struct QuestionLook {
    const char* kindWord;
    const char* standardLine;
    const char* positionKey;
};

const QuestionLook& Look(TokenQuestion kind)
{
    static const QuestionLook looks[] = {
        {kTextKindWord, "Enter text:", "TemplateTokenAskText"},
        {kFileKindWord, "Enter file path and name:", "TemplateTokenAskFile"},
        {kWindowKindWord, "Enter window title:", "TemplateTokenAskWindow"},
    };
    return looks[static_cast<int>(kind)];
}

constexpr char kWindowHelp[] =
    "The window title may be given exactly (\"Untitled - Notepad\"), as its first unique characters followed by an "
    "asterisk (\"Untitled - *\"), or as an asterisk followed by a phrase found anywhere in the title (\"*Notepad\").";

QComboBox* Choices(const QStringList& items)
{
    auto* box = new QComboBox;
    box->addItems(items);
    return box;
}

// "Key Code" and "Value": what the text question appends to its entry.
void AddTextBuilders(QVBoxLayout* layout, QLineEdit* entry)
{
    auto* keys = new QGroupBox(QStringLiteral("Key Code"));
    QComboBox* modifier = Choices(KeyBuilderModifiers());
    QComboBox* key = Choices(KeyBuilderKeys());
    auto* appendKey = new QPushButton(QStringLiteral("&Append"));
    auto* keyRow = new QHBoxLayout(keys);
    keyRow->addWidget(modifier);
    keyRow->addWidget(key);
    keyRow->addWidget(appendKey);
    QObject::connect(appendKey, &QPushButton::clicked, entry, [=] {
        entry->setText(AppendKeyCode(entry->text(), modifier->currentText(), key->currentText()));
        entry->setFocus();
    });

    auto* values = new QGroupBox(QStringLiteral("Value"));
    QComboBox* value = Choices(KeyBuilderKeywords());
    auto* appendValue = new QPushButton(QStringLiteral("A&ppend"));
    auto* valueRow = new QHBoxLayout(values);
    valueRow->addWidget(value, 1);
    valueRow->addWidget(appendValue);
    QObject::connect(appendValue, &QPushButton::clicked, entry, [=] {
        entry->setText(AppendKeyword(entry->text(), value->currentText()));
        entry->setFocus();
    });
    layout->addWidget(keys);
    layout->addWidget(values);
}

} // namespace

QString TokenPromptLine(TokenQuestion kind, const QString& prompt)
{
    const QuestionLook& look = Look(kind);
    const QString clipped = prompt.trimmed();
    if (clipped.isEmpty() || clipped.compare(QLatin1String(look.kindWord), Qt::CaseInsensitive) == 0)
        return QLatin1String(look.standardLine);
    return clipped + QLatin1Char(':');
}

std::optional<QString> TokenQuestionWindows::Ask(TokenQuestion kind, const QString& prompt, const QString& proposed)
{
    const QuestionLook& look = Look(kind);
    QDialog window(parent_);
    window.setWindowTitle(QLatin1String(kTokenQuestionCaption));
    window.setObjectName(QLatin1String(look.positionKey));
    auto* layout = new QVBoxLayout(&window);
    auto* line = new QLabel(TokenPromptLine(kind, prompt));
    layout->addWidget(line);

    QLineEdit* entry = nullptr;
    if (kind == TokenQuestion::Window) {
        // An editable list of the open windows' titles.
        auto* titles = new WindowTitleBox;
        titles->RefreshWindows();
        titles->setEditText(proposed);
        entry = titles->lineEdit();
        layout->addWidget(titles);
        auto* help = new QLabel(QLatin1String(kWindowHelp));
        help->setWordWrap(true);
        layout->addWidget(help);
    } else {
        entry = new QLineEdit(proposed);
        layout->addWidget(entry);
    }
    LimitToWidth(entry, kTokenAnswerWidth);
    line->setBuddy(entry);
    if (kind == TokenQuestion::Text)
        AddTextBuilders(layout, entry);
    if (kind == TokenQuestion::File) {
        auto* select = new QPushButton(QStringLiteral("Select File..."));
        QObject::connect(select, &QPushButton::clicked, entry, [entry] {
            const QString chosen =
                Prompt::OpenFile(QStringLiteral("Choose a File"), QStringLiteral("All Files|*.*"), entry->text());
            if (!chosen.isEmpty())
                entry->setText(chosen);
        });
        layout->addWidget(select, 0, Qt::AlignLeft);
    }
    auto* buttons = new QDialogButtonBox;
    buttons->addButton(QStringLiteral("&OK"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &window, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &window, &QDialog::reject);
    layout->addWidget(buttons);
    KeepWindowPosition(window, QLatin1String(look.positionKey));
    entry->setFocus();
    if (window.exec() != QDialog::Accepted)
        return std::nullopt;
    return entry->text();
}

} // namespace vl
