#include "tests/support/ScriptedPrompt.h"

#include <gtest/gtest.h>

namespace vl::test {
namespace {

const char* KindName(PromptKind kind)
{
    switch (kind) {
    case PromptKind::Message:
        return "message box";
    case PromptKind::Notice:
        return "notice";
    case PromptKind::Directory:
        return "directory dialog";
    case PromptKind::OpenFile:
        return "open-file dialog";
    case PromptKind::SaveFile:
        return "save-file dialog";
    }
    return "prompt";
}

std::string Describe(const PromptQuestion& question)
{
    return std::string(KindName(question.kind)) + " \"" + question.caption.toStdString() + "\": "
           + question.text.toStdString();
}

} // namespace

ScriptedPrompt::ScriptedPrompt() : install_(*this) {}

ScriptedPrompt::~ScriptedPrompt()
{
    if (!answers_.empty())
        ADD_FAILURE() << answers_.size() << " scripted prompt answer(s) were never asked for";
}

ScriptedPrompt& ScriptedPrompt::Answer(int button)
{
    answers_.push_back({false, button, QString()});
    return *this;
}

ScriptedPrompt& ScriptedPrompt::AnswerButton(const QString& label)
{
    answers_.push_back({false, 0, label});
    return *this;
}

ScriptedPrompt& ScriptedPrompt::AnswerPath(const QString& path)
{
    answers_.push_back({true, 0, path});
    return *this;
}

ScriptedPrompt& ScriptedPrompt::Cancel() { return AnswerPath(QString()); }

int ScriptedPrompt::Message(const QString& text, const QString& caption, PromptIcon icon,
                            const QString& buttons, int defaultButton)
{
    questions_.push_back({PromptKind::Message, caption, text, buttons, icon, defaultButton, {}, {}});
    const QStringList labels = SplitButtonList(buttons);
    const int fallback = ValidDefaultButton(defaultButton, labels.size());
    if (answers_.empty() || answers_.front().forDialog) {
        ADD_FAILURE() << "unexpected " << Describe(questions_.back()) << " (buttons \"" << buttons.toStdString()
                      << "\")";
        DropWrongKind();
        return fallback;
    }
    const ScriptedAnswer answer = answers_.front();
    answers_.pop_front();
    if (answer.button == 0) {
        for (int i = 0; i < labels.size(); ++i) {
            if (PlainButtonLabel(labels.at(i)).compare(PlainButtonLabel(answer.value), Qt::CaseInsensitive) == 0)
                return i + 1;
        }
    } else if (answer.button <= labels.size()) {
        return answer.button;
    }
    ADD_FAILURE() << "scripted answer " << (answer.button ? std::to_string(answer.button) : answer.value.toStdString())
                  << " is not a button of " << Describe(questions_.back()) << " (buttons \"" << buttons.toStdString()
                  << "\")";
    return fallback;
}

void ScriptedPrompt::Notify(const QString& text, const QString& caption, PromptIcon icon)
{
    questions_.push_back({PromptKind::Notice, caption, text, {}, icon, 0, {}, {}});
}

void ScriptedPrompt::DropWrongKind()
{
    // The answer meant for another kind of prompt is used up, so that the
    // answers after it stay in step with the script.
    if (!answers_.empty())
        answers_.pop_front();
}

QString ScriptedPrompt::Dialog(PromptQuestion question)
{
    questions_.push_back(question);
    if (answers_.empty() || !answers_.front().forDialog) {
        ADD_FAILURE() << "unexpected " << Describe(question);
        DropWrongKind();
        return QString();
    }
    const QString path = answers_.front().value;
    answers_.pop_front();
    return path;
}

QString ScriptedPrompt::SelectDirectory(const QString& caption, const QString& startDir)
{
    return Dialog({PromptKind::Directory, caption, {}, {}, PromptIcon::None, 0, {}, startDir});
}

QString ScriptedPrompt::OpenFile(const QString& caption, const QString& filter, const QString& start)
{
    return Dialog({PromptKind::OpenFile, caption, {}, {}, PromptIcon::None, 0, filter, start});
}

QString ScriptedPrompt::SaveFile(const QString& caption, const QString& filter, const QString& start)
{
    return Dialog({PromptKind::SaveFile, caption, {}, {}, PromptIcon::None, 0, filter, start});
}

} // namespace vl::test
