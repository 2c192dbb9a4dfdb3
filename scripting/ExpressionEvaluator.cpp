#include "scripting/ExpressionEvaluator.h"

#include "platform/runtime/FixedText.h"
#include "scripting/ExpressionTokens.h"

#include <vector>

namespace vl {
namespace {

using Picture::Decimal;

struct Value {
    bool isText = false;
    Decimal number;
    QString text;
};

// Parentheses and signs nest the parser's calls; beyond this depth the
// expression is refused rather than risking the stack.
constexpr int kMaxNesting = 200;

// Every value is held to this many significant digits and this many decimal
// places (beyond them it is rounded half away from zero), and a value of more
// integer digits is refused as too large; the bounds keep each step's work
// small however long the expression.
constexpr int kSignificantDigits = 40;
constexpr int kMostPlaces = 308;
constexpr int kMostIntegerDigits = 308;

// Results are written to this many decimal places, and numbers compare as
// they are written.
constexpr int kWrittenPlaces = 9;

const Decimal kOne{false, QStringLiteral("1"), {}};

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

    // The value as it is held, or a failure when it is too large.
    Value Held(const Decimal& number, int position = 0)
    {
        const Decimal held = number.RoundedToSignificant(kSignificantDigits).RoundedTo(kMostPlaces);
        if (held.integerDigits.size() > kMostIntegerDigits)
            return Fail(QStringLiteral("Number too large"), position);
        return Value{false, held, {}};
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
                const std::strong_ordering sizes =
                    left.number.RoundedTo(kWrittenPlaces) <=> right.number.RoundedTo(kWrittenPlaces);
                order = sizes < 0 ? -1 : (sizes > 0 ? 1 : 0);
            }
            left = Value{false, Compare(op, order) ? kOne : Decimal{}, {}};
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
            left = Held(plus ? left.number + right.number : left.number - right.number);
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
            if (times) {
                left = Held(left.number * right.number);
                continue;
            }
            const std::optional<Decimal> quotient = left.number.DividedBy(right.number, kSignificantDigits);
            if (!quotient)
                return Fail(QStringLiteral("Division by zero"));
            left = Held(*quotient);
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
            // The token is ASCII digits with at most one point, so it reads.
            const Decimal number = Picture::ReadDecimal(token.text).value_or(Decimal{});
            Advance();
            return Held(number, token.position);
        }
        case TokenKind::Text:
            Advance();
            return Value{true, {}, token.text};
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

QString FormatExpressionNumber(const Decimal& value)
{
    return value.RoundedTo(kWrittenPlaces).ToText();
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
