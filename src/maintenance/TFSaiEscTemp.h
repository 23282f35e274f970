#pragma once

#include "maintenance/Afastamentos.h"

#include <QDialog>

class QLineEdit;
class QRadioButton;
class TFQuadroAfastados;
struct Sistema;

// FSaiEscTemp, "Afastamento Temporário dos Serviços": records a person's
// absence window; Basico is written when the screen closes.
class TFSaiEscTemp : public QDialog {
    Q_OBJECT
public:
    TFSaiEscTemp(Sistema& s, QWidget* pai = nullptr);

    // Closing, however it happens: the recorded windows are saved.
    void done(int resultado) override;

protected:
    // Activation: colours, personnel reloaded, edits emptied, "Real" checked,
    // the list shown.
    void showEvent(QShowEvent* evento) override;

private:
    // "Atualizar Quadro": Edit1 emptied and focused, the list refilled.
    void AtualizaQuadro();
    void Grava();

    Sistema& sis;
    SessaoAfastamentos sessao;
    QLineEdit* edit1;
    QLineEdit* edit2;
    QLineEdit* edit3;
    QRadioButton* rbPrev;
    QRadioButton* rbReal;
    TFQuadroAfastados* sgPessoal;
};
