#pragma once

#include "engine/JanelasEscala.h"

#include <functional>

class GradeTexto;
struct Sistema;

// The windows of a roster operation answered without a screen: the notice is
// counted, the red-day choice keeps the choices as they stand (or as aoEscolherVm
// edits them), the daily quantity table keeps its default numbers, and the
// decision runs aoDecidir.
class JanelasSemTela : public JanelasEscala {
public:
    explicit JanelasSemTela(Sistema& s) : sis(s) {}
    void MostraAviso() override;
    void MostraEscolhaVm() override;
    void MostraDecisao() override;
    void MostraQuantidades(bool modal) override;

    std::function<void(GradeTexto&)> aoEscolherVm;
    std::function<void()> aoDecidir;
    int avisos = 0;
    int escolhasVm = 0;
    int decisoes = 0;
    int quantidades = 0;

private:
    Sistema& sis;
};
