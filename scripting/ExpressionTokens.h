#pragma once
// Splits an expression into its tokens for the expression evaluator:
// numbers, single-quoted texts (two quotes stand for one, "<<" for "<"),
// names, and the operators, with "<<" read as one "<".

#include <QString>

#include <vector>

namespace vl {

enum class TokenKind { Number, Text, Name, Plus, Minus, Times, Divide, Open, Close, Equal, NotEqual, Less, LessEqual,
                       Greater, GreaterEqual, End };

struct Token {
    TokenKind kind = TokenKind::End;
    int position = 0; // 1-based, for error texts
    QString text;     // the literal text of numbers and names, the value of texts
};

// The tokens of the text, ending with one End token; false with the error
// text set when the text holds something that is no part of an expression.
bool TokenizeExpression(const QString& expression, std::vector<Token>& tokens, QString& error);

// " at position n", the place an error text names.
QString AtPosition(int position);

} // namespace vl
