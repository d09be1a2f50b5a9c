#pragma once
// What the test program's main set up for the tests.

#include <string>

namespace stelvar::testing {

class XSession;

// The display with its window manager; null when there is none.
extern XSession* g_session;
// Why there is none, and whether that means the tests cannot run here at all (no Xvfb
// on the machine) rather than that they fail.
extern std::string g_noSession;
extern bool g_skip;

}  // namespace stelvar::testing
