#pragma once
// Comma-delimited text of the exports and imports: one record per line,
// fields separated by commas. A field is written by its picture's kind:
//   "@s..." text: quoted, each quote doubled, trailing blanks clipped;
//   "@n..." number: its plain digits, unquoted (a text that holds a comma,
//           a quote or a line break is quoted so it reads back whole);
//   any other picture (dates, times): formatted with the whole picture, then
//           quoted; a clock value of 0 (no time) is written empty, since
//           the formatter shows it as midnight, which reads back as 1.
// Line breaks inside a quoted field are written unchanged, and the reader
// takes a quoted field across them, so memo texts travel whole.
//
// Reading: a field that begins with a quote runs to its closing quote;
// blanks may follow that quote before the comma. A field that does not
// begin with a quote is the text up to the next comma. A comma followed by
// nothing but blanks up to the line's end ends the record: "a,b," holds two
// fields. A line is malformed when other text follows a closing quote, or
// when a quoted field has no closing quote before the end of the file; the
// reader then names the line.
//
// Files are read as a stream, a record at a time, so that a file of any
// size is read in little memory.

#include "platform/data/TableDef.h"
#include "platform/runtime/TextDecoding.h"

#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

namespace vl {

enum class PictureKind { Text, Number, Formatted };
PictureKind KindOfPicture(const QString& picture);

// One field of a data line: the value written under its picture.
QString ImexValueText(const FieldValue& value, const QString& picture);
// One field of a header line: the field name quoted; a name holding "["
// has its commas and "[" turned into "_" and its "]" into blanks.
QString ImexHeaderText(const QString& name);

// One record of the file: its fields, each a slice of one text buffer that
// is reused from record to record.
class ImexRecord {
public:
    int line = 0; // the line of the file where the record begins (1-based)

    qsizetype Size() const { return static_cast<qsizetype>(fields_.size()); }
    QStringView Text(qsizetype field) const
    {
        return QStringView(text_).sliced(fields_[field].start, fields_[field].length);
    }
    bool Quoted(qsizetype field) const { return fields_[field].quoted; }

private:
    friend class ImexReader;
    struct Field {
        qsizetype start = 0;
        qsizetype length = 0;
        bool quoted = false;
    };
    QString text_;
    std::vector<Field> fields_;
};

// Reads the records of a delimited-text file (UTF-8, UTF-16 with its mark,
// else Windows-1252) one after the other.
class ImexReader {
public:
    // A file, or text already in memory.
    static ImexReader OfFile(const QString& path);
    static ImexReader OfText(const QString& text);
    ImexReader(ImexReader&&) noexcept;
    ImexReader& operator=(ImexReader&&) noexcept;
    ~ImexReader();

    // Opens the source; false with Error() set.
    bool Open();
    // The next record; false at the end, or on a fault (Error() is then set,
    // and Malformed() tells a malformed line from a file that cannot be read).
    bool Next(ImexRecord& record);
    // Back to the first record.
    bool Rewind();
    // Another reader of the same source, not open yet.
    ImexReader Again() const;

    qint64 Position() const; // bytes of the records read so far (near enough)
    qint64 Size() const;
    QString Name() const; // the file's path, or empty for text in memory
    const QString& Error() const { return error_; }
    bool Malformed() const { return malformed_; }

private:
    struct Source;
    explicit ImexReader(std::shared_ptr<const Source> source);
    enum class Outcome { Record, Blank, NeedMore, Malformed };
    Outcome Parse(ImexRecord& record);
    bool Fail(int line, const QString& why);

    std::shared_ptr<const Source> source_;
    std::unique_ptr<TextPieceReader> pieces_;
    QString buffer_;
    qsizetype at_ = 0; // where the next record starts in the buffer
    qint64 decodedChars_ = 0;
    bool ended_ = false; // the whole text is in the buffer
    int line_ = 1;
    QString error_;
    bool malformed_ = false;
};

// Reads a field back by its column's picture: a date or time text becomes
// its day number or clock value; text and number pictures leave it as it is.
QString DeformatImexField(const QString& text, const QString& picture);

} // namespace vl
