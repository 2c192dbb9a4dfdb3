#include "xplore/ListLayout.h"

#include <algorithm>

namespace vl {

namespace {

const QString kFormatString = QStringLiteral("XploreFormatString-");
const QString kOrigFormatString = QStringLiteral("XploreOrigFormatString-");
const QString kXpos = QStringLiteral("XploreXpos-");
const QString kYpos = QStringLiteral("XploreYpos-");
const QString kHeight = QStringLiteral("XploreHeight-");
const QString kWidth = QStringLiteral("XploreWidth-");
const QString kHscroll = QStringLiteral("XploreHscroll-");
const QString kVscroll = QStringLiteral("XploreVscroll-");
const QString kLineHeight = QStringLiteral("XploreLineHeight-");
const QString kFont = QStringLiteral("XploreFont-");
const QString kPoint = QStringLiteral("XplorePoint-");
const QString kColor = QStringLiteral("XploreColor-");
const QString kStyle = QStringLiteral("XploreStyle-");
const QString kPrevCol = QStringLiteral("XplorePrevCol-");
const QString kAscDesc = QStringLiteral("XploreAscDesc-");

// An empty format slot.
const QString kEmptyFormat = QStringLiteral("0");

QString Flag(bool on)
{
    return on ? QStringLiteral("1") : QStringLiteral("0");
}

class Reader {
public:
    Reader(const IniFile& ini, const QString& section, const QString& control)
        : ini_(ini), section_(section), control_(control)
    {
    }

    QString Text(const QString& prefix, const QString& fallback, const QString& suffix = {}) const
    {
        return ini_.Get(section_, prefix + control_ + suffix, fallback);
    }

    int Number(const QString& prefix, int fallback) const
    {
        bool ok = false;
        const int value = Text(prefix, QString()).toInt(&ok);
        return ok ? value : fallback;
    }

    bool Flag(const QString& prefix, bool fallback) const
    {
        const QString value = Text(prefix, QString());
        return value == QStringLiteral("1") ? true : value == QStringLiteral("0") ? false : fallback;
    }

private:
    const IniFile& ini_;
    QString section_;
    QString control_;
};

} // namespace

bool SaveListLayout(IniFile& ini, const QString& procedure, const QString& control, const SavedLayout& layout)
{
    QList<IniWrite> writes;
    auto put = [&](const QString& prefix, const QString& value, const QString& suffix = {}) {
        writes.append(IniWrite{procedure, prefix + control + suffix, value});
    };
    for (size_t n = 0; n < layout.formats.size(); ++n)
        put(kFormatString, layout.formats[n], QString::number(n + 1));
    put(kOrigFormatString, layout.designedFormat);
    const ListAppearance& a = layout.appearance;
    put(kXpos, QString::number(a.x));
    put(kYpos, QString::number(a.y));
    put(kHeight, QString::number(a.height));
    put(kWidth, QString::number(a.width));
    put(kHscroll, Flag(a.hScroll));
    put(kVscroll, Flag(a.vScroll));
    put(kLineHeight, QString::number(a.lineHeight));
    put(kFont, a.font);
    put(kPoint, QString::number(a.point));
    put(kColor, QString::number(a.colour));
    put(kStyle, QString::number(a.style));
    put(kPrevCol, QString::number(layout.sortPosition));
    put(kAscDesc, Flag(layout.descending));
    return ini.PutMany(writes);
}

RestoredLayout RestoreListLayout(const IniFile& ini, const QString& procedure, const QString& control,
                                 const QString& designedFormat, const ListAppearance& designed, int layoutCount,
                                 bool restorePlace)
{
    const Reader read(ini, procedure, control);
    RestoredLayout restored;
    restored.appearance = designed;
    restored.formats.assign(static_cast<size_t>(std::max(layoutCount, 1)), designedFormat);
    if (read.Text(kOrigFormatString, kEmptyFormat) != designedFormat) {
        restored.designChanged = true;
        return restored;
    }
    for (size_t n = 0; n < restored.formats.size(); ++n) {
        const QString saved = read.Text(kFormatString, designedFormat, QString::number(n + 1));
        if (saved != kEmptyFormat && !saved.isEmpty())
            restored.formats[n] = saved;
    }
    ListAppearance& a = restored.appearance;
    a.hScroll = read.Flag(kHscroll, designed.hScroll);
    a.vScroll = read.Flag(kVscroll, designed.vScroll);
    a.lineHeight = read.Number(kLineHeight, designed.lineHeight);
    a.font = read.Text(kFont, designed.font);
    a.point = read.Number(kPoint, designed.point);
    a.colour = read.Number(kColor, designed.colour);
    a.style = read.Number(kStyle, designed.style);
    if (restorePlace) {
        a.x = read.Number(kXpos, designed.x);
        a.y = read.Number(kYpos, designed.y);
        a.height = read.Number(kHeight, designed.height);
        a.width = read.Number(kWidth, designed.width);
    }
    restored.descending = read.Flag(kAscDesc, false);
    return restored;
}

} // namespace vl
