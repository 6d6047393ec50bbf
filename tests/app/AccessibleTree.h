#ifndef ACCESSIBLETREE_H
#define ACCESSIBLETREE_H

#include <QAccessible>
#include <QList>
#include <QString>

class QObject;
class QWindow;

// What assistive technology reads from a window at one moment: every node of
// its accessibility tree, depth first, with role, name, description and state.
class AccessibleTree
{
public:
    struct Node
    {
        QAccessible::Role role = QAccessible::NoRole;
        QString name;
        QString description;
        QAccessible::State state;
        QObject *object = nullptr;
        int depth = 0;
    };

    explicit AccessibleTree(QWindow *window);

    const QList<Node> &nodes() const { return m_nodes; }
    QList<Node> withRole(QAccessible::Role role) const;
    // The first shown node with this role and name, or null.
    const Node *find(QAccessible::Role role, const QString &name) const;
    // Shown nodes a person acts on that would be announced without a name.
    QList<Node> unnamedActionable() const;
    // Nodes not on screen that a screen reader would still read out.
    QList<Node> hiddenButNamed() const;
    // Every node with this name, shown or not.
    QList<Node> named(const QString &name) const;
    // One line per node, indented by depth, for failure messages.
    QString dump() const;

    static bool isActionable(QAccessible::Role role);
    static QString roleName(QAccessible::Role role);

private:
    void walk(QAccessibleInterface *node, int depth);

    QList<Node> m_nodes;
};

#endif // ACCESSIBLETREE_H
