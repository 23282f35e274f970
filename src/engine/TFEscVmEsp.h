#pragma once

#include "engine/TFEscolhaVm.h"

// FEscVmEsp, "Montar as Escalas Vermelhas Antes?": the red-day choices set
// before a verification. A click marks the choices as the operator's own
// (EscolhaVmEditada), so the verification keeps them; closing, however it
// happens, hands every cell over to the choice grid of FEscVm.
class TFEscVmEsp : public TFEscolhaVm {
    Q_OBJECT
public:
    explicit TFEscVmEsp(Sistema& s, QWidget* pai = nullptr);

    void done(int resultado) override;

protected:
    // The grid prepared (AbreEscolhaVmEsp).
    void Prepara() override;
    void Marcou() override;
};
