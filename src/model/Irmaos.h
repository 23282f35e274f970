#pragma once

#include "model/GradeTexto.h"

#include <QString>
#include <array>

struct Sistema;

// Three texts of exactly 3 digits: Pt + Vm, Vm, Pt.
struct TipoTotSv {
    QString PtVm = QStringLiteral("000");
    QString Vm = QStringLiteral("000");
    QString Pt = QStringLiteral("000");
};

// The summary of one person (slot i describes VetBas[i]).
struct TipoVetIrmaos {
    QString Num;
    std::array<TipoTotSv, 31> Sv; // per duty 1..30; "000" when not a member
    TipoTotSv Total;
    QString ListaSv; // duty list, e.g. "1,4,7"

    // Total, then Vm, then Pt: 9 digits compared as text.
    QString Chave() const { return Total.PtVm + Total.Vm + Total.Pt; }
};

// A number as 3 digits, zero-padded; 1000 or more keeps its last three digits.
QString TresDigitos(long long valor);

// Rebuilds VetIrmaos (persons whose PR is not "R") and VetIrmaosR (PR "R") from
// the tables. A negative counter counts as 0.
void MontaIrmaos(Sistema& s);

struct ContadoresEntrada {
    int Pt = 0;
    int Vm = 0;
};
// The counters with which person num enters duty sv, whose grid is g, when his
// duty list becomes lista: the sibling rule when lista names two duties or more
// and some present person competes for exactly that list, else the minimum rule
// on g.
ContadoresEntrada ContadoresIniciais(Sistema& s, GradeTexto& g, int sv, const QString& lista,
                                     const QString& num);

// The duties whose rotation table lists num, ascending, comma-separated.
QString ListaSvDoMilitar(Sistema& s, const QString& num);
// The same list over the working grids as they stand (CarregaGrades already
// run), for callers that ask it for many persons.
QString ListaSvNasGrades(const Sistema& s, const QString& num);
