// The demo games that launchers under test start.
#pragma once

// Ends every running demo game (Orbavel.exe): the launcher starts one, and a
// launcher ended by force, or closed before the game's window was up, leaves it
// behind, holding the test's output open.
void EndAllDemoGames();
