#pragma once
// The "Email Message" window: forwards a shown message by e-mail to one
// recipient. The message windows of both programs open it from their Email
// button, window-modal to themselves; the subject and the text may be edited
// before "&OK", and the message window takes the edited values back
// (Forwarded). The main program's window keeps its place under
// "GenerateEmail" in POSITION.INI; the message program's has no saved place.

#include "pim/ForwardMail.h"

#include <QDialog>
#include <QString>

class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace vl {

inline constexpr char kForwardWindowCaption[] = "Email Message";
inline constexpr char kForwardWindowProcedure[] = "GenerateEmail";

enum class ForwardPlacement { Saved, Unsaved };

class ForwardWindow : public QDialog {
    Q_OBJECT
public:
    ForwardWindow(const QString& title, const QString& text, ForwardPlacement placement, QWidget* parent = nullptr);

    QLineEdit* AddressEntry() const { return address_; }
    QLineEdit* NameEntry() const { return name_; }
    QLineEdit* SubjectEntry() const { return subject_; }
    QPlainTextEdit* TextEntry() const { return text_; }
    QPushButton* OkButton() const { return ok_; }
    QPushButton* CancelButton() const { return cancel_; }

    void done(int result) override;

signals:
    // After "&OK" (sent or not): the subject and the text as edited.
    void Forwarded(const QString& title, const QString& text);

private:
    void Send();

    QLineEdit* address_ = nullptr;
    QLineEdit* name_ = nullptr;
    QLineEdit* subject_ = nullptr;
    QPlainTextEdit* text_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
    ForwardPlacement placement_;
    bool sending_ = false;
};

// Opens the window window-modal to the message window (parent) and returns
// it; it deletes itself when closed.
ForwardWindow* GenerateEmail(QWidget* parent, const QString& title, const QString& text,
                             ForwardPlacement placement = ForwardPlacement::Saved);

} // namespace vl
