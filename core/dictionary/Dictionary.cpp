#include "core/dictionary/Dictionary.h"

#include <memory>

#include "core/dictionary/TableDefinitions.h"
#include "core/base/EventLog.h"
#include "platform/runtime/FixedText.h"

namespace vl {

QString GlobalSyncScheduleFilename = QLatin1String(kSyncScheduleStartName);
QString GlobalSyncScriptingFilename = QLatin1String(kSyncScriptingStartName);
QString GlobalSyncTodoFilename = QLatin1String(kSyncTodoStartName);
QString ScheduleWorkfileName;
QString GlobalExportName;

namespace {

std::unique_ptr<Dictionary> gDictionary;

} // namespace

Dictionary::Dictionary()
    : Schedule(ScheduleDefinition()),
      SyncSchedule(SyncScheduleDefinition()),
      ClipboardCategories(ClipboardCategoriesDefinition()),
      ScheduleWorkfile(ScheduleWorkfileDefinition()),
      Categories(CategoriesDefinition()),
      Todo(TodoDefinition()),
      Scripting(ScriptingDefinition()),
      ScriptTemplateDetails(ScriptTemplateDetailsDefinition()),
      ScriptTemplates(ScriptTemplatesDefinition()),
      SyncScripting(SyncScriptingDefinition()),
      SyncTodo(SyncTodoDefinition()),
      Contact(ContactDefinition()),
      ContactCategories(ContactCategoriesDefinition()),
      Clipboard(ClipboardDefinition()),
      Holidays(HolidaysDefinition()),
      Messages(MessagesDefinition()),
      Configuration(ConfigurationDefinition()),
      MsgLink(MsgLinkDefinition()),
      SysHotKeys(SysHotKeysDefinition())
{
    DeclareRelations();
    ApplyFileNameVariables();
}

Dictionary::~Dictionary()
{
    CloseAll();
}

void Dictionary::DeclareRelations()
{
    using M = RelationMode;
    Relations.Add(Categories, Schedule, SCH_KEYCATEGORY, {{"CAT:Category", "SCH:Category"}}, M::Restrict,
                  M::Restrict);
    Relations.Add(Categories, Todo, TDO_KEYCATEGORY, {{"CAT:Category", "TDO:Category"}}, M::None, M::None);
    Relations.Add(ContactCategories, Contact, C_KEYCATEGORY, {{"CC:CONTACTCATEGORY", "C_:ContactCategory"}},
                  M::Restrict, M::Restrict);
    Relations.Add(ClipboardCategories, Clipboard, CLI_KEYCATEGORY, {{"CLC:CATEGORY", "CLI:Category"}},
                  M::Cascade, M::Restrict);
    Relations.Add(Messages, Scripting, SCR_KEYEMAIL, {{"M_:EmailID", "SCR:EmailID"}}, M::Restrict, M::Restrict);
    // Deleting a hot key deletes the task it runs; a task of any other type
    // that happens to carry the same ID is not the hot key's.
    Relations.Add<SysHotKeysRecord, ScheduleRecord>(
        SysHotKeys, Schedule, SCH_KEYID, {{"HOT:ID", "SCH:ID"}}, M::None, M::Cascade,
        [](const ScheduleRecord& task) { return SameTextNoCase(task.TaskType, QLatin1String(kHotKeyTaskType)); });
    Relations.Add(Schedule, Scripting, SCR_KEYID, {{"SCH:ID", "SCR:ID"}}, M::None, M::Cascade);
    Relations.Add(ScriptTemplates, ScriptTemplateDetails, VLD_K_WIZ_ID, {{"VLT:WIZ_ID", "VLD:WIZ_ID"}}, M::None,
                  M::Cascade);
    Relations.Add(ScriptTemplateDetails, Messages, M_KEYEMAILID, {{"VLD:EMAILID", "M_:EmailID"}}, M::None,
                  M::None);
}

void Dictionary::ApplyFileNameVariables()
{
    SyncSchedule.SetName(GlobalSyncScheduleFilename);
    SyncScripting.SetName(GlobalSyncScriptingFilename);
    SyncTodo.SetName(GlobalSyncTodoFilename);
    if (!ScheduleWorkfileName.trimmed().isEmpty())
        ScheduleWorkfile.SetName(ScheduleWorkfileName.trimmed());
}

std::vector<TableFile*> Dictionary::AllTables()
{
    return {&Schedule, &SyncSchedule, &ClipboardCategories, &ScheduleWorkfile, &Categories,
            &Todo, &Scripting, &ScriptTemplateDetails, &ScriptTemplates, &SyncScripting,
            &SyncTodo, &Contact, &ContactCategories, &Clipboard, &Holidays, &Messages,
            &Configuration, &MsgLink, &SysHotKeys};
}

TableFile* Dictionary::FindTable(const QString& label)
{
    for (TableFile* file : AllTables()) {
        if (SameTextNoCase(file->Definition().Label(), label))
            return file;
    }
    return nullptr;
}

QString Dictionary::LabelOfFileName(const QString& fileName)
{
    for (TableFile* file : AllTables()) {
        if (SameTextNoCase(file->Name(), fileName))
            return file->Definition().Label();
    }
    return QString();
}

void Dictionary::CloseAll()
{
    for (TableFile* file : AllTables()) {
        while (file->IsOpen())
            file->Close();
    }
}

void DictionaryStart()
{
    if (!gDictionary)
        gDictionary = std::make_unique<Dictionary>();
}

void DictionaryEnd()
{
    gDictionary.reset();
}

bool DictionaryStarted()
{
    return gDictionary != nullptr;
}

Dictionary& Tables()
{
    if (!gDictionary)
        qFatal("The data dictionary is used before it was started");
    return *gDictionary;
}

bool OpenTable(TableFile& file)
{
    bool opened = file.Open(TableFile::kDeclaredMode, true);
    if (!opened && file.ErrorCode() == kAccessDenied)
        opened = file.Open(TableFile::kDeclaredMode, true);
    // The tables the scheduler cannot work without leave a trace in the log.
    const QString& label = file.Definition().Label();
    if (!opened && (label == QLatin1String("Schedule") || label == QLatin1String("Scripting")))
        WriteEventLog(QStringLiteral("Error"), QStringLiteral("Opening ") + label + QStringLiteral(":  ") + file.Error());
    return opened;
}

} // namespace vl
