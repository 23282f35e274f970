#include "support/DialogosFalso.h"

#include <QTest>

DialogosFalso& DialogosFalso::EsperaAviso(const QString& trecho) {
    roteiro.push_back({Tipo::Aviso, trecho, false, std::nullopt});
    return *this;
}

DialogosFalso& DialogosFalso::EsperaConfirma(bool sim, const QString& trecho) {
    roteiro.push_back({Tipo::Confirma, trecho, sim, std::nullopt});
    return *this;
}

DialogosFalso& DialogosFalso::EsperaPergunta(std::optional<QString> resposta,
                                             const QString& trecho) {
    roteiro.push_back({Tipo::Pergunta, trecho, false, std::move(resposta)});
    return *this;
}

DialogosFalso::~DialogosFalso() {
    if (roteiro.empty() || !QTest::currentTestFunction() || QTest::currentTestFailed())
        return;
    QStringList faltam;
    for (const Passo& p : roteiro)
        faltam << QStringLiteral("\"%1\"").arg(p.trecho);
    QTest::qFail(qPrintable(QStringLiteral("Diálogos esperados e não mostrados: %1")
                                .arg(faltam.join(QStringLiteral(", ")))),
                 __FILE__, __LINE__);
}

void DialogosFalso::Limpa() {
    roteiro.clear();
    Textos.clear();
    Inesperados.clear();
}

const DialogosFalso::Passo* DialogosFalso::Proximo(Tipo tipo, const QString& texto) {
    Textos << texto;
    if (!roteiro.empty() && roteiro.front().tipo == tipo &&
        texto.contains(roteiro.front().trecho)) {
        atual = roteiro.front();
        roteiro.pop_front();
        return &atual;
    }
    if (tipo == Tipo::Aviso && AceitaAvisos)
        return nullptr;
    Inesperados << texto;
    QTest::qFail(qPrintable(QStringLiteral("Diálogo inesperado: \"%1\"").arg(texto)), __FILE__,
                 __LINE__);
    return nullptr;
}

void DialogosFalso::Aviso(const QString& texto) {
    if (AntesDoAviso)
        AntesDoAviso();
    Proximo(Tipo::Aviso, texto);
}

bool DialogosFalso::Confirma(const QString& texto) {
    const Passo* p = Proximo(Tipo::Confirma, texto);
    return p && p->sim;
}

std::optional<QString> DialogosFalso::Pergunta(const QString& titulo, const QString& rotulo,
                                               const QString&) {
    const Passo* p = Proximo(Tipo::Pergunta, titulo + QStringLiteral(" | ") + rotulo);
    return p ? p->resposta : std::nullopt;
}
