#pragma once

#include "shell/AcoesMenu.h"

#include <QWidget>

class TFPrincipal;
struct Sistema;

// The "Consultas" tab: the lines of the three queries (history search, duty
// count board, membership board), each running the action attached to it.
class TFAbaConsultas : public QWidget {
    Q_OBJECT
public:
    static constexpr int NumItens = 4;

    explicit TFAbaConsultas(TFPrincipal& principal);

    // What a click on query line item (1..3) runs; without one it does nothing.
    void DefineAcao(int item, std::function<void()> acao);
    void ExecutaItem(int item);

private:
    Sistema& sis;
    AcoesMenu acoes{NumItens};
};
