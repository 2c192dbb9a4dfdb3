#include "xplore/GraphCount.h"

#include "platform/runtime/FixedText.h"
#include "platform/sound/SoundPlayer.h"
#include "platform/ui/PromptService.h"

#include <algorithm>
#include <cmath>

namespace vl {

namespace {

void Say(const QString& text)
{
    Prompt::Message(text, QString::fromLatin1(kGraphCaption), PromptIcon::Exclamation);
}

} // namespace

bool GraphCount::Add(const QString& text)
{
    const QString category = CutTo(Clip(text), kCategoryTextWidth);
    ++rows_;
    const auto at = std::lower_bound(categories_.begin(), categories_.end(), category,
                                     [](const GraphCategory& c, const QString& t) { return c.text < t; });
    if (at != categories_.end() && at->text == category)
        ++at->count;
    else
        categories_.insert(at, GraphCategory{category, 1, 0});
    return static_cast<int>(categories_.size()) <= kMaxGraphCategories;
}

void GraphCount::Clear()
{
    categories_.clear();
    rows_ = 0;
}

void GraphCount::Finish()
{
    for (GraphCategory& category : categories_)
        category.percent = rows_ > 0 ? std::round(category.count * 1000.0 / rows_) / 10.0 : 0;
}

int GraphCount::Largest() const
{
    int largest = 0;
    for (const GraphCategory& category : categories_)
        largest = std::max(largest, category.count);
    return largest;
}

bool CountGraphRows(GraphCount& count, const GraphRows& rows, const QString& description)
{
    count.Clear();
    const QString named = Clip(description);
    for (int row = 0; row < rows.expected; ++row) {
        if (rows.escape && rows.escape()) {
            CurrentSoundPlayer().Beep();
            if (Prompt::Ask(QStringLiteral("Are you sure you want to quit this Graphing Procedure?"),
                            QString::fromLatin1(kGraphCaption), PromptIcon::Exclamation,
                            ButtonYes | ButtonNo, ButtonYes) == ButtonYes) {
                count.Clear();
                break;
            }
        }
        const std::optional<QString> text = rows.text(row);
        if (!text)
            return false;
        const bool within = count.Add(*text);
        if (rows.progress)
            rows.progress(count.Rows(), rows.expected > 0 ? count.Rows() * 100 / rows.expected : 100,
                          CutTo(Clip(*text), kCategoryTextWidth));
        if (!within) {
            Say(QStringLiteral("Too complex to graph - exceeds max number of categories: %1 - '%2")
                    .arg(kMaxGraphCategories)
                    .arg(named));
            return false;
        }
    }
    if (count.Categories().empty()) {
        Say(QStringLiteral("There are no categories to Graph of '%1'").arg(named));
        return false;
    }
    if (count.Categories().size() == 1) {
        Say(QStringLiteral("There is only one category to Graph of '%1'").arg(named));
        return false;
    }
    count.Finish();
    return true;
}

QString GraphTitle(int rows, const QString& description)
{
    return CutTo(QString::number(rows) + QStringLiteral(" Categories of Field: ") + Clip(description), 40);
}

QString GraphFilterLine(const QString& filter)
{
    return CutTo(QStringLiteral("Filter: ") + Clip(filter), 100);
}

QString CategoryLabel(const QString& text)
{
    if (text.size() >= 4 && text.mid(2, 2) == u" =")
        return Clip(text.mid(4));
    return text;
}

} // namespace vl
