#pragma once

struct Sistema;

// Maintenance item 20: after the operator's Yes, every rotation counter of the
// 30 tables becomes 3 (last-duty dates untouched).
void EqualizaContadores(Sistema& s);
// Shifts each defined duty's counters so that its lowest member present today
// stands at 3; a result below 0 becomes 3.
void NormalizaContadores(Sistema& s);

// Raises, once per program run, the counters of every person with an absence
// to at least the entry counters of each of his duties (written at once).
void AjustaAfastados(Sistema& s);
