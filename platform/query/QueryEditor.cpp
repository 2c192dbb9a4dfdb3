#include "platform/query/QueryEditor.h"

#include "platform/query/QueryValue.h"
#include "platform/query/QueryWords.h"
#include "platform/ui/PromptService.h"

namespace vl {

namespace {

using namespace QueryTextNumber;

const char kYesNo[] = "&Yes|&No";

QString Prefix(const QString& field)
{
    return field.section(QLatin1Char(':'), 0, 0).toUpper();
}

} // namespace

QueryEditor::QueryEditor(QueryCatalogue catalogue, QueryTexts texts, SavedQueries* saved)
    : catalogue_(std::move(catalogue)), texts_(std::move(texts)), saved_(saved)
{
}

void QueryEditor::Start(const Query& query)
{
    query_ = query;
    baseline_ = query;
    description_.clear();
}

QStringList QueryEditor::Words() const
{
    return QueryWords(catalogue_, texts_, query_);
}

QueryDraft QueryEditor::DraftOf(int index) const
{
    const QueryCondition& condition = query_.at(static_cast<size_t>(index));
    QueryDraft draft{condition.field, condition.op, condition.operand, condition.value, condition.caseSensitive};
    const QueryField* field = catalogue_.Find(condition.field);
    if (field && condition.operand == QueryOperand::Value)
        draft.input = QueryValueShown(*field, condition.value);
    return draft;
}

std::vector<const QueryField*> QueryEditor::ComparableFields(const QString& name) const
{
    std::vector<const QueryField*> fields;
    const QueryField* field = catalogue_.Find(name);
    if (!field || field->input == QueryInput::CheckBox)
        return fields;
    for (const QueryField& other : catalogue_.Fields()) {
        if (&other != field && other.IsText() == field->IsText() && other.input != QueryInput::CheckBox &&
            Prefix(other.field) == Prefix(field->field))
            fields.push_back(&other);
    }
    return fields;
}

void QueryEditor::Say(int captionNumber, const QString& text) const
{
    Prompt::Message(text, texts_.Text(captionNumber), PromptIcon::Exclamation);
}

void QueryEditor::Invalid(const QString& reason) const
{
    Say(kInvalidCaption, texts_.Text(kInvalid) + QLatin1Char('|') + reason);
}

bool QueryEditor::Make(const QueryDraft& draft, Join join, QueryCondition& condition) const
{
    const QueryField* field = catalogue_.Find(draft.field);
    if (!field) {
        Invalid(QStringLiteral("Select the field to test."));
        return false;
    }
    QueryCondition made{join, field->field, draft.op, draft.operand, draft.input.trimmed(),
                        draft.caseSensitive && field->IsText()};
    QString error;
    if (!CheckQueryOperator(*field, made.op, error)) {
        Invalid(error);
        return false;
    }
    if (!TakesOperand(made.op)) {
        made.operand = QueryOperand::Value;
        made.value.clear();
    } else if (made.operand == QueryOperand::Value && !QueryValueFromInput(*field, draft.input, made.value, error)) {
        Invalid(error);
        return false;
    }
    if (!CheckQueryCondition(catalogue_, made, error)) {
        Invalid(error);
        return false;
    }
    condition = made;
    return true;
}

bool QueryEditor::Add(Join join, const QueryDraft& draft)
{
    QueryCondition condition;
    if (!Make(draft, join, condition))
        return false;
    query_.push_back(condition);
    return true;
}

bool QueryEditor::Change(int index, const QueryDraft& draft)
{
    if (index < 0 || index >= static_cast<int>(query_.size()))
        return false;
    QueryCondition& existing = query_[static_cast<size_t>(index)];
    QueryCondition condition;
    if (!Make(draft, existing.join, condition))
        return false;
    existing = condition;
    return true;
}

void QueryEditor::Remove(int index)
{
    if (index >= 0 && index < static_cast<int>(query_.size()))
        query_.erase(query_.begin() + index);
}

QStringList QueryEditor::SavedNames() const
{
    return saved_ ? saved_->Names() : QStringList();
}

bool QueryEditor::Save(const QString& description)
{
    const QString name = description.trimmed();
    if (!saved_)
        return false;
    if (name.isEmpty()) {
        Say(kDescriptionCaption, texts_.Text(kDescriptionMissing));
        return false;
    }
    const QString existing = saved_->Find(name);
    if (!existing.isEmpty() && existing.compare(description_, Qt::CaseInsensitive) != 0) {
        Say(kDuplicateCaption, texts_.Text(kDuplicate));
        return false;
    }
    if (!saved_->Save(name, query_)) {
        Prompt::Message(QStringLiteral("The query could not be saved in %1.").arg(saved_->Path()),
                        texts_.Text(kDescriptionCaption), PromptIcon::Stop);
        return false;
    }
    description_ = saved_->Find(name);
    baseline_ = query_;
    return true;
}

bool QueryEditor::Load(const QString& description)
{
    if (!saved_)
        return false;
    if (Modified() && !query_.empty() &&
        Prompt::Message(texts_.Text(kOverwrite), texts_.Text(kOverwriteCaption), PromptIcon::Question,
                        QString::fromLatin1(kYesNo), 2) != 1)
        return false;
    Query loaded;
    QString error;
    if (!saved_->Load(description, loaded, error)) {
        Prompt::Message(texts_.Text(kLoadError) + QLatin1Char('|') + error, texts_.Text(kLoadErrorCaption),
                        PromptIcon::Stop);
        return false;
    }
    for (const QueryCondition& condition : loaded) {
        if (!CheckQueryCondition(catalogue_, condition, error)) {
            Say(kNoLongerValidCaption, texts_.Text(kNoLongerValid) + QStringLiteral("| |") + error);
            break;
        }
    }
    query_ = loaded;
    baseline_ = loaded;
    description_ = saved_->Find(description);
    return true;
}

bool QueryEditor::RemoveSaved(const QString& description)
{
    if (!saved_ || saved_->Find(description).isEmpty())
        return false;
    if (!saved_->Remove(description)) {
        Prompt::Message(QStringLiteral("The query could not be removed from %1.").arg(saved_->Path()),
                        texts_.Text(kDescriptionCaption), PromptIcon::Stop);
        return false;
    }
    if (description_.compare(description.trimmed(), Qt::CaseInsensitive) == 0)
        description_.clear();
    return true;
}

bool QueryEditor::Finish(const QString& description)
{
    QString error;
    for (const QueryCondition& condition : query_) {
        if (!CheckQueryCondition(catalogue_, condition, error)) {
            Invalid(error);
            return false;
        }
    }
    if (!saved_ || description.trimmed().isEmpty() || !Modified())
        return true;
    if (Prompt::Message(texts_.Text(kSaveQuestion), texts_.Text(kSaveCaption), PromptIcon::Question,
                        QString::fromLatin1(kYesNo), 1) != 1)
        return true;
    return Save(description);
}

} // namespace vl
