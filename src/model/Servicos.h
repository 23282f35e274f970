#pragma once

#include "data/DMGeral.h"

#include <QString>

struct Sistema;

// One duty record; slot k of VetSv holds duty k (1..30). A slot whose Descr is
// empty holds no duty.
struct TipoVetSv {
    int CodSv = 0;
    QString Descr; // at most 8 characters
    Data Ini;
    Data Fim;
    int Quant = 0;
    int Prio = 0;
    QString Sel; // "S" while chosen on the screen at hand
    int Folga = 0;
    QString TipoSv; // "PV", "Pt" or "Vm"

    bool Definido() const { return !Descr.isEmpty(); }
};

// Loads VetSv from table Sv. From the backup database every slot is reset
// first; from the main database a slot whose duty is not in the table keeps
// what it held.
void CarregaVetSv(Sistema& s, Banco banco);
// Replaces table Sv by the defined duties, in slot order.
void GravaVetSv(Sistema& s, Banco banco);
// Marks the duties of a comma-separated list and returns the marked ones,
// ascending, comma-separated.
QString NormalizaListaSv(Sistema& s, const QString& lista);
void LimpaSel(Sistema& s);
