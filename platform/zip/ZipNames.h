#pragma once
// Member names and file patterns of the zip work.

#include <QString>
#include <QStringList>

namespace vl {

// A file pattern: one wildcard ("*.TPS", "*.*", "report?.txt") or
// member names, each in double quotes, separated by blanks. False (and no
// patterns) for a blank pattern, an unclosed quote, or text between
// quoted names.
bool ParseFilePatterns(const QString& wildcard, QStringList& patterns);

// Whether a name is matched by one of the patterns, case-insensitively. A
// pattern with "*" or "?" is a wildcard ("*.*" matches every name), any other
// is a whole name.
bool MatchesFilePatterns(const QStringList& patterns, const QString& name);

// Whether a member is chosen: by the patterns, or with exactNames by one of
// them as its whole name (case as stored).
bool ChosenMember(const QStringList& patterns, bool exactNames, const QString& name);

// Whether a member may be written below a target folder: not blank, not
// absolute ("/x", "\x", "C:x"), and no ".." among its folders (either slash
// counts as a separator).
bool IsSafeMemberName(const QString& name);

// The path below the target folder that a member is written to: the stored
// name, or only its last part when folder names are ignored. Empty for a
// folder entry whose folders are ignored.
QString MemberTargetPath(const QString& name, bool useFolderNames);

} // namespace vl
