#pragma once
// Where the library and the literal reference first disagree on the same
// catalogue. The benchmark's figures mean nothing if they do: the tests run
// these on small generated catalogues, the benchmark on the one it measures.
// Each returns what differs first, or an empty string when both agree.

#include <cstddef>
#include <string>

#include "bench/literal_reference.h"
#include "catalogue/catalogue.h"

namespace kestrow::bench {

// After both loaded the same two files: the held quest lines (with their
// clear flags), the area lines and the clear keys.
std::string load_difference(const Catalogue& ours, const literal::State& ref);

// From the same loaded state, the chooser filled on both sides: the chooser;
// every entry chosen in turn (row count, icons, Copy, and every cell of the
// first max_rows rows); searches for the broad search word and for bytes that
// are also trail bytes; a tick that takes the last row out of the
// not-cleared list (the row selected afterwards, the rows); and the saved
// bytes. Changes both states.
std::string use_difference(Catalogue& ours, literal::State& ref, std::size_t max_rows);

}  // namespace kestrow::bench
