#include "core/dictionary/Relations.h"

#include <limits>
#include <memory>

#include "platform/runtime/FixedText.h"
#include "platform/ui/PromptService.h"

namespace vl {
namespace {

// Relations nest (hot key -> task -> script items); deeper chains would be a
// declaration loop.
constexpr int kMaxDepth = 8;

// The value that sorts first in a key component, so that positioning on the
// linking values alone starts before every child.
FieldValue LowestValue(const FieldDef& field, bool descending)
{
    if (field.IsText())
        return QString();
    if (field.type == FieldType::Real || field.type == FieldType::Decimal)
        return descending ? std::numeric_limits<double>::max() : std::numeric_limits<double>::lowest();
    int64_t low = 0;
    int64_t high = 0;
    switch (field.type) {
    case FieldType::Byte: high = 255; break;
    case FieldType::Short: low = std::numeric_limits<int16_t>::min(); high = std::numeric_limits<int16_t>::max(); break;
    case FieldType::UShort: high = std::numeric_limits<uint16_t>::max(); break;
    case FieldType::Long: low = std::numeric_limits<int32_t>::min(); high = std::numeric_limits<int32_t>::max(); break;
    case FieldType::ULong: high = std::numeric_limits<uint32_t>::max(); break;
    default: break;
    }
    return descending ? high : low;
}

bool SameValue(const FieldValue& a, const FieldValue& b, bool noCase)
{
    const auto* textA = std::get_if<QString>(&a);
    const auto* textB = std::get_if<QString>(&b);
    if (textA && textB)
        return noCase ? UpperClip(*textA) == UpperClip(*textB) : Clip(*textA) == Clip(*textB);
    return a == b;
}

// Keeps a child table open while the engine works on it.
class OpenedForLookup {
public:
    explicit OpenedForLookup(TableFile& file) : file_(file) { opened_ = file_.Open(TableFile::kDeclaredMode, true); }
    ~OpenedForLookup()
    {
        if (opened_)
            file_.Close();
    }
    OpenedForLookup(const OpenedForLookup&) = delete;
    OpenedForLookup& operator=(const OpenedForLookup&) = delete;
    bool Opened() const { return opened_; }

private:
    TableFile& file_;
    bool opened_ = false;
};

// Runs the change in one transaction of the file's data file, so that the
// record and its cascaded children change together or not at all: a failed
// write leaves nothing of the change, a failed start or commit is the error.
template <class Change>
bool InOneTransaction(TableFile& file, DataError& error, Change change)
{
    if (!file.Stream()) {
        error = file.LastError();
        return false;
    }
    if (!change()) {
        file.Rollback();
        return false;
    }
    if (!file.Flush()) {
        error = file.LastError();
        return false;
    }
    return true;
}

void ShowRefusal(const char* caption, const char* text, const TableFile& child)
{
    QString message = QString::fromUtf8(text);
    message.replace(QStringLiteral("%File"), child.Definition().Description());
    Prompt::Message(message, QString::fromUtf8(caption), PromptIcon::Stop);
}

} // namespace

bool RelationSet::Fail(const DataError& error)
{
    error_ = error;
    if (error_.code == kNoError)
        error_ = DataError::Make(kFileSystemError);
    return false;
}

bool RelationSet::LinksChanged(const Relation& relation, const RecordBase& record, const RecordBase& before) const
{
    const TableDef& def = relation.parent->Definition();
    for (const auto& [parentField, childField] : relation.links) {
        (void)childField;
        if (def.StoredValue(parentField, record) != def.StoredValue(parentField, before))
            return true;
    }
    return false;
}

void RelationSet::SetChildLinks(const Relation& relation, const RecordBase* parent, RecordBase& child) const
{
    const TableDef& parentDef = relation.parent->Definition();
    const TableDef& childDef = relation.child->Definition();
    for (const auto& [parentField, childField] : relation.links) {
        const FieldDef& target = childDef.Fields()[childField];
        if (parent)
            target.set(child, parentDef.StoredValue(parentField, *parent));
        else
            target.set(child, target.IsText() ? FieldValue(QString()) : FieldValue(int64_t{0}));
    }
}

bool RelationSet::Children(const Relation& relation, const RecordBase& parent, std::vector<RecordPtr>& children)
{
    children.clear();
    TableFile& child = *relation.child;
    OpenedForLookup open(child);
    if (!open.Opened())
        return Fail(child.LastError());

    const TableDef& def = child.Definition();
    const KeyDef& key = def.Keys()[def.KeyIndex(QLatin1String(relation.key.name))];

    RecordPtr position = relation.makeChild();
    def.ClearRecord(*position);
    SetChildLinks(relation, &parent, *position);
    for (size_t i = relation.links.size(); i < key.components.size(); ++i) {
        const KeyComponent& component = key.components[i];
        const FieldDef& field = def.Fields()[component.field];
        field.set(*position, LowestValue(field, component.descending));
    }

    KeyCursor cursor(child);
    if (!cursor.Set(relation.key, *position))
        return Fail(child.LastError());
    for (;;) {
        RecordPtr record = relation.makeChild();
        if (!cursor.Next(*record)) {
            if (child.ErrorCode() == kRecordNotAvailable)
                return true;
            return Fail(child.LastError());
        }
        for (size_t i = 0; i < relation.links.size(); ++i) {
            const int childField = relation.links[i].second;
            const FieldValue wanted =
                NormaliseValue(def.Fields()[childField],
                               relation.parent->Definition().StoredValue(relation.links[i].first, parent));
            if (!SameValue(def.StoredValue(childField, *record), wanted, key.components[i].noCase))
                return true;
        }
        if (!relation.reaches || relation.reaches(*record))
            children.push_back(record);
    }
}

void RelationSet::CheckDeclaration(const Relation& relation)
{
    const TableDef& parent = relation.parent->Definition();
    const TableDef& child = relation.child->Definition();
    const int key = child.KeyIndex(QLatin1String(relation.key.name));
    bool sound = key >= 0 && relation.links.size() <= child.Keys()[key].components.size();
    for (size_t i = 0; sound && i < relation.links.size(); ++i) {
        const auto [parentField, childField] = relation.links[i];
        sound = parentField >= 0 && childField >= 0 && child.Keys()[key].components[i].field == childField;
    }
    // Positioning starts below the children; no text sorts above all others.
    for (size_t i = relation.links.size(); sound && i < child.Keys()[key].components.size(); ++i) {
        const KeyComponent& component = child.Keys()[key].components[i];
        sound = !(component.descending && child.Fields()[component.field].IsText());
    }
    if (!sound) {
        qFatal("Relation %s -> %s: the linking fields must lead the key %s, no descending text after them",
               qPrintable(parent.Label()), qPrintable(child.Label()), relation.key.name);
    }
}

const RelationSet::TableOps& RelationSet::OpsOf(const TableFile& file) const
{
    for (const auto& entry : ops_) {
        if (entry.first == &file)
            return entry.second;
    }
    qFatal("RelationSet: table %s has no registered operations", qPrintable(file.Definition().Label()));
}

bool RelationSet::MayDelete(TableFile& file, const RecordBase& record, int depth)
{
    if (depth > kMaxDepth)
        return Fail(DataError::Make(kFileSystemError, file.Name()));
    for (const Relation& relation : relations_) {
        if (relation.parent != &file)
            continue;
        if (relation.onDelete != RelationMode::Restrict && relation.onDelete != RelationMode::Cascade)
            continue;
        std::vector<RecordPtr> children;
        if (!Children(relation, record, children))
            return false;
        if (relation.onDelete == RelationMode::Restrict) {
            if (!children.empty()) {
                ShowRefusal(kRestrictDeleteCaption, kRestrictDeleteText, *relation.child);
                return false;
            }
            continue;
        }
        for (const RecordPtr& child : children) {
            if (!MayDelete(*relation.child, *child, depth + 1))
                return false;
        }
    }
    return true;
}

bool RelationSet::MayUpdate(TableFile& file, RecordBase& record, const RecordBase& before, int depth)
{
    if (depth > kMaxDepth)
        return Fail(DataError::Make(kFileSystemError, file.Name()));
    for (const Relation& relation : relations_) {
        if (relation.parent != &file || !LinksChanged(relation, record, before))
            continue;
        if (relation.onUpdate != RelationMode::Restrict && relation.onUpdate != RelationMode::Cascade)
            continue;
        std::vector<RecordPtr> children;
        if (!Children(relation, before, children))
            return false;
        if (relation.onUpdate == RelationMode::Restrict) {
            if (!children.empty()) {
                ShowRefusal(kRestrictUpdateCaption, kRestrictUpdateText, *relation.child);
                return false;
            }
            continue;
        }
        for (const RecordPtr& child : children) {
            RecordPtr changed = OpsOf(*relation.child).copy(*child);
            SetChildLinks(relation, &record, *changed);
            if (!MayUpdate(*relation.child, *changed, *child, depth + 1))
                return false;
        }
    }
    return true;
}

bool RelationSet::DeleteTree(TableFile& file, const RecordBase& record, int depth)
{
    // The children are found by the parent's values before it goes; their
    // tables stay open until they have been dealt with.
    std::vector<std::unique_ptr<OpenedForLookup>> held;
    std::vector<std::pair<const Relation*, std::vector<RecordPtr>>> affected;
    for (const Relation& relation : relations_) {
        if (relation.parent != &file)
            continue;
        if (relation.onDelete != RelationMode::Cascade && relation.onDelete != RelationMode::Clear)
            continue;
        held.push_back(std::make_unique<OpenedForLookup>(*relation.child));
        if (!held.back()->Opened())
            return Fail(relation.child->LastError());
        affected.emplace_back(&relation, std::vector<RecordPtr>());
        if (!Children(relation, record, affected.back().second))
            return false;
    }
    if (!OpsOf(file).remove(record))
        return Fail(file.LastError());
    for (auto& [relation, children] : affected) {
        for (RecordPtr& child : children) {
            if (relation->onDelete == RelationMode::Cascade) {
                if (!DeleteTree(*relation->child, *child, depth + 1))
                    return false;
                continue;
            }
            RecordPtr before = OpsOf(*relation->child).copy(*child);
            SetChildLinks(*relation, nullptr, *child);
            if (!UpdateTree(*relation->child, *child, *before, depth + 1))
                return false;
        }
    }
    return true;
}

bool RelationSet::UpdateTree(TableFile& file, RecordBase& record, const RecordBase& before, int depth)
{
    std::vector<std::unique_ptr<OpenedForLookup>> held;
    std::vector<std::pair<const Relation*, std::vector<RecordPtr>>> affected;
    for (const Relation& relation : relations_) {
        if (relation.parent != &file || !LinksChanged(relation, record, before))
            continue;
        if (relation.onUpdate != RelationMode::Cascade && relation.onUpdate != RelationMode::Clear)
            continue;
        held.push_back(std::make_unique<OpenedForLookup>(*relation.child));
        if (!held.back()->Opened())
            return Fail(relation.child->LastError());
        affected.emplace_back(&relation, std::vector<RecordPtr>());
        if (!Children(relation, before, affected.back().second))
            return false;
    }
    // The parent first: when it cannot take its new values (a duplicate
    // key), its children keep theirs.
    if (!OpsOf(file).put(record))
        return Fail(file.LastError());
    for (auto& [relation, children] : affected) {
        for (RecordPtr& child : children) {
            RecordPtr childBefore = OpsOf(*relation->child).copy(*child);
            SetChildLinks(*relation, relation->onUpdate == RelationMode::Cascade ? &record : nullptr, *child);
            if (!UpdateTree(*relation->child, *child, *childBefore, depth + 1))
                return false;
        }
    }
    return true;
}

bool RelationSet::DeleteWithRelations(TableFile& file, const RecordBase& record)
{
    error_ = DataError();
    if (!MayDelete(file, record, 0))
        return false;
    return InOneTransaction(file, error_, [&] { return DeleteTree(file, record, 0); });
}

bool RelationSet::UpdateWithRelations(TableFile& file, RecordBase& record, const RecordBase& before)
{
    error_ = DataError();
    if (!MayUpdate(file, record, before, 0)) {
        if (error_.Ok()) {
            // Refused: the record gets its old linking values back.
            const TableDef& def = file.Definition();
            for (const Relation& relation : relations_) {
                if (relation.parent != &file || !LinksChanged(relation, record, before))
                    continue;
                for (const auto& link : relation.links)
                    def.Fields()[link.first].set(record, def.Fields()[link.first].get(before));
            }
        }
        return false;
    }
    return InOneTransaction(file, error_, [&] { return UpdateTree(file, record, before, 0); });
}

} // namespace vl
