#pragma once

#include "controlspec.h"

// The layout of the game's one window.
const FormSpec& form1Layout();
