#pragma once

#include "support/AmbienteTeste.h"

// What the verification prepares before a forecast, without the workflow:
// every defined duty marked, the last roster date read from Escala.Txt, the end
// day typed, the daily quantity table built for the period with its default
// numbers and closed (red: the red phase's table, black days at 0).
void PreparaEscala(AmbienteTeste& a, Data fim, bool faseVermelha = false);

// The last roster date Sunday 10/03/24, the period to the end of March with
// Saturdays, Sundays and the given holidays red.
void PeriodoDeMarco(AmbienteTeste& a, const QList<Data>& feriados = {});

// A small register: the last roster date Sunday 10/03/24, the period to the end
// of March with Saturdays and Sundays red; duty 1 "Of Dia" (persons 1-3) and
// duty 2 "Guarda" (persons 4-6, quantGuarda a day), both with rest folga.
void RegistroPequeno(AmbienteTeste& a, int quantGuarda = 1, int folga = 1);

// Duty 1 "Of Dia" (rest 0) with persons 1, 2, 3 in that order; the last
// roster date Sunday 10/03/24 and no red days.
void RegistroTresMilitares(AmbienteTeste& a);

// The numbers the forecast put on duty sv on that day (VetHist), "?" for none.
QString Escalado(const Sistema& s, Data dia, int sv);

// The rows of rotation table SvN, each "Num Pt Vm USvPt USvVm", sorted.
QStringList Rodizio(AmbienteTeste& a, int sv);
