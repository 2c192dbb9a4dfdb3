#pragma once
// Referential integrity between tables. A relation ties a parent table to a
// child table through a key of the child whose leading components are the
// linking fields; on update and on delete of a parent it acts in one of four
// modes:
// - none: nothing;
// - clear: the children's linking fields are blanked;
// - restrict: the change is refused while children exist ("Referential
//   Integrity Delete Error" / "... Update Error", shown through the prompt
//   service); a refused update puts the old linking values back into the
//   caller's record;
// - cascade: the children are deleted too, or take the new linking values.
// Deletes and updates of a table that is a parent go through Delete and
// Update here, which act on every relation (and on the children's own
// relations) before anything is written: a refusal anywhere changes nothing.
//
// Used on the thread that owns the file objects (the GUI thread for the
// program-wide ones).

#include <functional>
#include <memory>
#include <vector>

#include "platform/data/Table.h"

namespace vl {

enum class RelationMode { None, Clear, Restrict, Cascade };

struct RelationLink {
    const char* parentField;
    const char* childField;
};

class RelationSet {
public:
    // Declares a relation. reaches, when given, limits the relation to the
    // children it accepts (the others are neither counted nor changed).
    template <class P, class C>
    void Add(Table<P>& parent, Table<C>& child, KeyRef childKey, std::vector<RelationLink> links,
             RelationMode onUpdate, RelationMode onDelete, std::function<bool(const C&)> reaches = {});

    // Deletes the record (as read from the file) with the actions of every
    // relation in which its table is the parent. False when refused (the
    // message has been shown; LastError() is 0) or when an operation failed
    // (LastError() holds the error).
    template <class R>
    bool Delete(Table<R>& file, const R& record);

    // Writes the changed record back (before: the record as it was read) with
    // the update actions of the relations whose linking fields it changed.
    // False when refused (linking fields reset, message shown, LastError() 0)
    // or when an operation failed (LastError()).
    template <class R>
    bool Update(Table<R>& file, R& record, const R& before);

    const DataError& LastError() const { return error_; }

private:
    using RecordPtr = std::shared_ptr<RecordBase>;

    // What the engine does to records of one table, bound to its type.
    struct TableOps {
        std::function<RecordPtr(const RecordBase&)> copy;
        std::function<bool(RecordBase&)> put;
        std::function<bool(const RecordBase&)> remove;
    };

    struct Relation {
        TableFile* parent = nullptr;
        TableFile* child = nullptr;
        KeyRef key;
        std::vector<std::pair<int, int>> links; // parent field, child field
        RelationMode onUpdate = RelationMode::None;
        RelationMode onDelete = RelationMode::None;
        std::function<RecordPtr()> makeChild;
        std::function<bool(const RecordBase&)> reaches;
    };

    template <class R>
    void RegisterOps(Table<R>& file);
    const TableOps& OpsOf(const TableFile& file) const;
    // Stops the program on a declaration that cannot work: an unknown field
    // or key, linking fields that are not the key's leading components, or a
    // descending text component after them.
    static void CheckDeclaration(const Relation& relation);

    bool DeleteWithRelations(TableFile& file, const RecordBase& record);
    bool UpdateWithRelations(TableFile& file, RecordBase& record, const RecordBase& before);
    bool MayDelete(TableFile& file, const RecordBase& record, int depth);
    bool MayUpdate(TableFile& file, RecordBase& record, const RecordBase& before, int depth);
    bool DeleteTree(TableFile& file, const RecordBase& record, int depth);
    bool UpdateTree(TableFile& file, RecordBase& record, const RecordBase& before, int depth);
    bool LinksChanged(const Relation& relation, const RecordBase& record, const RecordBase& before) const;
    // The children of a parent record (link values taken from it).
    bool Children(const Relation& relation, const RecordBase& parent, std::vector<RecordPtr>& children);
    void SetChildLinks(const Relation& relation, const RecordBase* parent, RecordBase& child) const;
    bool Fail(const DataError& error);

    std::vector<Relation> relations_;
    std::vector<std::pair<TableFile*, TableOps>> ops_;
    DataError error_;
};

// The messages of refused changes (%File is the child table's description).
inline constexpr char kRestrictDeleteCaption[] = "Referential Integrity Delete Error";
inline constexpr char kRestrictDeleteText[] =
    "This record is referenced from the file %File. This record cannot be deleted while these references exist.";
inline constexpr char kRestrictUpdateCaption[] = "Referential Integrity Update Error";
inline constexpr char kRestrictUpdateText[] =
    "This record is referenced from the file %File. Its linking fields have been restored to their original values.";

// ---- template members ---------------------------------------------------

template <class R>
void RelationSet::RegisterOps(Table<R>& file)
{
    for (const auto& entry : ops_) {
        if (entry.first == &file)
            return;
    }
    TableOps ops;
    ops.copy = [](const RecordBase& r) -> RecordPtr { return std::make_shared<R>(static_cast<const R&>(r)); };
    ops.put = [&file](RecordBase& r) { return file.Put(static_cast<R&>(r)); };
    ops.remove = [&file](const RecordBase& r) { return file.Delete(static_cast<const R&>(r)); };
    ops_.emplace_back(&file, std::move(ops));
}

template <class P, class C>
void RelationSet::Add(Table<P>& parent, Table<C>& child, KeyRef childKey, std::vector<RelationLink> links,
                      RelationMode onUpdate, RelationMode onDelete, std::function<bool(const C&)> reaches)
{
    RegisterOps(parent);
    RegisterOps(child);
    Relation relation;
    relation.parent = &parent;
    relation.child = &child;
    relation.key = childKey;
    for (const RelationLink& link : links) {
        relation.links.emplace_back(parent.Definition().FieldIndex(QLatin1String(link.parentField)),
                                    child.Definition().FieldIndex(QLatin1String(link.childField)));
    }
    relation.onUpdate = onUpdate;
    relation.onDelete = onDelete;
    CheckDeclaration(relation);
    relation.makeChild = []() -> RecordPtr { return std::make_shared<C>(); };
    if (reaches) {
        relation.reaches = [reaches = std::move(reaches)](const RecordBase& r) {
            return reaches(static_cast<const C&>(r));
        };
    }
    relations_.push_back(std::move(relation));
}

template <class R>
bool RelationSet::Delete(Table<R>& file, const R& record)
{
    RegisterOps(file);
    return DeleteWithRelations(file, record);
}

template <class R>
bool RelationSet::Update(Table<R>& file, R& record, const R& before)
{
    RegisterOps(file);
    return UpdateWithRelations(file, record, before);
}

} // namespace vl
