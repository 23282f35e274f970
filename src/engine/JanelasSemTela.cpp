#include "engine/JanelasSemTela.h"

#include "base/Falha.h"
#include "engine/PrevisaoVermelha.h"
#include "model/Sistema.h"
#include "reports/QuantidadesDiarias.h"

void JanelasSemTela::MostraAviso() {
    ++avisos;
}

void JanelasSemTela::MostraEscolhaVm() {
    ++escolhasVm;
    AbreEscolhaVm(sis);
    if (aoEscolherVm)
        aoEscolherVm(sis.SGEscVm);
}

void JanelasSemTela::MostraDecisao() {
    ++decisoes;
    if (aoDecidir)
        aoDecidir();
}

void JanelasSemTela::MostraQuantidades(bool) {
    ++quantidades;
    AtivaTabelaQuantidades(sis);
    if (const auto recusa = FechaTabelaQuantidades(sis))
        throw Recusa(*recusa);
}
