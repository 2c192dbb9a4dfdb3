#include "platform/widgets/QueryDialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace vl {

namespace {

using namespace QueryTextNumber;

// The pages of the value controls.
enum Page { kEntryPage, kChoicePage, kCheckPage, kExpressionPage, kFieldPage };

QPushButton* Button(const QueryTexts& texts, int text, int tip, const char* name, QWidget* parent)
{
    auto* button = new QPushButton(texts.Text(text), parent);
    button->setToolTip(texts.Text(tip));
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    return button;
}

} // namespace

QueryDialog::QueryDialog(QueryCatalogue catalogue, QueryTexts texts, SavedQueries* saved, const Query& current,
                         QWidget* parent)
    : QDialog(parent), editor_(std::move(catalogue), std::move(texts), saved)
{
    editor_.Start(current);
    Build();
    FieldChosen();
    ShowQuery(-1);
    ShowSaved();
}

void QueryDialog::Build()
{
    const QueryTexts& texts = editor_.Texts();
    auto* columns = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    left->addWidget(BuildCondition());
    left->addWidget(BuildCurrentQuery(), 1);
    columns->addLayout(left, 3);
    if (editor_.CanSave())
        columns->addWidget(BuildSavedQueries(), 1);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(texts.Text(kOkButton), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("ok"));
    ok->setDefault(true);
    QPushButton* cancel = buttons->addButton(texts.Text(kCancelButton), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("cancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QueryDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QueryDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns, 1);
    layout->addWidget(buttons);
    resize(960, 540);
}

QWidget* QueryDialog::BuildCondition()
{
    const QueryTexts& texts = editor_.Texts();
    auto* group = new QGroupBox(texts.Text(kCondition), this);
    auto* form = new QFormLayout;

    field_ = new QComboBox(group);
    field_->setObjectName(QStringLiteral("field"));
    field_->setMaxVisibleItems(20);
    for (const QueryField& field : editor_.Catalogue().Fields())
        field_->addItem(field.prompt, field.field);
    operator_ = new QComboBox(group);
    operator_->setObjectName(QStringLiteral("operator"));

    auto* operands = new QHBoxLayout;
    operand_ = new QButtonGroup(group);
    const std::pair<int, QueryOperand> radios[] = {{kConstantValue, QueryOperand::Value},
                                                   {kExpression, QueryOperand::Expression},
                                                   {kAnotherField, QueryOperand::Field}};
    const char* names[] = {"constant", "expressionOperand", "fieldOperand"};
    for (int i = 0; i < 3; ++i) {
        auto* radio = new QRadioButton(texts.Text(radios[i].first), group);
        radio->setObjectName(QString::fromLatin1(names[i]));
        operand_->addButton(radio, static_cast<int>(radios[i].second));
        operands->addWidget(radio);
    }
    operands->addStretch();
    operand_->button(static_cast<int>(QueryOperand::Value))->setChecked(true);

    valueStack_ = new QStackedWidget(group);
    value_ = new QLineEdit(valueStack_);
    value_->setObjectName(QStringLiteral("value"));
    choice_ = new QComboBox(valueStack_);
    choice_->setObjectName(QStringLiteral("choice"));
    check_ = new QCheckBox(valueStack_);
    check_->setObjectName(QStringLiteral("check"));
    expression_ = new QLineEdit(valueStack_);
    expression_->setObjectName(QStringLiteral("expression"));
    otherField_ = new QComboBox(valueStack_);
    otherField_->setObjectName(QStringLiteral("otherField"));
    int height = 0;
    for (QWidget* page : {static_cast<QWidget*>(value_), static_cast<QWidget*>(choice_),
                          static_cast<QWidget*>(check_), static_cast<QWidget*>(expression_),
                          static_cast<QWidget*>(otherField_)}) {
        valueStack_->addWidget(page);
        height = std::max(height, page->sizeHint().height());
    }
    valueStack_->setFixedHeight(height); // the controls take turns in one place

    caseSensitive_ = new QCheckBox(texts.Text(kCaseSensitiveMatching), group);
    caseSensitive_->setObjectName(QStringLiteral("caseSensitive"));

    form->addRow(new QLabel(texts.Text(kFieldPrompt), group));
    form->addRow(field_);
    form->addRow(new QLabel(texts.Text(kComparePrompt), group));
    form->addRow(operator_);
    form->addRow(new QLabel(texts.Text(kCompareWith), group));
    form->addRow(operands);
    form->addRow(valueStack_);
    form->addRow(caseSensitive_);

    auto* buttons = new QHBoxLayout;
    QPushButton* andButton = Button(texts, kAndButton, kAndTip, "and", group);
    QPushButton* orButton = Button(texts, kOrButton, kOrTip, "or", group);
    change_ = Button(texts, kChangeButton, kChangeTip, "change", group);
    delete_ = Button(texts, kDeleteButton, kDeleteTip, "delete", group);
    for (QPushButton* button : {andButton, orButton, change_, delete_})
        buttons->addWidget(button);
    buttons->addStretch();
    form->addRow(buttons);
    group->setLayout(form);

    connect(field_, &QComboBox::currentIndexChanged, this, &QueryDialog::FieldChosen);
    connect(operand_, &QButtonGroup::idClicked, this, &QueryDialog::OperandChosen);
    // A check box field: ticking the box and choosing "Is Checked" are one.
    connect(operator_, &QComboBox::currentIndexChanged, this, [this] {
        if (valueStack_->currentIndex() == kCheckPage)
            check_->setChecked(ChosenOperator() == QueryOperator::Checked);
    });
    connect(check_, &QCheckBox::toggled, this, [this](bool on) {
        const QueryOperator op = on ? QueryOperator::Checked : QueryOperator::NotChecked;
        const int index = operator_->findData(static_cast<int>(op));
        if (index >= 0)
            operator_->setCurrentIndex(index);
    });
    connect(andButton, &QPushButton::clicked, this, [this] { AddCondition(Join::And); });
    connect(orButton, &QPushButton::clicked, this, [this] { AddCondition(Join::Or); });
    connect(change_, &QPushButton::clicked, this, [this] {
        const int row = conditions_->currentRow();
        if (editor_.Change(row, Draft()))
            ShowQuery(row);
    });
    connect(delete_, &QPushButton::clicked, this, [this] {
        const int row = conditions_->currentRow();
        editor_.Remove(row);
        ShowQuery(std::min(row, static_cast<int>(editor_.Current().size()) - 1));
    });
    return group;
}

QWidget* QueryDialog::BuildCurrentQuery()
{
    const QueryTexts& texts = editor_.Texts();
    auto* group = new QGroupBox(texts.Text(kCurrentQuery), this);
    auto* layout = new QVBoxLayout(group);
    auto* hint = new QLabel(texts.Text(kAddHint), group);
    conditions_ = new QListWidget(group);
    conditions_->setObjectName(QStringLiteral("conditions"));
    layout->addWidget(hint);
    layout->addWidget(conditions_, 1);
    connect(conditions_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0 && row < static_cast<int>(editor_.Current().size()) &&
            editor_.Catalogue().Find(editor_.Current()[static_cast<size_t>(row)].field))
            ShowDraft(editor_.DraftOf(row));
        ShowState();
    });
    return group;
}

QWidget* QueryDialog::BuildSavedQueries()
{
    const QueryTexts& texts = editor_.Texts();
    auto* group = new QGroupBox(texts.Text(kSavedQueries), this);
    auto* layout = new QVBoxLayout(group);
    saved_ = new QListWidget(group);
    saved_->setObjectName(QStringLiteral("savedQueries"));
    description_ = new QLineEdit(group);
    description_->setObjectName(QStringLiteral("description"));
    auto* prompt = new QLabel(texts.Text(kDescriptionPrompt), group);
    prompt->setBuddy(description_);
    QPushButton* add = Button(texts, kAddButton, kAddTip, "add", group);
    edit_ = Button(texts, kEditButton, kEditTip, "edit", group);
    remove_ = Button(texts, kRemoveButton, kRemoveTip, "remove", group);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {add, edit_, remove_})
        buttons->addWidget(button);
    layout->addWidget(saved_, 1);
    layout->addWidget(prompt);
    layout->addWidget(description_);
    layout->addLayout(buttons);

    connect(saved_, &QListWidget::currentTextChanged, this, [this](const QString& name) {
        if (!name.isEmpty())
            description_->setText(name);
        ShowState();
    });
    connect(saved_, &QListWidget::itemDoubleClicked, edit_, &QPushButton::click);
    connect(add, &QPushButton::clicked, this, [this] {
        if (editor_.Save(description_->text()))
            ShowSaved();
    });
    connect(edit_, &QPushButton::clicked, this, [this] {
        if (saved_->currentItem() && editor_.Load(saved_->currentItem()->text()))
            ShowQuery(-1);
        ShowSaved();
    });
    connect(remove_, &QPushButton::clicked, this, [this] {
        if (saved_->currentItem() && editor_.RemoveSaved(saved_->currentItem()->text()))
            description_->clear();
        ShowSaved();
    });
    return group;
}

const QueryField* QueryDialog::ChosenField() const
{
    return editor_.Catalogue().Find(field_->currentData().toString());
}

QueryOperator QueryDialog::ChosenOperator() const
{
    return static_cast<QueryOperator>(operator_->currentData().toInt());
}

void QueryDialog::FieldChosen()
{
    const QueryField* field = ChosenField();
    operator_->clear();
    choice_->clear();
    otherField_->clear();
    if (!field)
        return;
    for (QueryOperator op : OperatorsFor(*field))
        operator_->addItem(editor_.Texts().Text(static_cast<int>(op)), static_cast<int>(op));
    for (const QueryChoice& choice : field->choices)
        choice_->addItem(choice.shown);
    for (const QueryField* other : editor_.ComparableFields(field->field))
        otherField_->addItem(other->prompt, other->field);
    check_->setText(field->checkLabel.isEmpty() ? field->prompt : field->checkLabel);
    const bool isCheck = field->input == QueryInput::CheckBox;
    operand_->button(static_cast<int>(QueryOperand::Expression))->setEnabled(!isCheck);
    operand_->button(static_cast<int>(QueryOperand::Field))->setEnabled(!isCheck && otherField_->count() > 0);
    caseSensitive_->setEnabled(field->IsText() && !isCheck);
    if (!operand_->checkedButton()->isEnabled())
        operand_->button(static_cast<int>(QueryOperand::Value))->setChecked(true);
    OperandChosen();
}

void QueryDialog::OperandChosen()
{
    const QueryField* field = ChosenField();
    const auto operand = static_cast<QueryOperand>(operand_->checkedId());
    Page page = kEntryPage;
    if (operand == QueryOperand::Expression)
        page = kExpressionPage;
    else if (operand == QueryOperand::Field)
        page = kFieldPage;
    else if (field && field->input == QueryInput::CheckBox)
        page = kCheckPage;
    else if (field && field->input == QueryInput::Choice)
        page = kChoicePage;
    valueStack_->setCurrentIndex(page);
    if (page == kCheckPage)
        check_->setChecked(ChosenOperator() == QueryOperator::Checked);
}

void QueryDialog::ShowDraft(const QueryDraft& draft)
{
    field_->setCurrentIndex(field_->findData(editor_.Catalogue().Find(draft.field)->field));
    FieldChosen();
    operator_->setCurrentIndex(std::max(0, operator_->findData(static_cast<int>(draft.op))));
    QAbstractButton* radio = operand_->button(static_cast<int>(draft.operand));
    if (radio->isEnabled())
        radio->setChecked(true);
    OperandChosen();
    caseSensitive_->setChecked(draft.caseSensitive);
    value_->clear();
    expression_->clear();
    switch (draft.operand) {
    case QueryOperand::Value:
        value_->setText(draft.input);
        choice_->setCurrentIndex(std::max(0, choice_->findText(draft.input)));
        break;
    case QueryOperand::Expression:
        expression_->setText(draft.input);
        break;
    case QueryOperand::Field:
        otherField_->setCurrentIndex(std::max(0, otherField_->findData(draft.input, Qt::UserRole,
                                                                       Qt::MatchFixedString)));
        break;
    }
}

QueryDraft QueryDialog::Draft() const
{
    QueryDraft draft;
    draft.field = field_->currentData().toString();
    draft.op = ChosenOperator();
    draft.operand = static_cast<QueryOperand>(operand_->checkedId());
    draft.caseSensitive = caseSensitive_->isEnabled() && caseSensitive_->isChecked();
    switch (valueStack_->currentIndex()) {
    case kEntryPage: draft.input = value_->text(); break;
    case kChoicePage: draft.input = choice_->currentText(); break;
    case kExpressionPage: draft.input = expression_->text(); break;
    case kFieldPage: draft.input = otherField_->currentData().toString(); break;
    default: break;
    }
    return draft;
}

void QueryDialog::AddCondition(Join join)
{
    if (editor_.Add(join, Draft()))
        ShowQuery(static_cast<int>(editor_.Current().size()) - 1);
}

void QueryDialog::ShowQuery(int selected)
{
    const QSignalBlocker block(conditions_);
    conditions_->clear();
    // An empty query lists nothing (its words, "All Records", are no condition).
    const QStringList lines = editor_.Current().empty() ? QStringList() : editor_.Words();
    for (const QString& line : lines)
        (new QListWidgetItem(line, conditions_))->setToolTip(line); // whole where the list cuts it
    conditions_->setCurrentRow(selected);
    ShowState();
}

void QueryDialog::ShowSaved()
{
    if (!saved_)
        return;
    const QSignalBlocker block(saved_);
    saved_->clear();
    saved_->addItems(editor_.SavedNames());
    const QList<QListWidgetItem*> current = saved_->findItems(editor_.Description(), Qt::MatchFixedString);
    if (!editor_.Description().isEmpty() && !current.isEmpty())
        saved_->setCurrentItem(current.front());
    ShowState();
}

void QueryDialog::ShowState()
{
    const QString name = editor_.Description();
    setWindowTitle(editor_.Texts().Text(kTitle) + QStringLiteral(" - ") +
                   (name.isEmpty() ? editor_.Texts().Text(kNewQuery) : name));
    const int row = conditions_->currentRow();
    const bool selected = row >= 0 && row < static_cast<int>(editor_.Current().size());
    change_->setEnabled(selected);
    delete_->setEnabled(selected);
    if (saved_) {
        edit_->setEnabled(saved_->currentItem() != nullptr);
        remove_->setEnabled(saved_->currentItem() != nullptr);
    }
}

void QueryDialog::accept()
{
    if (editor_.Finish(description_ ? description_->text() : QString()))
        QDialog::accept();
}

} // namespace vl
