#include "scripting/ExpressionEvaluator.h"

#include "platform/runtime/FixedText.h"
#include "scripting/ExpressionTokens.h"

#include <cmath>
#include <vector>

namespace vl {
namespace {

struct Value {
    bool isText = false;
    double number = 0;
    QString text;
};

// Parentheses and signs nest the parser's calls; beyond this depth the
// expression is refused rather than risking the stack.
constexpr int kMaxNesting = 200;

// Numbers compare as results show them, to 9 decimal places, so that
// 0.1 + 0.2 = 0.3 holds.
double Rounded(double value) { return FormatExpressionNumber(value).toDouble(); }

bool IsComparison(TokenKind kind)
{
    return kind == TokenKind::Equal || kind == TokenKind::NotEqual || kind == TokenKind::Less
        || kind == TokenKind::LessEqual || kind == TokenKind::Greater || kind == TokenKind::GreaterEqual;
}

bool Compare(TokenKind kind, int order)
{
    switch (kind) {
    case TokenKind::Equal: return order == 0;
    case TokenKind::NotEqual: return order != 0;
    case TokenKind::Less: return order < 0;
    case TokenKind::LessEqual: return order <= 0;
    case TokenKind::Greater: return order > 0;
    default: return order >= 0; // GreaterEqual
    }
}

// Recursive descent over the tokens, computing as it goes:
//   comparison := sum { compare-op sum }
//   sum        := product { (+|-) product }
//   product    := unary { (*|/) unary }
//   unary      := (-|+) unary | primary
//   primary    := number | text | "(" comparison ")"
// The first failure stops the walk and is kept in error_.
class Parser {
public:
    explicit Parser(const std::vector<Token>& tokens) : tokens_(tokens) {}

    ExpressionOutcome Run()
    {
        Value value = Comparison();
        if (error_.isEmpty() && Current().kind != TokenKind::End)
            Fail(Current().kind == TokenKind::Close ? QStringLiteral("Unmatched )") : QStringLiteral("Operator expected"),
                 Current().position);
        if (!error_.isEmpty())
            return {true, error_};
        if (value.isText)
            return {false, value.text};
        return {false, FormatExpressionNumber(value.number)};
    }

private:
    const Token& Current() const { return tokens_[next_]; }
    void Advance()
    {
        if (Current().kind != TokenKind::End)
            ++next_;
    }
    bool Failed() const { return !error_.isEmpty(); }
    Value Fail(const QString& error, int position = 0)
    {
        if (error_.isEmpty())
            error_ = position > 0 ? error + AtPosition(position) : error;
        return {};
    }

    Value Comparison()
    {
        Value left = Sum();
        while (!Failed() && IsComparison(Current().kind)) {
            const TokenKind op = Current().kind;
            Advance();
            const Value right = Sum();
            if (Failed())
                break;
            if (left.isText != right.isText)
                return Fail(QStringLiteral("Text compared with a number"));
            int order = 0;
            if (left.isText) {
                // Trailing blanks do not count; letter case does.
                order = Clip(left.text).compare(Clip(right.text));
            } else {
                const double a = Rounded(left.number);
                const double b = Rounded(right.number);
                order = a < b ? -1 : (a > b ? 1 : 0);
            }
            left = Value{false, Compare(op, order) ? 1.0 : 0.0, {}};
        }
        return left;
    }

    Value Sum()
    {
        Value left = Product();
        while (!Failed() && (Current().kind == TokenKind::Plus || Current().kind == TokenKind::Minus)) {
            const bool plus = Current().kind == TokenKind::Plus;
            Advance();
            const Value right = Product();
            if (Failed())
                break;
            if (left.isText || right.isText)
                return Fail(QStringLiteral("Text used in arithmetic"));
            left.number = plus ? left.number + right.number : left.number - right.number;
            if (!std::isfinite(left.number))
                return Fail(QStringLiteral("Number too large"));
        }
        return left;
    }

    Value Product()
    {
        Value left = Unary();
        while (!Failed() && (Current().kind == TokenKind::Times || Current().kind == TokenKind::Divide)) {
            const bool times = Current().kind == TokenKind::Times;
            Advance();
            const Value right = Unary();
            if (Failed())
                break;
            if (left.isText || right.isText)
                return Fail(QStringLiteral("Text used in arithmetic"));
            if (!times && right.number == 0)
                return Fail(QStringLiteral("Division by zero"));
            left.number = times ? left.number * right.number : left.number / right.number;
            if (!std::isfinite(left.number))
                return Fail(QStringLiteral("Number too large"));
        }
        return left;
    }

    Value Unary()
    {
        if (Current().kind != TokenKind::Minus && Current().kind != TokenKind::Plus)
            return Primary();
        const bool minus = Current().kind == TokenKind::Minus;
        Advance();
        const NestingGuard guard(*this);
        if (Failed())
            return {};
        Value value = Unary();
        if (Failed())
            return {};
        if (value.isText)
            return Fail(QStringLiteral("Text used in arithmetic"));
        if (minus)
            value.number = -value.number;
        return value;
    }

    Value Primary()
    {
        const Token& token = Current();
        switch (token.kind) {
        case TokenKind::Number: {
            // The token is well formed, so a refused conversion is an overflow.
            bool converted = false;
            const double number = token.text.toDouble(&converted);
            Advance();
            if (!converted || !std::isfinite(number))
                return Fail(QStringLiteral("Number too large"), token.position);
            return Value{false, number, {}};
        }
        case TokenKind::Text:
            Advance();
            return Value{true, 0, token.text};
        case TokenKind::Name:
            return Fail(QStringLiteral("Unknown name %1").arg(token.text), token.position);
        case TokenKind::Open: {
            const int open = token.position;
            Advance();
            const NestingGuard guard(*this);
            if (Failed())
                return {};
            Value inner = Comparison();
            if (Failed())
                return {};
            if (Current().kind != TokenKind::Close)
                return Fail(QStringLiteral("Missing ) for the ( at position %1").arg(open));
            Advance();
            return inner;
        }
        case TokenKind::End:
            return Fail(QStringLiteral("Value expected at the end"));
        default:
            return Fail(QStringLiteral("Value expected"), token.position);
        }
    }

    // Counts one level of nesting while alive; fails the walk beyond the limit.
    class NestingGuard {
    public:
        explicit NestingGuard(Parser& parser) : parser_(parser)
        {
            if (++parser_.depth_ > kMaxNesting)
                parser_.Fail(QStringLiteral("Expression nested too deeply"));
        }
        ~NestingGuard() { --parser_.depth_; }
        NestingGuard(const NestingGuard&) = delete;
        NestingGuard& operator=(const NestingGuard&) = delete;

    private:
        Parser& parser_;
    };

    const std::vector<Token>& tokens_;
    size_t next_ = 0;
    int depth_ = 0;
    QString error_;
};

} // namespace

QString FormatExpressionNumber(double value)
{
    QString text = QString::number(value, 'f', 9);
    if (text.contains(u'.')) {
        while (text.endsWith(u'0'))
            text.chop(1);
        if (text.endsWith(u'.'))
            text.chop(1);
    }
    return text == QStringLiteral("-0") ? QStringLiteral("0") : text;
}

ExpressionOutcome ComputeExpression(const QString& expression)
{
    std::vector<Token> tokens;
    QString error;
    if (!TokenizeExpression(expression, tokens, error))
        return {true, error};
    return Parser(tokens).Run();
}

} // namespace vl
