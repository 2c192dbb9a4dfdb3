#pragma once
// The program-wide file objects, one per table, and the relations between
// them. Started once by the program body before any table is used, ended
// after the frame has closed. The windows, forms and the frame's timer use
// them on the GUI thread; a worker thread makes file objects of its own from
// the table definitions (TableDefinitions.h).
//
// A procedure opens the tables it needs through these objects (OpenTable)
// when its window opens and closes them when it closes; deletes and changes
// of a parent record go through Relations() so that the children follow.

#include <vector>

#include <QString>

#include "core/dictionary/CategoryRecords.h"
#include "core/dictionary/ClipboardRecord.h"
#include "core/dictionary/ConfigurationRecord.h"
#include "core/dictionary/ContactRecord.h"
#include "core/dictionary/HolidaysRecord.h"
#include "core/dictionary/MessagesRecord.h"
#include "core/dictionary/MsgLinkRecord.h"
#include "core/dictionary/Relations.h"
#include "core/dictionary/ScheduleRecord.h"
#include "core/dictionary/ScriptTemplateRecords.h"
#include "core/dictionary/ScriptingRecord.h"
#include "core/dictionary/SyncScheduleRecord.h"
#include "core/dictionary/SysHotKeysRecord.h"
#include "core/dictionary/TodoRecord.h"
#include "platform/data/Table.h"

namespace vl {

// File-name variables: the synchronisation procedures point the three
// synchronisation tables at an exchange file, the reports name the work
// table. A change takes effect with ApplyFileNameVariables().
extern QString GlobalSyncScheduleFilename;  // starts as "SyncSch.syn"
extern QString GlobalSyncScriptingFilename; // starts as "SyncScr.syn"
extern QString GlobalSyncTodoFilename;      // starts as "SyncTodo.syn"
extern QString ScheduleWorkfileName;        // STRING(20); blank: the table's own name
// The script exchange file read and written by the script import and export.
extern QString GlobalExportName;

class Dictionary {
public:
    Dictionary();
    ~Dictionary();
    Dictionary(const Dictionary&) = delete;
    Dictionary& operator=(const Dictionary&) = delete;

    // In the order the dictionary sets them up and releases them.
    Table<ScheduleRecord> Schedule;
    Table<SyncScheduleRecord> SyncSchedule;
    Table<ClipboardCategoriesRecord> ClipboardCategories;
    Table<ScheduleRecord> ScheduleWorkfile;
    Table<CategoriesRecord> Categories;
    Table<TodoRecord> Todo;
    Table<ScriptingRecord> Scripting;
    Table<ScriptTemplateDetailsRecord> ScriptTemplateDetails;
    Table<ScriptTemplatesRecord> ScriptTemplates;
    Table<ScriptingRecord> SyncScripting;
    Table<TodoRecord> SyncTodo;
    Table<ContactRecord> Contact;
    Table<ContactCategoriesRecord> ContactCategories;
    Table<ClipboardRecord> Clipboard;
    Table<HolidaysRecord> Holidays;
    Table<MessagesRecord> Messages;
    Table<ConfigurationRecord> Configuration;
    Table<MsgLinkRecord> MsgLink;
    Table<SysHotKeysRecord> SysHotKeys;

    RelationSet Relations;

    // Points the synchronisation tables and the work table at the files the
    // name variables hold (for their next open).
    void ApplyFileNameVariables();

    // Every file object, in the dictionary's order.
    std::vector<TableFile*> AllTables();
    // The file object of a table by its label (without regard to case), or
    // null.
    TableFile* FindTable(const QString& label);
    // The label of the table whose file object carries this file name
    // ("vldb\!s" -> "Schedule"; without regard to case), or empty.
    QString LabelOfFileName(const QString& fileName);
    // Closes every table, however often it was opened (before work that
    // needs a data file to itself: its repair or restore).
    void CloseAll();

private:
    void DeclareRelations();
};

// Sets up the program-wide file objects (once; a second call does nothing).
void DictionaryStart();
// Closes every table and releases the file objects.
void DictionaryEnd();
bool DictionaryStarted();
// The program-wide file objects; only between DictionaryStart and DictionaryEnd.
Dictionary& Tables();

// Opens a table as a procedure does on opening its window: with the table's
// access mode, creating a missing file, and once more when access is denied
// (another program may just be releasing it). False with the error left in
// the file object; a failed open of Schedule or Scripting is also logged
// ("Error", "Opening Schedule:  " and the error text).
bool OpenTable(TableFile& file);

} // namespace vl
