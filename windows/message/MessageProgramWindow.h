#pragma once
// The message program's window "Message": the handed-over title and text,
// kept on top (UseModalMessage) or brought to the foreground, the repeating
// alarm, the message font, the buttons of every message window and the
// popup of the text ("Set Message &Font", "&Snooze" with its minutes,
// "Send &Email", "&Add to To Do List", "E&xit"). Its end ends the program.

#include "message/AlarmRepeat.h"
#include "message/ShownMessage.h"
#include "message/MessageFont.h"
#include "message/MessageProgramTables.h"

#include <QWidget>

#include <cstdint>

class QAction;
class QMenu;

namespace vl {

class MessageView;

class MessageProgramWindow : public QWidget {
    Q_OBJECT
public:
    // Sets the text's font from the stored values, or, when none are stored,
    // takes the text's own font into them.
    MessageProgramWindow(MessageProgramTables& tables, const MessageFont& font, QWidget* parent = nullptr);

    // Shows the message with the loaded settings: caption, placement, Email
    // (disabled without a sender or a mail host) and the alarm repeat.
    void Present(const ShownMessage& message);

    // The font values in force (saved at the program's end).
    const MessageFont& Font() const { return font_; }

    MessageView* View() const { return view_; }
    QMenu* Popup() const { return popup_; }
    // The popup entry of that text ("10 Minutes", "Send &Email", ...), or null.
    QAction* PopupAction(const QString& text) const;
    int32_t SnoozeMinutes() const { return snoozeMinutes_; }
    const AlarmRepeat& Alarm() const { return alarm_; }

private:
    void BuildPopup();
    void ApplyFont();
    void ChooseMessageFont();
    void AskSnoozeMinutes();
    void SnoozeFor(int32_t minutes);
    void ToDo();
    void Email();

    MessageProgramTables& tables_;
    MessageFont font_;
    MessageView* view_ = nullptr;
    QMenu* popup_ = nullptr;
    QAction* sendEmail_ = nullptr;
    AlarmRepeat alarm_;
    int32_t snoozeMinutes_ = 0;
};

} // namespace vl
