// Script items of tasks (Scripting), of a synchronisation file
// (SyncScripting) and of templates (ScriptTemplateDetails), and the templates
// themselves (ScriptTemplates).

#include "core/dictionary/ScriptTemplateRecords.h"
#include "core/dictionary/ScriptingRecord.h"
#include "core/dictionary/TableDefinitions.h"
#include "platform/data/TableDeclaration.h"

namespace vl {
namespace {

// The item fields after the owner's ID, in stored order; the template items
// spell the e-mail field EMAILID.
template <class R>
void DeclareItemFields(TableDeclaration<R>& d, const QString& p)
{
    auto n = [&p](const char* field) { return p + QLatin1Char(':') + QLatin1String(field); };
    d.Long(n("Sequence"), &R::Sequence)
        .String(n("Action"), &R::Action, 27)
        .String(n("Keystrokes"), &R::Keystrokes, 255)
        .Long(n("SecondsToWait"), &R::SecondsToWait)
        .String(n("WaitForWindow"), &R::WaitForWindow, 255)
        .String(n("FocusOnWindow"), &R::FocusOnWindow, 255)
        .String(n("WindowExistance"), &R::WindowExistance, 20)
        .String(n("WindowTitleToCheckFor"), &R::WindowTitleToCheckFor, 255)
        .String(n("IfTimeElapsed"), &R::IfTimeElapsed, 20)
        .Long(n("TimeElapsed"), &R::TimeElapsed)
        .Long(n("NextTaskID"), &R::NextTaskID)
        .String(n("NETWORKUSER"), &R::NETWORKUSER, 30)
        .Long(n("LASTCHANGEDATE"), &R::LASTCHANGEDATE)
        .Long(n("LASTCHANGETIME"), &R::LASTCHANGETIME)
        .Long(n("ORIGINALID"), &R::ORIGINALID);
    if constexpr (std::is_same_v<R, ScriptTemplateDetailsRecord>)
        d.Long(n("EMAILID"), &R::EMAILID);
    else
        d.Long(n("EmailID"), &R::EmailID);
    d.String(n("Command"), &R::Command, 255)
        .String(n("Path"), &R::Path, 255)
        .String(n("DDEType"), &R::DDEType, 20)
        .String(n("DDEApplicationName"), &R::DDEApplicationName, 255)
        .String(n("DDEApplicationTopic"), &R::DDEApplicationTopic, 255)
        .String(n("DDELinkItem"), &R::DDELinkItem, 80)
        .String(n("DDECommand"), &R::DDECommand, 255);
}

} // namespace

std::shared_ptr<const TableDef> ScriptingDefinition()
{
    static const std::shared_ptr<const TableDef> def = [] {
        TableDeclaration<ScriptingRecord> d(QStringLiteral("Scripting"), QStringLiteral("SCR"));
        d.Description(QStringLiteral("Scripting")).Version(8).FileName(QStringLiteral("VLDB\\!Script"))
            .AccessMode(AccessMode::kReadWrite | AccessMode::kDenyNone);
        d.Long(QStringLiteral("SCR:ID"), &ScriptingRecord::ID);
        DeclareItemFields(d, QStringLiteral("SCR"));
        d.Key(SCR_KEYID, "Sequence", {"SCR:ID", "SCR:Sequence"}, kUnique | kPrimary | kAutoNumber)
            .Key(SCR_KEYEMAIL, "Email", {"SCR:EmailID"});
        return d.Build();
    }();
    return def;
}

std::shared_ptr<const TableDef> SyncScriptingDefinition()
{
    static const std::shared_ptr<const TableDef> def = [] {
        TableDeclaration<ScriptingRecord> d(QStringLiteral("SyncScripting"), QStringLiteral("SScr"));
        d.Description(QStringLiteral("Script Synchronization File")).Version(5)
            .FileName(QLatin1String(kSyncScriptingStartName));
        d.Long(QStringLiteral("SSCR:ID"), &ScriptingRecord::ID);
        DeclareItemFields(d, QStringLiteral("SSCR"));
        d.Key(SSCR_KEYID, "Sequence", {"SSCR:ID", "SSCR:SEQUENCE"}, kUnique | kPrimary | kAutoNumber);
        return d.Build();
    }();
    return def;
}

std::shared_ptr<const TableDef> ScriptTemplatesDefinition()
{
    static const std::shared_ptr<const TableDef> def = [] {
        TableDeclaration<ScriptTemplatesRecord> d(QStringLiteral("ScriptTemplates"), QStringLiteral("VLT"));
        d.Description(QStringLiteral("Script Templates")).Version(2)
            .FileName(QLatin1String(kTemplateFile) + QStringLiteral("\\!ScriptTemplates"))
            .Long(QStringLiteral("VLT:WIZ_ID"), &ScriptTemplatesRecord::WIZ_ID)
            .String(QStringLiteral("VLT:DESCRIPTION"), &ScriptTemplatesRecord::DESCRIPTION, 60)
            .String(QStringLiteral("VLT:DOSFilename"), &ScriptTemplatesRecord::DOSFilename, 255)
            .AlternateFieldName(QStringLiteral("VLT:DOSFilename"), QStringLiteral("VLT:Filename"))
            .Key(VLT_K_WIZ_ID, "Script Wizard ID", {"VLT:WIZ_ID"}, kUnique | kPrimary | kAutoNumber)
            .Key(VLT_K_DESCRIPTION, "Description", {"VLT:DESCRIPTION"}, kUnique)
            .Key(VLT_K_DOSFILENAME, "Import/Export Filename", {"VLT:DOSFilename"});
        return d.Build();
    }();
    return def;
}

std::shared_ptr<const TableDef> ScriptTemplateDetailsDefinition()
{
    static const std::shared_ptr<const TableDef> def = [] {
        TableDeclaration<ScriptTemplateDetailsRecord> d(QStringLiteral("ScriptTemplateDetails"),
                                                        QStringLiteral("VLD"));
        d.Description(QStringLiteral("Script Template Details")).Version(3)
            .FileName(QLatin1String(kTemplateFile) + QStringLiteral("\\!ScriptTemplateDetails"));
        d.Long(QStringLiteral("VLD:WIZ_ID"), &ScriptTemplateDetailsRecord::WIZ_ID);
        DeclareItemFields(d, QStringLiteral("VLD"));
        d.Key(VLD_K_WIZ_ID, "Sequence", {"VLD:WIZ_ID", "VLD:Sequence"}, kUnique | kPrimary | kAutoNumber);
        return d.Build();
    }();
    return def;
}

} // namespace vl
