#pragma once
// "Advanced..." of a "Start Program" item: whether the script waits for the
// program's end (and for how long at most), the window mode, the verb the
// program is started with, its priority and whether the command goes
// through keyword expansion first (StartProgramOptions.h). The wait and the
// verb exclude each other: while the script waits, the seconds can be set
// and the verb cannot; otherwise the reverse. "&OK" writes the options into
// the item; closing the window any other way changes nothing.

#include "core/dictionary/ScriptingRecord.h"
#include "scripting/items/StartProgramOptions.h"

#include <QDialog>

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QPushButton;
class QSpinBox;

namespace vl {

inline constexpr char kStartOptionsProcedure[] = "StartProgramOptions";

class StartOptionsWindow : public QDialog {
    Q_OBJECT
public:
    explicit StartOptionsWindow(const ScriptingRecord& item, QWidget* parent = nullptr);

    // The options as the window shows them.
    StartOptions Options() const;

    QCheckBox* WaitBox() const { return wait_; }
    QSpinBox* SecondsSpin() const { return seconds_; }
    QGroupBox* VerbGroup() const { return verbGroup_; }
    QButtonGroup* WindowModes() const { return modes_; }
    QButtonGroup* Verbs() const { return verbs_; }
    QButtonGroup* Priorities() const { return priorities_; }
    QCheckBox* TranslateBox() const { return translate_; }
    QPushButton* OkButton() const { return ok_; }

private:
    void WaitToggled(bool on);

    QString verbAtOpen_;
    QCheckBox* wait_ = nullptr;
    QSpinBox* seconds_ = nullptr;
    QGroupBox* verbGroup_ = nullptr;
    QButtonGroup* modes_ = nullptr;
    QButtonGroup* verbs_ = nullptr;
    QButtonGroup* priorities_ = nullptr;
    QCheckBox* translate_ = nullptr;
    QPushButton* ok_ = nullptr;
};

// Opens the window modally; true (and the item's options written) on "&OK".
bool EditStartOptions(ScriptingRecord& item, QWidget* parent = nullptr);

} // namespace vl
