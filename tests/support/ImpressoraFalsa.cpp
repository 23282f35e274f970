#include "support/ImpressoraFalsa.h"

#include "base/Falha.h"

int ImpressoraFalsa::LarguraPagina() const {
    return orientacao == Orientacao::Retrato ? Largura : Altura;
}

int ImpressoraFalsa::AlturaPagina() const {
    return orientacao == Orientacao::Retrato ? Altura : Largura;
}

void ImpressoraFalsa::DefineOrientacao(Orientacao o) {
    orientacao = o;
    Chamadas << (o == Orientacao::Retrato ? QStringLiteral("Orientacao Retrato")
                                          : QStringLiteral("Orientacao Paisagem"));
}

void ImpressoraFalsa::IniciaDocumento() {
    if (Falhar)
        throw Falha(QStringLiteral("Impressora indisponível"));
    Chamadas << QStringLiteral("Inicia");
}

void ImpressoraFalsa::NovaPagina() {
    Chamadas << QStringLiteral("NovaPagina");
}

void ImpressoraFalsa::FimDocumento() {
    Chamadas << QStringLiteral("Fim");
}

void ImpressoraFalsa::Fonte(const QString& nome, int altura) {
    Chamadas << QStringLiteral("Fonte %1 %2").arg(nome).arg(altura);
}

void ImpressoraFalsa::Texto(int x, int y, const QString& texto) {
    Chamadas << QStringLiteral("Texto %1 %2 %3").arg(x).arg(y).arg(texto);
}

void ImpressoraFalsa::ImprimeLinhas(const QStringList& linhas) {
    IniciaDocumento();
    for (const QString& l : linhas)
        Chamadas << QStringLiteral("Linha ") + l;
    FimDocumento();
}

QStringList ImpressoraFalsa::Textos() const {
    QStringList textos;
    for (const QString& c : Chamadas)
        if (c.startsWith(QLatin1String("Texto ")))
            textos << c.section(QLatin1Char(' '), 3);
    return textos;
}

int ImpressoraFalsa::Paginas() const {
    return int(Chamadas.count(QStringLiteral("Inicia")) +
               Chamadas.count(QStringLiteral("NovaPagina")));
}
