#pragma once

#include <QWidget>

class JanelasEscala;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QScrollArea;
class QTableWidget;
struct Sistema;

// The "Escalar Manual" tab: the end day, "Preparar Grade", the grid of duties
// by days with its cell editor, "Verificar", "Escalar", "Desfazer", the
// verification's messages and their printing. It forwards the operator's
// actions to the manual roster workflow and shows the state it leaves
// (s.Manual).
class TFAbaEscalarManual : public QWidget {
    Q_OBJECT
public:
    // Builds the tab inside area; janelas shows the daily quantity table.
    TFAbaEscalarManual(Sistema& s, QWidget* area, JanelasEscala& janelas);

    void Sincroniza();

signals:
    // A commit changed the last roster date.
    void UltimaEscalaMudou();

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    void Reinicia();
    void Prepara();
    void Verifica();
    void Escala();
    void ClicaCelula(int linha, int coluna);
    // "Grade" or "Mensagens" became checked.
    void Imprime(bool grade);
    // Runs an operation of the workflow: a failure is shown, then the tab.
    template <typename Operacao> bool Executa(Operacao&& operacao);

    Sistema& sis;
    JanelasEscala& janelas;
    QLabel* label53;
    QLineEdit* edit6;
    QPushButton* button10;
    QPushButton* button11;
    QPushButton* button12;
    QPushButton* button14;
    QLabel* label57;
    QScrollArea* scrollBox1;
    QTableWidget* sGGradeSv;
    QLineEdit* edit7;
    QLabel* label55;
    QListWidget* listBox4;
    QRadioButton* radioButton5;
    QRadioButton* radioButton6;
    bool sincronizando = false;
};
