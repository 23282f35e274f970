#pragma once

#include "model/GradeTexto.h"

#include <QHash>
#include <QSet>
#include <QString>
#include <array>
#include <optional>
#include <set>
#include <utility>
#include <vector>

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

// ContadoresIniciais for many persons and duties with the same list: what the
// rules read besides the grid (the sibling chosen, the persons present today)
// is taken once, so it must not change while the object is used: VetBas,
// VetIrmaos, VetIrmaosR and today.
class BaseContadores {
public:
    BaseContadores(const Sistema& s, const QString& lista);
    // Sets an empty counter of a present member of g to "0", as the minimum
    // rule reads it.
    ContadoresEntrada Entrada(GradeTexto& g, int sv, const QString& num) const;
    // The sibling rule decides: the counters do not depend on the grid.
    bool PorIrmao() const { return irmao != 0; }
    // Present today, for the minimum rule.
    bool Presente(const QString& num) const { return presentes.contains(num); }

private:
    const Sistema& sis;
    int irmao = 0;                // VetIrmaos slot of the sibling rule; 0: minimum rule
    QHash<QString, int> proprios; // first VetIrmaosR slot of each number
    QSet<QString> presentes;      // numbers whose first record is not away today
};

// The minimum rule on one grid, kept while the counters of its rows change:
// the lowest Pt and Vm among the rows of present members before the first
// empty row (999 or more counts as none).
class MinimoDosPresentes {
public:
    // Sets an empty counter of a present member to "0", as the rule reads it.
    MinimoDosPresentes(const BaseContadores& base, GradeTexto& g);
    ContadoresEntrada Entrada() const;
    // Writes the counters of row r into the grid.
    void DefineContadores(int r, int pt, int vm);

private:
    GradeTexto& grade;
    std::vector<std::optional<std::pair<int, int>>> presentes; // by row: Pt and Vm
    std::multiset<int> pts, vms;
};

// The duties whose rotation table lists num, ascending, comma-separated.
QString ListaSvDoMilitar(Sistema& s, const QString& num);
// The same list over the working grids as they stand (CarregaGrades already
// run), for callers that ask it for many persons.
QString ListaSvNasGrades(const Sistema& s, const QString& num);
