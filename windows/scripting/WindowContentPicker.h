#pragma once
// "Advanced Settings": picks the text that a window a script item awaits,
// tests or focuses must contain, from the titles of that window's child
// windows (on X11 the only contents a window exposes). The drop-down edits
// the text directly; "Cl&ose" keeps what was typed or picked. The window
// remembers its place under the procedure name it is opened with.

#include "platform/desktop/DesktopBackend.h"

#include <QDialog>

class QComboBox;
class QPushButton;

namespace vl {

// Procedure names: the content of a Wait or "If Window..." item, and of a
// "Set Focus" item.
inline constexpr char kWindowContentProcedure[] = "UpdateScriptingGetChild";
inline constexpr char kFocusContentProcedure[] = "UpdateScriptingGetChildFocus";

// The longest content text an item holds.
inline constexpr int kWindowContentWidth = 255;

class WindowContentPicker : public QDialog {
    Q_OBJECT
public:
    // Lists the titled children of `window` (none when it is 0).
    WindowContentPicker(const QString& procedure, WindowHandle window, const QString& text,
                        QWidget* parent = nullptr);

    QString Text() const;
    QComboBox* ContentBox() const { return content_; }
    QPushButton* CloseButton() const { return close_; }

private:
    QComboBox* content_ = nullptr;
    QPushButton* close_ = nullptr;
};

// Opens the picker modally and returns the text it closed with.
QString PickWindowContent(const QString& procedure, WindowHandle window, const QString& text,
                          QWidget* parent = nullptr);

} // namespace vl
