#pragma once
// "Choose Fields for Export...": the table's fields on the left, the columns
// the export writes on the right (every field at first), buttons to add,
// remove and move them and change a column's picture, and whether a header
// line of field names goes first. "&OK" asks for the file and exports.

#include "exchange/ExportFieldChoice.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QListWidget;

namespace vl {

class ExportFieldsWindow : public QDialog {
    Q_OBJECT
public:
    ExportFieldsWindow(ExchangeTable table, QWidget* parent = nullptr);

    const ExportFieldChoice& Choice() const { return choice_; }
    QListWidget* AllFields() const { return all_; }
    QListWidget* ExportFields() const { return chosen_; }
    QCheckBox* Header() const { return header_; }

    void Add();
    void Remove();
    void ShiftUp();
    void ShiftDown();
    void ChangePicture();
    void Export();

private:
    // Shows the columns with these rows marked and this one highlighted.
    void ShowColumns(const std::vector<int>& marked, int highlighted);
    void ShowPicture();
    std::vector<int> Marked(const QListWidget* list) const;

    ExportFieldChoice choice_;
    QListWidget* all_;
    QListWidget* chosen_;
    QLabel* picture_;
    QCheckBox* header_;
};

} // namespace vl
