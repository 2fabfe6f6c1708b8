// The launcher's version: the one place it is written. The version resource is
// built from it, and the build reads it for the release archives' names.
#pragma once

#define SKYLARK_VERSION_MAJOR 1
#define SKYLARK_VERSION_MINOR 0
#define SKYLARK_VERSION_PATCH 0
#define SKYLARK_VERSION_BUILD 6

#define SKYLARK_STRINGIZE2(x) #x
#define SKYLARK_STRINGIZE(x) SKYLARK_STRINGIZE2(x)
#define SKYLARK_VERSION_NUMBER \
    SKYLARK_VERSION_MAJOR, SKYLARK_VERSION_MINOR, SKYLARK_VERSION_PATCH, SKYLARK_VERSION_BUILD
#define SKYLARK_VERSION_TEXT                                            \
    SKYLARK_STRINGIZE(SKYLARK_VERSION_MAJOR)                            \
    "." SKYLARK_STRINGIZE(SKYLARK_VERSION_MINOR) "." SKYLARK_STRINGIZE( \
        SKYLARK_VERSION_PATCH) "." SKYLARK_STRINGIZE(SKYLARK_VERSION_BUILD)
