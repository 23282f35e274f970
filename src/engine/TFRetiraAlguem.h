#pragma once

#include <QDialog>

class QRadioButton;
class TFForaEscSgte;
class TFObrigaEscSgte;
struct Sistema;

// FRetiraAlguem, "Retirar Militar da Escala": the decision after a forecast.
// RadioButton1 and RadioButton4 open the exclusion or the forced-assignment
// dialog (which this dialog creates and owns) and then send the operator back to
// "Prever", staying open; RadioButton2 offers "Escalar" and closes;
// RadioButton3 closes. Once an instruction dialog was used, RadioButton2 stays
// disabled until RadioButton3 is chosen: keep one instance for the program run
// so that this survives between showings. EstadoMudou() follows every choice,
// so that the tab can redraw while the dialog is still open. Closing, however
// it happens, puts the Sel marks back on the duties taking part in the run.
class TFRetiraAlguem : public QDialog {
    Q_OBJECT
public:
    explicit TFRetiraAlguem(Sistema& s, QWidget* pai = nullptr);

    void done(int resultado) override;
    // The two instruction dialogs it opens.
    TFForaEscSgte* Retirada() const { return retirada; }
    TFObrigaEscSgte* Forcada() const { return forcada; }

signals:
    void EstadoMudou();

protected:
    void showEvent(QShowEvent* evento) override;

private:
    void Instrucao(QRadioButton* botao, QDialog* dialogo);
    void Pronto();
    void ContinuarAVerificar();

    Sistema& sis;
    QRadioButton* botoes[5]{};
    TFForaEscSgte* retirada;
    TFObrigaEscSgte* forcada;
};
