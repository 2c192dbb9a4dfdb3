#include "pim/ContactOrders.h"

#include "core/dictionary/ContactRecord.h"
#include "platform/browse/KeyOrders.h"
#include "platform/runtime/FixedText.h"

namespace vl {

namespace {

struct ContactTab {
    const char* text;
    KeyRef key;
};

const ContactTab kTabs[] = {
    {"Last Name", C_KEYLASTNAME},     {"First Name", C_KEYFIRSTNAME}, {"Work/Day Phone", C_KEYWORKPHONE},
    {"Home/Evening Phone", C_KEYHOMEPHONE}, {"Fax", C_KEYFAXNUMBER}, {"Email", C_KEYEMAIL},
    {"Category", C_KEYCATEGORY},
};

} // namespace

const std::vector<QString>& ContactTabTexts()
{
    static const std::vector<QString> texts = [] {
        std::vector<QString> all;
        for (const ContactTab& tab : kTabs)
            all.push_back(QLatin1String(tab.text));
        return all;
    }();
    return texts;
}

ViewOrder ContactTabOrder(const TableDef& contactDef, int tab)
{
    ViewOrder order;
    if (tab < 0 || tab >= static_cast<int>(std::size(kTabs)))
        return order;
    order = DeclaredKeyOrder(contactDef, kTabs[tab].key);
    if (tab == kContactCategoryTab && !order.parts.empty())
        order.parts.erase(order.parts.begin());
    return order;
}

Filter ContactCategoryFilter(const QString& category)
{
    return {{QStringLiteral("C_:ContactCategory"), Compare::Equal, FieldValue(Clip(category)), Join::And, true}};
}

} // namespace vl
