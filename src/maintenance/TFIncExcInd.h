#pragma once

#include "maintenance/CadastroPessoal.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class TFEscolherSv;
struct Sistema;

// FIncExcInd, "Inclusão/Exclusão de um Militar ": registers or removes one
// person and sets the duties he competes for.
class TFIncExcInd : public QDialog {
    Q_OBJECT
public:
    TFIncExcInd(Sistema& s, QWidget* pai = nullptr);

    // The duty chooser that "Escolher" shows.
    TFEscolherSv* Escolha() const { return escolha; }

    // Closing, however it happens: the reminders of a choice not recorded and of
    // the seniority of included persons.
    void done(int resultado) override;

protected:
    // Activation: colours, flags reset, ranks reloaded, the registration fields
    // hidden.
    void showEvent(QShowEvent* evento) override;
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    void NumeroAlterado();
    void EscondeDados();
    void ProcuraNumero();
    void Incluir();
    void Excluir();
    void Escolher();
    void Gravar();

    Sistema& sis;
    QLineEdit* edit1;
    QLineEdit* edit2;
    QComboBox* comboBox1;
    QLabel* label2;
    QLabel* label3;
    QLabel* label7;
    QLabel* label4;
    QPushButton* bIncluir;
    QPushButton* bGravar;
    TFEscolherSv* escolha;
    SessaoPessoal sessao;         // declared after sis
    bool nomeDoExistente = false; // Edit2 shows the person of "Número já existente no Sistema"
};
