#ifndef TESTS_SUPPORT_KEYEVENTS_H
#define TESTS_SUPPORT_KEYEVENTS_H

// Queues an SDL key event for `key` (an SDLKey), a press when `down` and a
// release otherwise, as the keyboard would: the next event pump of this
// process takes it, in the order pushed. False when SDL's queue refused it.
bool pushKey(int key, bool down);

#endif
