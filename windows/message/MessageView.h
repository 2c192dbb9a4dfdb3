#pragma once
// The inside of a message window, the same in the main program's message
// windows and in the message program: the title on one line, the text, and
// the buttons "&Snooze", "&To Do", "&Email" and "Cl&ose" with their tips.
// The title and the text may be edited; the actions take them as shown.

#include "message/ShownMessage.h"

#include <QWidget>

class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace vl {

class MessageView : public QWidget {
    Q_OBJECT
public:
    explicit MessageView(QWidget* parent = nullptr);

    // Shows a message's title and text; its sound is kept for Current.
    void Show(const ShownMessage& message);
    // The message as the controls hold it now, cut to the hand-over widths.
    ShownMessage Current() const;

    QLineEdit* TitleLine() const { return title_; }
    QPlainTextEdit* TextBox() const { return text_; }
    QPushButton* SnoozeButton() const { return snooze_; }
    QPushButton* ToDoButton() const { return toDo_; }
    QPushButton* EmailButton() const { return email_; }
    QPushButton* CloseButton() const { return close_; }

private:
    QLineEdit* title_ = nullptr;
    QPlainTextEdit* text_ = nullptr;
    QPushButton* snooze_ = nullptr;
    QPushButton* toDo_ = nullptr;
    QPushButton* email_ = nullptr;
    QPushButton* close_ = nullptr;
    QString soundFile_;
};

} // namespace vl
