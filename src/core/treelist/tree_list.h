#pragma once

#include <QString>
#include <QStringList>

#include <vector>

namespace vornik {

// An ordered tree of text lines under an invisible root, addressed by item index: the 1-based
// position in pre-order (0 means no item). The object tree, the map list and the recent-project
// list are tree lists; the widgets only show them.
class TreeList {
public:
    int count() const { return static_cast<int>(m_nodes.size()); }
    bool isEmpty() const { return m_nodes.empty(); }

    // Throws "Invalid outline index" for 0 or an index beyond the count.
    QString text(int item) const;
    int depth(int item) const;
    void setText(int item, const QString &text);

    // 0 only while the tree is empty; otherwise the item on the view's highlighted row.
    int selected() const { return m_selected; }
    void setSelected(int item);

    // A new last node of item's level (item 0: a new last node at depth 0); returns its index.
    int addSibling(int item, const QString &text);
    // A new last child of item; returns its index.
    int addChild(int item, const QString &text);
    // Removes the item with its whole subtree; later items move up.
    void remove(int item);
    void clear();

    // The first item, in pre-order, whose text equals the text exactly; 0 when none.
    int findText(const QString &text) const;

    // Lines view: line k is depth TABs followed by the text of item k + 1.
    QStringList lines() const;
    // Line index of the first line equal to the text regardless of letter case; -1 when none.
    int lineIndexOf(const QString &line) const;
    // Leading TABs or spaces give the depth relative to the last node, as when reading a file.
    void addLine(const QString &line);

    // The file format: one line per node, depth TABs, text, CR LF; Windows-1251.
    // Loading replaces the tree. A format error ("Line too long", "File load error") throws after
    // keeping the nodes read before the bad line; a file that cannot be opened throws and leaves
    // the tree as it was.
    void load(const QString &path);
    void save(const QString &path) const;

private:
    struct Node {
        int depth;
        QString text;
    };

    const Node &node(int item) const;
    void checkItem(int item) const;
    // The 0-based position of the first node after item that is shallower than level.
    int endOfLevel(int item, int level) const;
    int insertNode(int position, int level, const QString &text);
    // Appends a line as the next line of a file; baseIndent is the first line's indentation,
    // set here when the tree is empty. Throws "File load error" for a line that does not fit.
    void appendIndentedLine(QStringView line, int &baseIndent);
    static QString lineOf(const Node &node);

    std::vector<Node> m_nodes;   // pre-order
    int m_selected = 0;
};

} // namespace vornik
