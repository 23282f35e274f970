#include "reports/QuantidadesDiarias.h"
#include "reports/TFQuantMilSvDia.h"
#include "support/AmbienteTeste.h"
#include "support/Registro.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

namespace {

// Last roster date Thursday 07/03/24, period end Monday 11/03/24. Duties of
// each kind with Quant 2, and one ("Termina") whose last day is Saturday.
struct Quadro {
    explicit Quadro(const QStringList& vermelhos = {"09/03/24", "10/03/24"}) {
        a.Servico(1, "Guarda", 2, 2, "PV");
        a.Servico(2, "Pretas", 2, 2, "Pt");
        a.Servico(3, "Vermelh", 2, 2, "Vm");
        a.Servico(5, "Termina", 2, 2, "PV", D(1, 1, 2000), D(9, 3, 2024));
        CarregaVetSv(*a.sis, Banco::Principal);
        a.sis->pasta.GravaLinhas("SemExped.Txt", vermelhos);
        TabelaQuantidades& q = a.sis->Quantidades;
        q.UltimaEscala = D(7, 3, 2024);
        q.FimPeriodo = D(11, 3, 2024);
        for (int k : {1, 2, 3, 5})
            q.Participa[k] = true;
        // A slot marked although undefined takes no row.
        q.Participa[4] = true;
        t = std::make_unique<TFQuantMilSvDia>(*a.sis);
    }
    QTableWidget* Grade() const { return t->findChild<QTableWidget*>("SGQuantMilSvDia"); }
    // A row as the screen shows it, and as the core table holds it.
    QStringList NaTela(int r) const {
        QStringList l;
        for (int c = 0; c < Grade()->columnCount(); ++c)
            l << (Grade()->item(r, c) ? Grade()->item(r, c)->text() : QString());
        return l;
    }
    QStringList NaTabela(int r) const {
        const GradeTexto& g = a.sis->Quantidades.SGQuantMilSvDia;
        QStringList l;
        for (int c = 0; c < g.Colunas(); ++c)
            l << g.Cel(c, r);
        return l;
    }
    void Altera(int c, int r, const QString& texto) const { Grade()->item(r, c)->setText(texto); }
    void Continuar() const { t->findChild<QPushButton*>("Button1")->click(); }

    AmbienteTeste a;
    std::unique_ptr<TFQuantMilSvDia> t;
};

} // namespace

// The daily quantity table and its screen.
class TesteQuantidades : public QObject {
    Q_OBJECT
private slots:
    void tabela_do_periodo_data() {
        QTest::addColumn<QStringList>("vermelhos");
        QTest::addColumn<QStringList>("semana");
        QTest::addColumn<QStringList>("pretas");
        QTest::addColumn<QStringList>("vermelhas");
        QTest::newRow("fim de semana listado")
            << QStringList{"09/03/24", "10/03/24"}
            << QStringList{"", "Sex", " * Sáb * ", " * Dom * ", "Seg"}
            << QStringList{"Pretas", "2", "0", "0", "2"}
            << QStringList{"Vermelh", "0", "2", "2", "0"};
        // Red is what the list says, not the calendar.
        QTest::newRow("domingo fora da lista, segunda feriado")
            << QStringList{"09/03/24", "11/03/24"}
            << QStringList{"", "Sex", " * Sáb * ", "Dom", " * Seg * "}
            << QStringList{"Pretas", "2", "0", "2", "0"}
            << QStringList{"Vermelh", "0", "2", "0", "2"};
    }
    void tabela_do_periodo() {
        QFETCH(QStringList, vermelhos);
        QFETCH(QStringList, semana);
        QFETCH(QStringList, pretas);
        QFETCH(QStringList, vermelhas);
        Quadro q(vermelhos);
        QCOMPARE(q.t->windowTitle(), QStringLiteral("Quantidades de  Militares nos Serviços"));
        QCOMPARE(q.t->findChild<QLabel*>("Label1")->text(),
                 QStringLiteral("Altere (se necessário) o número de postos de cada serviço a "
                                "cada dia:"));
        QCOMPARE(q.t->findChild<QPushButton*>("Button1")->text(), QStringLiteral("Continuar"));
        q.t->show();
        QCOMPARE(q.a.sis->Quantidades.TabelaConstruida, 2);
        QCOMPARE(q.Grade()->rowCount(), 6);
        QCOMPARE(q.Grade()->columnCount(), 5);
        QCOMPARE(q.Grade()->horizontalHeader()->defaultSectionSize(), 50);
        QCOMPARE(q.NaTela(0), QStringList({"", "08/03/24", "09/03/24", "10/03/24", "11/03/24"}));
        QCOMPARE(q.NaTela(1), semana);
        QCOMPARE(q.NaTela(2), QStringList({"Guarda", "2", "2", "2", "2"}));
        QCOMPARE(q.NaTela(3), pretas);
        QCOMPARE(q.NaTela(4), vermelhas);
        QCOMPARE(q.NaTela(5), QStringList({"Termina", "2", "2", "Sem Sv", "Sem Sv"}));
        // Days, weekdays and duties cannot be edited.
        QVERIFY(!(q.Grade()->item(0, 1)->flags() & Qt::ItemIsEditable));
        QVERIFY(!(q.Grade()->item(1, 1)->flags() & Qt::ItemIsEditable));
        QVERIFY(!(q.Grade()->item(2, 0)->flags() & Qt::ItemIsEditable));
        QVERIFY(q.Grade()->item(2, 1)->flags() & Qt::ItemIsEditable);

        q.Continuar();
        QVERIFY(!q.t->isVisible());
        QCOMPARE(q.NaTabela(5), QStringList({"Termina", "2", "2", "0", "0"}));
        QCOMPARE(q.NaTela(5), QStringList({"Termina", "2", "2", "0", "0"}));
        // What the table held on closing is kept: cell (c, r) at [c - 1][r - 1].
        QCOMPARE(q.a.sis->MatQuant[2][4], QStringLiteral("Sem Sv"));
        QCOMPARE(q.a.sis->MatQuant[0][1], QStringLiteral("2"));
        QCOMPARE(q.a.sis->MatQuant[4][1], QStringLiteral("x"));
        QVERIFY(q.a.dialogos.ScriptCumprido());
    }

    // A changed cell is what the forecast reads afterwards.
    void celula_alterada_fica() {
        Quadro q;
        q.t->show();
        q.Altera(1, 2, "3");
        q.Continuar();
        QVERIFY(!q.t->isVisible());
        const int c = ColunaDoDia(*q.a.sis, "08/03/24");
        const int r = LinhaDoServico(*q.a.sis, "Guarda");
        QCOMPARE(c, 1);
        QCOMPARE(r, 2);
        QCOMPARE(q.a.sis->Quantidades.SGQuantMilSvDia.Cel(c, r), QStringLiteral("3"));
        QCOMPARE(q.a.sis->MatQuant[0][1], QStringLiteral("3"));
        QCOMPARE(LinhaDoServico(*q.a.sis, "Termina"), 5);
        QCOMPARE(LinhaDoServico(*q.a.sis, "Nenhum"), 0);
        QCOMPARE(ColunaDoDia(*q.a.sis, "12/03/24"), 0);
    }

    // Esc closes through the same rules as "Continuar"; so does a click on
    // the grid set the touched flag.
    void esc_fecha_como_continuar() {
        Quadro q;
        q.t->show();
        QVERIFY(!q.a.sis->Quantidades.Tocada);
        QTest::keyClick(q.t.get(), Qt::Key_Escape);
        QVERIFY(!q.t->isVisible());
        QVERIFY(q.a.sis->Quantidades.Tocada);
        QCOMPARE(q.NaTabela(5), QStringList({"Termina", "2", "2", "0", "0"}));
        QCOMPARE(q.a.sis->MatQuant[3][4], QStringLiteral("Sem Sv"));

        Quadro r;
        r.t->show();
        QTest::mouseClick(r.Grade()->viewport(), Qt::LeftButton);
        QVERIFY(r.a.sis->Quantidades.Tocada);
    }

    // The red phase zeroes the black days; the next verification puts the
    // saved numbers back when the table was touched, and not otherwise.
    void fase_vermelha_e_valores_salvos() {
        Quadro q;
        q.t->show();
        q.Altera(1, 2, "3");
        q.Continuar();

        q.a.sis->Quantidades.FaseVermelha = true;
        q.t->MostraEFecha();
        QVERIFY(!q.t->isVisible());
        for (int r = 2; r <= 5; ++r) {
            QCOMPARE(q.NaTabela(r)[1], QStringLiteral("0")); // Friday
            QCOMPARE(q.NaTabela(r)[4], QStringLiteral("0")); // Monday
        }
        QCOMPARE(q.NaTabela(4), QStringList({"Vermelh", "0", "2", "2", "0"}));

        q.a.sis->Quantidades.FaseVermelha = false;
        q.t->MostraEFecha();
        QCOMPARE(q.NaTabela(2), QStringList({"Guarda", "3", "2", "2", "2"}));
        QCOMPARE(q.NaTabela(3), QStringList({"Pretas", "2", "0", "0", "2"}));
        QCOMPARE(q.NaTabela(5), QStringList({"Termina", "2", "2", "0", "0"}));

        // Untouched, the activation leaves the table as it stands.
        q.a.sis->Quantidades.FaseVermelha = true;
        q.t->MostraEFecha();
        q.a.sis->Quantidades.FaseVermelha = false;
        q.a.sis->Quantidades.Tocada = false;
        q.t->MostraEFecha();
        QCOMPARE(q.NaTabela(2), QStringList({"Guarda", "0", "2", "2", "0"}));

        // A new cycle: nothing saved comes back, not even for the first duty.
        ZeraMatQuant(*q.a.sis);
        q.a.sis->Quantidades.TabelaConstruida = 1;
        q.a.sis->Quantidades.Tocada = true;
        AtivaTabelaQuantidades(*q.a.sis);
        QCOMPARE(q.NaTabela(2), QStringList({"Guarda", "2", "2", "2", "2"}));
        QVERIFY(q.a.dialogos.ScriptCumprido());
    }

    void celula_invalida_recusada_data() {
        QTest::addColumn<QString>("texto");
        QTest::newRow("palavra") << "dois";
        QTest::newRow("vazia") << "";
        QTest::newRow("fração") << "2,5";
        QTest::newRow("negativo") << "-1";
    }
    void celula_invalida_recusada() {
        QFETCH(QString, texto);
        Quadro q;
        q.t->show();
        q.Altera(2, 3, texto);
        q.a.dialogos.EsperaAviso("A quantidade do serviço Pretas no dia 09/03/24 deve ser um "
                                 "número inteiro (0 ou mais), e não \"" +
                                 texto + "\"");
        q.Continuar();
        QVERIFY(q.a.dialogos.ScriptCumprido());
        QVERIFY(q.t->isVisible());
        QCOMPARE(q.a.sis->MatQuant[1][2], QStringLiteral("x"));
        QCOMPARE(q.NaTela(5), QStringList({"Termina", "2", "2", "Sem Sv", "Sem Sv"}));
        QVERIFY(!q.a.sis->Quantidades.Tocada);

        q.a.dialogos.EsperaAviso("deve ser um número inteiro");
        QTest::keyClick(q.t.get(), Qt::Key_Escape);
        QVERIFY(q.t->isVisible());

        q.Altera(2, 3, "1");
        q.Continuar();
        QVERIFY(!q.t->isVisible());
        QCOMPARE(q.a.sis->MatQuant[1][2], QStringLiteral("1"));
        QVERIFY(q.a.dialogos.ScriptCumprido());
    }
};

REGISTRA_TESTE(TesteQuantidades)
#include "TesteQuantidades.moc"
