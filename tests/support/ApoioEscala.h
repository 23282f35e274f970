#pragma once

#include "AmbienteTeste.h"

// What the verification prepares before a forecast, without the workflow:
// every defined duty marked, the last roster date read from Escala.Txt, the end
// day typed, the daily quantity table built for the period with its default
// numbers and closed (red: the red phase's table, black days at 0).
void PreparaEscala(AmbienteTeste& a, Data fim, bool faseVermelha = false);
