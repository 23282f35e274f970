#include "base/Falha.h"
#include "engine/Escalacao.h"
#include "engine/Previsao.h"
#include "shell/Exemplo.h"
#include "support/AmbienteTeste.h"
#include "support/ApoioEscala.h"
#include "support/Registro.h"

#include <QDir>
#include <QTest>
#include <map>

namespace {

// Monday; Good Friday 03/04/26 falls in the first week.
const Data segundaSanta = D(30, 3, 2026);

// The environment's folder replaced by the example register.
void CriaNoAmbiente(AmbienteTeste& a, Data hoje = segundaSanta) {
    a.sis.reset();
    QVERIFY(QDir(a.Pasta()).removeRecursively());
    Exemplo::CriaExemplo(a.Pasta(), hoje);
    a.Reabre();
}

} // namespace

// The example register: what it holds, and a week rostered on it at once.
class TesteExemplo : public QObject {
    Q_OBJECT
private slots:
    void cadastro() {
        const Data hoje = segundaSanta;
        AmbienteTeste a(hoje);
        CriaNoAmbiente(a);
        QCOMPARE(a.Linhas("Sv").size(), 8);
        const QStringList tipos = a.Coluna("Sv", "TipoSv");
        QCOMPARE(QSet<QString>(tipos.begin(), tipos.end()), QSet<QString>({"PV", "Pt", "Vm"}));
        QCOMPARE(a.Linhas("Basico").size(), 60);
        const QStringList postos = a.sis->pasta.LePstGrd();
        for (const QString& p : a.Coluna("Basico", "PstGrd"))
            QVERIFY2(postos.contains(p), qPrintable(p));
        const QStringList pr = a.Coluna("Basico", "PR");
        QVERIFY(pr.contains("P") && pr.contains("R"));
        // A month of history up to the last roster date, yesterday.
        const QStringList dias = a.Coluna("Hist", "Dia");
        QCOMPARE(dias.first(), (hoje - 30).ParaQDate().toString(Qt::ISODate));
        QCOMPARE(dias.last(), (hoje - 1).ParaQDate().toString(Qt::ISODate));
        QCOMPARE(a.sis->pasta.LeUltimaEscala(), hoje - 1);
        QCOMPARE(a.sis->pasta.LeLinhas("DataIniFim.Txt"), QStringList({"29/03/26", "30/06/26"}));
        const QStringList vermelhos = a.sis->pasta.LeLinhas("SemExped.Txt");
        for (const char* d :
             {"03/04/26", "04/04/26", "05/04/26", "21/04/26", "01/05/26", "04/06/26"})
            QVERIFY2(vermelhos.contains(d), d);
        QVERIFY(!vermelhos.contains("06/04/26"));

        // A folder in use is refused and left alone.
        const QList<QStringList> antes = a.Linhas("Basico");
        QVERIFY_THROWS_EXCEPTION(Recusa, Exemplo::CriaExemplo(a.Pasta(), hoje));
        QCOMPARE(a.Linhas("Basico"), antes);
    }

    // A week rosters with no error line; each new duty moves its rotation.
    void escala_uma_semana_data() {
        QTest::addColumn<Data>("hoje");
        QTest::newRow("semana santa") << segundaSanta;
        QTest::newRow("carnaval") << D(13, 2, 2026);
        QTest::newRow("natal") << D(21, 12, 2026);
        QTest::newRow("antes do natal") << D(10, 12, 2026);
        QTest::newRow("meio do ano") << D(10, 7, 2025);
    }
    void escala_uma_semana() {
        QFETCH(Data, hoje);
        AmbienteTeste a(hoje);
        CriaNoAmbiente(a, hoje);
        Sistema& s = *a.sis;
        const Data fim = hoje + 6;
        PreparaEscala(a, fim);
        PrevisaoPreta(s, fim);
        QVERIFY2(s.ListBox5.isEmpty(), qPrintable(s.ListBox5.join('\n')));
        QVERIFY(!s.ErroNaPreta);
        const qsizetype antes = a.Linhas("Hist").size();
        Escalar(s);
        QCOMPARE(s.pasta.LeUltimaEscala(), fim);

        // The last date of each person's duty of each kind in the new rows.
        std::map<std::pair<int, QString>, QStringList> ultimas; // (duty, num) -> Pt, Vm
        const QList<QStringList> hist = a.Linhas("Hist");
        QVERIFY(hist.size() > antes);
        QStringList diasNovos;
        for (qsizetype i = antes; i < hist.size(); ++i) {
            const QStringList& h = hist[i];
            const Data dia = Data::DeQDate(QDate::fromString(h[0], Qt::ISODate));
            QVERIFY(hoje <= dia && dia <= fim);
            diasNovos << h[0];
            for (const QString& num : h[3].split(' ', Qt::SkipEmptyParts)) {
                QStringList& u = ultimas[{h[1].toInt(), num}];
                if (u.isEmpty())
                    u = QStringList{QString(), QString()};
                u[h[4] == "Vm" ? 1 : 0] = dia.Texto();
            }
        }
        diasNovos.removeDuplicates();
        QCOMPARE(diasNovos.size(), 7);
        for (const auto& [chave, datas] : ultimas) {
            bool achou = false;
            for (const QStringList& r : a.Linhas(QStringLiteral("Sv%1").arg(chave.first))) {
                if (r[0] != chave.second)
                    continue;
                achou = true;
                for (int k = 0; k < 2; ++k)
                    if (!datas[k].isEmpty())
                        QCOMPARE(r[3 + k], datas[k]);
            }
            QVERIFY(achou);
        }
    }
};

REGISTRA_TESTE(TesteExemplo)

#include "TesteExemplo.moc"
