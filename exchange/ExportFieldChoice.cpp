#include "exchange/ExportFieldChoice.h"

#include "exchange/ImexText.h"

#include <algorithm>

namespace vl {

QString ExportPictureText(const QString& picture)
{
    switch (KindOfPicture(picture)) {
    case PictureKind::Text: return QStringLiteral("Alpha-numeric");
    case PictureKind::Number: return QStringLiteral("Numeric");
    case PictureKind::Formatted: break;
    }
    return picture.trimmed();
}

ExportFieldChoice::ExportFieldChoice(const ExchangeTableInfo& info)
    : info_(&info), columns_(DefaultExportColumns(info))
{
}

std::vector<int> ExportFieldChoice::Add(const std::vector<int>& fields)
{
    std::vector<int> rows;
    for (int field : fields) {
        const ExchangeField& chosen = info_->fields[field];
        const auto found = std::find_if(columns_.begin(), columns_.end(), [&chosen](const ExportColumn& column) {
            return column.field.compare(chosen.name, Qt::CaseInsensitive) == 0;
        });
        if (found != columns_.end()) {
            rows.push_back(static_cast<int>(found - columns_.begin()));
            continue;
        }
        columns_.push_back({chosen.name, chosen.picture});
        rows.push_back(static_cast<int>(columns_.size()) - 1);
    }
    return rows;
}

int ExportFieldChoice::Remove(std::vector<int> rows, int highlighted)
{
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    for (auto row = rows.rbegin(); row != rows.rend(); ++row) {
        if (*row < 0 || static_cast<size_t>(*row) >= columns_.size())
            continue;
        columns_.erase(columns_.begin() + *row);
        if (*row <= highlighted)
            --highlighted;
    }
    const int last = static_cast<int>(columns_.size()) - 1;
    return last < 0 ? -1 : std::clamp(highlighted, 0, last);
}

int ExportFieldChoice::ShiftUp(int row)
{
    if (row <= 0 || static_cast<size_t>(row) >= columns_.size())
        return row;
    std::swap(columns_[row], columns_[row - 1]);
    return row - 1;
}

int ExportFieldChoice::ShiftDown(int row)
{
    if (row < 0 || static_cast<size_t>(row) + 1 >= columns_.size())
        return row;
    std::swap(columns_[row], columns_[row + 1]);
    return row + 1;
}

void ExportFieldChoice::SetPicture(int row, const QString& picture)
{
    if (row >= 0 && static_cast<size_t>(row) < columns_.size() && !picture.trimmed().isEmpty())
        columns_[row].picture = picture.trimmed();
}

} // namespace vl
