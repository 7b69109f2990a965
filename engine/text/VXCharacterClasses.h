#ifndef ENGINE_TEXT_VXCHARACTERCLASSES_H
#define ENGINE_TEXT_VXCHARACTERCLASSES_H

#include "engine/text/VXCharacterClassTable.h"

// The engine's character class tables, one per user, built before main and
// never changed.
extern const VXCharacterClassTable stanceCharacterClasses;         // blank-delimited
extern const VXCharacterClassTable stanceSetCharacterClasses;      // blank-delimited
extern const VXCharacterClassTable choreographyCharacterClasses;   // blank-delimited
extern const VXCharacterClassTable orientationCharacterClasses;    // number list
extern const VXCharacterClassTable pathCharacterClasses;           // path separator
extern const VXCharacterClassTable extensionCharacterClasses;      // extension separator
extern const VXCharacterClassTable directiveCharacterClasses;      // identifier
extern const VXCharacterClassTable objWordCharacterClasses;        // blank-delimited
extern const VXCharacterClassTable objNumberCharacterClasses;      // slash-delimited
extern const VXCharacterClassTable skeletonCharacterClasses;       // blank-delimited
extern const VXCharacterClassTable skeletonNumberCharacterClasses; // number list

#endif
