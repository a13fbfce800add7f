#pragma once

#include "windows/layout.h"

extern const WindowLayout mainWindowLayout;
