#include "platform/browse/KeyOrders.h"

#include "platform/ui/PromptService.h"

namespace vl {

ViewOrder DeclaredKeyOrder(const TableDef& def, KeyRef key)
{
    ViewOrder order;
    QString error;
    if (!KeyOrder(def, key, order, error))
        Prompt::Notify(error, QStringLiteral("Error"), PromptIcon::Stop);
    return order;
}

int AddKeyOrder(BrowseModel& model, const QString& name, KeyRef key)
{
    return model.AddOrder(name, DeclaredKeyOrder(model.Definition(), key));
}

} // namespace vl
