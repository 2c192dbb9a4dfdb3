#pragma once
// Finds two controls of one window that a user reaches with the same Alt
// key at the same time: buttons, group boxes, labels with a buddy and the
// tabs of a shown tab bar, where a page of a sheet (a tab, a wizard page)
// counts only with the other controls of its own page and those outside
// every page. Hidden controls count (a task type may show them), but not
// one both hidden and disabled for good (the "&OK" of a view).

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QStackedWidget>
#include <QTabBar>

#include <utility>
#include <vector>

namespace vl::test {

inline QChar MnemonicOf(const QString& text)
{
    for (int i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != u'&')
            continue;
        if (text[i + 1] == u'&') {
            ++i;
            continue;
        }
        return text[i + 1].toUpper();
    }
    return {};
}

// The QTabWidget's own QTabBar and QStackedWidget: the pages a control lies on.
using Pages = std::vector<std::pair<const QWidget*, int>>;

inline Pages PagesOf(const QWidget* control, const QWidget* window)
{
    Pages pages;
    for (const QWidget* child = control; child && child != window; child = child->parentWidget()) {
        if (auto* stack = qobject_cast<const QStackedWidget*>(child->parentWidget()))
            pages.emplace_back(stack, stack->indexOf(const_cast<QWidget*>(child)));
    }
    return pages;
}

inline bool SeenTogether(const Pages& a, const Pages& b)
{
    for (const auto& [stack, page] : a)
        for (const auto& [other, otherPage] : b)
            if (stack == other && page != otherPage)
                return false;
    return true;
}

// "Alt+C: "&Category:" and "&Command"", one line per clash.
inline QStringList MnemonicClashes(const QWidget* window)
{
    struct Key {
        QChar key;
        QString text;
        Pages pages;
    };
    std::vector<Key> keys;
    const auto add = [&](const QWidget* control, const QString& text, Pages pages) {
        const bool off = control->isHidden() && !control->isEnabled();
        if (const QChar key = MnemonicOf(text); !key.isNull() && !off && control->window() == window)
            keys.push_back({key, text, std::move(pages)});
    };
    for (const QAbstractButton* button : window->findChildren<QAbstractButton*>())
        add(button, button->text(), PagesOf(button, window));
    for (const QGroupBox* group : window->findChildren<QGroupBox*>())
        add(group, group->title(), PagesOf(group, window));
    for (const QLabel* label : window->findChildren<QLabel*>())
        if (label->buddy())
            add(label, label->text(), PagesOf(label, window));
    for (const QTabBar* bar : window->findChildren<QTabBar*>())
        if (bar->isVisibleTo(window))
            for (int tab = 0; tab < bar->count(); ++tab)
                add(bar, bar->tabText(tab), PagesOf(bar, window));
    QStringList clashes;
    for (size_t i = 0; i < keys.size(); ++i)
        for (size_t j = i + 1; j < keys.size(); ++j)
            if (keys[i].key == keys[j].key && SeenTogether(keys[i].pages, keys[j].pages))
                clashes << QStringLiteral("Alt+%1: \"%2\" and \"%3\"").arg(keys[i].key, keys[i].text, keys[j].text);
    return clashes;
}

} // namespace vl::test
