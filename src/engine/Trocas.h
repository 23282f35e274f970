#pragma once

#include <QString>
#include <QStringList>

struct Sistema;

// The "Trocas Sv" tab's two steps: the candidates for a duty on a day, and a
// swap already agreed recorded in the history, the last-duty dates and the
// rotation counters. Every check that stops a step throws Recusa with its
// message; nothing is written before the checks pass.

// The service list of both steps: for each slot 1..30 its code, three blanks
// and its description.
QStringList ListaDeServicos(const Sistema& s);
// The service of an entry of that list: its first two characters, trailing
// blanks removed; 0 for an empty entry or an empty slot.
int ServicoDaEntrada(const QString& entrada);

// "Listar": the candidates of the chosen service on the day, appended to
// ListBox3.
void ListaCandidatosDaTroca(Sistema& s, const QString& entrada, const QString& diaTexto);

enum class Computar {
    B,   // the duty counts for B only: A loses it
    AeB, // it counts for both (a swap after the duty began)
    Nenhum,
};

// What "Executar" reads from the tab. A or B "0" stands for nobody.
struct Troca {
    QString A;
    QString B;
    QString Entrada; // the chosen entry of the service list
    QString Dia;     // as typed
    Computar computar = Computar::B;
};

// "Executar": the history entries of the service on the day, the last-duty
// dates and the counters of A and B, written in one transaction. When A (not
// "0") is in no history entry of that service and day, the operator is asked
// first; false when he says No (nothing written).
bool ExecutaTroca(Sistema& s, const Troca& troca);
