// Web pages in the system's newest document mode: a hosted browser control renders
// in a legacy mode unless the program's emulation value says otherwise.
#pragma once

// Writes the current user's browser emulation value 11001 for this program's own
// file name, unless a value is there already (a player's or an administrator's
// choice stays). Call before the first browser control is made; a failure leaves
// the browser in its default mode.
void EnsureBrowserEmulation();
