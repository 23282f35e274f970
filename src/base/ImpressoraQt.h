#pragma once

#include "base/Impressora.h"

#include <QFont>
#include <memory>

class Dialogos;
class QPainter;
class QPrinter;

// Prints on the system's default printer. Without one, each document becomes
// a PDF in the folder given (the data folder's "Impressoes"), and the operator
// is told where it is when the document ends.
class ImpressoraQt : public Impressora {
public:
    ImpressoraQt(QString pastaPdf, Dialogos& dialogos);
    ~ImpressoraQt() override;

    int LarguraPagina() const override;
    int AlturaPagina() const override;
    void DefineOrientacao(Orientacao orientacao) override;
    Orientacao OrientacaoAtual() const override;
    void IniciaDocumento() override;
    void NovaPagina() override;
    void FimDocumento() override;
    void Fonte(const QString& nome, int altura) override;
    void Texto(int x, int y, const QString& texto) override;
    void ImprimeLinhas(const QStringList& linhas) override;

    // The PDF of the last document, when it went to a file.
    const QString& UltimoPdf() const { return ultimoPdf; }

private:
    void Prepara();

    QString pastaPdf;
    Dialogos& dialogos;
    std::unique_ptr<QPrinter> impressora;
    std::unique_ptr<QPainter> pintor;
    QFont fonte;
    QString ultimoPdf;
    bool emArquivo = false;
};
