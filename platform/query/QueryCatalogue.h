#pragma once
// The fields a query may test, read from the catalogue text a list hands
// over: entries separated by U+00AB, each of nine columns separated by
// U+00A6 (a trailing separator is allowed):
//
//   prompt ¦ 0 ¦ field ¦ picture ¦ size ¦ kind ¦ input ¦ (empty) ¦ choices or label
//
// kind 1 is a text and 2 a number; input 1 is an entry, 2 a check box (the
// last column is its label) and 3 a choice (the last column lists the
// choices separated by "|"). A choice written "shown=stored" shows the first
// text and compares the field with the second.

#include <QString>

#include <functional>
#include <vector>

namespace vl {

enum class QueryFieldKind { Text = 1, Number = 2 };
enum class QueryInput { Entry = 1, CheckBox = 2, Choice = 3 };

struct QueryChoice {
    QString shown;
    QString stored;
};

struct QueryField {
    QString prompt;  // "Basic - Next Date to Perform Task"
    QString field;   // "SCH:Date"
    QString picture; // "@d17b"
    int size = 0;
    QueryFieldKind kind = QueryFieldKind::Text;
    QueryInput input = QueryInput::Entry;
    std::vector<QueryChoice> choices;
    QString checkLabel; // the check box's label

    bool IsText() const { return kind == QueryFieldKind::Text; }
};

class QueryCatalogue {
public:
    // Reads a catalogue text. On failure the catalogue is left as it was,
    // and ErrorCode() (1 no entries, 2 wrong number of columns, 3 no prompt
    // or field, 4 size, 5 kind, 6 input) and Error() say why and where.
    bool Parse(const QString& text);
    int ErrorCode() const { return errorCode_; }
    const QString& Error() const { return error_; }

    const std::vector<QueryField>& Fields() const { return fields_; }
    // The entry of a field name (case-insensitive), -1 when there is none.
    int IndexOf(const QString& field) const;
    const QueryField* Find(const QString& field) const;

    // Keeps only the entries a predicate accepts (the fields a view can test).
    void Keep(const std::function<bool(const QueryField&)>& usable);
    // Shows and reads dates with this picture instead of each entry's own
    // date picture (the user's date picture; ignored when empty).
    void UseDatePicture(const QString& picture);

private:
    bool Fail(int code, const QString& message);

    std::vector<QueryField> fields_;
    int errorCode_ = 0;
    QString error_;
};

// Reads the catalogue of a list as it opens. On failure it says so to the
// user ("An error has prevented the Query Wizard from initializing.",
// captioned with the error code) and answers false: the list then offers no
// query.
bool OpenQueryCatalogue(const QString& text, QueryCatalogue& catalogue);

} // namespace vl
