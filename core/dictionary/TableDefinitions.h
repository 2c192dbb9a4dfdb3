#pragma once
// The declarations of every table: fields, memos, keys, insert defaults,
// field checks, file names, descriptions and structure versions. Each is
// built once and shared, read-only, by every file object of its table (the
// program-wide ones of the dictionary and those that worker threads make).

#include <memory>

#include "platform/data/TableDef.h"

namespace vl {

// File names of the main data file, the template file and the hand-over file.
inline constexpr char kScheduleFileName[] = "VLDB\\!s";
inline constexpr char kTemplateFile[] = "VLTpl";
inline constexpr char kMsgLinkFileName[] = "MsgLink";

// Starting values of the file-name variables of the synchronisation tables.
inline constexpr char kSyncScheduleStartName[] = "SyncSch.syn";
inline constexpr char kSyncScriptingStartName[] = "SyncScr.syn";
inline constexpr char kSyncTodoStartName[] = "SyncTodo.syn";

// The task type of the task that a hot key runs.
inline constexpr char kHotKeyTaskType[] = "Hot Key";

std::shared_ptr<const TableDef> ScheduleDefinition();
std::shared_ptr<const TableDef> SyncScheduleDefinition();
std::shared_ptr<const TableDef> ScheduleWorkfileDefinition();

std::shared_ptr<const TableDef> ScriptingDefinition();
std::shared_ptr<const TableDef> SyncScriptingDefinition();
std::shared_ptr<const TableDef> ScriptTemplatesDefinition();
std::shared_ptr<const TableDef> ScriptTemplateDetailsDefinition();

std::shared_ptr<const TableDef> TodoDefinition();
std::shared_ptr<const TableDef> SyncTodoDefinition();
std::shared_ptr<const TableDef> CategoriesDefinition();
std::shared_ptr<const TableDef> ClipboardCategoriesDefinition();
std::shared_ptr<const TableDef> ContactCategoriesDefinition();
std::shared_ptr<const TableDef> ContactDefinition();
std::shared_ptr<const TableDef> ClipboardDefinition();
std::shared_ptr<const TableDef> HolidaysDefinition();
std::shared_ptr<const TableDef> MessagesDefinition();
std::shared_ptr<const TableDef> ConfigurationDefinition();
std::shared_ptr<const TableDef> MsgLinkDefinition();
std::shared_ptr<const TableDef> SysHotKeysDefinition();

} // namespace vl
