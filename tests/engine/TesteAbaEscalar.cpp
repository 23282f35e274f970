#include "engine/JanelasEscalaQt.h"
#include "engine/TFAbaEscalarAutomatico.h"
#include "engine/TFAvisoVerificar.h"
#include "engine/TFEscVm.h"
#include "shell/Inicio.h"
#include "shell/TFPrincipal.h"
#include "support/AmbienteTeste.h"
#include "support/ApoioEscala.h"
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
struct Aba {
    explicit Aba(int quantGuarda = 1) : inicio(a.Pasta(), a.dir.filePath("Aliases.ini")) {
        RegistroPequeno(a, quantGuarda);
        inicio.Prepara(a.relogio.Hoje());
        p = std::make_unique<TFPrincipal>(*a.sis, inicio);
        aba = p->AbaEscalar();
        aba->Janelas().PausaMs = 0;
        p->show();
        p->Atualiza();
        p->Paginas()->setCurrentWidget(p->findChild<QWidget*>("TabSheet3"));
    }
    template <typename T = QWidget> T* C(const QString& nome) {
        T* w = aba->findChild<T*>(nome);
        if (!w)
            qFatal("controle %s não encontrado", qPrintable(nome));
        return w;
    }
    void Digita(const QString& dia) {
        QTest::mouseClick(C<QLineEdit>("Edit1"), Qt::LeftButton);
        QTest::keyClicks(C<QLineEdit>("Edit1"), dia);
    }
    QStringList Lista(const QString& nome) {
        QStringList linhas;
        auto* l = C<QListWidget>(nome);
        for (int i = 0; i < l->count(); ++i)
            linhas << l->item(i)->text();
        return linhas;
    }
    AmbienteTeste a;
    Inicio inicio;
    std::unique_ptr<TFPrincipal> p;
    TFAbaEscalarAutomatico* aba = nullptr;
};

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

    // A slot left unfilled: the notice and the reminder; the next "Verificar"
    // opens the red choices with "Erro" on that duty and asks for one more.
    void vaga_sem_militar() {
        Aba t(4); // the guard needs 4 persons a day and has 3
        t.Digita("13/03/24");
        {
            RoteiroModal roteiro;
            roteiro.Quando("FQuantMilSvDia", [](QWidget* w) { Clica(w, "Continuar"); })
                .Quando("FAviso", [](QWidget* w) { Clica(w, "BSair"); });
            QTest::mouseClick(t.C<QPushButton>("Button6"), Qt::LeftButton);
            QVERIFY(roteiro.Cumprido());
        }
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
