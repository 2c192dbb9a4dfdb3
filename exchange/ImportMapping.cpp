#include "exchange/ImportMapping.h"

namespace vl {

QString ImportPictureText(const QString& picture)
{
    switch (KindOfPicture(picture)) {
    case PictureKind::Text: return QStringLiteral("Alpha-num");
    case PictureKind::Number: return QStringLiteral("Numeric");
    case PictureKind::Formatted: break;
    }
    return picture.trimmed();
}

ImportMapping::ImportMapping(const ExchangeTableInfo& info, ImexReader samples)
    : info_(&info), samples_(std::move(samples)), assigned_(info.fields.size(), -1)
{
    hasSample_ = samples_.Next(sample_);
    hasFollowing_ = hasSample_ && samples_.Next(following_);
    if (!hasSample_)
        return;
    for (qsizetype c = 0; c < sample_.Size(); ++c) {
        QString picture = QLatin1String(kTextColumnPicture);
        if (hasFollowing_ && c < following_.Size() && !following_.Quoted(c))
            picture = QLatin1String(kNumberColumnPicture);
        columns_.push_back({QStringLiteral("Field_%1").arg(c + 1), picture});
    }
}

QString ImportMapping::SampleValue(int column) const
{
    if (!hasSample_ || column < 0 || column >= sample_.Size())
        return {};
    return sample_.Text(column).toString();
}

bool ImportMapping::NextSample()
{
    if (!hasFollowing_)
        return false;
    std::swap(sample_, following_);
    ++sampleNumber_;
    hasFollowing_ = samples_.Next(following_);
    return true;
}

void ImportMapping::SetPicture(int column, const QString& picture)
{
    if (!picture.trimmed().isEmpty())
        columns_[column].picture = picture.trimmed();
}

void ImportMapping::Assign(int target, int column)
{
    assigned_[target] = column;
}

void ImportMapping::Unassign(int target)
{
    assigned_[target] = -1;
}

int ImportMapping::FirstTargetOf(int column) const
{
    for (size_t t = 0; t < assigned_.size(); ++t)
        if (assigned_[t] == column)
            return static_cast<int>(t);
    return -1;
}

bool ImportMapping::AnyAssigned() const
{
    return std::any_of(assigned_.begin(), assigned_.end(), [](int c) { return c >= 0; });
}

void ImportMapping::Auto()
{
    for (size_t t = 0; t < assigned_.size(); ++t) {
        if (assigned_[t] >= 0)
            continue;
        const ExchangeField& target = info_->fields[t];
        for (size_t c = 0; c < columns_.size(); ++c) {
            if (SampleValue(static_cast<int>(c)).trimmed().compare(target.name, Qt::CaseInsensitive) != 0)
                continue;
            assigned_[t] = static_cast<int>(c);
            if (KindOfPicture(target.picture) == PictureKind::Formatted)
                columns_[c].picture = target.picture;
            break;
        }
    }
}

} // namespace vl
