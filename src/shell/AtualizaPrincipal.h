#pragma once

#include "base/Data.h"

struct Sistema;

// What the refresh asks of the main window itself (colours, cover picture,
// hiding "Escalar", the last roster date labels). The headless command has no
// window and passes nothing.
class TelaPrincipal {
public:
    virtual ~TelaPrincipal() = default;
    virtual void AplicaCores() {}
    virtual void MostraCapa() {}
    virtual void EscondeEscalar() {}
    virtual void MostraUltimaEscala(Data) {}
};

// The main window's refresh: rebuilds the sibling summaries, reloads duties,
// rotations (saving them back) and personnel, shows the last roster date and
// reviews the absences, clearing the planned ones that are over. A failing
// step throws; the steps after it do not run.
void AtualizaPrincipal(Sistema& s, TelaPrincipal* tela);

// Step 9 of the refresh: the absence review over VetBas, with its messages.
void RevisaAfastamentos(Sistema& s);
