#include "scripting/items/ScriptItemStore.h"

#include "core/base/EventLog.h"
#include "core/dictionary/Dictionary.h"
#include "platform/ui/PromptService.h"

namespace vl {
namespace {

bool Refuse(const QString& text)
{
    Prompt::Message(text, QLatin1String(kNoTaskCaption), PromptIcon::Stop);
    return false;
}

bool Failed(FormRequest request, const char* owner, int32_t ownerId, const DataError& error)
{
    const QString what = request == FormRequest::Delete ? QStringLiteral("deleted") : QStringLiteral("saved");
    Prompt::Message(QStringLiteral("The script action could not be %1.|%2").arg(what, error.Describe()),
                    QLatin1String(kStoreErrorCaption), PromptIcon::Stop);
    WriteEventLog(QStringLiteral("Error"),
                  QStringLiteral("Script action of %1 %2 not %3:  %4")
                      .arg(QLatin1String(owner)).arg(ownerId).arg(what, error.Describe()));
    return false;
}

template <class R>
bool Store(Table<R>& table, FormRequest request, R& item, int32_t ownerId, const char* owner)
{
    bool done = false;
    switch (request) {
    case FormRequest::Insert:
        item.Sequence = 0;
        done = table.Add(item);
        break;
    case FormRequest::Change:
        done = table.Put(item);
        break;
    case FormRequest::Delete:
        done = table.Delete(item);
        break;
    case FormRequest::View:
        return false;
    }
    return done || Failed(request, owner, ownerId, table.LastError());
}

} // namespace

QString NoOwnerText(const char* text, int32_t ownerId)
{
    return QLatin1String(text) + QString::number(ownerId) + QLatin1Char('.');
}

bool StoreScriptItem(FormRequest request, ScriptingRecord& item)
{
    if (item.ID == 0 && request != FormRequest::Delete)
        return Refuse(NoOwnerText(kNoTaskText, 0) + QStringLiteral("|The script action is not saved: save the task first."));
    return Store(Tables().Scripting, request, item, item.ID, "task");
}

bool StoreScriptItem(FormRequest request, ScriptTemplateDetailsRecord& item)
{
    if (item.WIZ_ID == 0 && request != FormRequest::Delete)
        return Refuse(NoOwnerText(kNoTemplateText, 0) + QStringLiteral("|The script action is not saved: save the template first."));
    return Store(Tables().ScriptTemplateDetails, request, item, item.WIZ_ID, "template");
}

} // namespace vl
