#pragma once
// What `query` and `answer` do before they look at the table: load the file,
// compute the expected damage for the profile, feed the damage rows to the range
// model as the window does, split the search words, sort and refresh once.

#include "cli/query_options.h"

#include "catalogue/catalogue.h"

namespace kestrel::cli {

// False when the file could not be opened (the loader said why on stderr).
bool loadAndRefresh(QueryOptions& q, Catalogue& catalogue);

}  // namespace kestrel::cli
