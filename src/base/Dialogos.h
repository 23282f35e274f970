#pragma once

#include <QString>
#include <optional>

// The platform's message boxes: a notice with one OK, a Yes/No question and an
// input box. The program shows them with Qt; tests answer them from a script.
class Dialogos {
public:
    virtual ~Dialogos() = default;
    virtual void Aviso(const QString& texto) = 0;
    // true = Yes
    virtual bool Confirma(const QString& texto) = 0;
    // std::nullopt when the operator cancels.
    virtual std::optional<QString> Pergunta(const QString& titulo, const QString& rotulo,
                                            const QString& padrao) = 0;
};
