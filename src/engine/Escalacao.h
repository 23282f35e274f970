#pragma once

#include "base/Data.h"
#include "data/DMGeral.h"

struct Sistema;

// Writes the roster held in memory, inside the caller's transaction: every
// defined duty's rotation, the personnel records and the history.
void GravaEscalaEmMemoria(Sistema& s);
// Commits trans together with the new last roster date in Escala.Txt: both
// are written, or neither.
void ConfirmaComUltimaEscala(DMGeral::Transacao& trans, Data nova);

// "Escalar": writes the forecast held in memory (rotations, personnel,
// history), makes the end day the last roster date and removes again the days
// the forecast computed beyond it. Everything is written in one transaction:
// a failure leaves the stored roster as it was and throws.
void Escalar(Sistema& s);
// Removes every history row from dia on, giving back the counters and
// last-duty dates, and makes dia - 1 the last roster date. In one transaction.
void DesfazerAPartirDe(Sistema& s, Data dia);
// Maintenance item 8: the warning, the first day to remove, the question when
// going back more than 10 days, then DesfazerAPartirDe. False when nothing was
// undone (cancelled, or No to the question); an answer that is not a date is
// a Recusa.
bool DesfazerEscalacao(Sistema& s);
