#include "reports/ReportCriteria.h"

#include "core/base/Globals.h"
#include "core/config/ConfigStore.h"
#include "core/settings/SettingKeys.h"
#include "core/settings/SettingValues.h"
#include "platform/runtime/FixedText.h"

#include <QRegularExpression>

#include <array>

namespace vl {
namespace {

struct OrderName {
    const char* radio;
    const char* keyName;
    KeyRef scheduleKey;
    KeyRef workfileKey;
};

constexpr std::array kOrders{
    OrderName{"Date", "Sch:KeyDate", SCH_KEYDATE, SCW_KEYDATE},
    OrderName{"Category", "Sch:KeyCategory", SCH_KEYCATEGORY, SCW_KEYCATEGORY},
    OrderName{"Description", "Sch:KeyTaskName", SCH_KEYTASKNAME, SCW_KEYTASKNAME},
    OrderName{"Task Type", "Sch:KeyTaskType", SCH_KEYTASKTYPE, SCW_KEYTASKTYPE},
    OrderName{"Adv. Warn", "Sch:KeyAdvanced", SCH_KEYADVANCED, SCW_KEYADVANCED},
    OrderName{"Category/Date", "Sch:KeyCategoryDate", SCH_KEYCATEGORYDATE, SCW_KEYCATEGORYDATE},
};

constexpr char kCategoryCondition[] = "Sch:Category=Glo:Category";
constexpr char kDateConditions[] = "Sch:Date>=GLO:DateFrom AND Sch:Date<=GLO:DateTo";

bool IsSelected(const QString& select)
{
    return SameTextNoCase(select, QLatin1String(kSelectSelected));
}

void KeepChoice(const ReportCriteria& criteria)
{
    ReportCriteriaChoice = criteria;
    ReportCriteriaChoice.categorySelected = CutTo(Clip(criteria.categorySelected), 20);
}

} // namespace

void ApplyCriteriaDefaults(ReportCriteria& criteria, Date today)
{
    if (Clip(criteria.dateSelect).isEmpty())
        criteria.dateSelect = QLatin1String(kSelectAll);
    if (criteria.dateFrom == 0)
        criteria.dateFrom = today;
    if (criteria.dateTo == 0)
        criteria.dateTo = today + 30;
    if (Clip(criteria.categorySelect).isEmpty())
        criteria.categorySelect = QLatin1String(kSelectAll);
    if (Clip(criteria.orderSelect).isEmpty())
        criteria.orderSelect = QLatin1String(kOrderDate);
}

void AcceptReportCriteria(const ReportCriteria& criteria, bool includeFuture)
{
    KeepChoice(criteria);
    ReportIncludeFutureOccurances = includeFuture ? 1 : 0;
    PutConfigValue(QLatin1String(SettingKey::RIFO), SettingText(ReportIncludeFutureOccurances));
    GlobalFilter.clear();
    if (IsSelected(criteria.categorySelect)) {
        GlobalFilter = QLatin1String(kCategoryCondition);
        GLO::Category = ReportCriteriaChoice.categorySelected;
    }
    if (IsSelected(criteria.dateSelect)) {
        GlobalFilter = GlobalFilter.isEmpty() ? QLatin1String(kDateConditions)
                                              : GlobalFilter + QLatin1String(" AND ") + QLatin1String(kDateConditions);
        GLO::DateFrom = criteria.dateFrom;
        GLO::DateTo = criteria.dateTo;
    } else {
        ReportIncludeFutureOccurances = 0;
    }
    GlobalOrder = OrderKeyName(criteria.orderSelect);
}

void CancelReportCriteria(const ReportCriteria& criteria, bool includeFuture)
{
    KeepChoice(criteria);
    ReportIncludeFutureOccurances = includeFuture ? 1 : 0;
    GlobalFilter.clear();
    GlobalOrder.clear();
}

QString OrderKeyName(const QString& orderSelect)
{
    for (const OrderName& order : kOrders) {
        if (Clip(orderSelect) == QLatin1String(order.radio))
            return QLatin1String(order.keyName);
    }
    return QLatin1String(kOrders[0].keyName);
}

KeyRef ScheduleOrderKey(const QString& keyName, bool workfile)
{
    for (const OrderName& order : kOrders) {
        if (SameTextNoCase(keyName, QLatin1String(order.keyName)))
            return workfile ? order.workfileKey : order.scheduleKey;
    }
    return workfile ? SCW_KEYDATE : SCH_KEYDATE;
}

bool ScheduleFilter::Matches(const ScheduleRecord& task) const
{
    if (category && !SameTextNoCase(task.Category, *category))
        return false;
    if (dateFrom && task.Date < *dateFrom)
        return false;
    return !(dateTo && task.Date > *dateTo);
}

std::optional<ScheduleFilter> ParseScheduleFilter(const QString& filter)
{
    ScheduleFilter bound;
    if (Clip(filter).isEmpty())
        return bound;
    static const QRegularExpression condition(
        QStringLiteral("^\\s*SC[HW]:(CATEGORY|DATE)\\s*(=|>=|<=)\\s*GLO:(CATEGORY|DATEFROM|DATETO)\\s*$"),
        QRegularExpression::CaseInsensitiveOption);
    for (const QString& part : filter.split(QRegularExpression(QStringLiteral("\\s+AND\\s+"),
                                                               QRegularExpression::CaseInsensitiveOption))) {
        const QRegularExpressionMatch m = condition.match(part);
        if (!m.hasMatch())
            return std::nullopt;
        const QString field = m.captured(1).toUpper();
        const QString op = m.captured(2);
        const QString value = m.captured(3).toUpper();
        if (field == QLatin1String("CATEGORY") && op == QLatin1String("=") && value == QLatin1String("CATEGORY"))
            bound.category = Clip(GLO::Category);
        else if (field == QLatin1String("DATE") && op == QLatin1String(">=") && value == QLatin1String("DATEFROM"))
            bound.dateFrom = GLO::DateFrom;
        else if (field == QLatin1String("DATE") && op == QLatin1String("<=") && value == QLatin1String("DATETO"))
            bound.dateTo = GLO::DateTo;
        else
            return std::nullopt;
    }
    return bound;
}

} // namespace vl
