#include "ui/tree_list_view.h"

#include "core/treelist/tree_list.h"

#include <QHeaderView>
#include <QMouseEvent>

namespace vornik {

TreeListView::TreeListView(TreeList &list, QWidget *parent)
    : QTreeWidget(parent)
    , m_list(list)
{
    setHeaderHidden(true);
    setColumnCount(1);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setContextMenuPolicy(Qt::CustomContextMenu);
    setExpandsOnDoubleClick(true);
    connect(this, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem *row) {
        if (const int index = itemIndexOf(row); index > 0)
            m_list.setSelected(index);
    });
    refresh();
}

void TreeListView::refresh()
{
    const QSignalBlocker blocker(this);
    clear();
    m_rows.clear();
    m_rows.reserve(static_cast<std::size_t>(m_list.count()));
    std::vector<QTreeWidgetItem *> parents;
    for (int item = 1; item <= m_list.count(); ++item) {
        const int depth = m_list.depth(item);
        parents.resize(static_cast<std::size_t>(depth));
        QTreeWidgetItem *row = parents.empty() ? new QTreeWidgetItem(this) : new QTreeWidgetItem(parents.back());
        row->setText(0, m_list.text(item));
        parents.push_back(row);
        m_rows.push_back(row);
    }
    expandAll();
    if (QTreeWidgetItem *row = rowOf(m_list.selected()))
        setCurrentItem(row);
}

int TreeListView::itemIndexOf(const QTreeWidgetItem *row) const
{
    for (std::size_t i = 0; i < m_rows.size(); ++i) {
        if (m_rows[i] == row)
            return static_cast<int>(i) + 1;
    }
    return 0;
}

QTreeWidgetItem *TreeListView::rowOf(int itemIndex) const
{
    if (itemIndex < 1 || itemIndex > static_cast<int>(m_rows.size()))
        return nullptr;
    return m_rows[static_cast<std::size_t>(itemIndex) - 1];
}

void TreeListView::mousePressEvent(QMouseEvent *event)
{
    // Only a left click moves the selection, so the selected map stays the current one.
    if (event->button() != Qt::LeftButton)
        return;
    QTreeWidget::mousePressEvent(event);
    const int index = itemIndexOf(itemAt(event->position().toPoint()));
    if (index > 0) {
        m_list.setSelected(index);
        emit lineClicked();
    }
}

void TreeListView::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    QTreeWidget::mouseDoubleClickEvent(event);
    if (itemIndexOf(itemAt(event->position().toPoint())) > 0)
        emit lineDoubleClicked();
}

} // namespace vornik
