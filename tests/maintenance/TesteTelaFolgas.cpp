#include "maintenance/TFEditaTabelasPrimEscala.h"
#include "reports/TFEscolherSv.h"
#include "support/AmbienteTeste.h"
#include "support/ApoioTelas.h"
#include "support/Registro.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

namespace {

QStringList Grade(const QTableWidget* g) {
    QStringList linhas;
    for (int r = 0; r < g->rowCount(); ++r) {
        QStringList celulas;
        for (int c = 0; c < g->columnCount(); ++c)
            celulas << g->item(r, c)->text();
        linhas << celulas.join('|');
    }
    return linhas;
}

struct Tela {
    explicit Tela(AmbienteTeste& a) : t(*a.sis) {
        a.Servico(1, "Of Dia");
        a.Servico(2, "Sgt Dia");
        a.Militar("1", "Ana");
        a.Militar("2", "Bia");
        a.Membro(1, "1", 6, 8);
        a.Membro(2, "1", 5, 3);
        a.Membro(2, "2", 7, 4);
        t.show();
        grade = Controle<QTableWidget>(&t, "SGServico");
    }
    ~Tela() {
        if (t.isVisible())
            t.done(0);
    }
    // "Selecionar o Serviço", leaving exactly the given boxes ticked.
    void Seleciona(const QList<int>& caixas) {
        TFEscolherSv* e = t.Escolha();
        QTimer::singleShot(0, e, [e, caixas] {
            for (int n = 1; n <= 31; ++n)
                e->findChild<QCheckBox*>(QStringLiteral("CheckBox%1").arg(n))
                    ->setChecked(caixas.contains(n));
            e->findChild<QPushButton*>("Button6")->click();
        });
        Controle<QPushButton>(&t, "Button5")->click();
    }
    TFEditaTabelasPrimEscala t;
    QTableWidget* grade = nullptr;
};

} // namespace

// The initial-rest screen, driven by its buttons and grid.
class TesteTelaFolgas : public QObject {
    Q_OBJECT
private slots:
    // Opening normalises; the chosen duty's members are listed and their
    // typed dates recorded.
    void grava() {
        AmbienteTeste a;
        Tela tela(a);
        QCOMPARE(a.Coluna("Sv1", "Pt"), QStringList({"3"}));
        QCOMPARE(a.Coluna("Sv2", "Vm"), QStringList({"3", "4"}));
        QCOMPARE(tela.grade->rowCount(), 0);

        tela.Seleciona({2});
        QCOMPARE(Controle<QLabel>(&tela.t, "Label5")->text(), QStringLiteral("Sgt Dia"));
        QCOMPARE(Grade(tela.grade),
                 QStringList({"1  Ana|3|3|13/05/09|13/05/09", "2  Bia|5|4|13/05/09|13/05/09"}));
        QVERIFY(!(tela.grade->item(0, 0)->flags() & Qt::ItemIsEditable));
        QVERIFY(tela.grade->item(0, 3)->flags() & Qt::ItemIsEditable);
        QVERIFY(tela.grade->columnWidth(1) <= 2);

        tela.grade->item(0, 3)->setText("10/02/10");
        tela.grade->item(0, 4)->setText("14/02/10");
        Controle<QPushButton>(&tela.t, "Button4")->click();
        QCOMPARE(tela.grade->rowCount(), 0);
        QCOMPARE(a.Linhas("Sv2").first(), QStringList({"1", "3", "3", "10/02/10", "14/02/10"}));
        QVERIFY(a.Coluna("Basico", "USv").first().endsWith("13/05/09 10/02/10 14/02/10 "));
    }

    // An invalid date is told and nothing is written; the rows stay.
    void recusa() {
        AmbienteTeste a;
        Tela tela(a);
        tela.Seleciona({2});
        const QList<QStringList> antes = a.Linhas("Sv2");
        tela.grade->item(1, 4)->setText("32/01/10");
        a.dialogos.EsperaAviso("32/01/10 >>> Data inválida");
        Controle<QPushButton>(&tela.t, "Button4")->click();
        QVERIFY(a.dialogos.ScriptCumprido());
        QCOMPARE(tela.grade->rowCount(), 2);
        QCOMPARE(a.Linhas("Sv2"), antes);
    }

    // Nothing ticked: no duty and an empty grid.
    void nenhum() {
        AmbienteTeste a;
        Tela tela(a);
        tela.Seleciona({2});
        tela.Seleciona({});
        QCOMPARE(tela.grade->rowCount(), 0);
        QVERIFY(Controle<QLabel>(&tela.t, "Label5")->text().isEmpty());
    }
};

REGISTRA_TESTE(TesteTelaFolgas)
#include "TesteTelaFolgas.moc"
