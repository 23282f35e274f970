#pragma once

#include "base/Dialogos.h"

#include <QStringList>
#include <deque>
#include <functional>

// Answers the message boxes from a script prepared by the test and records
// every text in order. A dialog that the script does not expect (another
// kind, or a text without the expected part) fails the test.
// Dialogs still in the script when it is destroyed fail the test that
// prepared them.
class DialogosFalso : public Dialogos {
public:
    enum class Tipo { Aviso, Confirma, Pergunta };
    DialogosFalso() = default;
    DialogosFalso(const DialogosFalso&) = delete;
    DialogosFalso& operator=(const DialogosFalso&) = delete;
    ~DialogosFalso() override;

    // The next dialog is a notice whose text contains trecho.
    DialogosFalso& EsperaAviso(const QString& trecho = QString());
    DialogosFalso& EsperaConfirma(bool sim, const QString& trecho = QString());
    DialogosFalso& EsperaPergunta(std::optional<QString> resposta,
                                  const QString& trecho = QString());
    // Notices not in the script are accepted (and recorded) instead of failing.
    bool AceitaAvisos = false;
    // Runs as each notice shows, to look at the screens behind it.
    std::function<void()> AntesDoAviso;

    void Aviso(const QString& texto) override;
    bool Confirma(const QString& texto) override;
    std::optional<QString> Pergunta(const QString& titulo, const QString& rotulo,
                                    const QString& padrao) override;

    QStringList Textos;      // every dialog's text, in order
    QStringList Inesperados; // dialogs that did not match the script
    bool ScriptCumprido() const { return roteiro.empty() && Inesperados.isEmpty(); }
    void Limpa();

private:
    struct Passo {
        Tipo tipo;
        QString trecho;
        bool sim = false;
        std::optional<QString> resposta;
    };
    const Passo* Proximo(Tipo tipo, const QString& texto);
    std::deque<Passo> roteiro;
    Passo atual;
};
