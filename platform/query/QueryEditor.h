#pragma once
// What the query dialog does, without its widgets: it builds the query from
// drafts of conditions (the controls' contents), changes and removes
// conditions, keeps the query in words, and saves and loads named queries.
// What goes wrong is said through the prompt service in the dialog's texts
// ("Invalid Query" with the reason, "Overwrite Query", "Query No Longer
// Valid", ...), and nothing the user built is lost by a refused step.

#include "platform/query/Query.h"
#include "platform/query/QueryTexts.h"
#include "platform/query/SavedQueries.h"

#include <QStringList>

namespace vl {

// One condition as the dialog's controls hold it.
struct QueryDraft {
    QString field; // "SCH:Date"
    QueryOperator op = QueryOperator::Equal;
    QueryOperand operand = QueryOperand::Value;
    // The constant as typed (a choice's shown text), the other field's name
    // or the expression.
    QString input;
    bool caseSensitive = false;
};

class QueryEditor {
public:
    // saved may be null: the dialog then offers no saved queries.
    QueryEditor(QueryCatalogue catalogue, QueryTexts texts, SavedQueries* saved);

    const QueryCatalogue& Catalogue() const { return catalogue_; }
    const QueryTexts& Texts() const { return texts_; }

    // Starts on a query (the list's current one), as yet unchanged.
    void Start(const Query& query);
    const Query& Current() const { return query_; }
    QStringList Words() const;
    // Whether the query differs from the one started, loaded or saved last.
    bool Modified() const { return query_ != baseline_; }

    // A condition as the controls show it.
    QueryDraft DraftOf(int index) const;
    // The fields a field may be compared with: those of its kind in its own
    // table (the same prefix), itself excepted.
    std::vector<const QueryField*> ComparableFields(const QString& field) const;

    // Adds a condition joined with AND or OR; Change replaces one and keeps
    // its join. False (after saying why) when the draft is invalid.
    bool Add(Join join, const QueryDraft& draft);
    bool Change(int index, const QueryDraft& draft);
    void Remove(int index);

    // Saved queries.
    bool CanSave() const { return saved_ != nullptr; }
    QStringList SavedNames() const;
    // The description of the query loaded or saved last, "" for a new one.
    const QString& Description() const { return description_; }
    // Saves the query under a description: not blank, and not the
    // description of another saved query than the one being edited.
    bool Save(const QString& description);
    // Loads a saved query; a query with changes asks first whether to
    // overwrite it. A query naming fields the catalogue no longer lists is
    // loaded with a warning, so that it can be mended.
    bool Load(const QString& description);
    bool RemoveSaved(const QString& description);

    // OK: false (after saying why) while a condition is invalid. With a
    // description given and changes not saved, asks whether to save them.
    bool Finish(const QString& description);

private:
    bool Make(const QueryDraft& draft, Join join, QueryCondition& condition) const;
    void Invalid(const QString& reason) const;
    void Say(int captionNumber, const QString& text) const;

    QueryCatalogue catalogue_;
    QueryTexts texts_;
    SavedQueries* saved_;
    Query query_;
    Query baseline_;
    QString description_;
};

} // namespace vl
