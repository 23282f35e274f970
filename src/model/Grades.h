#pragma once

#include "data/DMGeral.h"
#include "model/GradeTexto.h"

#include <QHash>
#include <QString>
#include <vector>

struct Sistema;

// The 90 working grids of the rotations (the hidden form FGrades): for each
// duty N, GradeSvN (the rotation), GradeSvNPt and GradeSvNVm (scratch copies in
// black-day and red-day order). Columns: 0 Num, 1 Pt, 2 Vm, 3 USvPt, 4 USvVm;
// rows 1..500.
struct FGrades {
    FGrades();
    std::vector<GradeTexto> GradeSv;   // [1..30]
    std::vector<GradeTexto> GradeSvPt; // [1..30]
    std::vector<GradeTexto> GradeSvVm; // [1..30]
};

// GradeSvN for "Base", GradeSvNPt for "Pt", GradeSvNVm for "Vm"; nullptr for
// any other kind. For N in 1..30 sets TabelaAtual to "SvN.DB"; another N gives
// nullptr and leaves TabelaAtual alone.
GradeTexto* SelecionaGrade(Sistema& s, int n, const QString& tipo);
// Columns 0..2 of rows 0..500 empty, columns 3 and 4 "0".
void LimpaGrade(GradeTexto& g);
// All five columns of rows 1..1000 empty.
void LimpaGradeMil(GradeTexto& g);
// Fills rows 1, 2, ... from the table; rows after the last record are left as
// they were. A table of more than 500 rows fills the grid, marks it cut and
// throws.
void CarregaGradeSv(Sistema& s, GradeTexto& g, const QString& tabela, Banco banco);
// Replaces the table's rows by the grid's rows 1..500 that are neither empty nor
// "x".
void GravaGradeSv(Sistema& s, GradeTexto& g, const QString& tabela, Banco banco);
// The grid as GravaGradeSv would write it to tabela and CarregaGradeSv read it
// back (after LimpaGrade), without the database; throws as GravaGradeSv does.
void GradeComoRelida(GradeTexto& g, const QString& tabela);
// True when GravaGradeSv would write to rotation n's table (main database) the
// rows it holds: the same rows in the same order, none NULL.
bool GradeComoNaTabela(Sistema& s, const GradeTexto& g, int n);
// Empties grid g and loads rotation n into it from banco: LimpaGrade and
// CarregaGradeSv, at no cost when the grid holds that load unchanged.
void CarregaGrade(Sistema& s, GradeTexto& g, int n, Banco banco);
void CarregaGrades(Sistema& s, Banco banco);
// The member num with the counters pt and vm: his row, or a new one at the
// end with no last duty ("13/05/09").
void DefineMembro(GradeTexto& g, const QString& num, int pt, int vm);
// Empties grid g and loads duty n's rotation into it from the main database, so
// that it holds exactly the table (no row left from an earlier, longer load).
void RecarregaGrade(Sistema& s, GradeTexto& g, int n);
// The same on GradeSvN, selected as SelecionaGrade does (TabelaAtual).
GradeTexto& RecarregaGrade(Sistema& s, int n);
// Every defined duty's grid to its table, in one transaction. A grid whose
// load blocked it (Bloqueio) refuses the whole write, or, with
// mantemBloqueadas, is left out and its table stays as it is.
void GravaGrades(Sistema& s, Banco banco, bool mantemBloqueadas = false);
bool MilNaGrade(Sistema& s, const QString& num, int n);

// Seniority of each number, as IndiceMil finds it (the last record of the
// number), for the order keys. Build it once for many sorts over the same
// personnel records.
class MapaAntiguidade {
public:
    explicit MapaAntiguidade(Sistema& s);
    // A number without a personnel record counts as not yet ordered (9999).
    int Antig(const QString& num) const { return antig.value(num, 9999); }
    std::uint64_t Geracao() const { return geracao; }
    int AnoAtual() const { return anoAtual; }

private:
    QHash<QString, int> antig;
    std::uint64_t geracao;
    int anoAtual;
};

// Puts the grid's rows into rotation order for the kind ("Pt" black, anything
// else red): the exchange sort on the text key counter + 100, days since
// 13/05/09 + 10000, 10000 - Antig.
void OrdenaGrade(Sistema& s, GradeTexto& g, const QString& tipo);
void OrdenaGrade(Sistema& s, GradeTexto& g, const QString& tipo, const MapaAntiguidade& mapa);
// The text key of one row, as the sort compares it.
QString ChaveOrdemTexto(Sistema& s, const GradeTexto& g, int linha, bool pretas,
                        const MapaAntiguidade& mapa);
