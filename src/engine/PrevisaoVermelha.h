#pragma once

#include "base/Data.h"

#include <QString>

class GradeTexto;
class JanelasEscala;
struct Sistema;

// The red phase: works out who is due on each red day of the period (and of
// the six days after the horizon) and reserves them in VetSgte, so that the
// complete forecast finds them rested and free. Throws, with VetSgte rebuilt
// from VetFora and VetObriga, when the reservations do not fit.
void PrevisaoVermelha(Sistema& s, JanelasEscala& janelas);
// Reserves person num for duty sv (rest folga) on red day dia: two VetSgte
// entries, one blocking every duty on the rest days before it, one blocking
// every other duty on the day.
void Reserva(Sistema& s, const QString& num, int sv, int folga, Data dia);

// What FEscVm does when it opens: the headers, the duties at "Sim" when the
// choices are to be refilled, the sibling list.
void AbreEscolhaVm(Sistema& s);
// What FEscVmEsp does when it opens, and when it closes (its choices go to
// SGEscVm).
void AbreEscolhaVmEsp(Sistema& s);
void FechaEscolhaVmEsp(Sistema& s);
// A click on a cell of a choice grid: "X" in it; "Sim" and "Não" exclude each
// other and every click clears the row's "Erro". False, with nothing changed,
// outside columns 1..3 and rows 1..30 (the headers and the duty names).
bool MarcaEscolhaVm(GradeTexto& grade, int coluna, int linha);
// Fills Memo2EscVm with the groups of sibling duties.
void ListaServicosIrmaos(Sistema& s);
