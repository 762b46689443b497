// Common dialogs: open, save and colour chooser.
#pragma once

#include "windef.h"
