#include "scripting/templates/TemplateTokens.h"

#include "platform/runtime/FixedText.h"

namespace vl {

namespace {

constexpr char kTokenStart[] = "[?";

QString ClipRight(const QString& text)
{
    qsizetype end = text.size();
    while (end > 0 && text.at(end - 1).isSpace())
        --end;
    return text.left(end);
}

struct KindWord {
    const char* word;
    TokenQuestion kind;
};
constexpr KindWord kKindWords[] = {
    {kFileKindWord, TokenQuestion::File},
    {kWindowKindWord, TokenQuestion::Window},
    {kTextKindWord, TokenQuestion::Text},
};

// One token, read from the text after its "[?" (leading blanks dropped).
struct Token {
    bool last = false;                // "[?]"
    std::optional<TokenQuestion> kind; // a kind word; else a plain token
    QString prompt;
    qsizetype end = 0;                 // where the text after the token starts
};

Token ReadToken(const QString& rest)
{
    Token token;
    const qsizetype close = rest.indexOf(QLatin1Char(']'));
    token.end = close < 0 ? 0 : close + 1;
    if (close == 0) {
        token.last = true;
        return token;
    }
    const qsizetype blank = rest.indexOf(QLatin1Char(' '));
    const QString word = blank < 0 ? QString() : rest.left(blank).toUpper();
    for (const KindWord& kind : kKindWords) {
        if (word != QLatin1String(kind.word))
            continue;
        token.kind = kind.kind;
        const QString prompt = close < 0 ? QString() : rest.mid(blank + 1, close - blank - 1).trimmed();
        token.prompt = prompt.isEmpty() ? QLatin1String(kind.word) : prompt;
        return token;
    }
    token.prompt = close < 0 ? QString() : rest.left(close);
    return token;
}

} // namespace

QString TemplateTokenAnswers::Key(const QString& prompt)
{
    return ClipRight(CutTo(prompt.toUpper(), kTokenPromptWidth));
}

std::optional<QString> TemplateTokenAnswers::Find(const QString& prompt)
{
    const auto found = answers_.find(Key(prompt));
    if (found == answers_.end())
        return std::nullopt;
    last_ = found->second;
    return last_;
}

void TemplateTokenAnswers::Store(const QString& prompt, const QString& answer)
{
    last_ = ClipRight(CutTo(answer, kTokenAnswerWidth));
    answers_[Key(prompt)] = last_;
}

void TemplateTokenAnswers::Clear()
{
    answers_.clear();
    last_.clear();
}

bool ExpandTemplateTokens(QString& text, int width, TemplateTokenAnswers& answers, TemplateTokenQuestions& questions)
{
    // The expanded part grows token by token; the scan goes on after each
    // answer, so an answer holding "[?" is kept as it is.
    QString expanded;
    QString rest = text;
    qsizetype start = 0;
    while ((start = rest.indexOf(QLatin1String(kTokenStart))) >= 0 && expanded.size() + start < width) {
        expanded += rest.left(start);
        rest = rest.mid(start + 2);
        qsizetype blanks = 0;
        while (blanks < rest.size() && rest.at(blanks) == QLatin1Char(' '))
            ++blanks;
        rest = rest.mid(blanks);
        const Token token = ReadToken(rest);
        QString answer;
        if (token.last) {
            answer = answers.Last();
        } else if (!token.kind) {
            if (const std::optional<QString> known = answers.Find(token.prompt)) {
                answer = *known;
            } else {
                const std::optional<QString> given = questions.Ask(TokenQuestion::Text, token.prompt, QString());
                if (!given)
                    return false;
                answers.Store(token.prompt, *given);
                answer = answers.Last();
            }
        } else {
            const QString proposed = answers.Find(token.prompt).value_or(QString());
            const std::optional<QString> given = questions.Ask(*token.kind, token.prompt, proposed);
            if (!given)
                return false;
            answers.Store(token.prompt, *given);
            answer = answers.Last();
        }
        expanded += answer;
        rest = rest.mid(token.end);
    }
    text = CutTo(expanded + rest, width);
    return true;
}

} // namespace vl
