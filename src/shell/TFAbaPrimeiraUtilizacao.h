#pragma once

#include "shell/AcoesMenu.h"

#include <QWidget>

class TFPrincipal;
struct Sistema;

// The "Primeira Utilização" tab: the six steps that set up a new register,
// each a line with a tick box before it; a click on either runs the step's
// action (the tick itself is not read or kept).
class TFAbaPrimeiraUtilizacao : public QWidget {
    Q_OBJECT
public:
    static constexpr int NumPassos = 6;

    explicit TFAbaPrimeiraUtilizacao(TFPrincipal& principal);

    // What step passo (1..6) runs; without one it does nothing.
    void DefineAcao(int passo, std::function<void()> acao);
    void ExecutaPasso(int passo);

private:
    Sistema& sis;
    AcoesMenu acoes{NumPassos};
};
