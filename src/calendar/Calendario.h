#pragma once

#include "base/Data.h"

#include <QString>

struct Sistema;

// Empties VetSemExped, reads SemExped.Txt into it (at most 366 dates) and sorts
// the entries by date. A line that is not a date throws quoting it.
void CarregaSemExped(Sistema& s);
// True when some entry of VetSemExped, up to the first empty one, is that day.
bool DiaVermelho(Sistema& s, Data dia);
// Reloads VetSemExped (unless a forecast holds it fixed) and returns the first day after dia that
// is not red, looking at most 10 days ahead (dia + 10 when all ten are red).
Data ProxDiaPreto(Sistema& s, Data dia);
// " * " when SemExped.Txt itself lists the day, else the empty text. A line
// that is not a date throws quoting it.
QString MarcaVermelho(Sistema& s, Data dia);
// "Dom", "Seg", "Ter", "Qua", "Qui", "Sex", "Sáb" for 1..7; empty otherwise.
QString NomeDiaSemana(int dia);
