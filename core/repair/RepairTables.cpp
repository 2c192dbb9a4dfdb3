#include "core/repair/RepairTables.h"

#include <algorithm>

namespace vl {

std::vector<RepairRow> RepairTableRows()
{
    static const char* const kTables[][2] = {
        {"Categories", "Categories"},
        {"Clipboard", "Clipboard Saver"},
        {"ClipboardCategories", "Clipboard Categories"},
        {"Contact", "Contacts"},
        {"ContactCategories", "Contact Categories"},
        {"Holidays", "Holidays"},
        {"Messages", "Messages"},
        {"MsgLink", "Message Link Database"},
        {"Schedule", "Schedule"},
        {"ScriptTemplateDetails", "Script Template Details"},
        {"ScriptTemplates", "Script Templates"},
        {"Scripting", "Scripting"},
        {"SysHotKeys", "Hot Keys"},
        {"Todo", "To Do List"},
    };
    std::vector<RepairRow> rows;
    for (const auto& table : kTables) {
        RepairRow row;
        row.label = QLatin1String(table[0]);
        row.description = QLatin1String(table[1]);
        rows.push_back(row);
    }
    std::sort(rows.begin(), rows.end(),
              [](const RepairRow& a, const RepairRow& b) { return a.description < b.description; });
    return rows;
}

void TagAll(std::vector<RepairRow>& rows)
{
    for (RepairRow& row : rows) {
        row.tag = QStringLiteral("1");
        row.tagIcon = 1;
    }
}

void UntagAll(std::vector<RepairRow>& rows)
{
    for (RepairRow& row : rows) {
        row.tag.clear();
        row.tagIcon = 0;
    }
}

void RefreshTagIcons(std::vector<RepairRow>& rows)
{
    for (RepairRow& row : rows)
        row.tagIcon = row.tag == QLatin1String("*") || row.tag == QLatin1String("1") ? 1 : 0;
}

void ToggleTag(RepairRow& row)
{
    const bool tagged = row.tag == QLatin1String("1");
    row.tag = tagged ? QString() : QStringLiteral("1");
    row.tagIcon = tagged ? 0 : 1;
}

std::vector<int> RowsToProcess(const std::vector<RepairRow>& rows, int highlighted)
{
    std::vector<int> chosen;
    for (int i = 0; i < static_cast<int>(rows.size()); ++i) {
        if (rows[i].tag == QLatin1String("1"))
            chosen.push_back(i);
    }
    if (chosen.empty() && highlighted >= 0 && highlighted < static_cast<int>(rows.size()))
        chosen.push_back(highlighted);
    return chosen;
}

QString RepairActionText(RepairOperation operation)
{
    switch (operation) {
    case RepairOperation::Fix:
        return QStringLiteral("Repairing File");
    case RepairOperation::Build:
        return QStringLiteral("Building File");
    case RepairOperation::Pack:
        return QStringLiteral("Packing File");
    case RepairOperation::Release:
        return QStringLiteral("Releasing Records");
    case RepairOperation::Info:
        return QStringLiteral("Reading File");
    }
    return QString();
}

} // namespace vl
