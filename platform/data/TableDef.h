#pragma once
// The declaration of one table: its label, prefix, description, structure
// version, file name, fields bound to the members of its record struct, memos,
// keys, insert defaults, field checks and former field names. Built once with
// TableDeclaration<R> (TableDeclaration.h) and shared, read-only, by every
// file object of the table on every thread.

#include "platform/data/Record.h"

#include <QHash>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <optional>
#include <variant>
#include <vector>

namespace vl {

enum class FieldType {
    String,  // STRING(n): stored clipped of trailing blanks, cut to n
    CString, // CSTRING(n): clipped, cut to n-1 (the terminator's byte), ends at a NUL
    Byte,    // unsigned 8-bit (wraps to 0-255)
    Short,   // signed 16-bit
    UShort,  // unsigned 16-bit
    Long,    // signed 32-bit
    ULong,   // unsigned 32-bit
    Real,    // double
    Decimal, // DECIMAL(digits, places): a double rounded to its places
    Memo,    // text cut to its size (trailing blanks kept)
};

// One stored value as the engine moves it: integers, reals, text.
using FieldValue = std::variant<int64_t, double, QString>;

struct FieldDef {
    QString name;   // "SCH:Description" as declared
    QString column; // the stored column: the name after its prefix ("Description")
    FieldType type = FieldType::Long;
    int size = 0;   // characters of STRING/CSTRING, size of a memo, digits of a DECIMAL
    int places = 0; // decimal places of a DECIMAL
    std::function<FieldValue(const RecordBase&)> get;
    std::function<void(RecordBase&, const FieldValue&)> set;

    bool IsText() const;
    // The units of text the field keeps: its size, one less for a CSTRING
    // (its terminator).
    int TextWidth() const;
};

// Attributes of a key, combined with |. Keys allow duplicates and compare
// text case-insensitively unless stated.
enum KeyAttribute : unsigned {
    kDuplicates = 0,
    kUnique = 1,
    kPrimary = 2,
    // On Add, a record whose last key component is 0 takes the highest stored
    // value + 1 (within the values of the other components when there are any).
    kAutoNumber = 4,
    kCaseSensitive = 8,
};

// One component of a key in a declaration: a field name, ascending unless
// wrapped in Descending().
struct KeyPart {
    QString field;
    bool descending = false;
    KeyPart(const char* name) : field(QString::fromLatin1(name)) {}
    KeyPart(const QString& name) : field(name) {}
};
KeyPart Descending(const char* field);

// The identifier of a key in code: SCH_KEYDATEENABLED, declared as
//   inline constexpr vl::KeyRef SCH_KEYDATEENABLED{"SCH:KEYDATEENABLED"};
// Key names compare case-insensitively; the name must live as long as the
// program (a string literal). The empty KeyRef (FileOrder) stands for
// record-pointer order.
struct KeyRef {
    const char* name = nullptr;
    constexpr KeyRef() = default;
    constexpr explicit KeyRef(const char* keyName) : name(keyName) {}
};
inline constexpr KeyRef FileOrder{};

struct KeyComponent {
    int field = 0;          // index into TableDef::Fields()
    bool descending = false;
    bool noCase = false;    // a text part compared case-insensitively
};

struct KeyDef {
    QString name;        // "SCH:KEYDATEENABLED"
    QString description; // "Only used to determine if task is waitin"
    std::vector<KeyComponent> components;
    bool unique = false;
    bool primary = false;
    bool autoNumber = false;
    bool caseSensitive = false;
};

// The outcome of a failed field check: the field and the message to show.
struct FieldCheckFailure {
    QString field;
    QString message;
};

struct FieldCheck {
    int field = 0;
    // Returns the message when the record fails the check, else nothing.
    std::function<std::optional<QString>(const RecordBase&)> check;
};

// Runtime access modes: the low nibble is the access (0 read, 1 write,
// 2 read-write), the high nibble the sharing (10h deny all ... 40h deny none).
namespace AccessMode {
inline constexpr int kReadOnly = 0x00;
inline constexpr int kWriteOnly = 0x01;
inline constexpr int kReadWrite = 0x02;
inline constexpr int kDenyAll = 0x10;
inline constexpr int kDenyWrite = 0x20;
inline constexpr int kDenyRead = 0x30;
inline constexpr int kDenyNone = 0x40;
} // namespace AccessMode

class TableDef {
public:
    TableDef() = default;

    const QString& Label() const { return label_; }
    const QString& Prefix() const { return prefix_; }
    const QString& Description() const { return description_; }
    int Version() const { return version_; }
    const QString& FileName() const { return fileName_; } // the name at start ("vldb\!s")
    int AccessMode() const { return accessMode_; }
    const std::vector<FieldDef>& Fields() const { return fields_; }
    const std::vector<KeyDef>& Keys() const { return keys_; }
    const std::vector<FieldCheck>& Checks() const { return checks_; }

    // Index of a field or key by name (case-insensitive), -1 when unknown.
    // Fields are found with or without their prefix.
    int FieldIndex(const QString& name) const;
    int KeyIndex(const QString& name) const;
    // Former column names of a field (from AlternateFieldName), upper case.
    QStringList AlternateColumns(int field) const;

    // Clears the record to blanks and zeros (record pointer 0), then applies
    // the insert defaults.
    void PrimeRecord(RecordBase& record) const;
    // Clears the record's fields to blanks and zeros.
    void ClearRecord(RecordBase& record) const;
    // The first failing field check, or nothing when the record passes.
    std::optional<FieldCheckFailure> Validate(const RecordBase& record) const;

    // The value a field would be stored as (clipped, cut, wrapped).
    FieldValue StoredValue(int field, const RecordBase& record) const;

    // Shared by the declaration builder.
    QString ColumnFor(const QString& fieldName) const;

private:
    template <class R> friend class TableDeclaration;
    friend class TableDefBuilder;

    QString label_;
    QString prefix_;
    QString description_;
    int version_ = 1;
    QString fileName_;
    int accessMode_ = AccessMode::kReadWrite;
    std::vector<FieldDef> fields_;
    std::vector<KeyDef> keys_;
    std::vector<FieldCheck> checks_;
    std::function<void(RecordBase&)> insertDefaults_;
    QHash<QString, int> fieldIndex_; // upper-case name and column -> index
    QHash<QString, int> keyIndex_;   // upper-case name -> index
    QHash<int, QStringList> alternates_;
};

// Normalises a value to what the field stores: STRING and CSTRING clipped and
// cut, BYTE/SHORT/USHORT/LONG/ULONG wrapped to their width, DECIMAL rounded,
// memos cut to their size.
FieldValue NormaliseValue(const FieldDef& field, const FieldValue& value);

} // namespace vl
