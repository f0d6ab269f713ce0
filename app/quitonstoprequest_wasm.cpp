// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
// In a web page nothing asks the program to stop: closing the tab ends it with the page, and the window's
// own close button closes it as on the desktop.
#include "quitonstoprequest.h"

struct QuitOnStopRequest::Platform {};

QuitOnStopRequest::QuitOnStopRequest(QObject* parent)
    : QObject(parent)
{}

QuitOnStopRequest::~QuitOnStopRequest() = default;
