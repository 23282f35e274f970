#pragma once

#include "base/Dialogos.h"

// The message boxes of the program, with Qt's own (Portuguese) buttons.
class DialogosQt : public Dialogos {
public:
    void Aviso(const QString& texto) override;
    bool Confirma(const QString& texto) override;
    std::optional<QString> Pergunta(const QString& titulo, const QString& rotulo,
                                    const QString& padrao) override;
};
