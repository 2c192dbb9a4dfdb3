#pragma once
// The graph of a column: how often each distinct text of the column occurs
// among the rows of the list. The rows are counted in one pass; at most 50
// categories are graphed, and a pass may be given up with Escape.

#include <QString>

#include <functional>
#include <optional>
#include <vector>

namespace vl {

inline constexpr int kMaxGraphCategories = 50;
// A category's text is cut to this many characters.
inline constexpr int kCategoryTextWidth = 80;
inline constexpr char kGraphCaption[] = "Xplore";

struct GraphCategory {
    QString text;
    int count = 0;
    double percent = 0; // of the rows counted, one decimal place
};

// The categories, in ascending order of their text.
class GraphCount {
public:
    // Counts one row by its text (clipped, cut to 80 characters). False once
    // the row makes more than 50 categories.
    bool Add(const QString& text);
    void Clear();
    // Sets the percentages once every row is counted.
    void Finish();

    int Rows() const { return rows_; }
    int Largest() const;
    const std::vector<GraphCategory>& Categories() const { return categories_; }

private:
    std::vector<GraphCategory> categories_;
    int rows_ = 0;
};

// Where the counting pass reads its rows and shows its progress.
struct GraphRows {
    int expected = 0;
    // The category text of a row (0-based); nothing when the row cannot be read.
    std::function<std::optional<QString>(int row)> text;
    // True when the user has pressed Escape since the last call.
    std::function<bool()> escape;
    // After each row: the rows counted, the percentage of those expected and
    // the row's category text.
    std::function<void(int counted, int percent, const QString& text)> progress;
};

// Counts the rows. Escape asks whether to quit ("Yes" quits with no
// categories); more than 50 categories and a pass that ends with none or one
// say so. True when there is a graph to draw; a row that cannot be read
// ends the pass with false and says nothing (the list reports its own read
// failures).
bool CountGraphRows(GraphCount& count, const GraphRows& rows, const QString& description);

// The chart's two texts: the title (at most 40 characters) and the filter line
// (at most 100).
QString GraphTitle(int rows, const QString& description);
QString GraphFilterLine(const QString& filter);

// The category label drawn under a bar: the text after "n =" of a text that
// has " =" as its third and fourth characters (" 3 =March" is "March"),
// else the whole text.
QString CategoryLabel(const QString& text);

} // namespace vl
