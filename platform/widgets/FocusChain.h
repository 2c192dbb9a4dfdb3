#pragma once
// The keyboard's way through a form: Tab visits the controls in the order
// the form lays them out (rows top to bottom, each row left to right, the
// controls of a group where the group stands), so the order does not depend
// on the order in which the controls were made. A multi-line text takes Tab
// as the other fields do, to go on to the next control.

#include <QList>

class QLayout;
class QPlainTextEdit;
class QTabWidget;
class QWidget;

namespace vl {

// The controls Tab stops at in the layout, in layout order; hidden and
// disabled ones count (they take part once shown).
QList<QWidget*> TabStopsOf(const QLayout& layout);

// Chains the sheet's tab bar (one stop), then each page's controls in layout
// order, then the controls after the sheet (the window's buttons) in the
// order given.
void ChainSheetFocus(QTabWidget& sheet, const QList<QWidget*>& after);

// Tab and Shift+Tab leave the text for the next or previous control;
// Ctrl+Tab types a tab character into it.
void TabLeavesText(QPlainTextEdit& text);

} // namespace vl
