#include "model/Irmaos.h"
#include "shell/AtualizaPrincipal.h"
#include "support/AmbienteTeste.h"
#include "support/ApoioComando.h"
#include "support/ApoioEscala.h"
#include "support/CadastroDanificado.h"
#include "support/Registro.h"

#include <QDir>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>

namespace {

// The tables of the small register that a refused commit leaves alone, as the
// file holds them; Sv only when asked, as showing the roster tab writes the
// priorities there.
QList<QList<QVariantList>> Tabelas(AmbienteTeste& a, bool comSv = false) {
    QList<QList<QVariantList>> tabelas;
    for (const char* t : {"Basico", "Hist", "Sv1", "Sv2"})
        tabelas << a.Brutas(QString::fromLatin1(t));
    if (comSv)
        tabelas << a.Brutas(QStringLiteral("Sv"));
    return tabelas;
}

void DefineNoArquivo(AmbienteTeste& a, const QString& comando) {
    a.sis.reset();
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "teste-valores");
        db.setDatabaseName(QDir(a.Pasta()).filePath(DMGeral::NomeArquivo));
        QVERIFY(db.open());
        QSqlQuery q(db);
        QVERIFY(q.exec(comando));
    }
    QSqlDatabase::removeDatabase("teste-valores");
    a.Reabre();
}

} // namespace

// A row whose values the register cannot hold is told on load, naming table,
// row and value; no save rewrites its table (the file keeps it as it is), and
// reading goes on.
class TesteValoresDanificados : public QObject {
    Q_OBJECT
private slots:
    // The main window's refresh (and the history's load, which it does not
    // run) tells it once and leaves the table alone; the next ones say nothing
    // again.
    void atualizacao_data() { CasosDeValoresDanificados(); }
    void atualizacao() {
        QFETCH(QString, dano);
        QFETCH(QString, mensagem);
        AmbienteTeste a;
        RegistroPequeno(a);
        DanificaValores(a, dano);
        const auto antes = Tabelas(a, true);
        a.dialogos.EsperaAviso(mensagem);
        AtualizaPrincipal(*a.sis, nullptr);
        CarregaVetHist(*a.sis, Banco::Principal);
        QVERIFY(a.dialogos.ScriptCumprido());
        QVERIFY(a.dialogos.Textos.first().contains("Corrija a linha em Manutenção (item 12)"));
        AtualizaPrincipal(*a.sis, nullptr);
        CarregaVetHist(*a.sis, Banco::Principal);
        MontaIrmaos(*a.sis);
        QCOMPARE(a.dialogos.Textos.size(), 1);
        QCOMPARE(Tabelas(a, true), antes);
    }

    // The headless command: committing is refused (exit 2) and nothing is
    // written; the verification lists the forecast beside the notice, unless
    // it would rewrite the damaged duty table with the priorities.
    void comando_data() { CasosDeValoresDanificados(); }
    void comando() {
        QFETCH(QString, dano);
        QFETCH(QString, tabela);
        QFETCH(QString, mensagem);
        AmbienteTeste a;
        RegistroPequeno(a);
        DanificaValores(a, dano);
        const bool sv = tabela == QLatin1String("Sv");
        const auto antes = Tabelas(a, sv);
        const QByteArray escala = a.Bytes("Escala.Txt");

        const Execucao escalar = ExecutaComando(a, {"escalar", "--ate", "11/03/24"});
        QCOMPARE(escalar.codigo, 2);
        const QString mensagens = escalar.Secao("[Mensagens]").join('\n');
        QVERIFY2(mensagens.contains(mensagem), qPrintable(escalar.saida));
        // The notice once, then the refusal with the same finding.
        QCOMPARE(mensagens.count(mensagem), 1);
        const QString achado = mensagem.mid(QStringLiteral("A tabela %1 tem ").arg(tabela).size());
        QVERIFY2(mensagens.contains(
                     QStringLiteral("A tabela %1 não foi gravada: ela tem %2").arg(tabela, achado)),
                 qPrintable(escalar.saida));
        QCOMPARE(Tabelas(a, sv), antes);
        QCOMPARE(a.Bytes("Escala.Txt"), escala);

        const Execucao verificar = ExecutaComando(a, {"verificar", "--ate", "11/03/24"});
        QVERIFY2(verificar.Secao("[Mensagens]").join('\n').contains(mensagem),
                 qPrintable(verificar.saida));
        if (sv) {
            QCOMPARE(verificar.codigo, 2);
        } else {
            QCOMPARE(verificar.codigo, 0);
            QVERIFY(!verificar.Secao("[Escala]").isEmpty());
        }
        QCOMPARE(Tabelas(a, sv), antes);
    }

    // The once-a-run review of the absent persons' counters leaves a blocked
    // rotation alone when none of its counters changes.
    void verificacao_com_afastado() {
        AmbienteTeste a;
        RegistroPequeno(a);
        DanificaValores(a, "número vazio no rodízio");
        DefineNoArquivo(a, "UPDATE Basico SET PR = 'P', Ini = '2024-04-01', Fim = '2024-04-10' "
                           "WHERE Num = '4'");
        const auto antes = Tabelas(a);
        const Execucao e = ExecutaComando(a, {"verificar", "--ate", "11/03/24"});
        QCOMPARE(e.codigo, 0);
        QVERIFY2(!e.saida.contains("não foi gravada"), qPrintable(e.saida));
        QCOMPARE(Tabelas(a), antes);
    }

    // Once the row is mended the table is written again.
    void consertada_grava() {
        AmbienteTeste a;
        RegistroPequeno(a);
        DanificaValores(a, "número vazio no rodízio");
        const Execucao recusada = ExecutaComando(a, {"escalar", "--ate", "11/03/24"});
        QCOMPARE(recusada.codigo, 2);
        DefineNoArquivo(a, "UPDATE Sv2 SET Num = '6' WHERE Num = ''");
        const Execucao e = ExecutaComando(a, {"escalar", "--ate", "11/03/24"});
        QCOMPARE(e.codigo, 0);
        QVERIFY2(!e.saida.contains("não foi gravada"), qPrintable(e.saida));
        QCOMPARE(a.sis->pasta.LeUltimaEscala(), D(11, 3, 2024));
    }

    // A counter the commit cannot raise without leaving the integer range:
    // refused with the person and rotation named, nothing written; the load
    // itself says nothing, as the value is one the register holds.
    void contador_no_limite() {
        AmbienteTeste a;
        RegistroPequeno(a);
        DefineNoArquivo(a, "UPDATE Sv1 SET Pt = 2147483647");
        const auto antes = Tabelas(a);
        AtualizaPrincipal(*a.sis, nullptr);
        QVERIFY(a.dialogos.Textos.isEmpty());
        const Execucao e = ExecutaComando(a, {"escalar", "--ate", "11/03/24"});
        QCOMPARE(e.codigo, 2);
        QVERIFY2(
            e.Secao("[Mensagens]")
                .join('\n')
                .contains(
                    "O contador Pt do militar 3 na escala Sv1 está em 2147483647 e não pode ir "
                    "a 2147483648"),
            qPrintable(e.saida));
        QCOMPARE(Tabelas(a), antes);
        // The summaries keep the last three digits of the sums, never a wrapped
        // negative value.
        MontaIrmaos(*a.sis);
        QCOMPARE(a.sis->VetIrmaos[1].Sv[1].Pt, QStringLiteral("647"));
        QCOMPARE(a.sis->VetIrmaos[1].Total.PtVm, QStringLiteral("647"));
    }

    // A red-day list longer than memory holds is refused whole, naming the
    // file, instead of being read in part.
    void lista_vermelha_longa() {
        AmbienteTeste a;
        RegistroPequeno(a);
        QStringList linhas;
        for (Data d = D(1, 1, 2024); linhas.size() < 367; ++d)
            linhas << d.Texto();
        a.sis->pasta.GravaLinhas("SemExped.Txt", linhas);
        const QByteArray semExped = a.Bytes("SemExped.Txt");
        const auto antes = Tabelas(a);
        const Execucao e = ExecutaComando(a, {"escalar", "--ate", "11/03/24"});
        QCOMPARE(e.codigo, 2);
        QVERIFY2(
            e.Secao("[Mensagens]")
                .join('\n')
                .contains("O arquivo SemExped.Txt tem 367 linhas, mas a lista de dias de Escala "
                          "Vermelha comporta no máximo 366 datas"),
            qPrintable(e.saida));
        QCOMPARE(a.Bytes("SemExped.Txt"), semExped);
        QCOMPARE(Tabelas(a), antes);
    }
};

REGISTRA_TESTE(TesteValoresDanificados)
#include "TesteValoresDanificados.moc"
