#pragma once
// "Edit Script as Text: Reference" (Script:Text:Reference): builds one line
// of script text for the clipboard. The line starts as the clipboard's text;
// choosing a command puts its form in the line, and each group's "Append"
// adds a bracketed key ("[Ctrl-s]") or keyword ("[TODAY]"). "Cl&ose" puts
// the line on the clipboard; closing the window otherwise leaves the
// clipboard alone.

#include <QDialog>

class QComboBox;
class QLineEdit;
class QListWidget;

namespace vl {

inline constexpr char kScriptTextReferenceName[] = "Script:Text:Reference";

class ScriptTextReferenceWindow : public QDialog {
    Q_OBJECT
public:
    explicit ScriptTextReferenceWindow(QWidget* parent = nullptr);

    QLineEdit* Line() const { return line_; }
    QListWidget* Commands() const { return commands_; }
    QComboBox* Modifier() const { return modifier_; }
    QComboBox* Key() const { return key_; }
    QComboBox* Keyword() const { return keyword_; }

    void AppendKey();
    void AppendKeyword();
    void accept() override; // "Cl&ose"

private:
    void Append(const QString& group);

    QLineEdit* line_ = nullptr;
    QListWidget* commands_ = nullptr;
    QComboBox* modifier_ = nullptr;
    QComboBox* key_ = nullptr;
    QComboBox* keyword_ = nullptr;
};

} // namespace vl
