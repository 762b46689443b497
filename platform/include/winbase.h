// Files and folders, module path, last error, string helpers, time and processes.
#pragma once

#include "windef.h"
