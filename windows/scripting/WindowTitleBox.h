#pragma once
// The drop-down of the item editor's window entries: an editable title
// pattern, offered the titles of the open top-level windows with their
// classes in a second column. The list is read again each time it drops
// down and when the entry gets the focus, so it shows the windows open at
// that moment; not when the focus comes back from the closing list, where a
// refill would drop the entry just chosen.

#include <QComboBox>

class QStandardItemModel;

namespace vl {

class WindowTitleBox : public QComboBox {
    Q_OBJECT
public:
    explicit WindowTitleBox(QWidget* parent = nullptr);

    // Reads the window list again, keeping the text typed.
    void RefreshWindows();

    void showPopup() override;

protected:
    void focusInEvent(QFocusEvent* event) override;

private:
    QStandardItemModel* windows_ = nullptr;
};

} // namespace vl
