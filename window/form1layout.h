// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "formlayout.h"

// The layout of the game's one window.
const FormLayout& form1Layout();
