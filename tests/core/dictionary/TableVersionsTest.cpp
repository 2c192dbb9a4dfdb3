// Labels, prefixes and structure versions of the tables, and the conversion
// of an older stored layout when a table is opened.

#include <gtest/gtest.h>

#include "core/dictionary/ScriptTemplateRecords.h"
#include "core/dictionary/TableDefinitions.h"
#include "platform/data/Table.h"
#include "platform/data/TableDeclaration.h"

namespace vl {
namespace {

TEST(TableVersionsTest, EveryTableCarriesItsPrefixAndVersion)
{
    struct Expected {
        std::shared_ptr<const TableDef> def;
        const char* prefix;
        const char* label;
        int version;
        const char* description;
    };
    const Expected tables[] = {
        {CategoriesDefinition(), "CAT", "Categories", 4, "Categories"},
        {ClipboardDefinition(), "CLI", "Clipboard", 8, "Clipboard Saver"},
        {ClipboardCategoriesDefinition(), "CLC", "ClipboardCategories", 3, "Clipboard Categories"},
        {ConfigurationDefinition(), "CF", "Configuration", 2, "Configuration"},
        {ContactDefinition(), "C_", "Contact", 2, "Contacts"},
        {ContactCategoriesDefinition(), "CC", "ContactCategories", 3, "Contact Categories"},
        {HolidaysDefinition(), "HOL", "Holidays", 4, "Holidays"},
        {MessagesDefinition(), "M_", "Messages", 3, "Messages"},
        {MsgLinkDefinition(), "ML", "MsgLink", 1, "Message Link Database"},
        {ScheduleDefinition(), "SCH", "Schedule", 11, "Schedule"},
        {ScheduleWorkfileDefinition(), "SCW", "ScheduleWorkfile", 3, "Schedule Workfile"},
        {ScriptTemplateDetailsDefinition(), "VLD", "ScriptTemplateDetails", 3, "Script Template Details"},
        {ScriptTemplatesDefinition(), "VLT", "ScriptTemplates", 2, "Script Templates"},
        {ScriptingDefinition(), "SCR", "Scripting", 8, "Scripting"},
        {SyncScheduleDefinition(), "SSch", "SyncSchedule", 7, "Synchronization File - Schedule"},
        {SyncScriptingDefinition(), "SScr", "SyncScripting", 5, "Script Synchronization File"},
        {SyncTodoDefinition(), "STdo", "SyncTodo", 1, "To Do List Synchronization File"},
        {SysHotKeysDefinition(), "HOT", "SysHotKeys", 2, "Hot Keys"},
        {TodoDefinition(), "TDO", "Todo", 4, "To Do List"},
    };
    for (const Expected& t : tables) {
        EXPECT_EQ(t.def->Prefix(), t.prefix) << t.label;
        EXPECT_EQ(t.def->Label(), t.label);
        EXPECT_EQ(t.def->Version(), t.version) << t.label;
        EXPECT_EQ(t.def->Description(), t.description) << t.label;
    }
    EXPECT_EQ(ScheduleDefinition()->Keys().size(), 14u);
    EXPECT_EQ(SyncScheduleDefinition()->Keys().size(), 14u);
    EXPECT_EQ(ScheduleWorkfileDefinition()->Keys().size(), 13u);
    const KeyDef& waiting = ScheduleDefinition()->Keys()[ScheduleDefinition()->KeyIndex("SCH:KEYDATEENABLED")];
    EXPECT_EQ(waiting.description, "Only used to determine if task is waitin");
}

TEST(TableVersionsTest, AnOlderTemplateFileKeepsItsFileNamesUnderTheNewFieldName)
{
    struct OldTemplate : RecordBase {
        int32_t WIZ_ID = 0;
        QString DESCRIPTION;
        QString Filename;
    };
    {
        Table<OldTemplate> old(TableDeclaration<OldTemplate>("ScriptTemplates", "VLT")
                                   .FileName("VLTpl\\!ScriptTemplates")
                                   .Version(1)
                                   .Long("VLT:WIZ_ID", &OldTemplate::WIZ_ID)
                                   .String("VLT:DESCRIPTION", &OldTemplate::DESCRIPTION, 60)
                                   .String("VLT:Filename", &OldTemplate::Filename, 255)
                                   .Key(VLT_K_WIZ_ID, "Script Wizard ID", {"VLT:WIZ_ID"},
                                        kUnique | kPrimary | kAutoNumber)
                                   .Build());
        ASSERT_TRUE(old.Open(TableFile::kDeclaredMode, true));
        OldTemplate tpl;
        tpl.DESCRIPTION = QStringLiteral("Logon");
        tpl.Filename = QStringLiteral("logon.vls");
        ASSERT_TRUE(old.Add(tpl));
        old.Close();
    }
    Table<ScriptTemplatesRecord> templates(ScriptTemplatesDefinition());
    ASSERT_TRUE(templates.Open()) << qPrintable(templates.Error());
    ScriptTemplatesRecord tpl;
    templates.Set(VLT_K_WIZ_ID);
    ASSERT_TRUE(templates.Next(tpl));
    EXPECT_EQ(tpl.DESCRIPTION, "Logon");
    EXPECT_EQ(tpl.DOSFilename, "logon.vls");
    templates.Close();
}

} // namespace
} // namespace vl
