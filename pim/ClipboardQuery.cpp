#include "pim/ClipboardQuery.h"

#include "core/base/UserDate.h"
#include "scripting/QueryExpression.h"

namespace vl {

namespace {

// prompt ¦ 0 ¦ field ¦ picture ¦ size ¦ kind ¦ input ¦ ¦ check-box label, entries separated by «.
const char kCatalogue[] =
    "Abbreviation¦0¦CLI:Abbreviation¦@s20¦20¦1¦1¦¦«"
    "Category¦0¦CLI:Category¦@s20¦20¦1¦1¦¦«"
    "Date¦0¦CLI:ClipDate¦@d3¦4¦2¦1¦¦«"
    "Time¦0¦CLI:ClipTime¦@t3¦4¦2¦1¦¦«"
    "Hash key (no spaces or graphic characters)¦0¦CLI:ClipHashKey¦@s120¦120¦1¦1¦¦«"
    "Contents¦0¦CLI:ClipContents¦@s255¦8192¦1¦1¦¦«"
    "Keep¦0¦CLI:ClipKeep¦@n3¦1¦2¦2¦¦Keep this clipboard record«";

} // namespace

QString ClipboardQueryCatalogue()
{
    return QString::fromUtf8(kCatalogue);
}

ClipboardQuery::ClipboardQuery() : ListQuery(EvaluateQueryExpression) {}

bool ClipboardQuery::Open(TableFile& clipboard)
{
    return ListQuery::Open(ClipboardQueryCatalogue(), QueryTables{clipboard.DefinitionPtr(), {}}, UserDatePicture());
}

} // namespace vl
