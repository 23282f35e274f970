#include "base/Impressora.h"

#include "base/Falha.h"

void ImpressoraAusente::IniciaDocumento() {
    throw Falha(QStringLiteral("Não há impressora disponível nesta execução."));
}
