#pragma once

#include <QString>
#include <QStringList>

// The printer: pages drawn as text at positions given in the device's units,
// and a line printer. The program prints on the default printer (or into a
// PDF); tests record every call.
class Impressora {
public:
    enum class Orientacao { Retrato, Paisagem };

    virtual ~Impressora() = default;
    // The page of the current printer in its units, for the orientation set.
    virtual int LarguraPagina() const = 0;
    virtual int AlturaPagina() const = 0;
    virtual void DefineOrientacao(Orientacao orientacao) = 0;
    virtual Orientacao OrientacaoAtual() const = 0;
    // Begins a document; throws Falha when there is nowhere to print.
    virtual void IniciaDocumento() = 0;
    virtual void NovaPagina() = 0;
    // Ends the document; throws Falha when it could not be finished.
    virtual void FimDocumento() = 0;
    virtual void Fonte(const QString& nome, int altura) = 0;
    // Draws the text with its top left corner at (x, y).
    virtual void Texto(int x, int y, const QString& texto) = 0;
    // The line printer: the lines one below the other, a new page when one
    // is full, as one document.
    virtual void ImprimeLinhas(const QStringList& linhas) = 0;
};

// Where no printer can be reached (the headless command): every document is
// refused with a message.
class ImpressoraAusente : public Impressora {
public:
    int LarguraPagina() const override { return 2400; }
    int AlturaPagina() const override { return 3400; }
    void DefineOrientacao(Orientacao o) override { orientacao = o; }
    Orientacao OrientacaoAtual() const override { return orientacao; }
    void IniciaDocumento() override;
    void NovaPagina() override {}
    void FimDocumento() override {}
    void Fonte(const QString&, int) override {}
    void Texto(int, int, const QString&) override {}
    void ImprimeLinhas(const QStringList&) override { IniciaDocumento(); }

private:
    Orientacao orientacao = Orientacao::Retrato;
};
