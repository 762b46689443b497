// Common controls: tab control and list-box extras.
#pragma once

#include "windef.h"
