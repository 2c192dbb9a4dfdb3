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
// begin with a quote is the text up to the next comma. A line is malformed
// when other text follows a closing quote, or when a quoted field has no
// closing quote before the end of the file; the reader then names the line
// and gives no records at all.

#include "platform/data/TableDef.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace vl {

enum class PictureKind { Text, Number, Formatted };
PictureKind KindOfPicture(const QString& picture);

// One field of a data line: the value written under its picture.
QString ImexValueText(const FieldValue& value, const QString& picture);
// One field of a header line: the field name quoted; a name holding "["
// has its commas and "[" turned into "_" and its "]" into blanks.
QString ImexHeaderText(const QString& name);

struct ImexField {
    QString text;
    bool quoted = false;
};

struct ImexRecord {
    int line = 0; // the line of the file where the record begins (1-based)
    std::vector<ImexField> fields;
};

struct ImexFile {
    bool ok = false;
    bool malformed = false; // read, but a line is malformed
    QString error; // why nothing was read, naming the file and the line
    std::vector<ImexRecord> records; // blank lines give none
};

// Splits a file's text (already decoded) into records.
ImexFile ParseImexText(const QString& text);
// Reads and splits a file (UTF-8, UTF-16 with its mark, else Windows-1252).
ImexFile ReadImexFile(const QString& path);

// Reads a field back by its column's picture: a date or time text becomes
// its day number or clock value; text and number pictures leave it as it is.
QString DeformatImexField(const QString& text, const QString& picture);

} // namespace vl
