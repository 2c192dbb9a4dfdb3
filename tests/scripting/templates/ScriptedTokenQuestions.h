#pragma once
// Answers template token questions from a list, in order (nothing = the user
// cancels), and records each question as "kind:prompt:proposed". A question
// beyond the list fails the test and is cancelled.

#include "scripting/templates/TemplateTokens.h"

#include <QStringList>

#include <deque>

#include <gtest/gtest.h>

namespace vl::test {

class ScriptedTokenQuestions : public TemplateTokenQuestions {
public:
    explicit ScriptedTokenQuestions(std::deque<std::optional<QString>> answers = {}) : answers_(std::move(answers)) {}
    ~ScriptedTokenQuestions() override { EXPECT_TRUE(answers_.empty()) << answers_.size() << " answers unused"; }

    std::optional<QString> Ask(TokenQuestion kind, const QString& prompt, const QString& proposed) override
    {
        static const char* const kKinds[] = {"Text", "File", "Window"};
        asked << QStringLiteral("%1:%2:%3").arg(QLatin1String(kKinds[int(kind)]), prompt, proposed);
        if (answers_.empty()) {
            ADD_FAILURE() << "unexpected question " << asked.back().toStdString();
            return std::nullopt;
        }
        std::optional<QString> answer = answers_.front();
        answers_.pop_front();
        return answer;
    }

    QStringList asked;

private:
    std::deque<std::optional<QString>> answers_;
};

} // namespace vl::test
