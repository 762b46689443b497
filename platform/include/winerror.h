// Win32 error codes that GetLastError returns, with their documented numeric values, so a
// caller can compare against the same numbers the handheld would give.
#pragma once

#include "windef.h"

#define ERROR_SUCCESS                0L
#define NO_ERROR                     0L
#define ERROR_INVALID_FUNCTION       1L
#define ERROR_FILE_NOT_FOUND         2L
#define ERROR_NO_ASSOCIATION         1155L
#define ERROR_PATH_NOT_FOUND         3L
#define ERROR_TOO_MANY_OPEN_FILES    4L
#define ERROR_ACCESS_DENIED          5L
#define ERROR_INVALID_HANDLE         6L
#define ERROR_NOT_ENOUGH_MEMORY      8L
#define ERROR_NO_MORE_FILES          18L
#define ERROR_WRITE_FAULT            29L
#define ERROR_READ_FAULT             30L
#define ERROR_GEN_FAILURE            31L
#define ERROR_SHARING_VIOLATION      32L
#define ERROR_HANDLE_EOF             38L
#define ERROR_FILE_EXISTS            80L
#define ERROR_INVALID_PARAMETER      87L
#define ERROR_DISK_FULL              112L
#define ERROR_INSUFFICIENT_BUFFER    122L
#define ERROR_INVALID_NAME           123L
#define ERROR_NEGATIVE_SEEK          131L
#define ERROR_DIR_NOT_EMPTY          145L
#define ERROR_BAD_PATHNAME           161L
#define ERROR_ALREADY_EXISTS         183L
#define ERROR_FILENAME_EXCED_RANGE   206L
#define ERROR_DIRECTORY              267L
#define ERROR_NO_UNICODE_TRANSLATION 1113L
#define ERROR_TIMEOUT                1460L
