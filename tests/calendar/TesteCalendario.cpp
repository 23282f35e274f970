#include "base/Falha.h"
#include "base/Tenta.h"
#include "calendar/Calendario.h"
#include "calendar/EscalaVermelha.h"
#include "support/AmbienteTeste.h"
#include "support/Registro.h"

#include <QTest>

namespace {

const QString semExped = QStringLiteral("SemExped.Txt");

// Last roster date, period end and red days, as the files hold them.
void Prepara(AmbienteTeste& a, Data ultima, Data fimPeriodo, const QList<Data>& vermelhos) {
    a.sis->UltimaEscala = ultima;
    a.sis->pasta.GravaUltimaEscala(ultima);
    a.sis->pasta.GravaDataIniFim(ultima, fimPeriodo);
    QStringList linhas;
    for (const Data d : vermelhos)
        linhas << d.Texto();
    a.sis->pasta.GravaLinhas(semExped, linhas);
}

QList<Data> Dias(Data inicio, int quantos) {
    QList<Data> dias;
    for (int i = 0; i < quantos; ++i)
        dias << inicio + i;
    return dias;
}

} // namespace

// The red-day list and the roster period, without the screen.
class TesteCalendario : public QObject {
    Q_OBJECT
private slots:
    // The list is sorted by date, not by text, and holds at most 366 dates.
    void carrega_ordena_por_data() {
        AmbienteTeste a;
        a.sis->pasta.GravaLinhas(semExped, {"05/01/25", "10/12/24", "1/3/24", "10/12/24"});
        CarregaSemExped(*a.sis);
        QCOMPARE(a.sis->VetSemExped.Quantidade(), 4);
        QCOMPARE(a.sis->VetSemExped[1], QStringLiteral("1/3/24"));
        QCOMPARE(a.sis->VetSemExped[2], QStringLiteral("10/12/24"));
        QCOMPARE(a.sis->VetSemExped[4], QStringLiteral("05/01/25"));
        QVERIFY(DiaVermelho(*a.sis, D(1, 3, 2024)));
        QVERIFY(!DiaVermelho(*a.sis, D(2, 3, 2024)));

        a.sis->pasta.GravaLinhas(semExped, {"01/03/24", "30/02/24"});
        try {
            CarregaSemExped(*a.sis);
            QFAIL("linha inválida aceita");
        } catch (const Falha& f) {
            QVERIFY(f.Mensagem().contains("\"30/02/24\""));
        }
    }

    // A file longer than the list is refused whole, naming it, and the list
    // keeps what it held: its red days are never taken for black ones. The
    // screen still lists it from the file, and an exclusion that brings it
    // back within 366 dates makes it readable again.
    void lista_alem_da_capacidade() {
        AmbienteTeste a;
        Prepara(a, D(10, 3, 2024), D(31, 3, 2024), Dias(D(1, 3, 2024), 366));
        CarregaSemExped(*a.sis);
        QStringList linhas = a.sis->pasta.LeLinhas(semExped);
        linhas.prepend(D(1, 1, 2024).Texto()); // 367 lines, the earliest first
        a.sis->pasta.GravaLinhas(semExped, linhas);
        const QByteArray vermelhos = a.Bytes(semExped);
        try {
            CarregaSemExped(*a.sis);
            QFAIL("lista lida em parte");
        } catch (const Recusa& r) {
            QVERIFY2(r.Mensagem().startsWith("O arquivo SemExped.Txt tem 367 linhas"),
                     qPrintable(r.Mensagem()));
        }
        QCOMPARE(a.sis->VetSemExped.Quantidade(), 366);
        QCOMPARE(a.sis->VetSemExped[1], D(1, 3, 2024).Texto());
        QCOMPARE(a.Bytes(semExped), vermelhos);

        const QStringList listagem = ListagemSemExped(*a.sis);
        QCOMPARE(listagem.size(), MaxListagemSemExped);
        QCOMPARE(listagem.first(), D(1, 1, 2024).Texto());
        QVERIFY(ExcluiSemExped(*a.sis, {D(1, 1, 2024).Texto()}, D(20, 1, 2024).Texto()));
        QCOMPARE(a.sis->VetSemExped.Quantidade(), 366);
        QCOMPARE(a.sis->VetSemExped[1], D(1, 3, 2024).Texto());
    }

    void prox_dia_preto_data() {
        QTest::addColumn<Data>("dia");
        QTest::addColumn<QList<Data>>("vermelhos");
        QTest::addColumn<Data>("esperado");
        // 08/03/24 is a Friday.
        QTest::newRow("feriado na segunda")
            << D(8, 3, 2024) << QList<Data>{D(9, 3, 2024), D(10, 3, 2024), D(11, 3, 2024)}
            << D(12, 3, 2024);
        QTest::newRow("dia seguinte preto") << D(5, 3, 2024) << QList<Data>{} << D(6, 3, 2024);
        QTest::newRow("onze vermelhos")
            << D(8, 3, 2024) << Dias(D(9, 3, 2024), 11) << D(18, 3, 2024);
    }
    void prox_dia_preto() {
        QFETCH(Data, dia);
        QFETCH(QList<Data>, vermelhos);
        QFETCH(Data, esperado);
        AmbienteTeste a;
        Prepara(a, D(1, 3, 2024), D(31, 3, 2024), vermelhos);
        QCOMPARE(ProxDiaPreto(*a.sis, dia), esperado);
    }

    void marca_e_nome_do_dia() {
        AmbienteTeste a;
        Prepara(a, D(1, 3, 2024), D(31, 3, 2024), {D(9, 3, 2024)});
        QCOMPARE(MarcaVermelho(*a.sis, D(9, 3, 2024)), QStringLiteral(" * "));
        QCOMPARE(MarcaVermelho(*a.sis, D(8, 3, 2024)), QString());
        const QStringList nomes{"", "Dom", "Seg", "Ter", "Qua", "Qui", "Sex", "Sáb", ""};
        for (int i = 0; i <= 8; ++i)
            QCOMPARE(NomeDiaSemana(i), nomes[i]);
    }

    // After an extension the new weekdays are black and its weekends red.
    void extensao_marca_fins_de_semana() {
        AmbienteTeste a;
        Prepara(a, D(7, 3, 2024), D(8, 3, 2024), {});
        EstadoSemExped e;
        QCOMPARE(AtivaSemExped(*a.sis, e), QStringLiteral("08/03/24"));
        IncluiAutomatico(*a.sis, e, "07/03/24", "07/04/24");
        QCOMPARE(e.ExtensaoPendente, QStringLiteral("S"));
        QCOMPARE(a.sis->pasta.LeLinhas("DataIniFim.Txt"), QStringList({"07/03/24", "07/04/24"}));
        for (Data d = D(9, 3, 2024); d <= D(7, 4, 2024); ++d) {
            const bool fimDeSemana = d.DiaDaSemana() == 1 || d.DiaDaSemana() == 7;
            QVERIFY2(DiaVermelho(*a.sis, d) == fimDeSemana, qPrintable(d.Texto()));
        }
        QCOMPARE(a.sis->VetSemExped.Quantidade(), 10);
        QCOMPARE(a.sis->VetSemExped[1], QStringLiteral("09/03/24"));
    }

    // The automatic extension keeps red days later than L - 30; the manual
    // inclusion and the exclusion keep those not earlier than L - 30.
    void poda_data() {
        QTest::addColumn<QString>("operacao");
        QTest::addColumn<int>("deslocamento");
        QTest::addColumn<bool>("fica");
        QTest::newRow("manual -30") << "manual" << -30 << true;
        QTest::newRow("manual -31") << "manual" << -31 << false;
        QTest::newRow("automatica -29") << "automatica" << -29 << true;
        QTest::newRow("automatica -30") << "automatica" << -30 << false;
        QTest::newRow("exclusao -30") << "exclusao" << -30 << true;
        QTest::newRow("exclusao -31") << "exclusao" << -31 << false;
    }
    void poda() {
        QFETCH(QString, operacao);
        QFETCH(int, deslocamento);
        QFETCH(bool, fica);
        AmbienteTeste a;
        const Data ultima = D(10, 4, 2024);
        const Data antigo = ultima + deslocamento;
        const Data outro = D(21, 4, 2024);
        Prepara(a, ultima, D(30, 4, 2024), {outro});
        EstadoSemExped e;
        AtivaSemExped(*a.sis, e);
        if (operacao == "manual") {
            // Typed for that day: dropped without a message when too old.
            QVERIFY(IncluiManual(*a.sis, e, {antigo.Texto()}, ultima.Texto()));
        } else if (operacao == "automatica") {
            a.sis->pasta.GravaLinhas(semExped, {antigo.Texto(), outro.Texto()});
            IncluiAutomatico(*a.sis, e, ultima.Texto(), "30/04/24");
        } else {
            a.sis->pasta.GravaLinhas(semExped, {antigo.Texto(), outro.Texto()});
            QVERIFY(ExcluiSemExped(*a.sis, {outro.Texto()}, ultima.Texto()));
        }
        QVERIFY(a.dialogos.ScriptCumprido());
        const QStringList linhas = a.sis->pasta.LeLinhas(semExped);
        QCOMPARE(linhas.contains(antigo.Texto()), fica);
        QCOMPARE(linhas.contains(outro.Texto()), operacao != "exclusao");
        QCOMPARE(a.sis->VetSemExped.Quantidade(), linhas.size());
    }

    // The list holds 366 dates: an extension whose weekends do not fit is
    // refused before anything is written; one that just fits goes through.
    void extensao_alem_da_capacidade_data() {
        QTest::addColumn<int>("mantidas");
        QTest::addColumn<Data>("fim");
        QTest::addColumn<QString>("maximo"); // empty when accepted
        // The period ends on Friday 08/03/24.
        QTest::newRow("cabem os dois") << 364 << D(11, 3, 2024) << "";
        QTest::newRow("falta um") << 364 << D(16, 3, 2024) << "15/03/24";
        QTest::newRow("lista cheia") << 366 << D(9, 3, 2024) << "08/03/24";
        QTest::newRow("lista cheia, sem fim de semana novo") << 366 << D(8, 3, 2024) << "";
        // Only the weekends take room: a year's extension fits beside a few dates.
        QTest::newRow("um ano") << 20 << D(8, 3, 2025) << "";
    }
    void extensao_alem_da_capacidade() {
        QFETCH(int, mantidas);
        QFETCH(Data, fim);
        QFETCH(QString, maximo);
        AmbienteTeste a;
        const Data ultima = D(7, 3, 2024);
        // Kept dates from 30 days before the last roster date on, none of them
        // inside the new period (whose days are written once).
        QList<Data> mantidasAntes;
        for (Data d = ultima - 29; mantidasAntes.size() < mantidas; ++d)
            if (d < D(9, 3, 2024) || d > D(31, 3, 2024))
                mantidasAntes << d;
        Prepara(a, ultima, D(8, 3, 2024), mantidasAntes);
        const QByteArray vermelhos = a.Bytes(semExped);
        const QByteArray periodo = a.Bytes("DataIniFim.Txt");
        EstadoSemExped e;
        AtivaSemExped(*a.sis, e);
        if (!maximo.isEmpty())
            a.dialogos.EsperaAviso("Escolha um Dia Final até " + maximo);
        const bool foi = Tenta(a.sis->dialogos,
                               [&] { IncluiAutomatico(*a.sis, e, ultima.Texto(), fim.Texto()); });
        QVERIFY(a.dialogos.ScriptCumprido());
        QCOMPARE(foi, maximo.isEmpty());
        if (foi) {
            int fimDeSemana = 0;
            for (Data d = D(9, 3, 2024); d <= fim; ++d)
                fimDeSemana += d.DiaDaSemana() == 1 || d.DiaDaSemana() == 7;
            QCOMPARE(int(a.sis->pasta.LeLinhas(semExped).size()), mantidas + fimDeSemana);
            QCOMPARE(a.sis->pasta.LeDataIniFim().second, fim);
            QCOMPARE(e.ExtensaoPendente, QStringLiteral("S"));
        } else {
            QCOMPARE(a.Bytes(semExped), vermelhos);
            QCOMPARE(a.Bytes("DataIniFim.Txt"), periodo);
            QCOMPARE(e.ExtensaoPendente, QStringLiteral("N"));
        }
    }
};

REGISTRA_TESTE(TesteCalendario)
#include "TesteCalendario.moc"
