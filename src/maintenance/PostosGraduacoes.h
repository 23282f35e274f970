#pragma once

#include <QString>
#include <QStringList>
#include <optional>

struct ModelosPstGrd;
struct Sistema;

// The rank models table kept in s.SGModelos: in each of rows 1..24, column 0
// holds the standard form of a rank and columns 1..10 other spellings of it.
// The ranks in use are the rows from 1 down to the first empty column-0 cell.

// Reads ModelosPstGrd.Txt into s.SGModelos (a missing file throws Falha and
// leaves the table as it was).
void LeModelosPstGrd(Sistema& s);
// Writes s.SGModelos to ModelosPstGrd.Txt and rewrites PstGrd.Txt from it.
void GravaModelosPstGrd(Sistema& s);

// Column 0 from row 1 down to the first empty cell (at most 24).
QStringList FormasPadrao(const ModelosPstGrd& modelos);

// The correction dialog FCorrigePstGrd: shows the unrecognised form and the
// standard forms, and returns the position (0 for the first) of the one the
// operator picked, or nothing when the window was closed without a choice.
class JanelaCorrigePstGrd {
public:
    virtual ~JanelaCorrigePstGrd() = default;
    virtual std::optional<int> Escolhe(const QString& forma, const QStringList& formas) = 0;
};

// Asks for the standard form of an unrecognised spelling, offering the
// standard forms of s.SGModelos. A choice sets s.CorrecaoPstGrd (form, row,
// the changed flag) and returns true; closing without one leaves the row and
// the flag as they were and the form empty.
bool CorrigePstGrd(Sistema& s, JanelaCorrigePstGrd& janela, const QString& forma);

// Brings every person's rank (VetBas from slot 1 up to the first empty Num) to
// its standard form: a spelling found in any column of a rank's row becomes
// column 0 of that row (cut to 7). A spelling the table does not know is put to
// the operator through the correction dialog; the chosen form is taken and the
// spelling written into the first empty cell of columns 1..10 of its row, so
// that it is known from then on. A person without a rank, or whose spelling
// the operator leaves without a choice, keeps his rank. The caller loads the
// table before and saves it, with VetBas, after.
void ConfereGrafiaPstGrd(Sistema& s, JanelaCorrigePstGrd& janela);
