#pragma once

#include "base/Dialogos.h"
#include "base/Tenta.h"

#include <functional>
#include <vector>

// The actions of a numbered menu, items 1..n. An item without an action does
// nothing; a failing action is shown to the operator.
class AcoesMenu {
public:
    explicit AcoesMenu(int itens) : acoes(static_cast<size_t>(itens) + 1) {}

    int Itens() const { return static_cast<int>(acoes.size()) - 1; }
    bool Tem(int item) const { return item >= 1 && item <= Itens() && acoes[item]; }
    // A number outside 1..n is ignored.
    void Define(int item, std::function<void()> acao) {
        if (item >= 1 && item <= Itens())
            acoes[item] = std::move(acao);
    }
    void Executa(Dialogos& dialogos, int item) const {
        if (!Tem(item))
            return;
        const std::function<void()> acao = acoes[item]; // it may replace itself
        Tenta(dialogos, acao);
    }

private:
    std::vector<std::function<void()>> acoes;
};
