#pragma once
// One contact (Contact, prefix C_).

#include <cstdint>

#include <QString>

#include "platform/data/Record.h"
#include "platform/data/TableDef.h"

namespace vl {

struct ContactRecord : RecordBase {
    QString USER;             // STRING(40)
    int32_t ClientID = 0;     // LONG unique, auto-numbered
    QString LastName;         // STRING(30)
    QString FirstName;        // STRING(20)
    QString AddressLine1;     // STRING(30)
    QString AddressLine2;     // STRING(30)
    QString AddressLine3;     // STRING(30)
    QString PostalCode;       // STRING(10)
    QString WorkDayPhone;     // STRING(20)
    QString HomeEveningPhone; // STRING(20)
    QString Fax;              // STRING(20)
    QString OtherPhone;       // STRING(20)
    QString Email;            // STRING(40)
    QString WebSite;          // STRING(60)
    QString ContactCategory;  // STRING(20) (ContactCategories)
    QString Notes;            // memo, 1024
};

// Keys of Contact (named with one underscore after the prefix C_).
inline constexpr KeyRef C_KEYCLIENTID{"C_:KEYCLIENTID"};
inline constexpr KeyRef C_KEYUSERCLIENTID{"C_:KEYUSERCLIENTID"};
inline constexpr KeyRef C_KEYLASTNAME{"C_:KEYLASTNAME"};
inline constexpr KeyRef C_KEYFIRSTNAME{"C_:KEYFIRSTNAME"};
inline constexpr KeyRef C_KEYWORKPHONE{"C_:KEYWORKPHONE"};
inline constexpr KeyRef C_KEYHOMEPHONE{"C_:KEYHOMEPHONE"};
inline constexpr KeyRef C_KEYFAXNUMBER{"C_:KEYFAXNUMBER"};
inline constexpr KeyRef C_KEYEMAIL{"C_:KEYEMAIL"};
inline constexpr KeyRef C_KEYCATEGORY{"C_:KEYCATEGORY"};

} // namespace vl
