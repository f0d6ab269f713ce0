// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "commandbutton.h"
#include "controlarray.h"
#include "label.h"
#include "shape.h"
#include "timer.h"

#include <map>

#include <QObject>
#include <QString>

// The controls of one built window, found by their layout names. A name that is missing, or that names
// a control of another kind, raises a RuntimeError: the code and the layout table disagree.
class ControlSet {
public:
    void add(const QString& name, QObject& control);
    void addToArray(const QString& name, int index, Shape& shape);

    // A const set hands out controls to look at; changing one takes the set itself.
    const Label& label(const QString& name) const { return find<Label>(name); }
    Label& label(const QString& name) { return find<Label>(name); }
    const CommandButton& button(const QString& name) const { return find<CommandButton>(name); }
    CommandButton& button(const QString& name) { return find<CommandButton>(name); }
    const Timer& timer(const QString& name) const { return find<Timer>(name); }
    Timer& timer(const QString& name) { return find<Timer>(name); }
    const Shape& shape(const QString& name) const { return find<Shape>(name); }
    Shape& shape(const QString& name) { return find<Shape>(name); }
    const ControlArray<Shape>& shapeArray(const QString& name) const;

    // Every control on its own, by name (array members are reached through shapeArray()).
    const std::map<QString, QObject*>& all() const { return m_controls; }

private:
    template <typename Control> Control& find(const QString& name) const
    {
        const auto it = m_controls.find(name);
        auto* control = it == m_controls.end() ? nullptr : qobject_cast<Control*>(it->second);
        if (control == nullptr) {
            throwMissing(name, Control::staticMetaObject.className());
        }
        return *control;
    }

    [[noreturn]] static void throwMissing(const QString& name, const char* kind);

    std::map<QString, QObject*> m_controls;
    std::map<QString, ControlArray<Shape>> m_shapeArrays;
};
