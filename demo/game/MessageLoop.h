#pragma once

// The thread's message loop. It ends only when GetMessage reports WM_QUIT;
// a failed GetMessage is skipped rather than dispatching a stale message.
class MessageLoop {
public:
    static int run();
};
