#include "core/eventlog/LogLines.h"

#include <QFile>

namespace vl {

bool LogLines::Load(const QString& path)
{
    Take({});
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    QByteArray text = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return false;
    Take(std::move(text));
    return true;
}

void LogLines::Take(QByteArray text)
{
    text_ = std::move(text);
    starts_.clear();
    for (qsizetype start = 0; start < text_.size();) {
        starts_.push_back(start);
        const qsizetype end = text_.indexOf('\n', start);
        if (end < 0)
            break;
        start = end + 1;
    }
}

QString LogLines::Line(int row) const
{
    if (row < 0 || row >= Count())
        return {};
    const qsizetype start = starts_[static_cast<size_t>(row)];
    qsizetype end = text_.indexOf('\n', start);
    if (end < 0)
        end = text_.size();
    if (end > start && text_.at(end - 1) == '\r')
        --end;
    return QString::fromUtf8(text_.constData() + start, end - start);
}

int LogLines::Find(const QString& text, int from) const
{
    if (text.isEmpty() || Count() == 0)
        return -1;
    const int first = from < 0 || from >= Count() ? 0 : from + 1;
    for (int i = 0; i < Count(); ++i) {
        const int row = (first + i) % Count();
        if (Line(row).contains(text, Qt::CaseInsensitive))
            return row;
    }
    return -1;
}

} // namespace vl
