#pragma once

#include <QAccessible>
#include <QStringList>

// Looks through an accessible tree as assistive technology does: from a node
// down, depth first.
inline QAccessibleInterface* FindAccessible(QAccessibleInterface* node, QAccessible::Role role, const QString& name,
    int depth = 0)
{
    if (!node || depth > 32)
        return nullptr;
    if (node->role() == role && node->text(QAccessible::Name) == name)
        return node;
    for (int i = 0; i < node->childCount(); ++i) {
        if (QAccessibleInterface* found = FindAccessible(node->child(i), role, name, depth + 1))
            return found;
    }
    return nullptr;
}

inline QStringList AccessibleChildNames(QAccessibleInterface* node)
{
    QStringList names;
    for (int i = 0; i < node->childCount(); ++i)
        names << node->child(i)->text(QAccessible::Name);
    return names;
}
