#pragma once

#include "base/Data.h"
#include "engine/Disponibilidade.h"
#include "model/Grades.h"
#include "model/Servicos.h"

#include <QString>
#include <QStringList>
#include <optional>

class JanelasEscala;
struct Sistema;

// What one forecast run works with: the period, its horizon and the indexes of
// the personnel records, built once per run.
struct ContextoPrevisao {
    ContextoPrevisao(Sistema& s, Data fim);
    Data L; // the last roster date
    Data E; // the end day
    Data H; // the horizon: E, E + 1 or E + 2, so that H - L is a multiple of 3
    IndicePessoal indice;
    MapaAntiguidade mapa;
};

// The horizon of a forecast from L to E.
Data Horizonte(Data ultima, Data fim);

// "Prever": the already-rostered check, the complete forecast, then the notice
// (slots left unfilled) or the decision dialog. False when the check refused.
bool Prever(Sistema& s, JanelasEscala& janelas);
// The complete forecast over black and red days up to the end day typed.
void PrevisaoPreta(Sistema& s, Data fim);

// The first steps of both phases: the lists emptied, the history loaded, the
// end day read, the already-rostered check. Empty when the check refused (its
// message shown, "Verificar" offered again).
std::optional<Data> IniciaFase(Sistema& s);
// The first duty marked for this run that already has history between the
// day after the last roster date and the end day: its message.
std::optional<QString> ServicoJaEscalado(const Sistema& s, Data fim);
enum class FasePrevisao { Vermelha, Completa };
// Fills the duty of VetSv slot k for one day: forced entries first, then the
// rotation through ProximoDaVez. The complete phase lists it and appends its
// history entry; the red phase reserves the persons of red days instead.
// diaTexto is the day's text handed to AtualizaContadores, shared by the
// duties of the day: on a day after the end day, up to the horizon, it becomes
// "13/05/09" once a person is chosen. Error lines always name the day itself.
void PreencheServico(Sistema& s, ContextoPrevisao& c, int slot, Data dia, QString& diaTexto,
                     const QString& tipo, FasePrevisao fase);
// The day loop of a phase, from the day after the last roster date to ultimo.
void PercorreDias(Sistema& s, ContextoPrevisao& c, Data ultimo, FasePrevisao fase);

// The persons the duty needs on the day, from the daily quantity table (its
// Quant when the table does not show the duty or the day).
int QuantidadeDoDia(Sistema& s, const TipoVetSv& sv, const QString& diaTexto);

// Steps shared by both phases before their day loop: reloads, priority order,
// DiasPeriodo, red days; refuses a period whose history would not fit.
void PreparaPrevisao(Sistema& s, Data fim);

// Duties with Prio above 30 get a random priority; the records go into priority
// order.
void OrdenaPorPrioridade(Sistema& s);
// The next draw in 0..29 of the generator seeded with 0 at program start.
int Sorteio(Sistema& s);
// Adds passo to the person's counter of the kind in every duty he competes in,
// and records the day (unless "13/05/09") as his last duty of the kind in sv.
void AtualizaContadores(Sistema& s, const QString& tipo, const QString& num, int passo,
                        const QString& diaTexto, int sv);
QString NomeDoMilitar(const Sistema& s, const QString& num, const IndicePessoal* indice = nullptr);
// The lines of one duty in the forecast listing, wrapped before 90 characters.
QStringList LinhasDaListagem(const QString& descr, const QString& nomes);
