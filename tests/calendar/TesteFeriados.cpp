#include "base/Falha.h"
#include "calendar/EscalaVermelha.h"
#include "calendar/Feriados.h"
#include "support/AmbienteTeste.h"
#include "support/Registro.h"

#include <QFile>
#include <QTest>

namespace {

const QString semExped = QStringLiteral("SemExped.Txt");

QStringList Textos(const QList<Data>& dias) {
    QStringList textos;
    for (const Data d : dias)
        textos << d.Texto();
    return textos;
}

QByteArray Bytes(const AmbienteTeste& a, const QString& nome) {
    QFile f(a.sis->pasta.Caminho(nome));
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}

} // namespace

// The national holidays and their inclusion in the red-day list.
class TesteFeriados : public QObject {
    Q_OBJECT
private slots:
    void pascoa_data() {
        QTest::addColumn<int>("ano");
        QTest::addColumn<Data>("esperada");
        QTest::newRow("2025") << 2025 << D(20, 4, 2025);
        QTest::newRow("2026") << 2026 << D(5, 4, 2026);
        QTest::newRow("2027") << 2027 << D(28, 3, 2027);
        QTest::newRow("2000") << 2000 << D(23, 4, 2000);
        QTest::newRow("mais tarde possível") << 2038 << D(25, 4, 2038);
        QTest::newRow("mais cedo possível") << 2285 << D(22, 3, 2285);
    }
    void pascoa() {
        QFETCH(int, ano);
        QFETCH(Data, esperada);
        QCOMPARE(Pascoa(ano).Texto(), esperada.Texto());
    }

    // The holidays from the day after the last roster date to the period end,
    // with the operator's answer about the optional days.
    void inclui_data() {
        QTest::addColumn<Data>("ultima");
        QTest::addColumn<Data>("fim");
        QTest::addColumn<bool>("pergunta");
        QTest::addColumn<bool>("facultativos");
        QTest::addColumn<QList<Data>>("esperados");
        QTest::newRow("2025 sem facultativos")
            << D(31, 12, 2024) << D(31, 12, 2025) << true << false
            << QList<Data>{D(1, 1, 2025),   D(18, 4, 2025),  D(21, 4, 2025), D(1, 5, 2025),
                           D(7, 9, 2025),   D(12, 10, 2025), D(2, 11, 2025), D(15, 11, 2025),
                           D(20, 11, 2025), D(25, 12, 2025)};
        QTest::newRow("2025 com facultativos")
            << D(31, 12, 2024) << D(31, 12, 2025) << true << true
            << QList<Data>{D(1, 1, 2025),   D(3, 3, 2025),  D(4, 3, 2025),   D(18, 4, 2025),
                           D(21, 4, 2025),  D(1, 5, 2025),  D(19, 6, 2025),  D(7, 9, 2025),
                           D(12, 10, 2025), D(2, 11, 2025), D(15, 11, 2025), D(20, 11, 2025),
                           D(25, 12, 2025)};
        QTest::newRow("2026 com facultativos")
            << D(31, 12, 2025) << D(31, 12, 2026) << true << true
            << QList<Data>{D(1, 1, 2026),   D(16, 2, 2026), D(17, 2, 2026),  D(3, 4, 2026),
                           D(21, 4, 2026),  D(1, 5, 2026),  D(4, 6, 2026),   D(7, 9, 2026),
                           D(12, 10, 2026), D(2, 11, 2026), D(15, 11, 2026), D(20, 11, 2026),
                           D(25, 12, 2026)};
        QTest::newRow("2027 sem facultativos")
            << D(31, 12, 2026) << D(31, 12, 2027) << true << false
            << QList<Data>{D(1, 1, 2027),   D(26, 3, 2027),  D(21, 4, 2027), D(1, 5, 2027),
                           D(7, 9, 2027),   D(12, 10, 2027), D(2, 11, 2027), D(15, 11, 2027),
                           D(20, 11, 2027), D(25, 12, 2027)};
        // Starts after Carnival 2027, ends mid-year: only Corpus Christi is asked.
        QTest::newRow("meio de 2027")
            << D(15, 2, 2027) << D(30, 6, 2027) << true << true
            << QList<Data>{D(26, 3, 2027), D(21, 4, 2027), D(1, 5, 2027), D(27, 5, 2027)};
        QTest::newRow("de 2025 para 2026")
            << D(1, 11, 2025) << D(28, 2, 2026) << true << true
            << QList<Data>{D(2, 11, 2025), D(15, 11, 2025), D(20, 11, 2025), D(25, 12, 2025),
                           D(1, 1, 2026),  D(16, 2, 2026),  D(17, 2, 2026)};
        // The last roster day itself is not in the period; no optional day in it.
        QTest::newRow("sem facultativos no período")
            << D(7, 9, 2026) << D(30, 11, 2026) << false << false
            << QList<Data>{D(12, 10, 2026), D(2, 11, 2026), D(15, 11, 2026), D(20, 11, 2026)};
    }
    void inclui() {
        QFETCH(Data, ultima);
        QFETCH(Data, fim);
        QFETCH(bool, pergunta);
        QFETCH(bool, facultativos);
        QFETCH(QList<Data>, esperados);
        AmbienteTeste a(ultima);
        a.sis->UltimaEscala = ultima;
        a.sis->pasta.GravaUltimaEscala(ultima);
        a.sis->pasta.GravaDataIniFim(ultima, fim);
        // A red day already listed (a holiday on a weekend) is not written twice.
        const Data jaListado = esperados.first();
        a.sis->pasta.GravaLinhas(semExped, {jaListado.Texto()});
        if (pergunta)
            a.dialogos.EsperaConfirma(facultativos, QStringLiteral("pontos facultativos"));
        a.dialogos.EsperaAviso(
            QStringLiteral("Feriados incluídos na Escala Vermelha (%1)").arg(esperados.size() - 1));
        QVERIFY(IncluiFeriadosNacionais(*a.sis, ultima.Texto()));
        QVERIFY2(a.dialogos.ScriptCumprido(), qPrintable(a.dialogos.Textos.join(" | ")));
        QCOMPARE(a.sis->pasta.LeLinhas(semExped), Textos(esperados));
        QCOMPARE(a.sis->VetSemExped.Quantidade(), esperados.size());

        // A second press adds nothing and leaves the file as it was.
        const QByteArray antes = Bytes(a, semExped);
        if (pergunta && !facultativos)
            a.dialogos.EsperaConfirma(false, QStringLiteral("pontos facultativos"));
        a.dialogos.EsperaAviso(QStringLiteral("já estão na lista"));
        QVERIFY(!IncluiFeriadosNacionais(*a.sis, ultima.Texto()));
        QVERIFY2(a.dialogos.ScriptCumprido(), qPrintable(a.dialogos.Textos.join(" | ")));
        QCOMPARE(Bytes(a, semExped), antes);
    }

    // The list's capacity and the period file are checked before anything is
    // written; a bad last roster date is refused with the usual text.
    void recusas() {
        AmbienteTeste a(D(31, 12, 2024));
        a.sis->pasta.GravaDataIniFim(D(31, 12, 2024), D(31, 12, 2025));
        QStringList cheia;
        for (Data d = D(1, 1, 2025) + 1; cheia.size() < VetorSemExped::Tamanho; ++d)
            cheia << d.Texto();
        a.sis->pasta.GravaLinhas(semExped, cheia);
        const QByteArray antes = Bytes(a, semExped);
        QVERIFY_THROWS_EXCEPTION(Falha, IncluiFeriadosNacionais(*a.sis, "31/12/24"));
        QCOMPARE(Bytes(a, semExped), antes);
        try {
            IncluiFeriadosNacionais(*a.sis, "31/13/24");
            QFAIL("data inválida aceita");
        } catch (const Falha& f) {
            QCOMPARE(f.Mensagem(), QStringLiteral("31/13/24 >>> Data inválida"));
        }
        QCOMPARE(Bytes(a, semExped), antes);
    }
};

REGISTRA_TESTE(TesteFeriados)

#include "TesteFeriados.moc"
