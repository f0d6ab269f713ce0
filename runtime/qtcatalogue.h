// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <atomic>
#include <mutex>

#include <QString>
#include <QStringList>
#include <QTranslator>

// Qt's own words in the player's language (qtbase_<language>.qm: a message box's buttons, the command
// line's help and errors), read from the first of its candidate files the first time Qt asks for one of
// its texts. Most games show none of them, and reading the catalogue is a measurable part of a translated
// start. It answers at once, without reading anything, the one question Qt asks of every catalogue as it
// is installed: which way the language is written, from the language itself, so the window is laid out
// right to left in a language written so whether or not Qt's catalogue is installed.
class QtCatalogue : public QTranslator {
public:
    // files: where the catalogue may be, most wanted first; language: the language it is for ("ar").
    QtCatalogue(const QString& language, const QStringList& files, QObject* parent = nullptr);

    QString translate(const char* context, const char* sourceText, const char* disambiguation = nullptr,
                      int n = -1) const override;
    // Installed whatever the files hold: it always answers the direction of the language.
    bool isEmpty() const override { return false; }

    // True once Qt has asked for one of its texts and the catalogue was read (or found missing).
    bool read() const { return m_read; }

private:
    void readOnce() const;

    QString m_layoutDirection;
    QStringList m_files;
    mutable QTranslator m_catalogue;
    mutable std::once_flag m_readFlag;
    mutable std::atomic<bool> m_read = false;
};
