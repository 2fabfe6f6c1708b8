// Resource identifiers of the framework's tests.
#pragma once

#define IDR_TEST_FRAME 300
#define IDD_TEST_PAGE 301
#define IDC_TEST_EDIT 1001
