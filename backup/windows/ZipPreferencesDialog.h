#pragma once
// The "Zip Preferences" window: tab "&General" (compression, path
// information, the add options, the action, the temporary folder) and tab
// "&Extra" (the date before which files are added). "&OK" writes the
// choices into the preferences; "&Cancel" leaves them.

#include "backup/ZipPreferences.h"

#include <QDialog>

class QButtonGroup;
class QCheckBox;
class QLineEdit;
class QSpinBox;

namespace vl {

class ZipPreferencesDialog : public QDialog {
public:
    ZipPreferencesDialog(ZipPreferences& preferences, QWidget* parent = nullptr);

private:
    void Confirm();

    ZipPreferences& preferences_;
    QButtonGroup* compression_ = nullptr;
    QButtonGroup* path_ = nullptr;
    QButtonGroup* action_ = nullptr;
    QCheckBox* systemAndHidden_ = nullptr;
    QCheckBox* moveFiles_ = nullptr;
    QCheckBox* latestDate_ = nullptr;
    QCheckBox* fileComment_ = nullptr;
    QCheckBox* password_ = nullptr;
    QSpinBox* month_ = nullptr;
    QSpinBox* day_ = nullptr;
    QSpinBox* year_ = nullptr;
    QCheckBox* beforeOnly_ = nullptr;
};

} // namespace vl
