#include "windows/tasks/ListButtons.h"

#include <QBoxLayout>
#include <QPushButton>

namespace vl {

BrowseButtons MakeListButtons(QWidget* parent, const ListButtonTexts& texts, QBoxLayout& row)
{
    const auto make = [parent, &row](const char* text) -> QPushButton* {
        if (!text)
            return nullptr;
        auto* button = new QPushButton(QString::fromUtf8(text), parent);
        button->setAutoDefault(false);
        row.addWidget(button);
        return button;
    };
    BrowseButtons buttons;
    buttons.insert = make(texts.insert);
    buttons.view = make(texts.view);
    buttons.copy = make(texts.copy);
    buttons.change = make(texts.change);
    buttons.remove = make(texts.remove);
    return buttons;
}

} // namespace vl
