#pragma once
// Delimited text records, one record per line: fields separated by a
// separator character (a comma by default), a field may be enclosed in quote
// characters (double quotes by default).
//
// Reading a line:
// - A field whose first non-blank character is the quote is quoted: it runs
//   to the matching closing quote, may hold separators, and a doubled quote
//   inside it stands for one quote. Its content is kept exactly, blanks
//   included. Text between the closing quote and the next separator is
//   malformed; it is appended to the value (without surrounding blanks) so
//   nothing is lost. A missing closing quote ends the field at the line's end.
// - An unquoted field is the text up to the next separator without leading
//   and trailing blanks (spaces and tabs; numbers are written unquoted).
// - n separators outside quotes give n + 1 fields; an empty line gives one
//   empty field.
// Writing a line: every field is enclosed in quotes, quotes inside are
// doubled, so a written line reads back as the same fields (blanks included).
// A line break inside a field is written as a blank, since the format keeps
// one record per line.
//
// Files: UTF-8 (a leading byte-order mark is skipped); lines end in CR LF
// when written, and LF or CR LF are both read; empty or blank lines hold no
// record and are skipped.

#include <QList>
#include <QString>
#include <QStringList>

namespace vl {

struct DelimitedSyntax {
    QChar separator = QLatin1Char(',');
    QChar quote = QLatin1Char('"'); // must differ from the separator
};

QStringList ParseDelimitedLine(QStringView line, const DelimitedSyntax& syntax = {});
QString FormatDelimitedLine(const QStringList& fields, const DelimitedSyntax& syntax = {});

struct DelimitedReadResult {
    bool ok = false;
    QString error; // why the file could not be read, naming the file
    QList<QStringList> records;
};

// All records of the file in file order.
DelimitedReadResult ReadDelimitedFile(const QString& path, const DelimitedSyntax& syntax = {});

// Replaces the file with these records (atomically: the old file stays intact
// when the new one cannot be written). False with the reason in *error.
bool WriteDelimitedFile(const QString& path, const QList<QStringList>& records,
                        const DelimitedSyntax& syntax = {}, QString* error = nullptr);

// Appends one record to the file, creating the file when missing.
bool AppendDelimitedRecord(const QString& path, const QStringList& fields,
                           const DelimitedSyntax& syntax = {}, QString* error = nullptr);

} // namespace vl
