#pragma once

#include <QTreeWidget>

#include <vector>

namespace vornik {

class TreeList;

// Shows a tree list and keeps its selected item on the highlighted row. The tree list is the
// data; after an operation changes it, refresh() shows it again.
class TreeListView : public QTreeWidget {
    Q_OBJECT

public:
    TreeListView(TreeList &list, QWidget *parent = nullptr);

    TreeList &list() const { return m_list; }
    void refresh();
    // The item index of a row, 0 for none.
    int itemIndexOf(const QTreeWidgetItem *row) const;
    QTreeWidgetItem *rowOf(int itemIndex) const;

signals:
    // A row was clicked with the left button (after the selection moved to it).
    void lineClicked();
    void lineDoubleClicked();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    TreeList &m_list;
    std::vector<QTreeWidgetItem *> m_rows;   // by item index - 1
};

} // namespace vornik
