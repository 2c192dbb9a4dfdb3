#include "windows/scripting/WindowTitleBox.h"

#include "core/base/Globals.h"
#include "platform/widgets/TextWidth.h"
#include "scripting/WindowLists.h"

#include <QFocusEvent>
#include <QHeaderView>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QStandardItemModel>
#include <QTreeView>

namespace vl {

WindowTitleBox::WindowTitleBox(QWidget* parent) : QComboBox(parent)
{
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    LimitToWidth(lineEdit(), 255);
    setMinimumContentsLength(36);
    setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    windows_ = new QStandardItemModel(0, 2, this);
    windows_->setHorizontalHeaderLabels({QStringLiteral("Title"), QStringLiteral("Class")});
    auto* view = new QTreeView(this);
    view->setRootIsDecorated(false);
    view->setHeaderHidden(false);
    view->header()->setStretchLastSection(true);
    setModel(windows_);
    setView(view);
    view->setMinimumWidth(480);
    view->setColumnWidth(0, 320);
}

void WindowTitleBox::RefreshWindows()
{
    // The text stays as typed: nothing is told of the refill.
    const QSignalBlocker quiet(this);
    const QString typed = currentText();
    TopWindowQueue windows;
    ListTopWindows(windows, ExclHidden != 0);
    windows_->removeRows(0, windows_->rowCount());
    for (const TopWindowEntry& window : windows)
        windows_->appendRow({new QStandardItem(window.LINE), new QStandardItem(window.CLASS)});
    setCurrentIndex(-1);
    setEditText(typed);
}

void WindowTitleBox::showPopup()
{
    RefreshWindows();
    QComboBox::showPopup();
}

void WindowTitleBox::focusInEvent(QFocusEvent* event)
{
    if (event->reason() != Qt::PopupFocusReason)
        RefreshWindows();
    QComboBox::focusInEvent(event);
}

} // namespace vl
