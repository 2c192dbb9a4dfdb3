#include "platform/widgets/FocusChain.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLayout>
#include <QPlainTextEdit>
#include <QTabBar>
#include <QTabWidget>

#include <algorithm>

namespace vl {
namespace {

bool TakesTab(const QWidget& widget)
{
    return (widget.focusPolicy() & Qt::TabFocus) == Qt::TabFocus && !widget.focusProxy();
}

// The layout's items in the order the user reads them: a grid by row, then
// column; a box in its own order.
QList<QLayoutItem*> ItemsInOrder(const QLayout& layout)
{
    struct Placed {
        int row;
        int column;
        QLayoutItem* item;
    };
    QList<Placed> placed;
    const auto* grid = qobject_cast<const QGridLayout*>(&layout);
    for (int index = 0; index < layout.count(); ++index) {
        int row = 0, column = index, rows = 0, columns = 0;
        if (grid)
            grid->getItemPosition(index, &row, &column, &rows, &columns);
        placed.append({row, column, layout.itemAt(index)});
    }
    std::stable_sort(placed.begin(), placed.end(), [](const Placed& a, const Placed& b) {
        return a.row != b.row ? a.row < b.row : a.column < b.column;
    });
    QList<QLayoutItem*> items;
    for (const Placed& each : placed)
        items.append(each.item);
    return items;
}

void AddStops(const QLayout& layout, QList<QWidget*>& stops)
{
    for (QLayoutItem* item : ItemsInOrder(layout)) {
        if (const QLayout* inner = item->layout()) {
            AddStops(*inner, stops);
            continue;
        }
        QWidget* widget = item->widget();
        if (!widget || widget->isWindow())
            continue;
        // A checkable group is a stop itself, before the controls inside it.
        if (TakesTab(*widget))
            stops.append(widget);
        if (const QLayout* inner = widget->layout())
            AddStops(*inner, stops);
    }
}

// Ctrl+Tab types a tab character; plain Tab is left to move the focus.
class TabTyper : public QObject {
public:
    explicit TabTyper(QPlainTextEdit& text) : QObject(&text), text_(text) { text.installEventFilter(this); }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched != &text_ || (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride))
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() != Qt::Key_Tab || key->modifiers() != Qt::ControlModifier || text_.isReadOnly())
            return false;
        // Claimed before any shortcut (the sheet's next tab) can take it.
        event->accept();
        if (event->type() == QEvent::KeyPress)
            text_.textCursor().insertText(QStringLiteral("\t"));
        return true;
    }

private:
    QPlainTextEdit& text_;
};

} // namespace

QList<QWidget*> TabStopsOf(const QLayout& layout)
{
    QList<QWidget*> stops;
    AddStops(layout, stops);
    return stops;
}

void ChainSheetFocus(QTabWidget& sheet, const QList<QWidget*>& after)
{
    QTabBar* bar = sheet.tabBar();
    // The tab bar is one stop: its arrow keys, not Tab, reach the tabs its
    // scroll buttons would show.
    for (QWidget* button : bar->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        button->setFocusPolicy(Qt::NoFocus);
    QList<QWidget*> chain{bar};
    for (int index = 0; index < sheet.count(); ++index) {
        if (const QLayout* layout = sheet.widget(index)->layout())
            chain += TabStopsOf(*layout);
    }
    chain += after;
    for (qsizetype index = 1; index < chain.size(); ++index)
        QWidget::setTabOrder(chain[index - 1], chain[index]);
}

void TabLeavesText(QPlainTextEdit& text)
{
    text.setTabChangesFocus(true);
    new TabTyper(text);
}

} // namespace vl
