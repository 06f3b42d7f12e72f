#pragma once
// The exchange sort exactly as described, exchanging whole records at every
// step: the reference that the table's own sort must match record for record,
// and the baseline of the sort benchmark.

#include "catalogue/catalogue.h"

namespace kestrel::testing {

// Whether record a must come after record b under key (and debug level).
bool mustFollow(const MonsterRecord& a, const MonsterRecord& b, int key, int debugLevel);

// Exchanges the records at i and j of first .. first+count-1, for i < j, when
// the one at i must follow the one at j. Keys outside 0..6 change nothing.
void literalSort(Catalogue& catalogue, int first, int count, int key, int debugLevel);

// The whole table; with the family key, each family run then by HP.
void literalApplySort(Catalogue& catalogue, int key, int debugLevel);

}  // namespace kestrel::testing
