#pragma once
// The row of buttons under a list: each button the list has, with its text,
// in the order New, View, Copy, Edit, Delete.

#include "platform/viewcopy/ViewCopyBrowse.h"

class QBoxLayout;
class QWidget;

namespace vl {

// A button's text, or null for a button the list does not have.
struct ListButtonTexts {
    const char* insert = nullptr;
    const char* view = nullptr;
    const char* copy = nullptr;
    const char* change = nullptr;
    const char* remove = nullptr;
};

// Makes the buttons as children of parent and adds them to the row.
BrowseButtons MakeListButtons(QWidget* parent, const ListButtonTexts& texts, QBoxLayout& row);

// One button of a window's rows, added to the row; Enter presses it only
// when it is made the default.
QPushButton* AddListButton(QWidget* parent, const char* text, QBoxLayout& row);

} // namespace vl
