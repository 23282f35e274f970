#pragma once

#include <QDialog>

class QLineEdit;
class TFQuadroAfastados;
struct Sistema;

// FVoltaParaEsc, "Voltar militar para as Escalas": records a person's return
// and re-aligns his counters in every duty he competes for.
class TFVoltaParaEsc : public QDialog {
    Q_OBJECT
public:
    TFVoltaParaEsc(Sistema& s, QWidget* pai = nullptr);

protected:
    // Activation: colours, personnel reloaded, the list shown.
    void showEvent(QShowEvent* evento) override;

private:
    void AtualizaQuadro();
    void Volta();

    Sistema& sis;
    QLineEdit* edit1;
    TFQuadroAfastados* sgPessoal;
};
