#include "JanelasSemTela.h"

#include "Falha.h"
#include "PrevisaoVermelha.h"
#include "Sistema.h"

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
        throw Falha(*recusa);
}
