#pragma once
// The Options window (caption "Options"): the settings on eight tabs, a
// test e-mail and five housekeeping actions. Its controls edit the setting
// globals (core/settings/Globals.h) in place, so a change such as
// "Scheduler active " takes effect at once; OK stores every setting, Cancel
// (also Escape and the close button) loads them back from the store.
//
// Controls carry their texts; those without one carry an object name (the
// setting they edit, e.g. "SkipIfDaysPassed", "DateFormat", "Email:Sender").

#include <QDialog>
#include <QString>

#include <cstdint>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTabWidget;
class QVBoxLayout;

namespace vl {

class TabColourer;

class OptionsWindow : public QDialog {
    Q_OBJECT
public:
    explicit OptionsWindow(QWidget* parent = nullptr);
    ~OptionsWindow() override;

    // False when a table could not be opened (the error has been shown):
    // the window must not be shown.
    bool Opened() const { return opened_; }

    QTabWidget* Tabs() const { return tabs_; }

    void accept() override; // "&OK"
    void reject() override; // "Cancel", Escape, the close button

private:
    // The pages, in the order of the tabs.
    QWidget* StartUpPage();
    QWidget* GeneralPage();
    QWidget* MessagesPage();
    QWidget* HistoryPage();
    QWidget* ScriptingPage();
    QWidget* ClipboardPage();
    QWidget* EmailPage();
    QWidget* HousekeepingPage();

    // Controls bound to a global: a change of the control changes it.
    QCheckBox* FlagBox(const QString& text, uint8_t& global);
    QSpinBox* NumberBox(const QString& name, int32_t& global);
    QLineEdit* TextBox(const QString& name, QString& global, int width);
    QPushButton* Button(const QString& text, void (OptionsWindow::*action)());

    bool OpenTables();
    void CloseDown();

    void ShowSkipInfo();
    void ShowTranslateInfo();
    void TestSettings();
    void ClearDisabledTasks();
    void ClearCompletedTasks();
    void ClearTodo();
    void ResetWindowSettings();
    void ClearScriptQueue();

    QTabWidget* tabs_ = nullptr;
    QCheckBox* logEvents_ = nullptr;
    QCheckBox* logExitCodes_ = nullptr;
    QComboBox* dateFormat_ = nullptr;
    QSpinBox* delay_ = nullptr;     // window field, stored on OK
    QSpinBox* burstSize_ = nullptr; // window field, stored on OK
    QString shownDateFormat_;       // the display text shown at opening
    uint8_t shownActive_ = 0;       // "Scheduler active " as shown at opening
    TabColourer* colourer_ = nullptr;
    bool opened_ = false;           // the window opened its tables
    bool closed_ = false;
};

// Opens the Options window modally on the calling thread and returns when it
// closes. In "/I" mode without "/CONFIG" it refuses with a warning.
void Options(QWidget* parent = nullptr);

} // namespace vl
