#pragma once

#include <QString>

#include <map>

// A control array: controls under one name, indexed from 0, where some
// indexes may be missing (as in Label4 with its elements 0, 1, 2, 3, 4, 8, 10).
template <class T>
class ControlArray
{
public:
    // The element; a missing index is a programming error.
    T *operator()(int index) const
    {
        auto it = m_items.find(index);
        Q_ASSERT_X(it != m_items.end(), "ControlArray", "no such element");
        return it == m_items.end() ? nullptr : it->second;
    }
    bool has(int index) const { return m_items.count(index) != 0; }
    // Stores the element and names it "Name(index)".
    T *set(const QString &name, int index, T *control)
    {
        control->setObjectName(name + QLatin1Char('(') + QString::number(index) + QLatin1Char(')'));
        m_items[index] = control;
        return control;
    }
    const std::map<int, T *> &items() const { return m_items; }

private:
    std::map<int, T *> m_items;
};
