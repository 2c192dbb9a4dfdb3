#pragma once
// File-dialog filters as the program writes them: pairs of description and
// patterns separated by "|", the patterns of one pair separated by ";"
// ("WAV Files|*.WAV|All Files|*.*"). The program's patterns are written in
// upper case for a file system that ignores case; on Linux they must still
// find "bell.wav", so every match here ignores case.

#include <QList>
#include <QString>
#include <QStringList>

namespace vl {

struct FileFilter {
    QString description;
    QStringList patterns;
};

// The pairs of a filter text; a description without patterns at the end is
// dropped, and blank patterns are skipped.
QList<FileFilter> ParseFileFilters(const QString& text);
// Whether a file name (the name, not its directory) matches one of the
// patterns, ignoring case. "*.*" matches every name, with or without a dot.
bool MatchesFileFilter(const QString& fileName, const FileFilter& filter);
// A wildcard pattern that matches the same names in any case, for file
// dialogs that match case-sensitively ("*.WAV" -> "*.[wW][aA][vV]"); "*.*"
// becomes "*".
QString CaseInsensitivePattern(const QString& pattern);
// The filters as a Qt file dialog takes them ("WAV Files (*.[wW][aA][vV])"),
// ready to be joined with ";;".
QStringList DialogNameFilters(const QList<FileFilter>& filters);

} // namespace vl
