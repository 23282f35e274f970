#pragma once

#include "maintenance/EdicaoTabelas.h"

#include <QDialog>
#include <memory>

class JanelaCorrigePstGrd;
class QFrame;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTableView;
class TFCorrigePstGrd;
class TFEscolherSv;
struct Sistema;

// FEditaTabelas, "Edição das Tabelas do sistema": the duty, personnel and
// rotation tables in a grid, corrected in place, and the situation of a duty's
// members, which can be printed.
class TFEditaTabelas : public QDialog {
    Q_OBJECT
public:
    TFEditaTabelas(Sistema& s, QWidget* pai = nullptr);
    ~TFEditaTabelas() override;

    // The duty chooser of views 3 and 4.
    TFEscolherSv* Escolha() const { return escolha; }
    // The correction dialog of an unknown rank spelling on closing (the
    // screen's own until another is given).
    void DefineCorrecao(JanelaCorrigePstGrd& janela) { correcao = &janela; }
    const EdicaoTabelas& Edicao() const { return edicao; }

    // Closing posts a pending edit first; a refused one keeps the screen open.
    void done(int resultado) override;

signals:
    // "Ajuda": the manual at this section.
    void ManualPedido(const QString& codigo);

protected:
    // Activation: colours; the chosen-view mark, the duty, the note, printing
    // and the search controls hidden.
    void showEvent(QShowEvent* evento) override;
    bool eventFilter(QObject* objeto, QEvent* evento) override;
    void resizeEvent(QResizeEvent* evento) override;

private:
    void Opcao(int n);
    void Liga();
    void MostraPesquisa(bool visivel);
    // Runs a search of view 2; its result cannot be edited.
    template <typename Acao> void Pesquisa(Acao&& acao);
    void Navega(int passo);
    bool Grava();
    void Cancela();
    void Atualiza();
    void Apaga();
    void Imprime();
    void MarcaOpcao();

    Sistema& sis;
    EdicaoTabelas edicao;
    TFEscolherSv* escolha;
    TFCorrigePstGrd* correcaoPropria;
    JanelaCorrigePstGrd* correcao;
    QLabel* opcoes[5]{}; // 1..4: Label2, Label1, Label6, Label3
    QLabel* escolhida = nullptr;
    QFrame* bevel1;
    QLabel* label4;
    QLabel* label5;
    QPlainTextEdit* memo1;
    QPushButton* button8;
    QList<QWidget*> pesquisa; // the search controls
    QLineEdit* edit1;
    QLineEdit* edit2;
    QTableView* dbgEditor;
    QWidget* dbnEditor;
    QList<QPushButton*> edicaoBotoes; // edit, post, cancel
    QPushButton* bitBtn1;
    bool voltando = false;
};
