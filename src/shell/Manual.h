#pragma once

#include <QString>
#include <QStringList>

struct Sistema;

// The manual's sections and the start-up notice of Entradas.Txt.
namespace Manual {

// The line where section codigo starts: the first whose first three
// characters are the code; -1 when none does.
int InicioDaSecao(const QStringList& linhas, const QString& codigo);

// The lines of the data folder's Manual.Txt.
QStringList Linhas(Sistema& s);

// At program start: with 1, 2 or 3 notices left in Entradas.Txt, shows the
// next one ("AVISO n de 3:") and counts it down; otherwise does nothing.
void AvisoDeEntrada(Sistema& s);

} // namespace Manual
