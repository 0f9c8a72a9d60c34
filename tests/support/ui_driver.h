#pragma once

#include <QString>

class QMainWindow;
class QMenu;
class QWidget;

namespace vornik {
class TreeListView;
}

// Drives the real windows the way a user does: clicks on rows and menu items, right clicks for
// context menus. Each returns false (and the test fails on it) when what it should click is not there.
namespace vornik::test {

// A left click (or double click) in the middle of the row of the list's item.
bool clickRow(TreeListView *view, int itemIndex);
bool doubleClickRow(TreeListView *view, int itemIndex);
// The context menu of the row, as a right click over it asks for it; nullptr when none popped up.
QMenu *openContextMenu(TreeListView *view, int itemIndex);
// Clicks the item of a shown menu.
bool clickMenuItem(QMenu *menu, const QString &item);
// Types the text into the widget key by key; unlike QTest::keyClicks it takes any character.
void typeText(QWidget *widget, const QString &text);
// Opens the menu of the window's menu bar and clicks its item.
bool chooseMenuItem(QMainWindow *window, const QString &menu, const QString &item);

} // namespace vornik::test
