#pragma once
// Which column of a delimited-text file fills which field of a table. The
// columns are those of the file's first record ("Field_1", "Field_2", ...),
// each read back by its picture: text ("@S1000") unless the second record
// holds an unquoted value there, which makes it a number ("@N30.9"). A
// column may fill several fields; a field takes at most one column.
//
// The sample shown beside the columns starts at the first record and moves
// on with NextSample(), reading the file no further than the record after
// it. Auto() assigns every unassigned field the first column whose sample
// value is its name (a header line written by the export), and gives an
// assigned date or time field's column the picture the export writes that
// field with, so an exported file reads back as written.

#include "exchange/ExchangeFields.h"
#include "exchange/ImexText.h"

#include <QString>

#include <vector>

namespace vl {

inline constexpr char kTextColumnPicture[] = "@S1000";
inline constexpr char kNumberColumnPicture[] = "@N30.9";

struct ImportColumn {
    QString name;    // "Field_" + number
    QString picture;
};

// What the column lists show of a picture: "Alpha-num", "Numeric" or the picture.
QString ImportPictureText(const QString& picture);

class ImportMapping {
public:
    // The reader is open and at its first record.
    ImportMapping(const ExchangeTableInfo& info, ImexReader samples);

    const ExchangeTableInfo& Info() const { return *info_; }
    // A reader of the whole file, for the import.
    ImexReader Reader() const { return samples_.Again(); }
    const std::vector<ImportColumn>& Columns() const { return columns_; }
    // The sample value of a column (empty when the sample line lacks it).
    QString SampleValue(int column) const;
    int SampleNumber() const { return sampleNumber_; } // "Rec#"
    bool HasNextSample() const { return hasFollowing_; }
    bool NextSample();

    void SetPicture(int column, const QString& picture);
    void Assign(int target, int column);
    void Unassign(int target);
    // The column assigned to a target, -1 for none.
    int ColumnOf(int target) const { return assigned_[target]; }
    // The first target a column fills, -1 for none.
    int FirstTargetOf(int column) const;
    bool AnyAssigned() const;
    void Auto();

private:
    const ExchangeTableInfo* info_;
    ImexReader samples_;
    ImexRecord sample_;
    ImexRecord following_;
    bool hasSample_ = false;
    bool hasFollowing_ = false;
    int sampleNumber_ = 1;
    std::vector<ImportColumn> columns_;
    std::vector<int> assigned_;
};

} // namespace vl
