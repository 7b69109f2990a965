#ifndef TESTS_SUPPORT_GAME_GAMEASSETS_H
#define TESTS_SUPPORT_GAME_GAMEASSETS_H

// The assets every scene of the game shares, loaded from the game directory
// in the order the program's start-up loads them: the library, the models,
// the direction tables, the characters, the textures, the sound bank and the
// particle manager. Needs the window's GL context.
void loadGameAssets();

#endif
