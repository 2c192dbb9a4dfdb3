#pragma once
// The three one-field category tables: task categories (Categories, prefix
// CAT), clipboard categories (ClipboardCategories, CLC) and contact
// categories (ContactCategories, CC).

#include <QString>

#include "platform/data/Record.h"
#include "platform/data/TableDef.h"

namespace vl {

struct CategoriesRecord : RecordBase {
    QString Category; // STRING(20), unique without regard to case
};

struct ClipboardCategoriesRecord : RecordBase {
    QString CATEGORY; // STRING(20), unique without regard to case
};

struct ContactCategoriesRecord : RecordBase {
    QString CONTACTCATEGORY; // STRING(20), unique without regard to case
};

// Keys of Categories.
inline constexpr KeyRef CAT_KEYCATEGORY{"CAT:KEYCATEGORY"};
// Keys of ClipboardCategories.
inline constexpr KeyRef CLC_KEYCATEGORY{"CLC:KEYCATEGORY"};
// Keys of ContactCategories.
inline constexpr KeyRef CC_KEYCONTACTCATEGORIES{"CC:KEYCONTACTCATEGORIES"};

} // namespace vl
