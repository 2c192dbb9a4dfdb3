#pragma once
// Declares a table once, binding its fields to the members of its record
// struct:
//
//   auto def = vl::TableDeclaration<ScheduleRecord>("Schedule", "SCH")
//       .Description("Schedule").Version(11).FileName("vldb\\!s")
//       .AccessMode(vl::AccessMode::kReadWrite | vl::AccessMode::kDenyNone)
//       .String("SCH:User", &ScheduleRecord::User, 40)
//       .Long("SCH:ID", &ScheduleRecord::ID)
//       .Memo("SCH:Message", &ScheduleRecord::Message, 4096)
//       .Key(SCH_KEYID, "By System ID", {"SCH:ID"}, vl::kUnique | vl::kPrimary | vl::kAutoNumber)
//       .InsertDefaults([](ScheduleRecord& r) { r.Disabled = 1; })
//       .Build();
//
// A declaration naming an unknown field, or a field twice, is a programming
// error: Build() stops the program with a message naming it.

#include "platform/data/TableDef.h"

#include <initializer_list>
#include <memory>
#include <type_traits>

namespace vl {

// The untyped half of the builder, shared by every record type.
class TableDefBuilder {
public:
    static void AddField(TableDef& def, const QString& name, FieldType type, int size, int places,
                         std::function<FieldValue(const RecordBase&)> get,
                         std::function<void(RecordBase&, const FieldValue&)> set);
    static void AddKey(TableDef& def, KeyRef key, const QString& description,
                       const std::vector<KeyPart>& parts, unsigned attributes);
    static void AddRangeCheck(TableDef& def, const QString& field, int64_t low, int64_t high);
    static void AddCheck(TableDef& def, const QString& field,
                         std::function<std::optional<QString>(const RecordBase&)> check);
    static void AddAlternateName(TableDef& def, const QString& field, const QString& oldName);
    static void SetInsertDefaults(TableDef& def, std::function<void(RecordBase&)> defaults);
    static void Finish(TableDef& def); // checks the declaration; fatal on a mistake
    static int64_t ToInteger(const FieldValue& value);
    static double ToReal(const FieldValue& value);
    static QString ToText(const FieldValue& value);
};

template <class R>
class TableDeclaration {
    static_assert(std::is_base_of_v<RecordBase, R>, "record structs derive from vl::RecordBase");

public:
    TableDeclaration(const QString& label, const QString& prefix)
        : def_(std::make_shared<TableDef>())
    {
        def_->label_ = label;
        def_->prefix_ = prefix;
        def_->description_ = label;
        def_->fileName_ = label;
    }

    TableDeclaration& Description(const QString& text) { def_->description_ = text; return *this; }
    TableDeclaration& Version(int version) { def_->version_ = version; return *this; }
    TableDeclaration& FileName(const QString& name) { def_->fileName_ = name; return *this; }
    TableDeclaration& AccessMode(int mode) { def_->accessMode_ = mode; return *this; }

    TableDeclaration& String(const QString& name, QString R::*member, int width)
    { return Text(name, FieldType::String, member, width); }
    TableDeclaration& CString(const QString& name, QString R::*member, int width)
    { return Text(name, FieldType::CString, member, width); }
    TableDeclaration& Memo(const QString& name, QString R::*member, int size)
    { return Text(name, FieldType::Memo, member, size); }
    TableDeclaration& Byte(const QString& name, uint8_t R::*member)
    { return Integer(name, FieldType::Byte, member); }
    TableDeclaration& Short(const QString& name, int16_t R::*member)
    { return Integer(name, FieldType::Short, member); }
    TableDeclaration& UShort(const QString& name, uint16_t R::*member)
    { return Integer(name, FieldType::UShort, member); }
    TableDeclaration& Long(const QString& name, int32_t R::*member)
    { return Integer(name, FieldType::Long, member); }
    TableDeclaration& ULong(const QString& name, uint32_t R::*member)
    { return Integer(name, FieldType::ULong, member); }
    TableDeclaration& Real(const QString& name, double R::*member)
    { return Floating(name, FieldType::Real, member, 0, 0); }
    TableDeclaration& Decimal(const QString& name, double R::*member, int digits, int places)
    { return Floating(name, FieldType::Decimal, member, digits, places); }

    // Components name declared fields; wrap one in Descending() to reverse it.
    TableDeclaration& Key(KeyRef key, const QString& description, std::initializer_list<KeyPart> parts,
                          unsigned attributes = kDuplicates)
    {
        TableDefBuilder::AddKey(*def_, key, description, std::vector<KeyPart>(parts), attributes);
        return *this;
    }

    // Applied when a record is primed for insertion (Table::Prime).
    TableDeclaration& InsertDefaults(std::function<void(R&)> defaults)
    {
        TableDefBuilder::SetInsertDefaults(*def_, [defaults = std::move(defaults)](RecordBase& r) {
            defaults(static_cast<R&>(r));
        });
        return *this;
    }

    // The value of an integer field must lie between low and high: else
    // "The value of <field> must be between <low> and <high>."
    TableDeclaration& RangeCheck(const QString& field, int64_t low, int64_t high)
    {
        TableDefBuilder::AddRangeCheck(*def_, field, low, high);
        return *this;
    }

    // Any other check: returns the message when the record fails it.
    TableDeclaration& Check(const QString& field, std::function<std::optional<QString>(const R&)> check)
    {
        TableDefBuilder::AddCheck(*def_, field, [check = std::move(check)](const RecordBase& r) {
            return check(static_cast<const R&>(r));
        });
        return *this;
    }

    // The field was formerly called oldName; older stored tables convert by
    // it ("VLT:DOSFilename" was "VLT:Filename").
    TableDeclaration& AlternateFieldName(const QString& field, const QString& oldName)
    {
        TableDefBuilder::AddAlternateName(*def_, field, oldName);
        return *this;
    }

    std::shared_ptr<const TableDef> Build()
    {
        TableDefBuilder::Finish(*def_);
        return def_;
    }

private:
    TableDeclaration& Text(const QString& name, FieldType type, QString R::*member, int size)
    {
        TableDefBuilder::AddField(
            *def_, name, type, size, 0,
            [member](const RecordBase& r) { return FieldValue(static_cast<const R&>(r).*member); },
            [member](RecordBase& r, const FieldValue& v) {
                static_cast<R&>(r).*member = TableDefBuilder::ToText(v);
            });
        return *this;
    }

    template <class T>
    TableDeclaration& Integer(const QString& name, FieldType type, T R::*member)
    {
        TableDefBuilder::AddField(
            *def_, name, type, 0, 0,
            [member](const RecordBase& r) {
                return FieldValue(static_cast<int64_t>(static_cast<const R&>(r).*member));
            },
            [member](RecordBase& r, const FieldValue& v) {
                static_cast<R&>(r).*member = static_cast<T>(TableDefBuilder::ToInteger(v));
            });
        return *this;
    }

    TableDeclaration& Floating(const QString& name, FieldType type, double R::*member, int digits, int places)
    {
        TableDefBuilder::AddField(
            *def_, name, type, digits, places,
            [member](const RecordBase& r) { return FieldValue(static_cast<const R&>(r).*member); },
            [member](RecordBase& r, const FieldValue& v) {
                static_cast<R&>(r).*member = TableDefBuilder::ToReal(v);
            });
        return *this;
    }

    std::shared_ptr<TableDef> def_;
};

} // namespace vl
