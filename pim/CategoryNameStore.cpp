#include "pim/CategoryNameStore.h"

#include "platform/ui/PromptService.h"

namespace vl {

namespace {

bool Refuse(const CategoryNameTexts& texts, const QString& text, PromptIcon icon = PromptIcon::Exclamation)
{
    Prompt::Message(text, QLatin1String(texts.caption), icon);
    return false;
}

} // namespace

QString CategoryTakenText(const CategoryNameTexts& texts, const QString& name)
{
    return QStringLiteral("The %1 \"%2\" already exists.").arg(QLatin1String(texts.kind), Clip(name));
}

bool CategoryNameFits(const CategoryNameTexts& texts, const QString& name, int width)
{
    if (name.trimmed().isEmpty())
        return Refuse(texts, QLatin1String(kCategoryNoNameText));
    if (name.size() > width)
        return Refuse(texts, QStringLiteral("A category name holds at most %1 characters; the text entered has %2. "
                                            "Shorten it and press OK again.")
                                 .arg(width)
                                 .arg(name.size()));
    return true;
}

bool ExplainCategoryFailure(const CategoryNameTexts& texts, const DataError& error, const QString& name)
{
    if (error.Ok())
        return false;
    if (error.code == kDuplicateKey)
        return Refuse(texts, CategoryTakenText(texts, name));
    return Refuse(texts, error.Describe(), PromptIcon::Stop);
}

} // namespace vl
