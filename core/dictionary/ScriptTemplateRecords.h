#pragma once
// The script templates of VLTpl.TPS: the templates (ScriptTemplates, prefix
// VLT) and their items (ScriptTemplateDetails, prefix VLD). An item has the
// script item layout with the template's ID in place of the task's.

#include <cstdint>

#include <QString>

#include "platform/data/Record.h"
#include "platform/data/TableDef.h"
#include "platform/runtime/Calendar.h"

namespace vl {

struct ScriptTemplatesRecord : RecordBase {
    int32_t WIZ_ID = 0;   // LONG template ID, auto-numbered
    QString DESCRIPTION;  // STRING(60) template name, unique
    QString DOSFilename;  // STRING(255) import/export file name (formerly "Filename")
};

struct ScriptTemplateDetailsRecord : RecordBase {
    int32_t WIZ_ID = 0;              // LONG the template (VLT:WIZ_ID) the item belongs to
    int32_t Sequence = 0;            // LONG numbered within the template
    QString Action;                  // STRING(27)
    QString Keystrokes;              // STRING(255)
    int32_t SecondsToWait = 0;       // LONG
    QString WaitForWindow;           // STRING(255)
    QString FocusOnWindow;           // STRING(255)
    QString WindowExistance;         // STRING(20)
    QString WindowTitleToCheckFor;   // STRING(255)
    QString IfTimeElapsed;           // STRING(20)
    int32_t TimeElapsed = 0;         // LONG
    int32_t NextTaskID = 0;          // LONG
    QString NETWORKUSER;             // STRING(30)
    vl::Date LASTCHANGEDATE = 0;     // LONG
    ClockTime LASTCHANGETIME = 0;    // LONG
    int32_t ORIGINALID = 0;          // LONG
    int32_t EMAILID = 0;             // LONG
    QString Command;                 // STRING(255)
    QString Path;                    // STRING(255)
    QString DDEType;                 // STRING(20)
    QString DDEApplicationName;      // STRING(255)
    QString DDEApplicationTopic;     // STRING(255)
    QString DDELinkItem;             // STRING(80)
    QString DDECommand;              // STRING(255)
};

// Keys of ScriptTemplates.
inline constexpr KeyRef VLT_K_WIZ_ID{"VLT:K_WIZ_ID"};
inline constexpr KeyRef VLT_K_DESCRIPTION{"VLT:K_DESCRIPTION"};
inline constexpr KeyRef VLT_K_DOSFILENAME{"VLT:K_DOSFILENAME"};

// Keys of ScriptTemplateDetails.
inline constexpr KeyRef VLD_K_WIZ_ID{"VLD:K_WIZ_ID"};

} // namespace vl
