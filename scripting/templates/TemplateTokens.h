#pragma once
// Template tokens: places in the text fields of a template item where the
// user is asked, while the template is copied into a task's script, for a
// text, a file or a window title.
//
//   "[? File Prompt]"    asks for a file, prompt "Prompt"
//   "[? Window Prompt]"  asks for a window title
//   "[? Text Prompt]"    asks for a text
//   "[? Prompt]"         the answer already given to "Prompt" (in any of the
//                        three questions); asked as a text only when none was
//   "[?]"                the last answer given or found
//
// Blanks after "[?" are ignored and letters compare in upper case. A kind
// word counts only followed by a blank; a kind token with a blank prompt (or
// no "]") takes the kind word as its prompt. A token without its "]" has its
// answer put in place of the "[?" and keeps the text after it. A kind token is
// asked every time it is met (the earlier answer to its prompt proposed); a
// plain token once for as long as the answers are kept.

#include <QString>

#include <map>
#include <optional>

namespace vl {

enum class TokenQuestion { Text, File, Window };

// The kind words; a kind token's prompt when it gives none.
inline constexpr char kTextKindWord[] = "TEXT";
inline constexpr char kFileKindWord[] = "FILE";
inline constexpr char kWindowKindWord[] = "WINDOW";

// Widest prompt under which an answer is kept, and widest answer.
inline constexpr int kTokenPromptWidth = 45;
inline constexpr int kTokenAnswerWidth = 255;

// Who answers the questions: the question windows in the program, a script
// in tests.
class TemplateTokenQuestions {
public:
    virtual ~TemplateTokenQuestions() = default;
    // The answer, or nothing when the user cancelled. `proposed` is the answer
    // given to this prompt before (blank when none).
    virtual std::optional<QString> Ask(TokenQuestion kind, const QString& prompt, const QString& proposed) = 0;
};

// The answers given so far, one per prompt (its upper case, cut to 45
// characters), and the last one given or found. One set per window that
// copies templates, so that answers carry over from one copy to the next.
class TemplateTokenAnswers {
public:
    // The answer to the prompt, which becomes the last one; nothing when none.
    std::optional<QString> Find(const QString& prompt);
    // The answer given to the prompt (clipped, cut to 255), kept as the last.
    void Store(const QString& prompt, const QString& answer);
    // The last answer given or found; blank before the first.
    const QString& Last() const { return last_; }
    void Clear();

private:
    static QString Key(const QString& prompt);
    std::map<QString, QString> answers_;
    QString last_;
};

// Replaces the tokens of the text (cut to `width` afterwards), asking what is
// not known yet. An answer is never scanned for tokens again. False, with the
// text as it was, when the user cancelled a question.
bool ExpandTemplateTokens(QString& text, int width, TemplateTokenAnswers& answers, TemplateTokenQuestions& questions);

} // namespace vl
