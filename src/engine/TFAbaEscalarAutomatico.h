#pragma once

#include <QWidget>
#include <memory>

class JanelasEscalaQt;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class TFExplicacaoVaga;
class TFImpressao;
struct Sistema;

// The "Escalar Automático" tab: the end day, "Verificar", "Prever",
// "Escalar", "Desfazer", "Escala Vm", the forecast listing and the error and
// alert lists. It forwards the operator's clicks to the roster workflow and
// shows the state the workflow leaves (s.Aba and the lists).
class TFAbaEscalarAutomatico : public QWidget {
    Q_OBJECT
public:
    // Builds the tab inside area.
    TFAbaEscalarAutomatico(Sistema& s, QWidget* area);
    ~TFAbaEscalarAutomatico() override;

    // Shows the workflow's state: the buttons, the end day, the last roster
    // date and the three lists.
    void Sincroniza();
    // The lists take colour slot 3.
    void AplicaCores();
    // The tab became the current one: the priorities are computed again.
    void Mostrada();
    JanelasEscalaQt& Janelas() { return *janelas; }
    // The print form of "Escala".
    TFImpressao* Impressao() const { return fImpressao.get(); }
    // The explanation of an error line (a double click on it).
    TFExplicacaoVaga* Explicacao() const { return fExplicacao; }

signals:
    // A commit changed the last roster date.
    void UltimaEscalaMudou();

protected:
    bool eventFilter(QObject* objeto, QEvent* evento) override;
    void mouseMoveEvent(QMouseEvent* evento) override;

private:
    void Reinicia();
    void Verifica();
    void Preve();
    void Escala();
    void Descarta();
    void EscolheVermelhas();
    // One of the print choices became checked: "Escala" (through the print
    // form), "Erros" or "Alertas".
    void Imprime(QRadioButton* escolha);
    // Runs an operation of the workflow: a failure is shown, then the tab.
    template <typename Operacao> void Executa(Operacao&& operacao);

    Sistema& sis;
    std::unique_ptr<JanelasEscalaQt> janelas;
    QLabel* lUltimaEscala;
    QLineEdit* edit1;
    QPushButton* button6;
    QPushButton* bPrever;
    QPushButton* bEscalar;
    QPushButton* bDesfazer;
    QPushButton* bEscVmEsp;
    QListWidget* listBox2;
    QListWidget* listBox5;
    TFExplicacaoVaga* fExplicacao;
    QListWidget* listBox6;
    QRadioButton* radioButton3;
    QRadioButton* radioButton4;
    QRadioButton* radioButton7;
    QLabel* pAvisoAguarde;
    std::unique_ptr<TFImpressao> fImpressao;
    bool sincronizando = false;
};
