#pragma once

#include "base/Impressora.h"

#include <QStringList>

// Records every printer call, one line each, in order:
//   "Orientacao Retrato" / "Orientacao Paisagem", "Inicia", "NovaPagina", "Fim",
//   "Fonte Arial 80", "Texto 200 300 the text", "Linha the text" (line printer).
// The page is Largura wide (Altura high in portrait; swapped in landscape).
class ImpressoraFalsa : public Impressora {
public:
    int Largura = 2400;
    int Altura = 3400;
    // IniciaDocumento throws Falha, as with no printer.
    bool Falhar = false;
    QStringList Chamadas;

    int LarguraPagina() const override;
    int AlturaPagina() const override;
    void DefineOrientacao(Orientacao o) override;
    Orientacao OrientacaoAtual() const override { return orientacao; }
    void IniciaDocumento() override;
    void NovaPagina() override;
    void FimDocumento() override;
    void Fonte(const QString& nome, int altura) override;
    void Texto(int x, int y, const QString& texto) override;
    void ImprimeLinhas(const QStringList& linhas) override;

    // The texts drawn, in order, without their positions.
    QStringList Textos() const;
    // The number of pages of the recorded documents (each "Inicia" begins one).
    int Paginas() const;

private:
    Orientacao orientacao = Orientacao::Retrato;
};
