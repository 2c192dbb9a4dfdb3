#pragma once
// The drop-down of the item editor's window entries: an editable title
// pattern, offered the titles of the open top-level windows with their
// classes in a second column. The list is read again whenever the entry
// gets the focus, so it shows the windows open at that moment.

#include <QComboBox>

class QStandardItemModel;

namespace vl {

class WindowTitleBox : public QComboBox {
    Q_OBJECT
public:
    explicit WindowTitleBox(QWidget* parent = nullptr);

    // Reads the window list again, keeping the text typed.
    void RefreshWindows();

protected:
    void focusInEvent(QFocusEvent* event) override;

private:
    QStandardItemModel* windows_ = nullptr;
};

} // namespace vl
