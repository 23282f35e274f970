#pragma once

#include "maintenance/PessoalColetivo.h"

#include <QDialog>
#include <array>
#include <functional>

class JanelaCorrigePstGrd;
class QButtonGroup;
class QListWidget;
class QPushButton;
class QRadioButton;
class QTableWidget;
struct Sistema;

// FIncExcCol, "Inclusão/Exclusão Coletiva": registers many persons with their
// duties, removes many, and alters the rank, name and duties of many. Unknown
// rank spellings are put to the operator through the correction dialog.
class TFIncExcCol : public QDialog {
    Q_OBJECT
public:
    TFIncExcCol(Sistema& s, JanelaCorrigePstGrd& correcao, QWidget* pai = nullptr);

    // Closing, however it happens: the rank models learnt are saved and the
    // seniority reminder follows an inclusion.
    void done(int resultado) override;

protected:
    // Activation: colours, no operation chosen, the work controls hidden.
    void showEvent(QShowEvent* evento) override;
    void paintEvent(QPaintEvent* evento) override;

private:
    void Escolhe(OperacaoColetiva operacao);
    void EscondeTrabalho();
    void Incluir();
    void Alterar();
    void Excluir();
    void Agrupar();
    void ExecutarDeNovo();
    // Runs an inclusion or an alteration of the work grid's rows and shows
    // the rejected ones.
    void Executa(const std::function<QList<LinhaColetiva>(const QList<LinhaColetiva>&)>& operacao);
    void MostraRelacao();
    QList<int> Selecionados() const;
    void CliqueNaGrade(int coluna);

    Sistema& sis;
    CadastroColetivo cadastro;
    std::array<QRadioButton*, 3> itens{};
    QButtonGroup* grupo;
    QTableWidget* sgPesPcp;
    QTableWidget* sgPesAux;
    QListWidget* listBox6;
    QPushButton* bExecutar;
    QPushButton* button6;
    QPushButton* button5;
    QPushButton* button7;
    QPushButton* bExecDenovo;
    QWidget* areaRelacao;
    bool relacaoVisivel = false;
};
