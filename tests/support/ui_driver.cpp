#include "support/ui_driver.h"

#include "ui/tree_list_view.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QtTest>

#include <optional>

namespace vornik::test {

namespace {

// The middle of the item's row in viewport coordinates, scrolled into view; nothing when no row.
std::optional<QPoint> rowCentre(TreeListView *view, int itemIndex)
{
    QTreeWidgetItem *row = view->rowOf(itemIndex);
    if (row == nullptr)
        return std::nullopt;
    view->scrollToItem(row);
    return view->visualItemRect(row).center();
}

QAction *actionNamed(const QWidget *owner, const QString &text)
{
    for (QAction *action : owner->actions()) {
        if (action->text() == text)
            return action;
    }
    return nullptr;
}

} // namespace

bool clickRow(TreeListView *view, int itemIndex)
{
    const std::optional<QPoint> at = rowCentre(view, itemIndex);
    if (!at)
        return false;
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, *at);
    return true;
}

bool doubleClickRow(TreeListView *view, int itemIndex)
{
    const std::optional<QPoint> at = rowCentre(view, itemIndex);
    if (!at)
        return false;
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, *at);
    return true;
}

QMenu *openContextMenu(TreeListView *view, int itemIndex)
{
    const std::optional<QPoint> at = rowCentre(view, itemIndex);
    if (!at)
        return nullptr;
    QWidget *viewport = view->viewport();
    QTest::mouseClick(viewport, Qt::RightButton, {}, *at);
    // The window system turns a right click into this event; QTest's clicks do not.
    QContextMenuEvent request(QContextMenuEvent::Mouse, *at, viewport->mapToGlobal(*at));
    QApplication::sendEvent(viewport, &request);
    auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
    if (menu == nullptr || !QTest::qWaitForWindowExposed(menu))
        return nullptr;
    return menu;
}

bool clickMenuItem(QMenu *menu, const QString &item)
{
    QAction *action = actionNamed(menu, item);
    if (action == nullptr || !menu->isVisible())
        return false;
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
    return true;
}

void typeText(QWidget *widget, const QString &text)
{
    for (const QChar character : text)
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(character), Qt::NoModifier);
}

bool chooseMenuItem(QMainWindow *window, const QString &menu, const QString &item)
{
    QMenuBar *bar = window->menuBar();
    QAction *title = actionNamed(bar, menu);
    if (title == nullptr || title->menu() == nullptr)
        return false;
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(title).center());
    QMenu *popup = title->menu();
    if (!QTest::qWaitFor([popup] { return popup->isVisible(); }, 2000))
        return false;
    return clickMenuItem(popup, item);
}

} // namespace vornik::test
