#pragma once
// One stored e-mail, news or mass-mailing message (Messages, prefix M_).

#include <cstdint>

#include <QString>

#include "platform/data/Record.h"
#include "platform/data/TableDef.h"
#include "platform/runtime/Calendar.h"

namespace vl {

struct MessagesRecord : RecordBase {
    int32_t EmailID = 0;        // LONG unique, auto-numbered
    QString MAILTYPE;           // STRING(12) "Email" when a form primes a new one
    int32_t CONTACTID = 0;      // LONG
    QString EmailTo;            // STRING(255)
    QString EMAILTONAME;        // STRING(255)
    QString EMAILTOGROUP;       // STRING(20)
    QString CC;                 // STRING(255)
    QString BCC;                // STRING(255)
    QString Subject;            // STRING(255)
    QString ATTACHMENT;         // STRING(255)
    vl::Date LastDateSent = 0;  // LONG
    QString MAIL_SERVER;        // STRING(128) field MAIL:SERVER
    QString MAIL_USER;          // STRING(128) field MAIL:USER
    QString NEWS_SERVER;        // STRING(128) field NEWS:SERVER
    QString NEWS_USER;          // STRING(128) field NEWS:USER
    QString NEWS_PASSWORD;      // STRING(128) field NEWS:PASSWORD
    QString Message;            // memo, 10000
};

// Keys of Messages (named with one underscore after the prefix M_).
inline constexpr KeyRef M_KEYEMAILID{"M_:KEYEMAILID"};
inline constexpr KeyRef M_KEYCONTACT{"M_:KEYCONTACT"};
inline constexpr KeyRef M_KEYSUBJECT{"M_:KEYSUBJECT"};
inline constexpr KeyRef M_KEYLASTDATESENT{"M_:KEYLASTDATESENT"};

} // namespace vl
