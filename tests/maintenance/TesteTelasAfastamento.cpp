#include "maintenance/TFSaiEscTemp.h"
#include "maintenance/TFVoltaParaEsc.h"
#include "support/AmbienteTeste.h"
#include "support/ApoioTelas.h"
#include "support/Registro.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>

namespace {

const QString semAfastados = QStringLiteral("Não há militares fora da escala");

// The rows of SGPessoal, cells joined by '|'.
QStringList Quadro(const QWidget* tela) {
    auto* g = Controle<QTableWidget>(tela, "SGPessoal");
    QStringList linhas;
    for (int r = 0; r < g->rowCount(); ++r) {
        QStringList celulas;
        for (int c = 0; c < g->columnCount(); ++c)
            celulas << (g->item(r, c) ? g->item(r, c)->text() : QString());
        linhas << celulas.join('|');
    }
    return linhas;
}

// A screen shown offscreen, its activation (and the notice that follows it)
// run.
template <typename T> struct Tela {
    explicit Tela(Sistema& s) : t(s) {
        t.show();
        QApplication::processEvents();
    }
    ~Tela() {
        if (t.isVisible())
            t.done(0);
    }
    QLineEdit* Edit(int i) { return Controle<QLineEdit>(&t, QStringLiteral("Edit%1").arg(i)); }
    void Clica(const char* botao) { Controle<QPushButton>(&t, botao)->click(); }
    T t;
};

QStringList Basico(AmbienteTeste& a) {
    QStringList r;
    for (const QStringList& l : a.Linhas(QStringLiteral("Basico")))
        r << QStringList{l[0], l[3], l[4], l[5]}.join('|');
    return r;
}

} // namespace

// The absence and return screens, driven by their controls.
class TesteTelasAfastamento : public QObject {
    Q_OBJECT
private slots:
    // Recording a planned absence lists it; Basico is written on closing.
    void afastamento() {
        AmbienteTeste a;
        a.Militar("1", "Ana");
        a.Militar("2", "Bia");
        a.dialogos.EsperaAviso(semAfastados);
        Tela<TFSaiEscTemp> tela(*a.sis);
        QVERIFY(a.dialogos.ScriptCumprido());
        QVERIFY(Controle<QRadioButton>(&tela.t, "RBReal")->isChecked());
        QVERIFY(!Controle<QPushButton>(&tela.t, "Button3")->isVisible());

        tela.Edit(1)->setText("2");
        tela.Edit(2)->setText("10/03/10");
        tela.Edit(3)->setText("20/03/10");
        Controle<QRadioButton>(&tela.t, "RBPrev")->setChecked(true);
        tela.Clica("Button1");
        QCOMPARE(Quadro(&tela.t), QStringList({"2|Bia|10/03/10|20/03/10|P"}));
        for (int i = 1; i <= 3; ++i)
            QVERIFY(tela.Edit(i)->text().isEmpty());
        QCOMPARE(Basico(a), QStringList({"1|||", "2|||"}));

        // An unregistered number: told, nothing changes, the list stays.
        tela.Edit(1)->setText("9");
        tela.Edit(2)->setText("01/04/10");
        tela.Edit(3)->setText("02/04/10");
        a.dialogos.EsperaAviso("Número não cadastrado no Sistema");
        tela.Clica("Button1");
        QVERIFY(a.dialogos.ScriptCumprido());
        QCOMPARE(Quadro(&tela.t), QStringList({"2|Bia|10/03/10|20/03/10|P"}));

        // The list is read-only.
        a.dialogos.EsperaAviso("Este Quadro não permite escrita");
        ClicaCelula(Controle<QTableWidget>(&tela.t, "SGPessoal"), 0, 1);
        QVERIFY(a.dialogos.ScriptCumprido());

        tela.Clica("Button2");
        QCOMPARE(Basico(a), QStringList({"1|||", "2|P|2010-03-10|2010-03-20"}));
    }

    // The ending before the beginning is refused and the fields stay.
    void fim_antes_do_inicio() {
        AmbienteTeste a;
        a.Militar("1", "Ana", 9999, "Sd", "R", D(1, 3, 2024), D(5, 3, 2024));
        Tela<TFSaiEscTemp> tela(*a.sis);
        tela.Edit(1)->setText("1");
        tela.Edit(2)->setText("20/03/24");
        tela.Edit(3)->setText("10/03/24");
        a.dialogos.EsperaAviso("anterior à Data Início");
        tela.Clica("Button1");
        QVERIFY(a.dialogos.ScriptCumprido());
        QCOMPARE(tela.Edit(3)->text(), QStringLiteral("10/03/24"));
        QCOMPARE(Quadro(&tela.t), QStringList({"1|Ana|01/03/24|05/03/24|R"}));
        tela.Clica("Button2");
        QCOMPARE(Basico(a), QStringList({"1|R|2024-03-01|2024-03-05"}));
    }

    // The return takes the person off the list and re-aligns his counters.
    void retorno() {
        AmbienteTeste a;
        a.Servico(1, "Of Dia");
        a.Militar("1", "Ana", 10, "Sd", "R", D(1, 3, 2024), D(20, 3, 2024));
        a.Militar("2", "Bia", 20);
        a.Membro(1, "1", 3, 1);
        a.Membro(1, "2", 6, 0);
        Tela<TFVoltaParaEsc> tela(*a.sis);
        QCOMPARE(Quadro(&tela.t), QStringList({"1|Ana|01/03/24|20/03/24|R"}));

        tela.Edit(1)->setText("1");
        a.dialogos.EsperaAviso(semAfastados);
        tela.Clica("Button1");
        QVERIFY(a.dialogos.ScriptCumprido());
        QVERIFY(Quadro(&tela.t).isEmpty());
        QVERIFY(tela.Edit(1)->text().isEmpty());
        QCOMPARE(Basico(a), QStringList({"1|||", "2|||"}));
        QCOMPARE(a.Linhas("Sv1").first().mid(0, 3), QStringList({"1", "6", "1"}));

        a.dialogos.EsperaAviso("Campo número é obrigatório");
        tela.Clica("Button1");
        QVERIFY(a.dialogos.ScriptCumprido());
    }
};

REGISTRA_TESTE(TesteTelasAfastamento)
#include "TesteTelasAfastamento.moc"
