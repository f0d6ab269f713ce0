// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QKeySequence>
#include <QObject>
#include <QPointer>

class QMenu;
class QMessageBox;
class QPoint;
class QWidget;

// The rules and the game's licence, one key away, as desktop games offer them, without adding anything
// to the window: F1 shows how to play; a right-click anywhere in the window, the Menu key or Shift+F10
// opens a small menu with "How to play", "About HighRoll" and "Quit". The menu and the dialogs are
// built the first time they are asked for, so a game that never opens them pays nothing for them. The
// dialogs are modal to the window only: its timers go on (a rolling die keeps rolling) and, once a
// dialog closes, the window's focus is where it was.
class HelpMenu : public QObject {
    Q_OBJECT

public:
    // window: the game's window, which must outlive this object.
    explicit HelpMenu(QWidget& window);

    void showHowToPlay();
    void showAbout();
    // Opens the menu at globalPosition (screen coordinates).
    void popUp(const QPoint& globalPosition);
    // The keys that quit, which the help names and the menu shows: the platform's (Ctrl+Q), or Ctrl+Q
    // where it has none (Windows, whose own Alt+F4 closes any window, and a web page).
    static QKeySequence quitKeys();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The menu, made the first time it is asked for.
    QMenu& menu();
    // Opens the menu where the keyboard focus is, for the keys that open it.
    void popUpAtFocus();
    // Shows dialog (made by make the first time) window-modal, or raises it if already shown.
    void show(QPointer<QMessageBox>& dialog, QMessageBox* (HelpMenu::*make)());
    QMessageBox* makeHowToPlay();
    QMessageBox* makeAbout();

    QWidget& m_window;
    QPointer<QMenu> m_menu;
    QPointer<QMessageBox> m_howToPlay;
    QPointer<QMessageBox> m_about;
};
