#include "windows/lists/ListButtons.h"

#include <QBoxLayout>
#include <QPushButton>

namespace vl {

QPushButton* AddListButton(QWidget* parent, const char* text, QBoxLayout& row)
{
    auto* button = new QPushButton(QString::fromUtf8(text), parent);
    button->setAutoDefault(false);
    row.addWidget(button);
    return button;
}

BrowseButtons MakeListButtons(QWidget* parent, const ListButtonTexts& texts, QBoxLayout& row)
{
    const auto make = [parent, &row](const char* text) { return text ? AddListButton(parent, text, row) : nullptr; };
    BrowseButtons buttons;
    buttons.insert = make(texts.insert);
    buttons.view = make(texts.view);
    buttons.copy = make(texts.copy);
    buttons.change = make(texts.change);
    buttons.remove = make(texts.remove);
    return buttons;
}

} // namespace vl
