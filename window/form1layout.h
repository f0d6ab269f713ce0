#pragma once

#include "formlayout.h"

// The layout of the game's one window.
const FormLayout& form1Layout();
