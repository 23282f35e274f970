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

// Rows whose values the register cannot hold, on RegistroPequeno with two
// history rows, for tables of cases: adds the columns "dano", "tabela" (the
// table no save may rewrite) and "mensagem" (what the load's notice says), one
// row each.
void CasosDeValoresDanificados();
// Writes the damage of the case straight into the file of a's data folder and
// opens a new program run on it.
void DanificaValores(AmbienteTeste& a, const QString& dano);
