#include "support/AmbienteTeste.h"
#include "support/Registro.h"

#include <QTest>

class TesteDatas : public QObject {
    Q_OBJECT
private slots:
    void conversao_data() {
        QTest::addColumn<QString>("texto");
        QTest::addColumn<QString>("esperado"); // ISO, or empty when refused
        QTest::newRow("dd/mm/yy") << "13/05/09"
                                  << "2009-05-13";
        QTest::newRow("d/m/yy") << "1/3/24"
                                << "2024-03-01";
        QTest::newRow("dd/mm/yyyy") << "10/03/2024"
                                    << "2024-03-10";
        QTest::newRow("50 is 2050") << "01/01/50"
                                    << "2050-01-01";
        QTest::newRow("00 is 2000") << "01/01/00"
                                    << "2000-01-01";
        QTest::newRow("99 is 1999") << "30/12/99"
                                    << "1999-12-30";
        QTest::newRow("29 Feb leap") << "29/02/24"
                                     << "2024-02-29";
        QTest::newRow("29 Feb common") << "29/02/23"
                                       << "";
        QTest::newRow("empty") << ""
                               << "";
        QTest::newRow("letters") << "ab/cd/ef"
                                 << "";
        QTest::newRow("three-digit year") << "01/01/202"
                                          << "";
        QTest::newRow("trailing text") << "01/01/24x"
                                       << "";
        QTest::newRow("month 13") << "01/13/24"
                                  << "";
    }
    void conversao() {
        QFETCH(QString, texto);
        QFETCH(QString, esperado);
        const auto d = Data::DeTexto(texto, 2026);
        if (esperado.isEmpty()) {
            QVERIFY(!d);
        } else {
            QVERIFY(d);
            QCOMPARE(d->ParaQDate().toString(Qt::ISODate), esperado);
        }
    }

    void texto_e_dia_zero() {
        QCOMPARE(Data().Texto(), QStringLiteral("30/12/99"));
        QCOMPARE(D(5, 1, 2024).Texto(), QStringLiteral("05/01/24"));
        QCOMPARE(DataNunca(), D(13, 5, 2009));
        QCOMPARE(D(2, 3, 2024) - D(28, 2, 2024), 3);
        QCOMPARE(D(9, 3, 2024).DiaDaSemana(), 7);  // a Saturday
        QCOMPARE(D(10, 3, 2024).DiaDaSemana(), 1); // a Sunday
    }
};
REGISTRA_TESTE(TesteDatas)
#include "TesteDatas.moc"
