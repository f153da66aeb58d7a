#pragma once

#include <string>

#include "state/integer_math.h"
#include "state/rng.h"
#include "state/zekra_record.h"

namespace zekra {

// The sum of `count` rolls, each R(sides·r + sum + 1) − sum: a whole number
// from 1 to sides + 1, the two extremes half as likely as the rest.
Integer RollDice(Rng& rng, Integer sides, Integer count);

// The letter grade of an ability value, "H" (below 40) up to "☆" (210 or more).
std::string GradeLetter(Integer value);

// This week's growth factor for growth type `type` in week `week`: a², with a
// from the type's curve; 0 for an unknown type.
double GrowthCurve(Integer type, Integer week);

// R((high − low + 1)·r + low), limited to −1..6.
Integer RandomAbility(Rng& rng, Integer low, Integer high);

// A new special-ability block: every entry drawn from low..high, then the
// distance and running-style guarantees and the talent compensation.
AbilityBlock GenerateAbilities(Rng& rng, Integer low, Integer high, const ZekraRecord& horse);

// The sum of the 33 abilities (entry 0, the stored total, is not counted).
Integer AbilityTotal(const AbilityBlock& block);

}  // namespace zekra
