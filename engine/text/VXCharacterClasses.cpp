#include "engine/text/VXCharacterClasses.h"

// constexpr: constant initialisation, so no static initialiser elsewhere can
// see a table before it is built.
constexpr VXCharacterClassTable stanceCharacterClasses = VXCharacterClassTable::makeBlankDelimited();
constexpr VXCharacterClassTable stanceSetCharacterClasses = VXCharacterClassTable::makeBlankDelimited();
constexpr VXCharacterClassTable choreographyCharacterClasses = VXCharacterClassTable::makeBlankDelimited();
constexpr VXCharacterClassTable orientationCharacterClasses = VXCharacterClassTable::makeNumberList();
constexpr VXCharacterClassTable pathCharacterClasses = VXCharacterClassTable::makePathSeparator();
constexpr VXCharacterClassTable extensionCharacterClasses = VXCharacterClassTable::makeExtensionSeparator();
constexpr VXCharacterClassTable directiveCharacterClasses = VXCharacterClassTable::makeIdentifier();
constexpr VXCharacterClassTable objWordCharacterClasses = VXCharacterClassTable::makeBlankDelimited();
constexpr VXCharacterClassTable objNumberCharacterClasses = VXCharacterClassTable::makeSlashDelimited();
constexpr VXCharacterClassTable skeletonCharacterClasses = VXCharacterClassTable::makeBlankDelimited();
constexpr VXCharacterClassTable skeletonNumberCharacterClasses = VXCharacterClassTable::makeNumberList();
