#pragma once
// The one-value windows of an Xplore list, opened at the mouse pointer in
// the font of the list's window: "Attribute" changes one number (a width,
// an offset, the list's place, size or line height) as the user edits it;
// the header text window changes a column's header when the entry is
// accepted. Both close with their close button.

#include "xplore/AttributePrompts.h"

#include <QDialog>

#include <functional>

class QLineEdit;
class QSpinBox;

namespace vl {

class AttributeWindow : public QDialog {
    Q_OBJECT
public:
    // apply runs with each new value.
    AttributeWindow(const AttributePrompt& prompt, QWidget* parent, std::function<void(int)> apply);
    QSpinBox* Entry() const { return entry_; }

private:
    QSpinBox* entry_;
};

class HeaderTextWindow : public QDialog {
    Q_OBJECT
public:
    // apply runs with the entry's text when it is accepted (Enter).
    HeaderTextWindow(const AttributePrompt& prompt, const QString& header, QWidget* parent,
                     std::function<void(const QString&)> apply);
    QLineEdit* Entry() const { return entry_; }

private:
    QLineEdit* entry_;
};

} // namespace vl
