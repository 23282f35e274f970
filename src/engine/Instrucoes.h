#pragma once

#include "base/Data.h"

#include <QList>
#include <QString>
#include <QStringList>

struct Sistema;

// The operator's instructions for the next forecast: take a person off duties
// on given days ("Retirar da Escala") or force him onto a duty ("Forçar
// Escalação"), and the choices of the decision dialog that opens them.

// What an instruction dialog was given: the number typed, the duty lines
// selected (line i = duty i, 1..30) and the days selected, in list order.
struct Instrucao {
    QString Num;
    QList<int> Servicos;
    QList<Data> Dias;
};

// 06/02/1950: a date slot holding it blocks nothing any more.
Data DataLiberada();

// The days both dialogs offer: DiasPeriodo after its first entry up to its
// first zero date.
QList<Data> DiasOferecidos(const Sistema& s);
// The 30 lines of the duty list: the descriptions of slots 1..30.
QStringList ServicosOferecidos(const Sistema& s);
// The number typed, without its leading blanks.
QString NumeroDigitado(const QString& texto);
// Leaving the duty list: every Sel mark cleared, "S" on each selected line.
void MarcaServicos(Sistema& s, const QList<int>& servicos);

// Lifts the blocks of num for duty sv around dia in VetSgte: in each entry of
// num, at each duty position holding sv, every date from dia - Folga to the day
// before dia; an entry that starts on dia is lifted whole.
void LiberaBloqueios(Sistema& s, const QString& num, int sv, Data dia);

// "Retirar militar da escala": lifts num's blocks around the last selected day
// and appends a VetFora entry (the selected defined duties, the selected days).
// Throws, with nothing stored, on an empty number, more than 30 days or a full
// list.
void RetiraMilitar(Sistema& s, const Instrucao& i);
// Closing the exclusion dialog: VetFora is appended to VetSgte.
void FechaRetirada(Sistema& s);

// "Gravar Registro": on each selected red day lifts the blocks of the person
// the forecast had reserved; appends a VetObriga entry (the defined duties up
// to the forced one, the rest window of the last selected day) and one
// VetTemQueSer entry per selected day. The forced duty is the lowest selected
// defined one. Throws, with nothing stored, on an empty number, no duty, a rest
// that does not fit the 30 date positions, or a full list.
void ForcaMilitar(Sistema& s, const Instrucao& i);
// Closing the forced-assignment dialog: VetObriga is appended to VetSgte.
void FechaForcado(Sistema& s);

// The decision dialog's choices, on the tab's state.
// After an instruction dialog: the lists emptied, "Prever" offered again and
// "Escalar" withdrawn.
void DepoisDaInstrucao(Sistema& s);
// "Estou pronto para escalar os serviços": errors and alerts emptied,
// "Escalar" offered, "Prever" and "Verificar" withdrawn.
void ProntoParaEscalar(Sistema& s);
// Closing the decision dialog: the Sel marks back on the duties taking part in
// this roster run.
void FechaDecisao(Sistema& s);
