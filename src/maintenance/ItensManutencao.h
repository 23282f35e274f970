#pragma once

#include "base/Data.h"

#include <QString>
#include <QStringList>
#include <utility>

struct Sistema;

// The items of the "Manutenção" tab that are carried out by the shell itself.
// Messages go through s.dialogos; the tab only shows what these return.

// The line of the result list when item 18 (registered persons in no rotation)
// or item 19 (unregistered numbers in rotations) finds nothing.
inline constexpr const char* SemRegistrosCadastrados = "  Não há Registros";
inline constexpr const char* SemRegistrosNaoCadastrados = " Não há Registros";

// Item 7: after a warning, asks for the first day to keep and deletes every
// history record dated before it. Cancel or an empty answer ends the item; a
// text that is not a date is refused and nothing is deleted. Any valid
// spelling of the date is accepted.
void ExcluiHistoricoAntigo(Sistema& s);

// Item 18: the numbers of the registered persons who stand in the rotation of
// no defined duty, or the single line SemRegistrosCadastrados.
QStringList MilitaresForaDasEscalas(Sistema& s);

// Item 19: the numbers found in the rotations of the defined duties that
// belong to no registered person, one line per rotation row, or the single
// line SemRegistrosNaoCadastrados. The rows found are removed and every
// rotation saved; with nothing found nothing is written.
QStringList NaoCadastradosNasEscalas(Sistema& s);

// Item 22: where to get the manual.
void AvisoManual(Sistema& s);
inline constexpr const char* EnderecoManual = "https://tarvolim.org/manual";

// After the backup screen closes: rereads the last roster date (kept in
// s.UltimaEscala) and the roster period, which is returned (start, end).
std::pair<Data, Data> ReleDepoisDaCopia(Sistema& s);
