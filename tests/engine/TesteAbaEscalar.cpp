#include "engine/JanelasEscalaQt.h"
#include "engine/TFAbaEscalarAutomatico.h"
#include "engine/TFAvisoVerificar.h"
#include "engine/TFEscVm.h"
#include "engine/TFExplicacaoVaga.h"
#include "shell/Inicio.h"
#include "shell/TFPrincipal.h"
#include "support/AmbienteTeste.h"
#include "support/ApoioEscala.h"
#include "support/ApoioTelas.h"
#include "support/JanelaPrincipal.h"
#include "support/Registro.h"
#include "support/RoteiroModal.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <memory>

namespace {

// The main window on a small register, shown on "Escalar Automático". The last
// roster date is Sunday 10/03/24; the period runs to the end of March, with
// Saturdays and Sundays red.
struct Aba : JanelaPrincipal {
    explicit Aba(int quantGuarda = 1)
        : JanelaPrincipal([quantGuarda](AmbienteTeste& a) { RegistroPequeno(a, quantGuarda); }) {
        aba = p->AbaEscalar();
        Mostra(QStringLiteral("TabSheet3"));
    }
    template <typename T = QWidget> T* C(const QString& nome) { return Controle<T>(aba, nome); }
    void Digita(const QString& dia) {
        QTest::mouseClick(C<QLineEdit>("Edit1"), Qt::LeftButton);
        QTest::keyClicks(C<QLineEdit>("Edit1"), dia);
    }
    QStringList Lista(const QString& nome) { return Itens(C<QListWidget>(nome)); }
    TFAbaEscalarAutomatico* aba = nullptr;
};

// "Verificar" on a register that leaves a slot unfilled: the quantities go
// on, the notice is closed.
void VerificaComVaga(Aba& t) {
    RoteiroModal roteiro;
    roteiro.Quando("FQuantMilSvDia", [](QWidget* w) { Clica(w, "Continuar"); })
        .Quando("FAviso", [](QWidget* w) { Clica(w, "BSair"); });
    QTest::mouseClick(t.C<QPushButton>("Button6"), Qt::LeftButton);
    QVERIFY(roteiro.Cumprido());
}

} // namespace

// The "Escalar Automático" tab driven as the operator drives it.
class TesteAbaEscalar : public QObject {
    Q_OBJECT
private slots:
    void verificar_prever_e_escalar() {
        Aba t;
        t.Digita("13/03/24");
        QVERIFY(t.C("BEscVmEsp")->isVisible());
        RoteiroModal roteiro;
        roteiro.Quando("FQuantMilSvDia", [](QWidget* w) { Clica(w, "Continuar"); })
            .Quando("FRetiraAlguem", [](QWidget* w) { Clica(w, "RadioButton2"); });
        QTest::mouseClick(t.C<QPushButton>("Button6"), Qt::LeftButton);
        QVERIFY(roteiro.Cumprido());
        const QStringList escala = t.Lista("ListBox2");
        QCOMPARE(escala.mid(0, 4), QStringList({"     ", QString(15, ' ') + "11/03/24 (Pt)",
                                                "     Of Dia:  3-M3  ", "     Guarda:  6-M6  "}));
        QCOMPARE(escala.size(), 12);
        QVERIFY(t.C("BEscalar")->isVisible());
        QVERIFY(!t.C("Button6")->isVisible());
        QVERIFY(!t.C("BPrever")->isVisible());
        QVERIFY(t.C("BDesfazer")->isVisible());
        QVERIFY(!t.C("Edit1")->isEnabled());

        QTest::mouseClick(t.C<QPushButton>("BEscalar"), Qt::LeftButton);
        QCOMPARE(t.a.Coluna("Hist", "Dia").size(), 6);
        QCOMPARE(t.a.Coluna("Hist", "Num").mid(0, 2), QStringList({"3 ", "6 "}));
        QCOMPARE(t.a.sis->pasta.LeUltimaEscala(), D(13, 3, 2024));
        QStringList contadores = t.a.Coluna("Sv1", "Pt");
        contadores.sort();
        QCOMPARE(contadores, QStringList({"1", "1", "1"}));
        QCOMPARE(t.C<QLabel>("LUltimaEscala")->text(), QStringLiteral("13/03/24"));
        QVERIFY(t.C("Button6")->isVisible());
        QVERIFY(!t.C("BEscalar")->isVisible());
        QCOMPARE(t.Lista("ListBox2"), escala); // kept for printing
        QVERIFY(t.a.dialogos.ScriptCumprido());
    }

    // A double click on an error line shows why nobody took that slot; the
    // forecast's lists stay as they were.
    void explicacao_de_um_erro() {
        Aba t(4);
        t.Digita("13/03/24");
        VerificaComVaga(t);
        auto* erros = t.C<QListWidget>("ListBox5");
        const QStringList antes = t.Lista("ListBox5");
        QVERIFY(!antes.isEmpty());
        const QRect lugar = erros->visualItemRect(erros->item(0));
        // A double click: press and release, then the second press.
        QTest::mouseClick(erros->viewport(), Qt::LeftButton, {}, lugar.center());
        QTest::mouseDClick(erros->viewport(), Qt::LeftButton, {}, lugar.center());
        TFExplicacaoVaga* janela = t.aba->Explicacao();
        QVERIFY(janela->isVisible());
        QCOMPARE(janela->windowTitle(), QStringLiteral("Por que ninguém foi escalado?"));
        QCOMPARE(Controle<QLabel>(janela, "LErro")->text(), antes.first());
        const QStringList membros = Itens(Controle<QListWidget>(janela, "LBMembros"));
        QCOMPARE(membros.size(), 3);
        for (const QString& m : membros)
            QVERIFY2(m.endsWith(": já está escalado neste dia"), qPrintable(m));
        QCOMPARE(t.Lista("ListBox5"), antes);
        Clica(janela, "BFechar");
        QVERIFY(!janela->isVisible());
    }

    // A slot left unfilled: the notice and the reminder; the next "Verificar"
    // opens the red choices with "Erro" on that duty and asks for one more.
    void vaga_sem_militar() {
        Aba t(4); // the guard needs 4 persons a day and has 3
        t.Digita("13/03/24");
        VerificaComVaga(t);
        QVERIFY(t.Lista("ListBox5").first().startsWith("*** Erro*** - número insuficiente"));
        QVERIFY(t.aba->Janelas().FAvisoVerificar->isVisible());
        QVERIFY(t.a.sis->MontarVermelhaAntes);

        QString erro;
        RoteiroModal segunda;
        segunda.Quando("FEscVm", [&erro](QWidget* w) {
            erro = w->findChild<QTableWidget*>("SGEscVm")->item(2, 3)->text();
            Clica(w, "Button3");
        });
        QTest::mouseClick(t.C<QPushButton>("Button6"), Qt::LeftButton);
        QVERIFY(segunda.Cumprido());
        QCOMPARE(erro, QStringLiteral("Erro"));
        QVERIFY(t.C("Button6")->isVisible());
        QVERIFY(t.C("Edit1")->isEnabled());
        QVERIFY(t.Lista("ListBox2").isEmpty());
        QVERIFY(t.aba->Janelas().FAvisoVerificar->isVisible());
    }

    // The moment the decision or the notice opens, the tab already shows the
    // forecast: the three lists as the workflow left them and visible, the
    // wait panel hidden (also while the daily quantities are typed), "Escala
    // Vm" hidden and "Desfazer" shown.
    void forecast_visivel_quando_a_janela_abre_data() {
        QTest::addColumn<int>("quantGuarda");
        QTest::addColumn<QString>("janela");
        QTest::addColumn<QString>("sair");
        QTest::newRow("decisão") << 1 << "FRetiraAlguem"
                                 << "RadioButton3";
        QTest::newRow("aviso") << 4 << "FAviso"
                               << "BSair";
    }
    void forecast_visivel_quando_a_janela_abre() {
        QFETCH(int, quantGuarda);
        QFETCH(QString, janela);
        QFETCH(QString, sair);
        Aba t(quantGuarda);
        t.Digita("13/03/24");
        QStringList escala, erros, alertas, visiveis;
        bool painelNasQuantidades = true;
        RoteiroModal roteiro;
        roteiro
            .Quando("FQuantMilSvDia",
                    [&](QWidget* w) {
                        painelNasQuantidades = t.C("PAvisoAguarde")->isVisible();
                        Clica(w, "Continuar");
                    })
            .Quando(janela, [&](QWidget* w) {
                escala = t.Lista("ListBox2");
                erros = t.Lista("ListBox5");
                alertas = t.Lista("ListBox6");
                for (const char* nome : {"ListBox2", "ListBox5", "ListBox6", "PAvisoAguarde",
                                         "BEscVmEsp", "BDesfazer"})
                    if (t.C(nome)->isVisible())
                        visiveis << nome;
                Clica(w, sair);
            });
        QTest::mouseClick(t.C<QPushButton>("Button6"), Qt::LeftButton);
        QVERIFY(roteiro.Cumprido());
        QVERIFY(!painelNasQuantidades);
        QCOMPARE(visiveis, QStringList({"ListBox2", "ListBox5", "BDesfazer"}));
        QVERIFY(escala.size() > 2);
        QCOMPARE(escala, t.a.sis->ListBox2);
        QCOMPARE(erros, t.a.sis->ListBox5);
        QCOMPARE(alertas, t.a.sis->ListBox6);
        QCOMPARE(erros.isEmpty(), janela == "FRetiraAlguem");
    }

    // "Escala Vm" before "Verificar": "Não" for the officer's duty holds for
    // that verification (only the guard's persons are reserved for their red
    // days), and the focus is back in "Escalar até:", where the day is typed.
    void escala_vm_antes_de_verificar() {
        Aba t;
        QTest::mouseClick(t.C<QLineEdit>("Edit1"), Qt::LeftButton);
        {
            RoteiroModal escolha;
            escolha.Quando("FEscVmEsp", [](QWidget* w) {
                ClicaCelula(Controle<QTableWidget>(w, "SGEscVmEsp"), 1, 2);
                Clica(w, "Button1");
            });
            QTest::mouseClick(t.C<QPushButton>("BEscVmEsp"), Qt::LeftButton);
            QVERIFY(escolha.Cumprido());
        }
        QVERIFY(!t.C("BEscVmEsp")->isVisible());
        QCOMPARE(t.p->focusWidget(), t.C("Edit1"));
        for (const char c : QByteArray("17/03/24"))
            QTest::keyClick(t.p->windowHandle(), c);
        QCOMPARE(t.C<QLineEdit>("Edit1")->text(), QStringLiteral("17/03/24"));

        QStringList reservados;
        RoteiroModal verificacao;
        verificacao.Quando("FQuantMilSvDia", [](QWidget* w) { Clica(w, "Continuar"); })
            .Quando("FRetiraAlguem", [&](QWidget* w) {
                const Sistema& s = *t.a.sis;
                for (int i = 1; i <= MaxSgte && !s.VetSgte[i].Num.isEmpty(); ++i)
                    reservados << s.VetSgte[i].Num;
                Clica(w, "RadioButton3");
            });
        QTest::mouseClick(t.C<QPushButton>("Button6"), Qt::LeftButton);
        QVERIFY(verificacao.Cumprido());
        QCOMPARE(t.a.sis->SGEscVm.Cel(2, 1), QStringLiteral("X"));
        QVERIFY(!reservados.isEmpty());
        for (const QString& num : reservados)
            QVERIFY2(QStringList({"4", "5", "6"}).contains(num), qPrintable(num));
    }

    void desfazer_descarta() {
        Aba t;
        t.Digita("13/03/24");
        RoteiroModal roteiro;
        roteiro.Quando("FQuantMilSvDia", [](QWidget* w) { Clica(w, "Continuar"); })
            .Quando("FRetiraAlguem", [](QWidget* w) { Clica(w, "RadioButton3"); });
        QTest::mouseClick(t.C<QPushButton>("Button6"), Qt::LeftButton);
        QVERIFY(roteiro.Cumprido());
        QTest::mouseClick(t.C<QPushButton>("BDesfazer"), Qt::LeftButton);
        QVERIFY(t.Lista("ListBox2").isEmpty());
        QVERIFY(t.C("Button6")->isVisible());
        QVERIFY(!t.C("BDesfazer")->isVisible());
        QVERIFY(t.a.Coluna("Hist", "Dia").isEmpty());
    }

    void erros_e_alertas() {
        Aba t;
        QTest::mouseClick(t.C<QPushButton>("Button13"), Qt::LeftButton);
        QVERIFY(t.C("ListBox6")->isVisible());
        QVERIFY(!t.C("ListBox5")->isVisible());
        QTest::mouseClick(t.C<QPushButton>("Button5"), Qt::LeftButton);
        QVERIFY(t.C("ListBox5")->isVisible());
        QVERIFY(!t.C("ListBox6")->isVisible());
    }
};
REGISTRA_TESTE(TesteAbaEscalar)
#include "TesteAbaEscalar.moc"
