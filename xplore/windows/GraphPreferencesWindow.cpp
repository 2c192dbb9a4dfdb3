#include "xplore/windows/GraphPreferencesWindow.h"

#include "core/tabs/TabColours.h"
#include "platform/sound/SoundPlayer.h"
#include "platform/ui/PromptService.h"
#include "xplore/windows/ListAppearanceIO.h"

#include <QFontDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

namespace vl {

namespace {

void SetCellColours(QTableWidgetItem& item, const ColourSwatch& swatch)
{
    const QColor back = StoredColour(swatch.back);
    item.setBackground(back.isValid() ? QBrush(back) : QBrush());
    item.setForeground(StoredColour(swatch.text));
}

} // namespace

QFont GraphFont(const GraphPreferences& preferences)
{
    QFont font(preferences.fontName);
    font.setPointSize(preferences.fontSize);
    ApplyStoredFontStyle(font, preferences.fontStyle);
    return font;
}

GraphPreferencesWindow::GraphPreferencesWindow(const QString& iniFile, QWidget* parent)
    : QDialog(parent), ini_(iniFile), held_(ReadGraphPreferences(ini_, kPreferencesFontSize))
{
    setObjectName(QStringLiteral("XplorePreferences"));
    setWindowTitle(tr("Xplore Preferences"));
    styleName_ = FontStyleName(held_.fontStyle).value_or(QString());

    tabs_ = new QTabWidget(this);
    // The selected tab's caption is bold, the others regular.
    tabs_->tabBar()->setStyleSheet(QStringLiteral("QTabBar::tab:selected { font-weight: bold; }"));

    auto* coloursPage = new QWidget(tabs_);
    colours_ = new QTableWidget(kGraphColourCount, 2, coloursPage);
    colours_->setObjectName(QStringLiteral("GraphColors"));
    colours_->setHorizontalHeaderLabels({tr("Graph Colors"), QString()});
    colours_->verticalHeader()->hide();
    colours_->setSelectionBehavior(QAbstractItemView::SelectRows);
    colours_->setSelectionMode(QAbstractItemView::SingleSelection);
    colours_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    colours_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    colours_->setColumnWidth(1, colours_->fontMetrics().averageCharWidth() * 6);
    auto* up = new QPushButton(style()->standardIcon(QStyle::SP_ArrowUp), QString(), coloursPage);
    up->setObjectName(QStringLiteral("Up"));
    auto* down = new QPushButton(style()->standardIcon(QStyle::SP_ArrowDown), QString(), coloursPage);
    down->setObjectName(QStringLiteral("Down"));
    auto* reset = new QPushButton(tr("&Reset"), coloursPage);
    reset->setObjectName(QStringLiteral("Reset"));
    for (QPushButton* button : {up, down, reset})
        button->setAutoDefault(false);
    connect(up, &QPushButton::clicked, this, [this] { MoveSelected(-1); });
    connect(down, &QPushButton::clicked, this, [this] { MoveSelected(1); });
    connect(reset, &QPushButton::clicked, this, &GraphPreferencesWindow::Reset);
    auto* side = new QVBoxLayout;
    side->addWidget(up);
    side->addWidget(down);
    side->addStretch();
    side->addWidget(reset);
    auto* row = new QHBoxLayout;
    row->addWidget(colours_);
    row->addLayout(side);
    auto* coloursLayout = new QVBoxLayout(coloursPage);
    coloursLayout->addLayout(row);
    coloursLayout->addWidget(new QLabel(tr("Note: Only the top 8 colors will be used for graphing"), coloursPage));
    tabs_->addTab(coloursPage, tr("&Colors"));

    auto* fontPage = new QWidget(tabs_);
    sample_ = new QLabel(fontPage);
    sample_->setObjectName(QStringLiteral("Sample"));
    sample_->setToolTip(tr("Specify the font here to be used in the Graphs"));
    sample_->setAlignment(Qt::AlignCenter);
    sample_->setMinimumHeight(80);
    auto* change = new QPushButton(tr("Change &Font"), fontPage);
    change->setAutoDefault(false);
    connect(change, &QPushButton::clicked, this, [this] {
        bool chosen = false;
        const QFont font = QFontDialog::getFont(&chosen, GraphFont(held_), this,
                                                tr("Select a Font for Vertical Legend on Graphs"));
        if (chosen)
            SetFont(font);
    });
    auto* fontLayout = new QVBoxLayout(fontPage);
    fontLayout->addWidget(sample_, 1);
    fontLayout->addWidget(change, 0, Qt::AlignHCenter);
    tabs_->addTab(fontPage, tr("Font"));

    auto* ok = new QPushButton(tr("OK"), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_);
    layout->addWidget(ok, 0, Qt::AlignRight);

    FillColours(held_.colours, 0);
    ShowSample();
    resize(sizeHint().width(), 480);
}

GraphColours GraphPreferencesWindow::ShownColours() const
{
    GraphColours shown;
    for (int i = 0; i < kGraphColourCount; ++i)
        shown[i] = colours_->item(i, 0)->text();
    return shown;
}

void GraphPreferencesWindow::FillColours(const GraphColours& shown, int selected)
{
    for (int i = 0; i < kGraphColourCount; ++i) {
        auto* name = new QTableWidgetItem(shown[i]);
        auto* swatch = new QTableWidgetItem(QStringLiteral(" "));
        SetCellColours(*swatch, SwatchOf(shown[i]));
        colours_->setItem(i, 0, name);
        colours_->setItem(i, 1, swatch);
    }
    colours_->selectRow(selected);
}

void GraphPreferencesWindow::MoveSelected(int step)
{
    const int row = colours_->currentRow();
    GraphColours shown = ShownColours();
    if (!MoveGraphColour(shown, row, step)) {
        CurrentSoundPlayer().Beep();
        return;
    }
    for (int i : {row, row + step}) {
        colours_->item(i, 0)->setText(shown[i]);
        SetCellColours(*colours_->item(i, 1), SwatchOf(shown[i]));
    }
    colours_->selectRow(row + step);
}

void GraphPreferencesWindow::Reset()
{
    held_.colours = DefaultGraphColours();
    FillColours(held_.colours, 0);
}

void GraphPreferencesWindow::SetFont(const QFont& font)
{
    held_.fontName = font.family().left(kGraphNameWidth);
    if (font.pointSize() > 0)
        held_.fontSize = font.pointSize();
    held_.fontStyle = StoredFontStyle(font);
    ShowSample();
}

void GraphPreferencesWindow::ShowSample()
{
    // A style without a name leaves the name shown before.
    if (const std::optional<QString> name = FontStyleName(held_.fontStyle))
        styleName_ = *name;
    sample_->setText(FontSample(held_, styleName_));
    sample_->setFont(GraphFont(held_));
    QPalette palette = sample_->palette();
    palette.setColor(QPalette::WindowText, StoredColour(held_.fontColour));
    sample_->setPalette(palette);
}

void GraphPreferencesWindow::done(int result)
{
    if (result == QDialog::Accepted)
        held_.colours = ShownColours();
    if (!WriteGraphPreferences(ini_, held_))
        Prompt::Message(tr("The graph preferences could not be saved in %1.").arg(ini_.Path()),
                        tr("Xplore Preferences"), PromptIcon::Exclamation);
    QDialog::done(result);
}

} // namespace vl
