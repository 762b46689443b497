// Code-page conversions: CP_ACP is Windows-1252.
#pragma once

#include "windef.h"
