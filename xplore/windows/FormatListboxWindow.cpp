#include "xplore/windows/FormatListboxWindow.h"

#include "platform/runtime/FixedText.h"
#include "platform/sound/SoundPlayer.h"
#include "resources/ProgramIcons.h"
#include "xplore/AttributePrompts.h"
#include "xplore/windows/ColumnColorsWindow.h"
#include "xplore/windows/ListAppearanceIO.h"
#include "xplore/windows/Xplore.h"

#include <QApplication>
#include <QCheckBox>
#include <QEvent>
#include <QFontDialog>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QShortcut>
#include <QSpinBox>
#include <QVBoxLayout>

namespace vl {

namespace {

// Column titles are shown cut to this many characters.
constexpr int kDescriptionWidth = 30;
constexpr int kListWidth = 120;

// The feature bit that enables each attribute control; the controls not
// named here (the column lists, moving, adding, hiding, colours, the
// designed layout, closing) always work.
const std::map<QString, quint32>& FeatureBits()
{
    static const std::map<QString, quint32> bits{
        {"DataL", 0x1},         {"DataC", 0x2},        {"DataR", 0x4},           {"DataD", 0x8},
        {"DataOffset", 0x10},   {"HeaderL", 0x20},     {"HeaderC", 0x40},        {"HeaderR", 0x80},
        {"HeaderD", 0x100},     {"HeaderOffset", 0x200}, {"HeaderText", 0x400},  {"Width", 0x800},
        {"Fixed", 0x10000},     {"Underline", 0x20000}, {"Border", 0x40000},     {"Resize", 0x80000},
        {"ListX", 0x200000},    {"ListY", 0x400000},   {"ListWidth", 0x800000},  {"ListHeight", 0x1000000},
        {"Font", 0x2000000},    {"LineHeight", 0x4000000}, {"HScroll", 0x8000000}, {"VScroll", 0x10000000},
    };
    return bits;
}

// The list attributes with a number, their attribute code and prompt.
struct ListNumber {
    const char* name;
    const char* code;
    const char* label;
    const char* tip;
};
constexpr ListNumber kListNumbers[] = {
    {"ListX", "XPS", "&X Pos:", "Move Listbox Horizontally"},
    {"ListY", "YPS", "&Y Pos:", "Move Listbox Vertically"},
    {"ListWidth", "BWI", "Wid&th:", "Adjust Width of Listbox"},
    {"ListHeight", "BHI", "H&eight:", "Adjust Height of LIstbox"},
    {"LineHeight", "LHI", "&LineHeight:", "Adjust Line Height"},
};

constexpr char kJustifications[] = "LCRD";
const char* const kJustificationNames[] = {"Left", "Center", "Right", "Decimal"};

} // namespace

FormatListboxWindow::FormatListboxWindow(Xplore& list, QWidget* parent) : QDialog(parent), list_(list)
{
    setObjectName(QStringLiteral("FormatListbox"));
    setWindowTitle(tr("Format Listbox..."));
    selectionBehaviour_ = list.List()->selectionBehavior();
    list.List()->setSelectionBehavior(QAbstractItemView::SelectItems);

    auto* top = new QHBoxLayout;
    BuildLists(this);
    auto* moves = new QVBoxLayout;
    struct Move {
        const char* name;
        QKeySequence key;
        const char* tip;
        QStyle::StandardPixmap icon;
        std::function<void()> run;
    };
    const Move buttons[] = {
        {"Add", QKeySequence(Qt::ALT | Qt::Key_Right), "Add Column to display list", QStyle::SP_ArrowRight,
         [this] { AddChosen(); }},
        {"Hide", QKeySequence(Qt::ALT | Qt::Key_Left), "Hide column from display list", QStyle::SP_ArrowLeft,
         [this] { HideCurrent(); }},
        {"Up", QKeySequence(Qt::ALT | Qt::Key_Up), "Move Column Left", QStyle::SP_ArrowUp, [this] { MoveCurrent(-1); }},
        {"Down", QKeySequence(Qt::ALT | Qt::Key_Down), "Move Column Right", QStyle::SP_ArrowDown,
         [this] { MoveCurrent(1); }},
    };
    moves->addStretch();
    for (const Move& move : buttons) {
        auto* button = new QPushButton(style()->standardIcon(move.icon), QString(), this);
        button->setObjectName(QString::fromLatin1(move.name));
        button->setShortcut(move.key);
        button->setToolTip(tr(move.tip));
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, move.run);
        controls_[button->objectName()] = button;
        moves->addWidget(button);
    }
    moves->addStretch();
    auto* allBox = new QVBoxLayout;
    auto* allLabel = new QLabel(tr("All Columns"), this);
    allBox->addWidget(allLabel);
    allBox->addWidget(all_);
    auto* shownBox = new QVBoxLayout;
    shownBox->addWidget(new QLabel(tr("Displayed Columns"), this));
    shownBox->addWidget(shown_);
    top->addLayout(allBox);
    top->addLayout(moves);
    top->addLayout(shownBox);

    auto* attributes = new QHBoxLayout;
    attributes->addWidget(BuildColumnControls());
    attributes->addWidget(BuildListControls());

    auto* closing = new QHBoxLayout;
    auto* restore = new QPushButton(tr("&Default"), this);
    restore->setObjectName(QStringLiteral("Default"));
    restore->setToolTip(tr("Reset listbox back to default"));
    restore->setAutoDefault(false);
    connect(restore, &QPushButton::clicked, this, &FormatListboxWindow::RestoreDefault);
    auto* close = new QPushButton(tr("&Close"), this);
    close->setObjectName(QStringLiteral("Close"));
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    controls_[restore->objectName()] = restore;
    controls_[close->objectName()] = close;
    unavailable_ = new QLabel(this);
    unavailable_->setObjectName(QStringLiteral("Unavailable"));
    closing->addWidget(unavailable_);
    closing->addStretch();
    closing->addWidget(restore);
    closing->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(attributes);
    layout->addLayout(closing);

    connect(new QShortcut(QKeySequence(Qt::ALT | Qt::Key_1), this), &QShortcut::activated, all_,
            qOverload<>(&QWidget::setFocus));
    connect(new QShortcut(QKeySequence(Qt::ALT | Qt::Key_2), this), &QShortcut::activated, shown_,
            qOverload<>(&QWidget::setFocus));

    EnableByFeatures();
    current_ = list.Columns().ShownCount() > 0 ? 1 : 0;
    Refresh();
    if (all_->count() > 0)
        all_->setCurrentRow(0);
}

void FormatListboxWindow::BuildLists(QWidget* page)
{
    all_ = new QListWidget(page);
    all_->setObjectName(QStringLiteral("AllColumns"));
    all_->setToolTip(tr("'Right Click to display field'"));
    shown_ = new QListWidget(page);
    shown_->setObjectName(QStringLiteral("ShownColumns"));
    shown_->setToolTip(tr("'Right Click to erase field'"));
    for (QListWidget* list : {all_, shown_}) {
        list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        list->setMinimumWidth(list->fontMetrics().averageCharWidth() * kListWidth / 4 + 40);
        list->viewport()->installEventFilter(this);
    }
    connect(shown_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (!loading_ && row >= 0)
            SetCurrent(row + 1);
    });
    connect(all_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (loading_ || row < 0)
            return;
        const int field = all_->item(row)->data(Qt::UserRole).toInt();
        SetCurrent(list_.Columns().PositionOf(field));
    });
}

QWidget* FormatListboxWindow::BuildColumnControls()
{
    auto* box = new QGroupBox(tr("Column"), this);
    auto* layout = new QVBoxLayout(box);
    layout->addWidget(BuildHeaderText(box));
    layout->addLayout(BuildJustifications(box));
    layout->addLayout(BuildWidthRow(box));
    layout->addLayout(BuildColumnFlags(box));
    layout->addWidget(BuildColorsButton(box), 0, Qt::AlignLeft);
    layout->addStretch();
    return box;
}

QWidget* FormatListboxWindow::BuildHeaderText(QWidget* box)
{
    auto* header = new QLineEdit(box);
    header->setObjectName(QStringLiteral("HeaderText"));
    header->setToolTip(tr("Change Column Header Text"));
    header->setMaxLength(kHeaderTextWidth);
    // "~" closes a header in the saved layout, so a header cannot hold one.
    header->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[^~]*")), header));
    connect(header, &QLineEdit::textEdited, this, [this](const QString& text) {
        ChangeCurrent([&text](XploreColumn& column) { column.header = text.left(kHeaderTextWidth); });
    });
    controls_[header->objectName()] = header;
    return header;
}

// Justification and offset, of the header and of the data.
QLayout* FormatListboxWindow::BuildJustifications(QWidget* box)
{
    struct Part {
        const char* title;
        const char* prefix;
        const char* offsetLabel;
        const char* offsetTip;
        bool header;
    };
    const Part parts[] = {{"&Header", "Header", "Off&set:", "Change Header Offset", true},
                          {"&Field", "Data", "Offse&t:", "Change Data Field Offset", false}};
    auto* justifications = new QHBoxLayout;
    for (const Part& part : parts) {
        auto* group = new QGroupBox(tr(part.title), box);
        auto* rows = new QVBoxLayout(group);
        for (int i = 0; i < 4; ++i) {
            auto* radio = new QRadioButton(tr(kJustificationNames[i]), group);
            radio->setObjectName(QString::fromLatin1(part.prefix) + QChar::fromLatin1(kJustifications[i]));
            const QChar letter = QChar::fromLatin1(kJustifications[i]);
            connect(radio, &QRadioButton::toggled, this, [this, letter, header = part.header](bool on) {
                if (on)
                    ChangeCurrent([&](XploreColumn& column) { (header ? column.headerJust : column.dataJust) = letter; });
            });
            controls_[radio->objectName()] = radio;
            rows->addWidget(radio);
        }
        auto* offset = new QSpinBox(group);
        offset->setObjectName(QString::fromLatin1(part.prefix) + QStringLiteral("Offset"));
        offset->setRange(0, 255);
        offset->setToolTip(tr(part.offsetTip));
        connect(offset, &QSpinBox::valueChanged, this, [this, header = part.header](int value) {
            ChangeCurrent([&](XploreColumn& column) { (header ? column.headerOffset : column.dataOffset) = value; });
        });
        controls_[offset->objectName()] = offset;
        auto* form = new QFormLayout;
        auto* label = new QLabel(tr(part.offsetLabel), group);
        label->setBuddy(offset);
        form->addRow(label, offset);
        rows->addLayout(form);
        justifications->addWidget(group);
    }
    return justifications;
}

QLayout* FormatListboxWindow::BuildWidthRow(QWidget* box)
{
    auto* width = new QSpinBox(box);
    width->setObjectName(QStringLiteral("Width"));
    width->setRange(0, 9999);
    width->setToolTip(tr("Change Column Width"));
    connect(width, &QSpinBox::valueChanged, this,
            [this](int value) { ChangeCurrent([value](XploreColumn& column) { column.width = value; }); });
    controls_[width->objectName()] = width;
    auto* form = new QFormLayout;
    auto* widthLabel = new QLabel(tr("&Width:"), box);
    widthLabel->setBuddy(width);
    form->addRow(widthLabel, width);
    return form;
}

QLayout* FormatListboxWindow::BuildColumnFlags(QWidget* box)
{
    struct Flag {
        const char* name;
        const char* text;
        const char* tip;
        bool XploreColumn::*member;
    };
    const Flag flags[] = {
        {"Fixed", "F&ixed", "Fix all columns to the left when horizontal Scrolling", &XploreColumn::fixed},
        {"Underline", "&Underline", "Underline the current column", &XploreColumn::underline},
        {"Border", "&Border", "Right hand border line", &XploreColumn::border},
        {"Resize", "&Resize", "Allow Column Resize with Mouse", &XploreColumn::resizable},
    };
    auto* checks = new QGridLayout;
    int at = 0;
    for (const Flag& flag : flags) {
        auto* check = new QCheckBox(tr(flag.text), box);
        check->setObjectName(QString::fromLatin1(flag.name));
        check->setToolTip(tr(flag.tip));
        connect(check, &QCheckBox::toggled, this, [this, member = flag.member](bool on) {
            ChangeCurrent([&](XploreColumn& column) { column.*member = on; });
        });
        controls_[check->objectName()] = check;
        checks->addWidget(check, at / 2, at % 2);
        ++at;
    }
    return checks;
}

QWidget* FormatListboxWindow::BuildColorsButton(QWidget* box)
{
    auto* colours = new QPushButton(tr("C&olors"), box);
    colours->setObjectName(QStringLiteral("Colors"));
    colours->setToolTip(tr("Assign New Colors to Column"));
    colours->setAutoDefault(false);
    connect(colours, &QPushButton::clicked, this, [this] {
        if (current_ == 0)
            return;
        ColumnColorsWindow window(list_, current_, this);
        window.exec();
        Refresh();
    });
    controls_[colours->objectName()] = colours;
    return colours;
}

QWidget* FormatListboxWindow::BuildListControls()
{
    auto* box = new QGroupBox(tr("Listbox"), this);
    auto* layout = new QVBoxLayout(box);
    auto* form = new QFormLayout;
    const ListAppearance appearance = ReadAppearance(*list_.List());
    const bool place = list_.Settings().restorePlace;
    for (const ListNumber& number : kListNumbers) {
        const QString code = QString::fromLatin1(number.code);
        auto* spin = new QSpinBox(box);
        spin->setObjectName(QString::fromLatin1(number.name));
        spin->setToolTip(tr(number.tip));
        const auto prompt = AttributePromptFor(code, nullptr, appearance);
        spin->setRange(0, prompt ? prompt->maximum : 32767);
        spin->setValue(prompt ? prompt->value : 0);
        connect(spin, &QSpinBox::valueChanged, this, [this, code](int value) { ChangeList(code, value); });
        controls_[spin->objectName()] = spin;
        auto* label = new QLabel(tr(number.label), box);
        label->setBuddy(spin);
        form->addRow(label, spin);
        // The list's place and size are not part of a layout that does not keep them.
        if (!place && code != u"LHI") {
            label->hide();
            spin->hide();
        }
    }
    layout->addLayout(form);

    auto* font = new QPushButton(tr("F&ont"), box);
    font->setObjectName(QStringLiteral("Font"));
    font->setToolTip(tr("Assign New Font to Listbox"));
    font->setAutoDefault(false);
    connect(font, &QPushButton::clicked, this, &FormatListboxWindow::ChooseFont);
    controls_[font->objectName()] = font;
    layout->addWidget(font, 0, Qt::AlignLeft);

    struct Scroll {
        const char* name;
        const char* text;
        const char* tip;
        bool horizontal;
        bool on;
    };
    const Scroll scrolls[] = {
        {"VScroll", "&Vertical Scroll", "Display Vertical Scroll bar", false, appearance.vScroll},
        {"HScroll", "Hori&zontal Scroll", "Display Horizontal Scroll bar", true, appearance.hScroll},
    };
    for (const Scroll& scroll : scrolls) {
        auto* check = new QCheckBox(tr(scroll.text), box);
        check->setObjectName(QString::fromLatin1(scroll.name));
        check->setToolTip(tr(scroll.tip));
        check->setChecked(scroll.on);
        connect(check, &QCheckBox::toggled, this,
                [this, horizontal = scroll.horizontal](bool on) { SetScrollBar(horizontal, on); });
        controls_[check->objectName()] = check;
        layout->addWidget(check);
    }
    layout->addStretch();
    return box;
}

void FormatListboxWindow::EnableByFeatures()
{
    // A disabled control says why, so it is not taken for a fault.
    const QString why = tr("Not available: this list keeps this setting as it is designed.");
    const quint32 features = list_.Settings().features;
    bool anyDisabled = false;
    for (const auto& [name, bit] : FeatureBits()) {
        QWidget* control = Control(name);
        if (!control)
            continue;
        const bool enabled = (features & bit) != 0;
        control->setEnabled(enabled);
        if (!enabled)
            control->setToolTip(control->toolTip().isEmpty() ? why : control->toolTip() + u'\n' + why);
        anyDisabled = anyDisabled || (!enabled && !control->isHidden());
    }
    // Said in the window too: a tip is read only by the one who points there.
    unavailable_->setText(tr("Greyed settings: this list keeps them as it is designed."));
    unavailable_->setVisible(anyDisabled);
}

QWidget* FormatListboxWindow::Control(const QString& name) const
{
    const auto it = controls_.find(name);
    return it == controls_.end() ? nullptr : it->second;
}

void FormatListboxWindow::Refresh()
{
    loading_ = true;
    const ColumnTable& columns = list_.Columns();
    const int allRow = all_->currentRow();
    all_->clear();
    shown_->clear();
    const QIcon check = LoadIcon(QStringLiteral("~XpCheck.ICO"));
    // The columns are named by their descriptions; one without a description
    // by the title the list shows.
    const auto name = [this](const XploreColumn& column) {
        const QString description = Clip(column.description).trimmed();
        return CutTo(description.isEmpty() ? list_.TitleOf(column) : description, kDescriptionWidth);
    };
    for (const XploreColumn& column : columns.All()) {
        auto* item = new QListWidgetItem(name(column), all_);
        item->setData(Qt::UserRole, column.fieldNumber);
        if (columns.PositionOf(column.fieldNumber) != 0)
            item->setIcon(check);
    }
    for (const XploreColumn& column : columns.Shown())
        new QListWidgetItem(name(column), shown_);
    all_->setCurrentRow(std::min(allRow, all_->count() - 1));
    if (current_ > columns.ShownCount())
        current_ = columns.ShownCount();
    shown_->setCurrentRow(current_ - 1);
    loading_ = false;
    ShowAttributes();
    HighlightColumn();
}

void FormatListboxWindow::SetCurrent(int position)
{
    current_ = position;
    if (position > 0 && shown_->currentRow() != position - 1) {
        loading_ = true;
        shown_->setCurrentRow(position - 1);
        loading_ = false;
    }
    ShowAttributes();
    HighlightColumn();
}

void FormatListboxWindow::ShowAttributes()
{
    const XploreColumn* column = list_.Columns().ShownAt(current_);
    if (!column)
        return;
    loading_ = true;
    static_cast<QLineEdit*>(Control("HeaderText"))->setText(column->header);
    static_cast<QSpinBox*>(Control("HeaderOffset"))->setValue(column->headerOffset);
    static_cast<QSpinBox*>(Control("DataOffset"))->setValue(column->dataOffset);
    static_cast<QSpinBox*>(Control("Width"))->setValue(column->width);
    for (int i = 0; i < 4; ++i) {
        const QChar letter = QChar::fromLatin1(kJustifications[i]);
        static_cast<QRadioButton*>(Control(QStringLiteral("Header") + letter))->setChecked(column->headerJust == letter);
        static_cast<QRadioButton*>(Control(QStringLiteral("Data") + letter))->setChecked(column->dataJust == letter);
    }
    static_cast<QCheckBox*>(Control("Fixed"))->setChecked(column->fixed);
    static_cast<QCheckBox*>(Control("Underline"))->setChecked(column->underline);
    static_cast<QCheckBox*>(Control("Border"))->setChecked(column->border);
    static_cast<QCheckBox*>(Control("Resize"))->setChecked(column->resizable);
    loading_ = false;
}

void FormatListboxWindow::HighlightColumn()
{
    BrowseList* list = list_.List();
    const XploreColumn* column = list_.Columns().ShownAt(current_);
    if (!column) {
        list->selectionModel()->clearSelection();
        return;
    }
    const int row = std::max(list->currentIndex().row(), 0);
    const QModelIndex cell = list->model()->index(row, column->tableOrder - 1);
    if (cell.isValid())
        list->selectionModel()->setCurrentIndex(cell, QItemSelectionModel::ClearAndSelect);
}

void FormatListboxWindow::ChangeCurrent(const std::function<void(XploreColumn&)>& change)
{
    if (loading_ || !list_.Columns().ShownAt(current_))
        return;
    list_.ChangeColumns([&](ColumnTable& columns) {
        if (XploreColumn* column = columns.ShownAt(current_))
            change(*column);
    });
}

void FormatListboxWindow::ChangeList(const QString& code, int value)
{
    QTableView& list = *list_.List();
    const ListAppearance before = ReadAppearance(list);
    ListAppearance appearance = before;
    ApplyAttribute(code, value, nullptr, appearance);
    ApplyAppearance(list, appearance, before, code != u"LHI" && list_.Settings().restorePlace);
}

void FormatListboxWindow::ChooseFont()
{
    bool chosen = false;
    const QFont font = QFontDialog::getFont(&chosen, list_.List()->font(), this);
    if (chosen)
        list_.List()->setFont(font);
}

void FormatListboxWindow::SetScrollBar(bool horizontal, bool on)
{
    const Qt::ScrollBarPolicy policy = on ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff;
    if (horizontal)
        list_.List()->setHorizontalScrollBarPolicy(policy);
    else
        list_.List()->setVerticalScrollBarPolicy(policy);
}

void FormatListboxWindow::AddChosen()
{
    const QListWidgetItem* chosen = all_->currentItem();
    if (!chosen)
        return;
    const int field = chosen->data(Qt::UserRole).toInt();
    const int shown = list_.Columns().PositionOf(field);
    if (shown != 0) {
        SetCurrent(shown);
        CurrentSoundPlayer().Beep();
        return;
    }
    int added = 0;
    list_.ChangeColumns([&](ColumnTable& columns) { added = columns.Show(field); });
    current_ = added;
    Refresh();
}

void FormatListboxWindow::HideCurrent()
{
    bool hidden = false;
    list_.ChangeColumns([&](ColumnTable& columns) { hidden = columns.Hide(current_); });
    if (hidden)
        Refresh();
}

void FormatListboxWindow::MoveCurrent(int step)
{
    bool moved = false;
    list_.ChangeColumns([&](ColumnTable& columns) { moved = columns.Move(current_, step); });
    if (!moved) {
        CurrentSoundPlayer().Beep();
        return;
    }
    current_ += step;
    Refresh();
}

void FormatListboxWindow::RestoreDefault()
{
    list_.RestoreOriginalFormat();
    current_ = list_.Columns().ShownCount() > 0 ? 1 : 0;
    Refresh();
    all_->setCurrentRow(0);
}

bool FormatListboxWindow::eventFilter(QObject* watched, QEvent* event)
{
    // A right click on an entry: hides it from the columns shown, or shows it.
    if (event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::RightButton) {
        const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
        if (watched == shown_->viewport()) {
            if (const QListWidgetItem* item = shown_->itemAt(at)) {
                SetCurrent(shown_->row(item) + 1);
                HideCurrent();
            }
            return true;
        }
        if (watched == all_->viewport()) {
            if (QListWidgetItem* item = all_->itemAt(at)) {
                all_->setCurrentItem(item);
                AddChosen();
            }
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void FormatListboxWindow::done(int result)
{
    list_.List()->setSelectionBehavior(static_cast<QAbstractItemView::SelectionBehavior>(selectionBehaviour_));
    list_.List()->setFocus();
    QDialog::done(result);
}

void OpenFormatListbox(Xplore& list, QWidget* parent)
{
    FormatListboxWindow window(list, parent);
    window.exec();
}

} // namespace vl
