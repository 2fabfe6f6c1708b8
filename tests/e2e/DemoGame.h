// The demo game started from the launcher's install folder with the arguments the
// launcher starts it with. Ended by force if a test leaves it running.
#pragma once

#include <string>

#include "ChildProcess.h"

class DemoGame : public ChildProcess {
public:
    explicit DemoGame(const std::string& folder);
};
