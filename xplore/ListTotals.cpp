#include "xplore/ListTotals.h"

#include "platform/runtime/Picture.h"

#include <QLocale>

namespace vl {

ListTotals::ListTotals(const std::vector<XploreColumn>& columns)
{
    for (const XploreColumn& column : columns)
        sums_.push_back({column.totalOk, column.picture, 0});
}

bool ListTotals::Any() const
{
    for (const Sum& sum : sums_) {
        if (sum.on)
            return true;
    }
    return false;
}

void ListTotals::Add(const QStringList& cells)
{
    for (size_t c = 0; c < sums_.size() && c < size_t(cells.size()); ++c) {
        Sum& sum = sums_[c];
        if (!sum.on)
            continue;
        const QString text = cells[qsizetype(c)].trimmed();
        const Picture::Kind kind = Picture::Parse(sum.picture).kind;
        const QString number =
            kind == Picture::Kind::Number ? Picture::Deformat(text, sum.picture) : text;
        bool ok = false;
        const double value = QLocale::c().toDouble(number, &ok);
        if (ok)
            sum.total += value;
    }
}

QStringList ListTotals::Texts() const
{
    QStringList texts;
    for (const Sum& sum : sums_) {
        if (!sum.on) {
            texts << QString();
            continue;
        }
        const Picture::Kind kind = Picture::Parse(sum.picture).kind;
        texts << (kind == Picture::Kind::Number ? Picture::Format(sum.total, sum.picture).trimmed()
                                                : QLocale::c().toString(sum.total, 'g', 15));
    }
    return texts;
}

} // namespace vl
