#include "core/treelist/tree_list.h"

#include "core/error/messages.h"
#include "core/error/vornik_error.h"

namespace vornik {

namespace {

bool isIndent(QChar c)
{
    return c == QLatin1Char('\t') || c == QLatin1Char(' ');
}

} // namespace

QString TreeList::text(int item) const
{
    return node(item).text;
}

int TreeList::depth(int item) const
{
    return node(item).depth;
}

void TreeList::setText(int item, const QString &text)
{
    checkItem(item);
    m_nodes[item - 1].text = text;
}

void TreeList::setSelected(int item)
{
    checkItem(item);
    m_selected = item;
}

int TreeList::addSibling(int item, const QString &text)
{
    if (item == 0)
        return insertNode(count(), 0, text);
    const int level = depth(item);
    // The end of the parent's subtree.
    return insertNode(endOfLevel(item, level), level, text);
}

int TreeList::addChild(int item, const QString &text)
{
    const int level = depth(item);
    return insertNode(endOfLevel(item, level + 1), level + 1, text);
}

void TreeList::remove(int item)
{
    const int end = endOfLevel(item, depth(item) + 1);
    m_nodes.erase(m_nodes.begin() + (item - 1), m_nodes.begin() + end);
    // The highlighted row stays where it was; only a row beyond the shortened list moves up.
    m_selected = std::min(m_selected, count());
}

void TreeList::clear()
{
    m_nodes.clear();
    m_selected = 0;
}

int TreeList::findText(const QString &text) const
{
    for (int i = 0; i < count(); ++i) {
        if (m_nodes[i].text == text)
            return i + 1;
    }
    return 0;
}

QStringList TreeList::lines() const
{
    QStringList result;
    result.reserve(count());
    for (const Node &n : m_nodes)
        result << lineOf(n);
    return result;
}

int TreeList::lineIndexOf(const QString &line) const
{
    for (int i = 0; i < count(); ++i) {
        if (lineOf(m_nodes[i]).compare(line, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

void TreeList::addLine(const QString &line)
{
    // A tree in memory reads back from its file with no indentation offset.
    int baseIndent = 0;
    appendIndentedLine(line, baseIndent);
    if (m_selected == 0)
        m_selected = 1;
}

void TreeList::appendIndentedLine(QStringView line, int &baseIndent)
{
    qsizetype indent = 0;
    while (indent < line.size() && isIndent(line[indent]))
        ++indent;
    if (m_nodes.empty()) {
        if (indent > 1)
            throw VornikError(messages::fileLoadError());
        // The first line is a child of the root whether it is indented by none or one level.
        baseIndent = static_cast<int>(indent);
    }
    const qsizetype level = indent - baseIndent;
    if (level < 0 || (!m_nodes.empty() && level > m_nodes.back().depth + 1))
        throw VornikError(messages::fileLoadError());
    m_nodes.push_back({static_cast<int>(level), line.sliced(indent).toString()});
}

const TreeList::Node &TreeList::node(int item) const
{
    checkItem(item);
    return m_nodes[item - 1];
}

void TreeList::checkItem(int item) const
{
    if (item < 1 || item > count())
        throw VornikError(messages::invalidOutlineIndex());
}

int TreeList::endOfLevel(int item, int level) const
{
    int end = item;
    while (end < count() && m_nodes[end].depth >= level)
        ++end;
    return end;
}

int TreeList::insertNode(int position, int level, const QString &text)
{
    m_nodes.insert(m_nodes.begin() + position, Node{level, text});
    if (m_selected == 0)
        m_selected = 1;
    return position + 1;
}

QString TreeList::lineOf(const Node &n)
{
    return QString(n.depth, QLatin1Char('\t')) + n.text;
}

} // namespace vornik
