#pragma once

#include <QString>

class JanelasEscala;
struct Sistema;

// The "Escalar Automático" tab as one workflow over s.Aba and the engine
// state: ready, verified, notice, committed or discarded.

// Showing the tab: the priorities between duties are computed again.
void MostraAbaEscalar(Sistema& s, JanelasEscala& janelas);
// A click in "Escalar até:": a new roster starts.
void ReiniciaEscala(Sistema& s);

enum class ResultadoVerificacao {
    Prevista,   // the forecast ran (the notice or the decision followed)
    Recusada,   // a check refused the day, the period or the history; its message was shown
    Reiniciada, // the red-day choices were shown: "Verificar" must be pressed again
};
// "Verificar": the checks, the absent persons' counters (once per run), the
// red phase when pending, the daily quantities and the forecast.
ResultadoVerificacao Verificar(Sistema& s, JanelasEscala& janelas);
// The hidden "PreVm": the preparation and the red phase. False when a check
// refused (its message shown).
bool PreverVermelha(Sistema& s, JanelasEscala& janelas);
// "Desfazer": discards the forecast.
void DescartaEscala(Sistema& s, JanelasEscala& janelas);
// "Erros" / "Alertas".
void MostraErros(Sistema& s, bool erros);

// Raises, once per program run, the counters of every person with an absence
// to at least the entry counters of each of his duties (written at once).
void AjustaAfastados(Sistema& s);
