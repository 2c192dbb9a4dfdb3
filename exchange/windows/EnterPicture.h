#pragma once
// The small window "Enter Picture..." in which the export and import windows
// change a column's picture. A picture must begin with "@".

#include <QDialog>

class QLineEdit;

namespace vl {

class EnterPictureDialog : public QDialog {
    Q_OBJECT
public:
    EnterPictureDialog(const QString& picture, QWidget* parent);
    QString Picture() const;
    QLineEdit* Entry() const { return entry_; }

    void accept() override;

private:
    // False, after saying why, when the entry holds no picture.
    bool Check();
    QLineEdit* entry_;
};

// The new picture, or a blank text when the user cancels.
QString EnterPicture(const QString& picture, QWidget* parent);

} // namespace vl
