#pragma once

#include "engine/TFEscolhaVm.h"

class QPlainTextEdit;

// FEscVm, "Escalar Vermelha Antes?": per duty, whether its red days are
// reserved before the complete forecast ("Sim") or not ("Não"), with the
// duties the last forecast could not fill marked "Erro" and the groups of
// sibling duties beside (Memo2). Works on s.SGEscVm; closing changes nothing
// more.
class TFEscVm : public TFEscolhaVm {
    Q_OBJECT
public:
    explicit TFEscVm(Sistema& s, QWidget* pai = nullptr);

protected:
    // The grid prepared (AbreEscolhaVm) and the sibling groups shown.
    void Prepara() override;

private:
    QPlainTextEdit* memo2;
};
