#pragma once

#include "base/Dialogos.h"
#include "base/Falha.h"

#include <exception>

// Runs one operation of the operator's; a failure stops it and its message is
// shown. Returns true when the operation ran to its end.
template <typename Operacao> bool Tenta(Dialogos& dialogos, Operacao&& operacao) {
    try {
        operacao();
        return true;
    } catch (const Falha& f) {
        dialogos.Aviso(f.Mensagem());
    } catch (const std::exception& e) {
        dialogos.Aviso(QStringLiteral("Erro inesperado: %1").arg(QString::fromLocal8Bit(e.what())));
    }
    return false;
}
