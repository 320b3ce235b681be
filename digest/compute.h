#pragma once

#include "digest/compute_window.h"
#include "digest/file_input.h"
#include "digest/hash_set.h"

namespace digest {

// One press of the compute button: feeds the text or the file to every ticked algorithm and
// shows the digests. The hash objects and the file's opening may be substituted by tests.
// Exceptions pass through; whatever was made is released on the way out.
void Compute(ComputeWindow& window, const HashSet::Maker& make = {}, const FileOpener& open = {});

} // namespace digest
