#include "scripting/ExpressionTokens.h"

namespace vl {
namespace {

bool IsAsciiDigit(QChar c) { return c >= u'0' && c <= u'9'; }

class Tokenizer {
public:
    explicit Tokenizer(const QString& source) : s_(source) {}

    // Fills tokens; false with error set when the text holds something that
    // is no part of an expression.
    bool Run(std::vector<Token>& tokens, QString& error)
    {
        while (true) {
            while (i_ < s_.size() && (s_[i_] == u' ' || s_[i_] == u'\t'))
                ++i_;
            Token token;
            token.position = static_cast<int>(i_) + 1;
            if (i_ >= s_.size()) {
                tokens.push_back(token);
                return true;
            }
            const QChar c = s_[i_];
            if (IsAsciiDigit(c) || (c == u'.' && IsAsciiDigit(Peek(1)))) {
                ReadNumber(token);
            } else if (c == u'\'') {
                if (!ReadText(token)) {
                    error = QStringLiteral("Unterminated text") + AtPosition(token.position);
                    return false;
                }
            } else if (c.isLetter() || c == u'_') {
                token.kind = TokenKind::Name;
                const qsizetype start = i_;
                while (i_ < s_.size() && (s_[i_].isLetterOrNumber() || s_[i_] == u'_'))
                    ++i_;
                token.text = s_.mid(start, i_ - start);
            } else if (!ReadOperator(token)) {
                error = QStringLiteral("Unexpected character '%1'").arg(c) + AtPosition(token.position);
                return false;
            }
            tokens.push_back(token);
        }
    }

private:
    QChar Peek(qsizetype ahead) const { return i_ + ahead < s_.size() ? s_[i_ + ahead] : QChar(); }

    void ReadNumber(Token& token)
    {
        token.kind = TokenKind::Number;
        const qsizetype start = i_;
        while (i_ < s_.size() && IsAsciiDigit(s_[i_]))
            ++i_;
        if (i_ < s_.size() && s_[i_] == u'.') {
            ++i_;
            while (i_ < s_.size() && IsAsciiDigit(s_[i_]))
                ++i_;
        }
        token.text = s_.mid(start, i_ - start);
    }

    bool ReadText(Token& token)
    {
        token.kind = TokenKind::Text;
        ++i_; // the opening quote
        while (i_ < s_.size()) {
            const QChar c = s_[i_];
            if (c == u'\'') {
                if (Peek(1) != u'\'') {
                    ++i_;
                    return true;
                }
                i_ += 2;
                token.text += u'\'';
            } else if (c == u'<' && Peek(1) == u'<') {
                i_ += 2;
                token.text += u'<';
            } else {
                ++i_;
                token.text += c;
            }
        }
        return false;
    }

    // A "<" may come doubled: "<<" is one "<", "<<=" is "<=", "<<>" is "<>".
    void SkipLess()
    {
        ++i_;
        if (i_ < s_.size() && s_[i_] == u'<')
            ++i_;
    }

    bool ReadOperator(Token& token)
    {
        const QChar c = s_[i_];
        switch (c.unicode()) {
        case u'+': token.kind = TokenKind::Plus; break;
        case u'-': token.kind = TokenKind::Minus; break;
        case u'*': token.kind = TokenKind::Times; break;
        case u'/': token.kind = TokenKind::Divide; break;
        case u'(': token.kind = TokenKind::Open; break;
        case u')': token.kind = TokenKind::Close; break;
        case u'<':
            SkipLess();
            token.kind = TokenKind::Less;
            if (i_ < s_.size() && s_[i_] == u'=') {
                token.kind = TokenKind::LessEqual;
                ++i_;
            } else if (i_ < s_.size() && s_[i_] == u'>') {
                token.kind = TokenKind::NotEqual;
                ++i_;
            }
            return true;
        case u'>':
            ++i_;
            token.kind = TokenKind::Greater;
            if (i_ < s_.size() && s_[i_] == u'=') {
                token.kind = TokenKind::GreaterEqual;
                ++i_;
            }
            return true;
        case u'=':
            ++i_;
            token.kind = TokenKind::Equal;
            if (i_ < s_.size() && s_[i_] == u'>') {
                token.kind = TokenKind::GreaterEqual;
                ++i_;
            } else if (i_ < s_.size() && s_[i_] == u'<') {
                token.kind = TokenKind::LessEqual;
                SkipLess();
            }
            return true;
        default:
            return false;
        }
        ++i_;
        return true;
    }

    const QString& s_;
    qsizetype i_ = 0;
};

} // namespace

QString AtPosition(int position) { return QStringLiteral(" at position %1").arg(position); }

bool TokenizeExpression(const QString& expression, std::vector<Token>& tokens, QString& error)
{
    return Tokenizer(expression).Run(tokens, error);
}

} // namespace vl
