#pragma once

#include "base/Data.h"

#include <QHash>
#include <QString>

class GradeTexto;
struct Sistema;

// The position of each number's first personnel record, as the record search
// of ProximoDaVez finds it (from record 1, up to the first empty one). Build
// it once for a whole forecast: the numbers do not change while it runs.
class IndicePessoal {
public:
    explicit IndicePessoal(const Sistema& s);
    int Registro(const QString& num) const { return indice.value(num, 0); }

private:
    QHash<QString, int> indice;
};

// Each test, when it returns false and motivo is given, writes there the rule
// that kept the person out, as the explanation of an unfilled slot reads it.

// False when VetSgte blocks the person from the duty on that day.
bool TesteExclusao(const Sistema& s, const QString& num, int sv, Data dia,
                   QString* motivo = nullptr);
// False when one of the person's ten last duties is closer to the day than
// IntervaloFolga.
bool TesteFolga(const Sistema& s, int pessoa, Data dia, QString* motivo = nullptr);
// False while the person is away (absence in effect, up to his presentation
// day); appends the return and planned-absence alerts to ListBox6, but not
// when motivo is given (the explanation changes nothing).
bool TesteAfastamento(Sistema& s, int pessoa, Data dia, QString* motivo = nullptr);
// The next person of the duty's rotation, from row CursorGrade on, who passes
// the three tests; records the day among his last duties. Empty when the
// rotation is exhausted.
QString ProximoDaVez(Sistema& s, int sv, GradeTexto& grade, Data dia,
                     const IndicePessoal* indice = nullptr);
// Why nobody of the rotation could take the duty on the day: one line per
// member, in the order of the grid as ProximoDaVez tries it, with the first
// of its tests that kept him out.
QStringList ExplicaVaga(Sistema& s, int sv, const GradeTexto& grade, Data dia,
                        const IndicePessoal* indice = nullptr);
// Appends to ListBox3 up to ten candidates for the duty on the day.
void ListaCandidatos(Sistema& s, int sv, Data dia);
