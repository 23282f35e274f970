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
    Recusada,   // the history already holds a duty of the period; its message was shown
    Reiniciada, // the red-day choices were shown: "Verificar" must be pressed again
};
// "Verificar": the checks, the absent persons' counters (once per run), the
// red phase when pending, the daily quantities and the forecast. A check of
// the day or the period that fails throws Recusa; in the red phase's
// preparation its message is shown first, and its check in the verification
// throws. An end day not after the last roster date is refused at once: the
// message is thrown once and nothing else of the click happens.
ResultadoVerificacao Verificar(Sistema& s, JanelasEscala& janelas);
// The hidden "PreVm": the preparation and the red phase. A check that fails
// throws Recusa.
void PreverVermelha(Sistema& s, JanelasEscala& janelas);
// "Escalar": the commit of the forecast. When it fails nothing was written:
// the forecast is discarded (the reset) and the failure is thrown again, of
// the same kind, telling the operator to verify again.
void EscalaOuDescarta(Sistema& s);
// "Desfazer": discards the forecast.
void DescartaEscala(Sistema& s, JanelasEscala& janelas);
// "Erros" / "Alertas".
void MostraErros(Sistema& s, bool erros);
