#pragma once
// The columns an export writes, as the field-choice window edits them: every
// field of the table at first, with its default picture; fields added again
// from the full list (a field already chosen is not added twice), removed,
// moved up and down, and given other pictures.

#include "exchange/ExportRun.h"

#include <vector>

namespace vl {

// What the window shows of a picture: "Alpha-numeric", "Numeric" or the picture.
QString ExportPictureText(const QString& picture);

class ExportFieldChoice {
public:
    explicit ExportFieldChoice(const ExchangeTableInfo& info);

    const ExchangeTableInfo& Info() const { return *info_; }
    const std::vector<ExportColumn>& Columns() const { return columns_; }

    // Appends the fields (rows of the full list) not chosen yet; returns the
    // chosen rows that stand for them, new or already there.
    std::vector<int> Add(const std::vector<int>& fields);
    // Removes the chosen rows; returns where the highlight goes (-1: none
    // left) for a highlight that stood at `highlighted`.
    int Remove(std::vector<int> rows, int highlighted);
    // Swaps a row with its neighbour above or below; returns its new row.
    int ShiftUp(int row);
    int ShiftDown(int row);
    // A blank picture keeps the old one.
    void SetPicture(int row, const QString& picture);

private:
    const ExchangeTableInfo* info_;
    std::vector<ExportColumn> columns_;
};

} // namespace vl
