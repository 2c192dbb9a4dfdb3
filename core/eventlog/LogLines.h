#pragma once
// A text file held as lines for a viewer: read once, then any line is at
// hand by its number without splitting the whole text into strings, so a log
// of hundreds of thousands of lines opens at once.

#include <QByteArray>
#include <QString>

#include <vector>

namespace vl {

class LogLines {
public:
    // Reads the file; false when it cannot be read (the lines are then empty).
    bool Load(const QString& path);
    // Holds the given text (UTF-8) instead.
    void Take(QByteArray text);

    int Count() const { return static_cast<int>(starts_.size()); }
    // The line without its line end (a carriage return before the line feed
    // is dropped too).
    QString Line(int row) const;

    // The first line after `from` (wrapping round to the start, ending with
    // `from` itself) that contains the text, case ignored; -1 when none does
    // or the text is empty. From -1 the search begins with the first line.
    int Find(const QString& text, int from) const;

private:
    QByteArray text_;
    std::vector<qsizetype> starts_;
};

} // namespace vl
