#pragma once

#include "engine/Instrucoes.h"

#include <QDialog>

class QLineEdit;
class QListWidget;
struct Sistema;

// What the exclusion and the forced-assignment dialogs share: the number
// (Edit1), the 30 duties (LBServicos, line i = duty i), the days of the forecast
// just made (LBDias), a record button and "Fim" (Button3). Activation reloads
// the duties and fills both lists; leaving LBServicos marks the selected duties;
// a record that succeeds empties the number and both selections, a refused one
// keeps them; closing, however it happens, runs the dialog's closing step.
class TFInstrucaoEscala : public QDialog {
    Q_OBJECT
public:
    // The number, duties and days as selected now.
    Instrucao Selecao() const;

protected:
    struct Textos {
        const char* nome;
        QString titulo;
        QString rotuloServicos;
        QString rotuloDias;
        const char* nomeBotao;
        QString textoBotao;
    };
    using Grava = void (*)(Sistema&, const Instrucao&);
    using Fecha = void (*)(Sistema&);
    TFInstrucaoEscala(Sistema& s, const Textos& textos, Grava grava, Fecha fecha, QWidget* pai);

    void showEvent(QShowEvent* evento) override;
    bool eventFilter(QObject* objeto, QEvent* evento) override;
    void done(int resultado) override;

private:
    QList<int> ServicosSelecionados() const;
    void Registra();

    Sistema& sis;
    Grava grava;
    Fecha fecha;
    QList<Data> dias; // the days of LBDias, row by row
    QLineEdit* edit1;
    QListWidget* servicos;
    QListWidget* listaDias;
};
