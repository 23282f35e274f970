#pragma once

#include "support/AmbienteTeste.h"

// The ways a register's database can be damaged, for tables of cases: adds the
// columns "dano" and "mensagem" (what the message must name) and one row each.
void CasosDeCadastroDanificado();
// Damages the database of a's data folder as the case says (a's own
// connections are closed first and stay closed).
void DanificaCadastro(AmbienteTeste& a, const QString& dano);
// The names of every file in the data folder, with their sizes and times.
QStringList ConteudoDaPasta(const QString& pasta);
