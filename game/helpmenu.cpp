// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "helpmenu.h"

#include "abouttexts.h"
#include "buildinfo.h"
#include "gametexts.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMessageBox>
#include <QShortcut>

namespace {

// How big the application's icon is drawn in the About box, in logical pixels.
constexpr int kAboutIconSize = 64;

QString keyName(const QKeySequence& keys)
{
    return keys.toString(QKeySequence::NativeText);
}

} // namespace

HelpMenu::HelpMenu(QWidget& window)
    : m_window(window)
{
    // Shortcuts of the window: they act while it is the active window and take nothing from its controls.
    connect(new QShortcut(QKeySequence::HelpContents, &window), &QShortcut::activated, this,
            &HelpMenu::showHowToPlay);
    // The context-menu keys: the Menu key, and Shift+F10 for keyboards without one.
    for (const QKeySequence& keys : {QKeySequence(Qt::Key_Menu), QKeySequence(Qt::SHIFT | Qt::Key_F10)}) {
        connect(new QShortcut(keys, &window), &QShortcut::activated, this, &HelpMenu::popUpAtFocus);
    }
    // Right-clicks and the window system's context-menu key reach the window as context menu requests
    // from whichever control is under the pointer or has the focus; no control has a menu of its own.
    window.installEventFilter(this);
}

bool HelpMenu::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &m_window && event->type() == QEvent::ContextMenu) {
        const auto* request = static_cast<QContextMenuEvent*>(event);
        if (request->reason() == QContextMenuEvent::Keyboard) {
            popUpAtFocus();
        } else {
            popUp(request->globalPos());
        }
        return true;
    }
    return QObject::eventFilter(watched, event);
}

void HelpMenu::popUp(const QPoint& globalPosition)
{
    menu().popup(globalPosition);
}

QMenu& HelpMenu::menu()
{
    QMenu* menu = m_menu.data();
    if (menu == nullptr) {
        // A popup window of its own, owned by the window (whose window systems place popups by their
        // parent): nothing is added inside the window.
        menu = new QMenu(&m_window);
        m_menu = menu;
        //: The menu item that shows the rules and the keys (the same dialog as F1).
        QAction* howToPlay = menu->addAction(tr("How to play"), this, &HelpMenu::showHowToPlay);
        howToPlay->setShortcut(QKeySequence::HelpContents);
        //: The menu item that shows the About box. %1 is the game's name, "HighRoll".
        menu->addAction(tr("About %1").arg(QLatin1String(BuildInfo::kName)), this, &HelpMenu::showAbout);
        menu->addSeparator();
        //: The menu item that closes the window, as Ctrl+Q and the window's close button do.
        QAction* quit = menu->addAction(tr("Quit"), &m_window, &QWidget::close);
        quit->setShortcut(quitKeys());
        // The keys are named beside the items; the shortcuts themselves are the window's (the menu's own
        // act only while it is open, where they do the same).
        for (QAction* action : menu->actions()) {
            action->setShortcutVisibleInContextMenu(true);
        }
    }
    return *menu;
}

QKeySequence HelpMenu::quitKeys()
{
    const QKeySequence platform(QKeySequence::Quit);
    return platform.isEmpty() ? QKeySequence(Qt::CTRL | Qt::Key_Q) : platform;
}

void HelpMenu::popUpAtFocus()
{
    const QWidget* focus = m_window.focusWidget();
    const QWidget& at = focus != nullptr ? *focus : m_window;
    QMenu& keyboardMenu = menu();
    // Some window systems also send the Menu key as a context menu request: the menu opens once.
    if (!keyboardMenu.isVisible()) {
        keyboardMenu.popup(at.mapToGlobal(at.rect().center()));
    }
    // Opened from the keyboard, the menu starts on its first item, which a screen reader then names,
    // as menus opened from the keyboard do on the desktops.
    if (keyboardMenu.activeAction() == nullptr) {
        keyboardMenu.setActiveAction(keyboardMenu.actions().constFirst());
    }
}

void HelpMenu::showHowToPlay()
{
    show(m_howToPlay, &HelpMenu::makeHowToPlay);
}

void HelpMenu::showAbout()
{
    show(m_about, &HelpMenu::makeAbout);
}

void HelpMenu::show(QPointer<QMessageBox>& dialog, QMessageBox* (HelpMenu::*make)())
{
    QMessageBox* shown = dialog.data();
    if (shown == nullptr) {
        shown = (this->*make)();
        shown->setAttribute(Qt::WA_DeleteOnClose);
        dialog = shown;
        // The window comes back to the front with its focus where it was: not every window system
        // (or window manager) activates a dialog's parent when the dialog closes.
        connect(shown, &QDialog::finished, &m_window, [window = &m_window] { window->activateWindow(); });
        // open() rather than exec(): no event loop of its own, so nothing the game's loop delivers is
        // held back or delivered twice, and the game goes on behind the dialog.
        shown->open();
    }
    shown->raise();
    shown->activateWindow();
}

QMessageBox* HelpMenu::makeHowToPlay()
{
    const QString begin = QCoreApplication::translate(GameTexts::kContext, GameTexts::kBegin);
    const QString stop = QCoreApplication::translate(GameTexts::kContext, GameTexts::kStop);
    //: The title of the dialog with the rules and the keys (F1, and "How to play" in the menu).
    auto* box = new QMessageBox(QMessageBox::NoIcon, tr("How to play"),
                                //: The rules, the first paragraph of "How to play". %1 is the button's
                                //: caption "Begin", %2 its caption "Stop".
                                tr("The computer rolls its die first. When it stops, press %1 to start "
                                   "your die, and %2 to stop it.")
                                    .arg(begin, stop),
                                QMessageBox::Ok, &m_window);
    box->setTextFormat(Qt::PlainText);
    const QStringList more{
        //: The scoring, the second paragraph of "How to play".
        tr("The higher roll scores 10 points; a tie scores 5 each. The scores add up for as long as the "
           "window is open."),
        //: The keys, the third paragraph of "How to play". %1 and %2 are the keys that press the button
        //: (Space, Enter), %3 the key of this help (F1), %4 and %5 the keys of the menu (Menu, Shift+F10),
        //: %6 the key that quits (Ctrl+Q), each named as your keyboard names it.
        tr("%1 or %2 presses the button. %3 shows this help, %4 or %5 opens the menu, and %6 quits.")
            .arg(keyName(Qt::Key_Space), keyName(Qt::Key_Enter), keyName(QKeySequence::HelpContents),
                 keyName(Qt::Key_Menu), keyName(QKeySequence(Qt::SHIFT | Qt::Key_F10)), keyName(quitKeys())),
        //: The last paragraph of "How to play".
        tr("A screen reader says each step as it happens."),
    };
    box->setInformativeText(more.join(QStringLiteral("\n\n")));
    return box;
}

QMessageBox* HelpMenu::makeAbout()
{
    //: The title of the About box. %1 is the game's name, "HighRoll".
    auto* box = new QMessageBox(QMessageBox::NoIcon, tr("About %1").arg(QLatin1String(BuildInfo::kName)),
                                // Name, version and what the game is, in one label: screen readers read
                                // an alert's labels, and some skip a label that holds only the name.
                                QLatin1String(BuildInfo::kName) + QLatin1Char(' ') +
                                    QLatin1String(BuildInfo::kVersion) + QLatin1Char('\n') +
                                    AboutTexts::description(),
                                QMessageBox::Ok, &m_window);
    box->setTextFormat(Qt::PlainText);
    box->setIconPixmap(QApplication::windowIcon().pixmap(kAboutIconSize));
    QStringList lines{AboutTexts::copyright()};
    lines << AboutTexts::licence();
    const QString file = AboutTexts::licenceFile();
    lines << QString();
    if (file.isEmpty()) {
        //: The last line of the About box when no copy of the licence is installed. %1 is the
        //: licence's address on the web.
        lines << tr("The licence's text is at %1.").arg(AboutTexts::licenceAddress());
    } else {
        //: The last line of the About box. %1 is the installed file with the licence's text, %2 its
        //: address on the web.
        lines << tr("The licence's text is in %1 and at %2.").arg(file, AboutTexts::licenceAddress());
    }
    box->setInformativeText(lines.join(QLatin1Char('\n')));
    return box;
}
