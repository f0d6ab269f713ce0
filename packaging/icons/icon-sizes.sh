# SPDX-FileCopyrightText: 2026 HighRoll maintainers
# SPDX-License-Identifier: GPL-3.0-or-later
# The square pixel sizes the icon is rendered at: the window icon, the hicolor theme and the Windows
# .ico all use these. CMake reads this list too, so it is written once here.
ICON_SIZES=(16 24 32 48 64 128 256)
