#include "form/Unit1.h"

#include "digest/hash_to_hex.h"

namespace Unit1 {

void Initialize() { digest::MakeHexState(); }

void Finalize() { digest::EndHexState(); }

} // namespace Unit1
