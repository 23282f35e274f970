#pragma once

#include "reports/PesquisaServicos.h"

#include <QDialog>

class QLineEdit;
class QRadioButton;
class QScrollArea;
class QTableWidget;
class TFEscolherSv;
struct Sistema;

// FPesqSv, "Pesquisa de Serviços": searches the history by period, duties,
// person and kind, shows the rows found in a read-only grid (several rows
// selectable with Ctrl) and prints all of them, or the selected ones.
class TFPesqSv : public QDialog {
    Q_OBJECT
public:
    explicit TFPesqSv(Sistema& s, QWidget* pai = nullptr);

    const PesquisaServicos& Estado() const { return estado; }
    TFEscolherSv* Escolha() const { return escolha; }

    // Closing: the result is dropped and the grid scrolled back to the left.
    void done(int resultado) override;

protected:
    // Activation: the default period, the colours, the whole history.
    void showEvent(QShowEvent* evento) override;
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    // Leaving a date field; guarded, since its message takes the focus away.
    void SaiDoCampoData(bool inicio);
    void EscolheServicos();
    void Pesquisar();
    void Imprimir();
    void Navega(int linha);
    void MostraCampos();
    void MostraResultado();
    void VoltaParaEsquerda();

    Sistema& sis;
    PesquisaServicos estado;
    TFEscolherSv* escolha;
    QLineEdit* edit1;
    QLineEdit* edit2;
    QLineEdit* edit3;
    QRadioButton* radioButton1;
    QRadioButton* radioButton2;
    QRadioButton* radioButton3;
    QScrollArea* scrollBox1;
    QTableWidget* dBGPesqSv;
    bool saindoDeData = false;
};
