// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "messageguard.h"

#include "terminal.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdlib>
#include <mutex>
#include <thread>
#include <vector>

namespace {

// Recursive: a guard that logs while it handles a message comes back here on the same thread.
std::recursive_mutex g_mutex;
std::vector<MessageGuard*> g_guards; // oldest first
QtMessageHandler g_previous = nullptr;
std::atomic<bool> g_ending{false};

} // namespace

MessageGuard::MessageGuard()
{
    const std::lock_guard lock(g_mutex);
    if (g_guards.empty()) {
        g_previous = qInstallMessageHandler(&MessageGuard::handle);
    }
    g_guards.push_back(this);
    m_registered = true;
}

MessageGuard::~MessageGuard()
{
    release();
}

void MessageGuard::release()
{
    const std::lock_guard lock(g_mutex);
    if (!m_registered) {
        return;
    }
    m_registered = false;
    g_guards.erase(std::remove(g_guards.begin(), g_guards.end(), this), g_guards.end());
    if (g_guards.empty()) {
        qInstallMessageHandler(g_previous);
        g_previous = nullptr;
    }
}

void MessageGuard::handle(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    QtMessageHandler previous = nullptr;
    {
        const std::lock_guard lock(g_mutex);
        for (auto guard = g_guards.rbegin(); guard != g_guards.rend(); ++guard) {
            if ((*guard)->take(type, message)) {
                return;
            }
        }
        previous = g_previous;
    }
    if (previous != nullptr) {
        previous(type, context, message);
    }
}

void MessageGuard::endProcess(int status, const QString& line)
{
    if (g_ending.exchange(true)) {
        // Another thread is printing the line and ending the process, which ends this thread too.
        for (;;) {
            std::this_thread::sleep_for(std::chrono::hours(1));
        }
    }
    Terminal::say(line);
    std::_Exit(status);
}
