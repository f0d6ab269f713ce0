// SPDX-FileCopyrightText: 2026 HighRoll maintainers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "controlset.h"
#include "formlayout.h"

class Form;

// Builds a window from its layout table; the only code that creates, places or stacks controls.
namespace FormBuilder {

// Sets the form's title, fixed size and background, creates every control of layout as a child of form
// (or, for timers, as an object it owns) in its initial state, and returns them by name.
ControlSet build(Form& form, const FormLayout& layout);

} // namespace FormBuilder
