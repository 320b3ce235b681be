#pragma once

class TEdit;

// The result field that a press is activating while it lacks the focus; the click that
// follows consumes it. Null until then (no start-up code writes it).
extern TEdit* PendingSelectEdit;
