#include "maintenance/TFCarOrdAntig.h"
#include "support/AmbienteTeste.h"
#include "support/ApoioTelas.h"
#include "support/Registro.h"

#include <QPushButton>
#include <QTableWidget>
#include <QTest>

namespace {

// The rows of SGAntiguidade, cells joined by ' '.
QStringList Grade(const QWidget* tela) {
    auto* g = Controle<QTableWidget>(tela, "SGAntiguidade");
    QStringList linhas;
    for (int r = 0; r < g->rowCount(); ++r) {
        QStringList celulas;
        for (int c = 0; c < g->columnCount(); ++c)
            celulas << g->item(r, c)->text();
        linhas << celulas.join(' ');
    }
    return linhas;
}

QStringList Ordem(AmbienteTeste& a) {
    QStringList r;
    for (const QStringList& l : a.Linhas(QStringLiteral("Basico")))
        r << l[0] + ' ' + l[7];
    return r;
}

struct Tela {
    explicit Tela(AmbienteTeste& a) : t(*a.sis) {
        a.Militar("1", "Ana", 30, "Cb");
        a.Militar("2", "Bia", 9999, "Sd");
        a.Militar("3", "Caio", 10, "Sgt");
        t.show();
        grade = Controle<QTableWidget>(&t, "SGAntiguidade");
    }
    ~Tela() {
        if (t.isVisible())
            t.done(0);
    }
    // Types texto into the "Antig" cell of row r.
    void Digita(int r, const QString& texto) { grade->item(r, 3)->setText(texto); }
    TFCarOrdAntig t;
    QTableWidget* grade = nullptr;
};

} // namespace

// The seniority screen, driven by its grid and buttons.
class TesteTelaAntiguidade : public QObject {
    Q_OBJECT
private slots:
    // The persons in seniority order; a number typed and ordered renumbers them.
    void ordena() {
        AmbienteTeste a;
        Tela tela(a);
        QCOMPARE(Grade(&tela.t), QStringList({"3 Sgt Caio 10", "1 Cb Ana 30", "2 Sd Bia 9999"}));
        QVERIFY(!(tela.grade->item(0, 2)->flags() & Qt::ItemIsEditable));
        QVERIFY(tela.grade->item(0, 3)->flags() & Qt::ItemIsEditable);

        a.dialogos.EsperaAviso("Não é possível alterar esta coluna");
        ClicaCelula(tela.grade, 1, 2);
        QVERIFY(a.dialogos.ScriptCumprido());

        tela.Digita(2, "15");
        Controle<QPushButton>(&tela.t, "Button1")->click();
        QCOMPARE(Grade(&tela.t), QStringList({"3 Sgt Caio 10", "2 Sd Bia 20", "1 Cb Ana 30"}));
        QCOMPARE(Ordem(a), QStringList({"3 10", "2 20", "1 30"}));
        // Ordered: closing asks nothing.
        Controle<QPushButton>(&tela.t, "Button3")->click();
        QVERIFY(!tela.t.isVisible());
        QVERIFY(a.dialogos.Textos.size() == 1);
    }

    void fecha_data() {
        QTest::addColumn<bool>("sim");
        QTest::addColumn<QStringList>("esperado");
        QTest::newRow("sim") << true << QStringList{"3 10", "2 20", "1 30"};
        QTest::newRow("não") << false << QStringList{"1 30", "2 9999", "3 10"};
    }
    // Closing after typing asks whether to record; Yes orders.
    void fecha() {
        QFETCH(bool, sim);
        QFETCH(QStringList, esperado);
        AmbienteTeste a;
        Tela tela(a);
        tela.Digita(2, "15");
        a.dialogos.EsperaConfirma(sim, "Deseja gravar as alterações feitas?");
        Controle<QPushButton>(&tela.t, "Button3")->click();
        QVERIFY(a.dialogos.ScriptCumprido());
        QVERIFY(!tela.t.isVisible());
        QCOMPARE(Ordem(a), esperado);
    }

    // A number that is not one is refused; the screen stays open on closing.
    void recusa() {
        AmbienteTeste a;
        Tela tela(a);
        tela.Digita(0, "x1");
        a.dialogos.EsperaAviso("\"x1\"");
        Controle<QPushButton>(&tela.t, "Button1")->click();
        a.dialogos.EsperaConfirma(true, "Deseja gravar").EsperaAviso("\"x1\"");
        Controle<QPushButton>(&tela.t, "Button3")->click();
        QVERIFY(a.dialogos.ScriptCumprido());
        QVERIFY(tela.t.isVisible());
        QCOMPARE(tela.grade->item(0, 3)->text(), QStringLiteral("x1"));
        QCOMPARE(Ordem(a), QStringList({"1 30", "2 9999", "3 10"}));
        a.dialogos.EsperaConfirma(false, "Deseja gravar");
        Controle<QPushButton>(&tela.t, "Button3")->click();
        QVERIFY(!tela.t.isVisible());
    }
};

REGISTRA_TESTE(TesteTelaAntiguidade)
#include "TesteTelaAntiguidade.moc"
