#pragma once
// "Assign fields for Import...": the columns of the chosen file with their
// pictures and the values of a sample line, the table's fields with the
// column each takes, and the buttons that step through sample lines, change
// a column's picture, assign and unassign columns, or assign them by the
// header's field names. It opens with "Au&to" done and the header line
// stripped; "&OK" imports.

#include "exchange/ImportMapping.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QPushButton;
class QTreeWidget;

namespace vl {

class ImportFieldsWindow : public QDialog {
    Q_OBJECT
public:
    // The file's reader is open at its first record.
    ImportFieldsWindow(ExchangeTable table, ImexReader file, QWidget* parent = nullptr);

    const ImportMapping& Mapping() const { return mapping_; }
    QTreeWidget* ColumnList() const { return columns_; }
    QTreeWidget* TargetList() const { return targets_; }
    QCheckBox* StripHeader() const { return strip_; }
    QPushButton* NextButton() const { return next_; }
    QPushButton* AutoButton() const { return auto_; }

    void NextSample();
    void ChangePicture();
    void Assign();
    void AutoAssign();
    void Unassign();
    void Import();

private:
    void ShowColumns();
    void ShowTargets();

    ImportMapping mapping_;
    QTreeWidget* columns_;
    QTreeWidget* targets_;
    QLabel* sample_;
    QCheckBox* strip_;
    QPushButton* next_;
    QPushButton* auto_;
};

// The procedure of the frame's Import menu: the file dialog, then the window.
void ImportProcedure(ExchangeTable table, QWidget* frame);

} // namespace vl
