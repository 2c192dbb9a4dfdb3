#pragma once
// The query dialog: the user picks a field by its prompt, an operator and
// what to compare with (a constant typed, chosen or ticked as the field
// asks, an expression, or another field), adds the condition with AND or
// OR, changes or deletes conditions, reads the query in words, saves and
// loads named queries, and ends with OK or Cancel. Its captions come from
// the texts the program hands over; what it does is QueryEditor's.
//
//   auto* dialog = new QueryDialog(catalogue, texts, &saved, currentQuery, listWindow);
//   connect(dialog, &QDialog::accepted, [=] { ApplyQuery(dialog->Result()); });
//   dialog->open();

#include "platform/query/QueryEditor.h"

#include <QDialog>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QStackedWidget;

namespace vl {

class QueryDialog : public QDialog {
    Q_OBJECT

public:
    QueryDialog(QueryCatalogue catalogue, QueryTexts texts, SavedQueries* saved, const Query& current,
                QWidget* parent = nullptr);

    // The query built (after OK).
    const Query& Result() const { return editor_.Current(); }

    void accept() override;

private:
    void Build();
    QWidget* BuildCondition();
    QWidget* BuildCurrentQuery();
    QWidget* BuildSavedQueries();
    // Fills the operators and value controls for the chosen field.
    void FieldChosen();
    void OperandChosen();
    void ShowDraft(const QueryDraft& draft);
    QueryDraft Draft() const;
    void AddCondition(Join join);
    void ShowQuery(int selected);
    void ShowSaved();
    // The enabled buttons and the caption (the saved query's description).
    void ShowState();
    const QueryField* ChosenField() const;
    QueryOperator ChosenOperator() const;

    QueryEditor editor_;
    QComboBox* field_ = nullptr;
    QComboBox* operator_ = nullptr;
    QButtonGroup* operand_ = nullptr;
    QStackedWidget* valueStack_ = nullptr;
    QLineEdit* value_ = nullptr;
    QComboBox* choice_ = nullptr;
    QCheckBox* check_ = nullptr;
    QLineEdit* expression_ = nullptr;
    QComboBox* otherField_ = nullptr;
    QCheckBox* caseSensitive_ = nullptr;
    QPushButton* change_ = nullptr;
    QPushButton* delete_ = nullptr;
    QListWidget* conditions_ = nullptr;
    QListWidget* saved_ = nullptr;
    QLineEdit* description_ = nullptr;
    QPushButton* edit_ = nullptr;
    QPushButton* remove_ = nullptr;
};

} // namespace vl
