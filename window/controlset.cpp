// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "controlset.h"

#include "runtimeerror.h"

void ControlSet::add(const QString& name, QObject& control)
{
    if (!m_controls.emplace(name, &control).second) {
        throw RuntimeError("two controls named " + name.toStdString());
    }
}

void ControlSet::addToArray(const QString& name, int index, Shape& shape)
{
    m_shapeArrays[name].insert(index, shape);
}

const ControlArray<Shape>& ControlSet::shapeArray(const QString& name) const
{
    const auto it = m_shapeArrays.find(name);
    if (it == m_shapeArrays.end()) {
        throwMissing(name, "Shape array");
    }
    return it->second;
}

void ControlSet::throwMissing(const QString& name, const char* kind)
{
    throw RuntimeError("no " + std::string(kind) + " named " + name.toStdString() + " on the form");
}
