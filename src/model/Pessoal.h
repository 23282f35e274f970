#pragma once

#include "data/DMGeral.h"

#include <QString>
#include <array>

struct Sistema;

// One person; positions 1..1000 of VetBas, packed from 1 after a load. A record
// is empty when its Num is; "x" marks a record to be dropped at the next save.
struct TipoVetBas {
    QString Num;    // at most 4 characters
    QString PstGrd; // at most 7
    QString Nome;   // at most 15
    QString PR;     // "", "P" (planned absence) or "R" (absence in effect)
    Data Ini;
    Data Fim;
    std::array<Data, 11> USv{}; // last duty dates 1..10; day 0 = empty entry
    int Antig = 0;              // seniority; 9999 = not yet ordered
};

// Loads VetBas from table Basico (see the rules in Pessoal.cpp). A table of more
// than 1000 rows fills the array, marks it cut and throws.
void CarregaVetBas(Sistema& s, Banco banco);
// Replaces Basico by the non-empty, non-"x" records. To the backup database it
// first reloads VetBas from the main database.
void GravaVetBas(Sistema& s, Banco banco);
// Reads the USv text of a Basico row into record a.
void LeUSv(Sistema& s, int a, const QString& texto);
// Sorts the ten USv entries of record a ascending (zeros first).
void OrdenaUSv(Sistema& s, int a);
// Records a duty on dia among the last-duty dates of record a: it replaces
// the oldest of the ten (or an empty one), and the list stays ascending.
void RegistraDia(Sistema& s, int a, Data dia);
void LimpaVetBas(Sistema& s);
// The last position (1..1000) whose Num equals num; 0 when none.
int IndiceMil(const Sistema& s, const QString& num);
// The first position of num walking from the first record up to the first
// empty one; 0 when an empty record (or the end) comes first.
int SlotDe(const Sistema& s, const QString& num);
// The USv text form: each non-zero date "dd/mm/yy" followed by one blank.
QString TextoUSv(const TipoVetBas& b);
// A reset record (Antig 9999).
TipoVetBas RegistroVazio();
