#pragma once
// The delete, test and extract dialogs ("Delete files", "Test files",
// "Extract files"): which members ("&All files", "&Selected files",
// "&Wildcard") with their counts, the password for test and extract, and the
// target folder and options of the extract. On confirmation the choice goes
// into the zip object.

#include "backup/ArchiveDialogRules.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace vl {

enum class MemberWork { Delete, Test, Extract };

class MemberChoiceDialog : public QDialog {
public:
    MemberChoiceDialog(MemberWork work, ZipObject& zip, QWidget* parent = nullptr);
    MemberChoice Choice() const;

private:
    void ShowCounts();
    void Confirm();

    MemberWork work_;
    ZipObject& zip_;
    QRadioButton* all_ = nullptr;
    QRadioButton* selected_ = nullptr;
    QRadioButton* wildcard_ = nullptr;
    QLineEdit* wildcardEntry_ = nullptr;
    QLabel* files_ = nullptr;
    QLabel* bytes_ = nullptr;
    QLineEdit* password_ = nullptr;
    QLineEdit* target_ = nullptr;
    QCheckBox* overwrite_ = nullptr;
    QCheckBox* folderNames_ = nullptr;
};

} // namespace vl
