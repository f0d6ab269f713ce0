// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "qtcatalogue.h"

#include <cstring>

#include <QFileInfo>
#include <QLocale>

namespace {

// What Qt asks every installed catalogue for, in this context, as it is installed (QEvent::LanguageChange):
// "RTL" lays every widget out right to left.
constexpr const char* kDirectionContext = "QGuiApplication";
constexpr const char* kDirectionSource = "QT_LAYOUT_DIRECTION";

} // namespace

QtCatalogue::QtCatalogue(const QString& language, const QStringList& files, QObject* parent)
    : QTranslator(parent)
    , m_layoutDirection(QLocale(language).textDirection() == Qt::RightToLeft ? QStringLiteral("RTL")
                                                                             : QStringLiteral("LTR"))
    , m_files(files)
{}

QString QtCatalogue::translate(const char* context, const char* sourceText, const char* disambiguation,
                               int n) const
{
    if (context != nullptr && sourceText != nullptr && std::strcmp(context, kDirectionContext) == 0 &&
        std::strcmp(sourceText, kDirectionSource) == 0) {
        return m_layoutDirection;
    }
    readOnce();
    return m_catalogue.translate(context, sourceText, disambiguation, n);
}

void QtCatalogue::readOnce() const
{
    // Qt may ask from more than one thread; the catalogue is read once, and not while it is being read.
    std::call_once(m_readFlag, [this] {
        for (const QString& file : m_files) {
            if (QFileInfo::exists(file) && m_catalogue.load(file)) {
                break;
            }
        }
        m_read = true;
    });
}
