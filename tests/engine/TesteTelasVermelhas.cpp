#include "engine/JanelasSemTela.h"
#include "engine/PrevisaoVermelha.h"
#include "engine/TFAviso.h"
#include "engine/TFAvisoVerificar.h"
#include "engine/TFEscVm.h"
#include "engine/TFEscVmEsp.h"
#include "support/AmbienteTeste.h"
#include "support/ApoioEscala.h"
#include "support/ApoioTelas.h"
#include "support/Registro.h"

#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

namespace {

// Three duties and a fourth in slot 12, so that a single two-digit code is
// seen as one duty.
void TresServicos(AmbienteTeste& a) {
    a.Servico(1, "Of Dia");
    a.Servico(2, "Sgt Dia");
    a.Servico(3, "Guarda");
    a.Servico(12, "Rancho");
}

// "num:1,2,3": person num in duties 1, 2 and 3 (registered in that order).
void Membros(AmbienteTeste& a, const QStringList& pessoas) {
    int antig = 1;
    for (const QString& p : pessoas) {
        const QString num = p.section(':', 0, 0);
        a.Militar(num, "M" + num, antig++);
        for (const QString& sv : p.section(':', 1).split(',', Qt::SkipEmptyParts))
            a.Membro(sv.toInt(), num);
    }
    CarregaVetBas(*a.sis, Banco::Principal);
}

// Row k of a choice grid, columns 1 to 3.
QStringList Linha(const GradeTexto& g, int k) {
    return {g.Cel(1, k), g.Cel(2, k), g.Cel(3, k)};
}
QStringList Linha(const QTableWidget* t, int k) {
    return {t->item(k, 1)->text(), t->item(k, 2)->text(), t->item(k, 3)->text()};
}
void DefineLinha(GradeTexto& g, int k, const QStringList& celulas) {
    for (int c = 1; c <= 3; ++c)
        g.DefineCel(c, k, celulas[c - 1]);
}

const QStringList sim = {"X", "", ""};
const QStringList nao = {"", "X", ""};

} // namespace

// The red-day choice dialogs, the notice after a failed forecast and the
// reminder to verify again.
class TesteTelasVermelhas : public QObject {
    Q_OBJECT
private slots:
    // Opening FEscVm: the choices are refilled at "Sim" (keeping the "Erro"
    // marks) only when asked to and not chosen beforehand; the sibling list is
    // rebuilt whenever the choices are to be refilled.
    void abertura_data() {
        QTest::addColumn<bool>("iniciar");
        QTest::addColumn<bool>("editada");
        QTest::addColumn<QStringList>("linha2");
        QTest::addColumn<bool>("irmaosRefeitos");
        QTest::newRow("nova escalação") << true << false << QStringList({"X", "", "Erro"}) << true;
        QTest::newRow("segunda abertura")
            << false << false << QStringList({"", "X", "Erro"}) << false;
        QTest::newRow("pré-escolha editada")
            << true << true << QStringList({"", "X", "Erro"}) << true;
    }
    void abertura() {
        QFETCH(bool, iniciar);
        QFETCH(bool, editada);
        QFETCH(QStringList, linha2);
        QFETCH(bool, irmaosRefeitos);
        AmbienteTeste a;
        TresServicos(a);
        Membros(a, {"1:1,2", "2:1,2"});
        Sistema& s = *a.sis;
        CarregaVetSv(s, Banco::Principal); // as the main window's refresh leaves it
        DefineLinha(s.SGEscVm, 2, {"", "X", "Erro"});
        s.IniciarEscolhaVm = iniciar;
        s.EscolhaVmEditada = editada;
        s.Memo2EscVm = {"antiga"};

        TFEscVm t(s);
        t.show();
        QCOMPARE(t.windowTitle(), QStringLiteral("Escalar Vermelha Antes?"));
        auto* grade = t.findChild<QTableWidget*>("SGEscVm");
        QCOMPARE(grade->columnCount(), 4);
        QCOMPARE(grade->rowCount(), 31);
        QCOMPARE(Linha(grade, 0), QStringList({"Sim", "Não", "Erro"}));
        QCOMPARE(Linha(s.SGEscVm, 2), linha2);
        QCOMPARE(Linha(grade, 2), linha2);
        QVERIFY(!s.IniciarEscolhaVm);
        if (iniciar && !editada) {
            QCOMPARE(grade->item(1, 0)->text(), QStringLiteral("Of Dia"));
            QCOMPARE(grade->item(12, 0)->text(), QStringLiteral("Rancho"));
            for (int k : {1, 4, 30}) // defined or not, every row starts at "Sim"
                QCOMPARE(Linha(s.SGEscVm, k), sim);
        }
        const QStringList irmaos = {"Serviços Irmãos desta Escalação", "", "",
                                    "1.  Of Dia + Sgt Dia", " "};
        QCOMPARE(s.Memo2EscVm, irmaosRefeitos ? irmaos : QStringList({"antiga"}));
        QCOMPARE(t.findChild<QPlainTextEdit*>("Memo2")->toPlainText(), s.Memo2EscVm.join('\n'));
        QCOMPARE(t.findChild<QPlainTextEdit*>("Memo1")->toPlainText().split('\n').size(), 22);

        auto* sair = t.findChild<QPushButton*>("Button3");
        QCOMPARE(sair->text(), QStringLiteral("Sair"));
        sair->click();
        QVERIFY(t.isHidden());
        QCOMPARE(Linha(s.SGEscVm, 2), linha2); // closing keeps the choices
    }

    // A click in FEscVm: "Sim" and "Não" exclude each other, every click clears
    // the row's "Erro", the headers and the duty names take no click.
    void cliques_data() {
        QTest::addColumn<QStringList>("antes");
        QTest::addColumn<int>("linha");
        QTest::addColumn<int>("coluna");
        QTest::addColumn<QStringList>("depois");
        const QStringList naoErro = {"", "X", "Erro"};
        QTest::newRow("Sim numa linha Não") << naoErro << 2 << 1 << sim;
        QTest::newRow("Não numa linha Sim") << QStringList({"X", "", "Erro"}) << 2 << 2 << nao;
        QTest::newRow("Sim de novo") << sim << 2 << 1 << sim;
        QTest::newRow("clique no Erro") << naoErro << 2 << 3 << nao;
        QTest::newRow("última linha") << naoErro << 30 << 1 << sim;
        QTest::newRow("nome do serviço") << naoErro << 2 << 0 << naoErro;
        QTest::newRow("cabeçalho") << naoErro << 0 << 2 << naoErro;
    }
    void cliques() {
        QFETCH(QStringList, antes);
        QFETCH(int, linha);
        QFETCH(int, coluna);
        QFETCH(QStringList, depois);
        AmbienteTeste a;
        TresServicos(a);
        Sistema& s = *a.sis;
        s.IniciarEscolhaVm = false;
        const int k = linha == 0 ? 2 : linha;
        DefineLinha(s.SGEscVm, k, antes);
        TFEscVm t(s);
        t.show();
        auto* grade = t.findChild<QTableWidget*>("SGEscVm");
        ClicaCelula(grade, linha, coluna);
        QCOMPARE(Linha(s.SGEscVm, k), depois);
        QCOMPARE(Linha(grade, k), depois);
        QCOMPARE(Linha(s.SGEscVm, 0), QStringList({"Sim", "Não", "Erro"}));
    }

    // FEscVmEsp: a click makes the choices the operator's own; closing, in any
    // way, copies every cell into SGEscVm, and the next opening of FEscVm at a
    // new roster keeps them.
    void pre_escolha_data() {
        QTest::addColumn<QString>("fecho");
        QTest::newRow("Sair") << "Sair";
        QTest::newRow("janela fechada") << "fechar";
        QTest::newRow("Esc") << "Esc";
    }
    void pre_escolha() {
        QFETCH(QString, fecho);
        AmbienteTeste a;
        TresServicos(a);
        Sistema& s = *a.sis;
        CarregaVetSv(s, Banco::Principal);
        DefineLinha(s.SGEscVm, 3, {"X", "", "Erro"}); // left by an earlier forecast
        s.SGEscVm.DefineCel(0, 20, "velho");

        TFEscVmEsp e(s);
        e.show();
        QCOMPARE(e.windowTitle(), QStringLiteral("Montar as Escalas Vermelhas Antes?"));
        QCOMPARE(e.findChild<QLabel*>("Label1")->text(), QStringLiteral("AVISO:"));
        QCOMPARE(e.findChild<QPlainTextEdit*>("Memo1")->toPlainText(),
                 OrientacaoEscolhaVm().join('\n'));
        auto* grade = e.findChild<QTableWidget*>("SGEscVmEsp");
        QCOMPARE(Linha(grade, 0), QStringList({"Sim", "Não", "Erro"}));
        QCOMPARE(grade->item(2, 0)->text(), QStringLiteral("Sgt Dia"));
        QCOMPARE(Linha(grade, 2), sim);

        ClicaCelula(grade, 2, 0); // the duty's name: not a choice
        QVERIFY(!s.EscolhaVmEditada);
        ClicaCelula(grade, 2, 2);
        QVERIFY(s.EscolhaVmEditada);
        QCOMPARE(Linha(grade, 2), nao);

        if (fecho == "Sair")
            e.findChild<QPushButton*>("Button1")->click();
        else if (fecho == "fechar")
            e.close();
        else
            QTest::keyClick(&e, Qt::Key_Escape);
        QVERIFY(e.isHidden());
        for (int r = 0; r <= 30; ++r)
            for (int c = 0; c <= 3; ++c)
                QCOMPARE(s.SGEscVm.Cel(c, r), s.SGEscVmEsp.Cel(c, r));
        QCOMPARE(Linha(s.SGEscVm, 3), sim); // the old "Erro" went with the copy
        QCOMPARE(s.SGEscVm.Cel(0, 20), QString());

        // Reopened, the pre-choice keeps the operator's marks.
        e.show();
        QCOMPARE(Linha(grade, 2), nao);
        e.accept();

        // The red phase's opening of FEscVm does not overwrite them.
        s.IniciarEscolhaVm = true;
        AbreEscolhaVm(s);
        QCOMPARE(Linha(s.SGEscVm, 2), nao);
        QCOMPARE(Linha(s.SGEscVm, 1), sim);
    }

    // The sibling duties: one line per distinct list of two duties or more,
    // in personnel order.
    void irmaos_data() {
        QTest::addColumn<QStringList>("pessoas");
        QTest::addColumn<QStringList>("grupos");
        QTest::newRow("dois nos mesmos três")
            << QStringList({"1:1,2,3", "2:1,2,3"}) << QStringList({"Of Dia + Sgt Dia + Guarda"});
        QTest::newRow("um serviço só") << QStringList({"1:1", "2:12", "3:"}) << QStringList();
        QTest::newRow("repetidas uma vez, na ordem do pessoal")
            << QStringList({"1:2,3", "2:1,2,3", "3:1", "4:2,3", "5:1,2,3"})
            << QStringList({"Sgt Dia + Guarda", "Of Dia + Sgt Dia + Guarda"});
        QTest::newRow("código de dois dígitos")
            << QStringList({"1:1,12", "2:12"}) << QStringList({"Of Dia + Rancho"});
    }
    void irmaos() {
        QFETCH(QStringList, pessoas);
        QFETCH(QStringList, grupos);
        AmbienteTeste a;
        TresServicos(a);
        Membros(a, pessoas);
        Sistema& s = *a.sis;
        s.Memo2EscVm = {"antiga"};
        ListaServicosIrmaos(s);
        QStringList esperado = {"Serviços Irmãos desta Escalação", "", ""};
        for (int n = 0; n < grupos.size(); ++n)
            esperado << QString::number(n + 1) + ".  " + grupos[n] << " ";
        QCOMPARE(s.Memo2EscVm, esperado);
    }

    // The choice decides the red phase: at "Sim" the person due on the red day
    // is reserved (kept off every duty on the rest days before it and off the
    // other duties on the day), at "Não" nobody is.
    void escolha_decide_reserva_data() {
        QTest::addColumn<QStringList>("escolha");
        QTest::addColumn<bool>("reserva");
        QTest::newRow("Sim") << sim << true;
        QTest::newRow("Não") << nao << false;
    }
    void escolha_decide_reserva() {
        QFETCH(QStringList, escolha);
        QFETCH(bool, reserva);
        // Last roster Sunday 10/03/24; Saturday 16/03 is the only red day.
        AmbienteTeste a;
        const Data sabado = D(16, 3, 2024);
        a.sis->pasta.GravaUltimaEscala(D(10, 3, 2024));
        a.sis->pasta.GravaLinhas("SemExped.Txt", {sabado.Texto()});
        a.Servico(1, "Of Dia", 1, 2);
        a.Servico(2, "Sgt Dia", 1, 2);
        a.Militar("1", "UM", 1);
        a.Militar("2", "DOIS", 2);
        a.Militar("3", "TRES", 3);
        a.Membro(1, "1", 0, 0);
        a.Membro(1, "2", 0, 1);
        a.Membro(2, "3");
        Sistema& s = *a.sis;
        CarregaVetBas(s, Banco::Principal);
        PreparaEscala(a, sabado, true);
        s.IniciarEscolhaVm = false;
        DefineLinha(s.SGEscVm, 1, escolha);
        DefineLinha(s.SGEscVm, 2, nao);
        JanelasSemTela janelas(s);
        PrevisaoVermelha(s, janelas);
        QCOMPARE(janelas.escolhasVm, 0);
        if (!reserva) {
            QCOMPARE(s.VetSgte[1].Num, QString());
            return;
        }
        const TipoVetSgte& antes = s.VetSgte[1];
        const TipoVetSgte& noDia = s.VetSgte[2];
        QCOMPARE(antes.Num, QStringLiteral("1"));
        QCOMPARE(antes.Sv[1], 1);
        QCOMPARE(antes.Sv[2], 2);
        QCOMPARE(antes.Datas[1], sabado - 1);
        QCOMPARE(antes.Datas[2], sabado - 2);
        QVERIFY(antes.Datas[3].Zero());
        QCOMPARE(noDia.Num, QStringLiteral("1"));
        QCOMPARE(noDia.Sv[1], 0);
        QCOMPARE(noDia.Sv[2], 2);
        QCOMPARE(noDia.Datas[1], sabado);
        QCOMPARE(s.VetSgte[3].Num, QString());
    }

    // The notice: its texts, and the short reminder that covers the full text
    // once the operator has read it.
    void aviso() {
        TFAviso t;
        QCOMPARE(t.windowTitle(), QStringLiteral(" "));
        QCOMPARE(t.findChild<QLabel*>("Label1")->text(), QStringLiteral("Aviso:"));
        auto* sair = t.findChild<QPushButton*>("BSair");
        QCOMPARE(sair->text(), QStringLiteral("Sair"));
        auto* aviso = t.findChild<QPlainTextEdit*>("QAviso");
        auto* aux = t.findChild<QPlainTextEdit*>("QAvisoAux");
        const QStringList linhas = aviso->toPlainText().split('\n');
        QCOMPARE(linhas.size(), 22);
        QCOMPARE(linhas[1], QStringLiteral("      Como há poucos militares por posto,  a Escala "
                                           "Vermelha   não pode  ser"));
        QCOMPARE(linhas[7], QString(45, ' ') + "Observações:");
        QCOMPARE(linhas[10], QStringLiteral(" da Preta;  "));
        QCOMPARE(linhas.mid(14, 3),
                 QStringList({"", "", QString(22, ' ') + "========   IMPORTANTE    ========="}));
        QCOMPARE(linhas.mid(18),
                 QStringList({"    Ao sair deste Quadro de Aviso, clicar novamente no botão  "
                              "[  Verificar ] ",
                              "", " ", "     "}));
        const QStringList lembrete = aux->toPlainText().split('\n');
        QCOMPARE(lembrete,
                 QStringList({"    ", "      ", "",
                              QString(20, ' ') + "========   IMPORTANTE    =========", "", "", "",
                              QString(29, ' ') + "Ao sair deste Quadro de Aviso, ", "", "",
                              QString(20, ' ') + "clicar novamente no botão  [  Verificar ] ", "",
                              " ", "     "}));
        QVERIFY(aux->isHidden());

        // Shown modally with only the reminder; "Sair" closes it.
        bool conferido = false;
        QTimer::singleShot(0, this, [&] {
            QCOMPARE(QApplication::activeModalWidget(), &t);
            QVERIFY(aux->isVisible());
            QCOMPARE(aux->geometry(), aviso->geometry());
            const QWidget* frente = t.childAt(aviso->geometry().center());
            QVERIFY(frente == aux || aux->isAncestorOf(frente));
            conferido = true;
            sair->click();
        });
        t.MostraAviso(true);
        QVERIFY(conferido);
        QVERIFY(t.isHidden());

        // Shown again in full.
        conferido = false;
        QTimer::singleShot(0, this, [&] {
            QVERIFY(aviso->isVisible());
            QVERIFY(aux->isHidden());
            conferido = true;
            sair->click();
        });
        t.MostraAviso(false);
        QVERIFY(conferido);
    }

    // The reminder: where it shows, what it says, and its first label after it
    // closes, in whatever way.
    void lembrete_data() {
        QTest::addColumn<QString>("fecho");
        QTest::newRow("fechado") << "fechar";
        QTest::newRow("Esc") << "Esc";
        QTest::newRow("já escondido") << "escondido";
    }
    void lembrete() {
        QFETCH(QString, fecho);
        QWidget principal;
        principal.resize(600, 400);
        principal.move(100, 80);
        auto* verificar = new QPushButton("Verificar", &principal);
        verificar->setGeometry(120, 40, 90, 30);
        principal.show();
        TFAvisoVerificar l(&principal);
        QCOMPARE(l.windowTitle(), QString(31, ' ') + "AVISO:");
        auto* label1 = l.findChild<QLabel*>("Label1");
        QCOMPARE(label1->text(), QStringLiteral("Clicar no botão "));
        QCOMPARE(l.findChild<QLabel*>("Label2")->text(), QStringLiteral("VERIFICAR"));
        QCOMPARE(l.findChild<QLabel*>("Label3")->text(), QStringLiteral("(acima)"));
        l.TrazParaFrente(); // not showing: stays hidden
        QVERIFY(l.isHidden());

        l.Mostra(verificar, QStringLiteral("Clicar novamente no botão"));
        QVERIFY(l.isVisible());
        QVERIFY(!l.isModal());
        // Right below the button it points at.
        QCOMPARE(l.pos(), verificar->mapToGlobal(QPoint(0, 30)));
        QCOMPARE(label1->text(), QStringLiteral("Clicar novamente no botão"));
        l.TrazParaFrente();
        QVERIFY(l.isVisible());

        if (fecho == "fechar") {
            l.close();
        } else if (fecho == "Esc") {
            QTest::keyClick(&l, Qt::Key_Escape);
        } else {
            l.hide();
            l.close();
        }
        QVERIFY(l.isHidden());
        QCOMPARE(label1->text(), QStringLiteral("Clicar no botão"));

        // Moved with the main window; an empty caption keeps the one it has.
        principal.move(40, 30);
        l.Mostra(verificar, QStringLiteral("Clicar no botão "));
        QCOMPARE(l.pos(), verificar->mapToGlobal(QPoint(0, 30)));
        QCOMPARE(label1->text(), QStringLiteral("Clicar no botão "));
        l.Mostra(verificar, QString());
        QCOMPARE(label1->text(), QStringLiteral("Clicar no botão "));
    }
};

REGISTRA_TESTE(TesteTelasVermelhas)
#include "TesteTelasVermelhas.moc"
