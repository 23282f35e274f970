#include "model/Servicos.h"
#include "reports/TFEscolherSv.h"
#include "support/AmbienteTeste.h"
#include "support/Registro.h"

#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

Q_DECLARE_METATYPE(QList<int>)

// The duty chooser: captions at activation, the marks it leaves on closing.
class TesteEscolherSv : public QObject {
    Q_OBJECT
private slots:
    void marcas_ao_fechar_data() {
        QTest::addColumn<QList<int>>("caixas");
        QTest::addColumn<QList<int>>("marcados");
        QList<int> todos;
        for (int n = 1; n <= 30; ++n)
            todos << n;
        QTest::newRow("nenhuma") << QList<int>() << QList<int>();
        // A box of an undefined duty can be ticked too.
        QTest::newRow("definido e vazio") << QList<int>({3, 12}) << QList<int>({3, 12});
        QTest::newRow("selecionar todos") << QList<int>({31}) << todos;
        QTest::newRow("todos com outra") << QList<int>({2, 31}) << todos;
    }
    void marcas_ao_fechar() {
        QFETCH(QList<int>, caixas);
        QFETCH(QList<int>, marcados);
        AmbienteTeste a;
        a.Servico(3, "Of Dia");
        a.Servico(5, "Guarda");
        Sistema& s = *a.sis;
        CarregaVetSv(s, Banco::Principal);
        s.VetSv[7].Sel = "S"; // a mark left by another screen

        TFEscolherSv e(s);
        e.show();
        QCOMPARE(e.windowTitle(), QStringLiteral("Escolher Escalas"));
        QCOMPARE(e.findChild<QLabel*>("Label1")->text(), QStringLiteral("Serviços"));
        QCOMPARE(e.findChild<QCheckBox*>("CheckBox3")->text(), QStringLiteral("Of Dia"));
        QCOMPARE(e.findChild<QCheckBox*>("CheckBox5")->text(), QStringLiteral("Guarda"));
        QCOMPARE(e.findChild<QCheckBox*>("CheckBox12")->text(), QString());
        QCOMPARE(e.findChild<QCheckBox*>("CheckBox31")->text(), QStringLiteral("Selecionar Todos"));
        QCOMPARE(s.VetSv[7].Sel, QString()); // activation clears the marks

        for (int n : caixas)
            e.findChild<QCheckBox*>(QStringLiteral("CheckBox%1").arg(n))->setChecked(true);
        QPushButton* pronto = e.findChild<QPushButton*>("Button6");
        QCOMPARE(pronto->text(), QStringLiteral("Pronto"));
        pronto->click();

        QList<int> obtidos;
        for (int n = 1; n <= 30; ++n)
            if (s.VetSv[n].Sel == "S")
                obtidos << n;
        QCOMPARE(obtidos, marcados);
        for (int n = 1; n <= 31; ++n)
            QVERIFY(!e.findChild<QCheckBox*>(QStringLiteral("CheckBox%1").arg(n))->isChecked());
    }

    // The caller's ticks survive the activation; the note shows when asked and
    // a click hides it.
    void caixas_do_chamador_e_nota() {
        AmbienteTeste a;
        a.Servico(4, "Sgt Dia");
        Sistema& s = *a.sis;
        CarregaVetSv(s, Banco::Principal);
        TFEscolherSv e(s);
        auto* nota = e.findChild<QPlainTextEdit*>("Memo1");
        QVERIFY(nota->isHidden());
        e.Marca(4);
        e.MostraNota();
        e.show();
        QVERIFY(e.findChild<QCheckBox*>("CheckBox4")->isChecked());
        QVERIFY(nota->isVisible());
        QVERIFY(nota->toPlainText().startsWith("No próximo Painel, inicialmente estarão\n"));
        QVERIFY(nota->toPlainText().endsWith("\n===  Clicar no painel para sair  === "));
        QTest::mouseClick(nota->viewport(), Qt::LeftButton);
        QVERIFY(nota->isHidden());
        e.findChild<QPushButton*>("Button6")->click();
        QCOMPARE(s.VetSv[4].Sel, QStringLiteral("S"));
    }
};

REGISTRA_TESTE(TesteEscolherSv)
#include "TesteEscolherSv.moc"
