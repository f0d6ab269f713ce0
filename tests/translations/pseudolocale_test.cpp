// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
// No text a player sees or hears escapes translation: under a catalogue that marks every text the
// sources mark, every word on every control, in the title and in what a screen reader is told is
// marked, through whole games; only the numbers the game writes, and the window's name, are not.
#include "catalogue.h"
#include "gamefixture.h"

#include <QCoreApplication>
#include <QSet>
#include <QTranslator>

namespace {

const QString kOpen = QStringLiteral("\u27E6");
const QString kClose = QStringLiteral("\u27E7");

// A test-only catalogue: every text a shipped catalogue holds comes back between marks.
class MarkingTranslator : public QTranslator {
public:
    MarkingTranslator()
    {
        for (const CatalogueMessage& message :
             readCatalogue(QStringLiteral(HIGHROLL_TS_DIR "/highroll_de.ts"))) {
            m_known.insert(message.context + QLatin1Char('|') + message.source + QLatin1Char('|') +
                           message.disambiguation);
        }
        QCoreApplication::installTranslator(this);
    }
    ~MarkingTranslator() override { QCoreApplication::removeTranslator(this); }

    bool isEmpty() const override { return m_known.isEmpty(); }
    QString translate(const char* context, const char* source, const char* disambiguation,
                      int /*n*/) const override
    {
        const QString key = QString::fromUtf8(context) + QLatin1Char('|') + QString::fromUtf8(source) +
                            QLatin1Char('|') + QString::fromUtf8(disambiguation);
        return m_known.contains(key) ? kOpen + QString::fromUtf8(source) + kClose : QString();
    }

private:
    QSet<QString> m_known;
};

bool marked(const QString& text)
{
    return text.startsWith(kOpen) && text.endsWith(kClose);
}

bool number(const QString& text)
{
    bool ok = false;
    text.toLongLong(&ok);
    return ok;
}

// Installed before the window is built (a base class is made before the members of the class
// deriving from it), so the window's own captions are made in the marked language.
class PseudoLocale : private MarkingTranslator, public GameTest {
protected:
    void expectEveryTextMarked(const char* step)
    {
        SCOPED_TRACE(step);
        ASSERT_FALSE(MarkingTranslator::isEmpty());
        for (const auto& [name, control] : form.controls().all()) {
            const auto* widget = qobject_cast<const QWidget*>(control);
            if (widget == nullptr || widget->isHidden()) {
                continue;
            }
            QString text;
            if (const auto* label = qobject_cast<const Label*>(widget)) {
                text = label->caption();
            } else if (const auto* button = qobject_cast<const CommandButton*>(widget)) {
                text = button->caption();
                const QString description = button->description();
                EXPECT_TRUE(description.isEmpty() || marked(description)) << description.toStdString();
            } else {
                continue; // shapes show no text
            }
            EXPECT_TRUE(marked(text) || number(text)) << name.toStdString() << ": " << text.toStdString();
        }
        // The title is the window's name until the game first sets it; a marquee title is a part of the
        // scrolling text, so it shows at least one mark.
        const QString title = form.caption();
        EXPECT_TRUE(title == QLatin1String("Form1") || marked(title) || title.contains(kOpen) ||
                    title.contains(kClose))
            << title.toStdString();
    }
};

TEST_F(PseudoLocale, everyWordShownOrSpokenThroughWholeGamesIsTranslated)
{
    expectEveryTextMarked("built");
    EXPECT_TRUE(marked(form.marquee()));
    playFirstGame(5, 3);
    expectEveryTextMarked("first result");
    for (const auto& [computer, player] : {std::pair{2, 6}, std::pair{4, 4}}) {
        form.Command1_Click(); // Begin: the computer's die rolls
        expectEveryTextMarked("computer rolling");
        rollingTick(computer, 0.01f);
        expectEveryTextMarked("computer's roll");
        form.Timer2_Timer();
        expectEveryTextMarked("marquee");
        form.Command1_Click(); // Begin: the player's die rolls
        expectEveryTextMarked("player rolling");
        rollingTick(player);
        form.Command1_Click(); // Stop
        expectEveryTextMarked("result");
    }
}

} // namespace
