#include "AccessibleTree.h"

#include <QApplication>
#include <QMetaEnum>
#include <QWidget>
#include <QWindow>

namespace {

// Deep enough for the window's nesting, and a stop for a tree that loops.
constexpr int maxDepth = 64;

} // namespace

// A widget's window (a toolkit dialog) is reached through its widget; the
// window itself has no interface.
AccessibleTree::AccessibleTree(QWindow *window)
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (widget->windowHandle() == window) {
            walk(QAccessible::queryAccessibleInterface(widget), 0);
            return;
        }
    }
    walk(QAccessible::queryAccessibleInterface(window), 0);
}

void AccessibleTree::walk(QAccessibleInterface *node, int depth)
{
    if (!node || !node->isValid() || depth > maxDepth)
        return;
    Node entry;
    entry.role = node->role();
    entry.name = node->text(QAccessible::Name);
    // Without a platform bridge (offscreen) accessibility is never active,
    // and buttons skip the names they take from their texts; with a screen
    // reader they have them, so the text stands in for that name here.
    if (entry.name.isEmpty() && node->object() && node->object()->inherits("QQuickAbstractButton"))
        entry.name = node->object()->property("text").toString();
    entry.description = node->text(QAccessible::Description);
    entry.state = node->state();
    entry.object = node->object();
    entry.depth = depth;
    m_nodes.append(entry);
    const int count = node->childCount();
    for (int i = 0; i < count; ++i)
        walk(node->child(i), depth + 1);
}

QList<AccessibleTree::Node> AccessibleTree::withRole(QAccessible::Role role) const
{
    QList<Node> found;
    for (const Node &node : m_nodes) {
        if (node.role == role && !node.state.invisible)
            found.append(node);
    }
    return found;
}

const AccessibleTree::Node *AccessibleTree::find(QAccessible::Role role, const QString &name) const
{
    for (const Node &node : m_nodes) {
        if (node.role == role && node.name == name && !node.state.invisible)
            return &node;
    }
    return nullptr;
}

QList<AccessibleTree::Node> AccessibleTree::unnamedActionable() const
{
    QList<Node> found;
    for (const Node &node : m_nodes) {
        if (isActionable(node.role) && !node.state.invisible && node.name.trimmed().isEmpty())
            found.append(node);
    }
    return found;
}

QList<AccessibleTree::Node> AccessibleTree::hiddenButNamed() const
{
    QList<Node> found;
    for (const Node &node : m_nodes) {
        if (node.state.invisible && !(node.name + node.description).trimmed().isEmpty())
            found.append(node);
    }
    return found;
}

QList<AccessibleTree::Node> AccessibleTree::named(const QString &name) const
{
    QList<Node> found;
    for (const Node &node : m_nodes) {
        if (node.name == name)
            found.append(node);
    }
    return found;
}

QString AccessibleTree::dump() const
{
    QString text;
    for (const Node &node : m_nodes) {
        text += QString(node.depth * 2, QLatin1Char(' ')) + roleName(node.role)
            + QStringLiteral(" \"") + node.name + QLatin1Char('"');
        if (!node.description.isEmpty())
            text += QStringLiteral(" (") + node.description + QLatin1Char(')');
        if (node.state.invisible)
            text += QStringLiteral(" invisible");
        if (node.object)
            text += QStringLiteral(" [") + QLatin1String(node.object->metaObject()->className())
                + QLatin1Char(' ') + node.object->objectName() + QLatin1Char(']');
        text += QLatin1Char('\n');
    }
    return text;
}

bool AccessibleTree::isActionable(QAccessible::Role role)
{
    switch (role) {
    case QAccessible::Button:
    case QAccessible::CheckBox:
    case QAccessible::RadioButton:
    case QAccessible::ComboBox:
    case QAccessible::MenuItem:
    case QAccessible::ButtonMenu:
    case QAccessible::ButtonDropDown:
    case QAccessible::List:
    case QAccessible::ListItem:
    case QAccessible::Table:
    case QAccessible::Row:
    case QAccessible::EditableText:
    case QAccessible::SpinBox:
    case QAccessible::Slider:
    case QAccessible::PageTab:
    case QAccessible::Link:
        return true;
    default:
        return false;
    }
}

QString AccessibleTree::roleName(QAccessible::Role role)
{
    const QMetaEnum roles = QMetaEnum::fromType<QAccessible::Role>();
    const char *key = roles.valueToKey(role);
    return key ? QLatin1String(key) : QString::number(role, 16);
}
