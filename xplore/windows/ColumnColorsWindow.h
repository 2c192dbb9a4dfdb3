#pragma once
// "Column Colors": the four colours of one shown column of an Xplore list
// (normal and selected text and background), each picked by name from the
// colour-name table. A pick shows in the list at once; "&Reset" gives the
// column no colours of its own; "&OK" closes. There is no cancel.

#include "xplore/XploreColumn.h"

#include <QDialog>

#include <array>

class QComboBox;

namespace vl {

class Xplore;

class ColumnColorsWindow : public QDialog {
    Q_OBJECT
public:
    // For the column shown at a display position; opens at the mouse pointer
    // in the font of the list's window.
    ColumnColorsWindow(Xplore& list, int position, QWidget* parent);

    // The pick list of a colour; blank while the column's colour is none of
    // the table's.
    QComboBox* Pick(ColourSlot slot) const { return picks_[slot]; }

private:
    void Picked(ColourSlot slot, int index);
    void Reset();

    Xplore& list_;
    int position_;
    std::array<QComboBox*, 4> picks_{};
};

// Opens the window modally for the list's current column; nothing when no
// column is current.
void OpenColumnColors(Xplore& list, QWidget* parent);

} // namespace vl
