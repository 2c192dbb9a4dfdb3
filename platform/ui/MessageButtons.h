#pragma once
// The rules of the program's message boxes that do not need a display: the
// button list, the standard buttons and the line breaks of the text.
//
// Numbering: a message box returns the number of the button pressed, 1-based,
// in the order of its button list ("&Yes|&No|&Cancel": Yes 1, No 2, Cancel 3).
// The standard buttons are shown as a button list in the fixed order
// OK, Yes, No, Abort, Retry, Ignore, Cancel (only those asked for), so their
// numbers follow the same rule: Yes+No gives Yes 1, No 2; Retry+Cancel gives
// Retry 1, Cancel 2. `Prompt::Ask` hides the numbers and answers with the
// standard button itself.

#include <QString>
#include <QStringList>

namespace vl {

// The runtime's standard buttons; combine them with |.
enum StandardButton : unsigned {
    ButtonNone = 0x00, // no answer: the box ended with the program (kNoAnswer)
    ButtonOk = 0x01,
    ButtonYes = 0x02,
    ButtonNo = 0x04,
    ButtonAbort = 0x08,
    ButtonRetry = 0x10,
    ButtonIgnore = 0x20,
    ButtonCancel = 0x40,
};
using StandardButtons = unsigned;

// The labels of a button list ("&Yes|&No"); a blank list is one "OK" button.
QStringList SplitButtonList(const QString& buttons);
// The button list that shows a set of standard buttons, in the fixed order.
QString StandardButtonList(StandardButtons buttons);
// The number of a standard button within the list of a set (0 when absent).
int StandardButtonNumber(StandardButtons buttons, StandardButton button);
// The standard button with that number within the list of a set (0 when none).
StandardButtons StandardButtonAt(StandardButtons buttons, int number);
// A label as the user reads it: mnemonic ampersands removed ("&Yes" -> "Yes").
QString PlainButtonLabel(const QString& label);
// A default button number the box can use: out of range becomes 1.
int ValidDefaultButton(int defaultButton, int buttonCount);
// The button that Escape and the window's close button press: the one labelled
// "Cancel" (ampersands and case ignored), or the only button; 0 when none, so
// the box can only be answered with a button.
int EscapeButton(const QStringList& labels);
// The program writes "|" for a line break in its message texts.
QString MessageLines(const QString& text);

} // namespace vl
