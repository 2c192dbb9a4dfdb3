#pragma once
// The windows that ask for the answer to a template token ("More Information
// Required"): a text, with key combinations and keywords to append; a file,
// with a file dialog; a window title, offered the open windows. Each is
// modal to the window that copies the template.

#include "scripting/templates/TemplateTokens.h"

class QWidget;

namespace vl {

inline constexpr char kTokenQuestionCaption[] = "More Information Required";

class TokenQuestionWindows : public TemplateTokenQuestions {
public:
    explicit TokenQuestionWindows(QWidget* parent) : parent_(parent) {}
    std::optional<QString> Ask(TokenQuestion kind, const QString& prompt, const QString& proposed) override;

private:
    QWidget* parent_;
};

// The line above the entry: the prompt and a colon, or the standard line of
// the question when the prompt is blank or the kind word itself.
QString TokenPromptLine(TokenQuestion kind, const QString& prompt);

} // namespace vl
