#include "base/Falha.h"
#include "data/ArquivoTexto.h"
#include "data/Reinicio.h"
#include "support/AmbienteTeste.h"
#include "support/Registro.h"

#include <QDir>
#include <QFile>
#include <QTest>

namespace {

const QString Encerrada = QStringLiteral("A aplicação será encerrada. Reinicie logo em seguida");

// Two duties, two persons (one absent) and history on both sides of 29/02/24;
// the working text files no longer hold their templates' content.
void Registro(AmbienteTeste& a) {
    a.Servico(1, "Of Dia");
    a.Servico(2, "Gda");
    a.Militar("1", "Ana", 10, "Sd", "R", D(1, 2, 2024), D(20, 3, 2024), "01/02/24,05/02/24");
    a.Militar("2", "Bia", 20);
    a.Membro(1, "1", 7, 2, "01/02/24", "04/02/24");
    a.Membro(1, "2", 8, 1, "05/02/24", "13/05/09");
    a.Membro(2, "2", 5, 5, "02/02/24", "03/02/24");
    a.Historico(D(28, 2, 2024), 1, "Of Dia", "1");
    a.Historico(D(29, 2, 2024), 1, "Of Dia", "2");
    a.Historico(D(1, 3, 2024), 1, "Of Dia", "1");
    a.Historico(D(5, 3, 2024), 2, "Gda", "2", "Vm");
    a.sis->pasta.GravaLinhas("SemExped.Txt", {"09/03/24"});
    a.sis->pasta.GravaLinhas("Escala.Txt", {"05/03/24"});
    a.sis->pasta.GravaLinhas("DataIniFim.Txt", {"01/01/24", "31/03/24"});
    a.sis->pasta.GravaLinhas("Entradas.Txt", {"1"});
    a.sis->pasta.GravaLinhas("ArqCores.Txt", {"5", "5"});
}

// Every text file of the data folder with its bytes.
QStringList Arquivos(const AmbienteTeste& a) {
    QStringList r;
    for (const QString& nome : QDir(a.Pasta()).entryList({"*.Txt", "*.Doc"}, QDir::Files))
        r << nome + '=' + QString::fromLatin1(a.Bytes(nome).toHex());
    return r;
}

// Every row of the 33 tables.
QStringList Tabelas(AmbienteTeste& a) {
    QStringList r;
    for (const QString& t : DMGeral::NomesTabelas())
        for (const QStringList& l : a.Linhas(t))
            r << t + ':' + l.join('|');
    return r;
}

// The files the templates replace hold the templates' bytes (Entradas.Txt
// aside, which the caller checks).
void ConfereModelos(AmbienteTeste& a) {
    for (const QString& nome : PastaDados::ArquivosIni())
        if (nome != QLatin1String("Entradas.Txt"))
            QCOMPARE(a.Bytes(nome), a.Bytes("Ini" + nome));
    QCOMPARE(a.Bytes("IniEscala.Txt"), QByteArray("29/02/24\r\n"));
    QCOMPARE(a.Bytes("IniDataIniFim.Txt"), QByteArray("29/02/24\r\n29/02/24\r\n"));
}

} // namespace

// The first roster day and the reset of the register.
class TesteReinicio : public QObject {
    Q_OBJECT
private slots:
    // 01/03/24: 29/02/24 everywhere; the other files back to their templates;
    // no table touched.
    void primeiro_dia() {
        AmbienteTeste a;
        Registro(a);
        const QStringList tabelas = Tabelas(a);
        a.dialogos.EsperaAviso(Encerrada + "\r\r      Ao retornar, execute o próximo item:  \r\r6. "
                                           "Informar o período de escalação e incluir feriados");
        Reinicio::FixaPrimeiroDia(a.sis->dm, a.sis->pasta, a.dialogos,
                                  Reinicio::LePrimeiroDia("01/03/24", 2024));
        ConfereModelos(a);
        QCOMPARE(a.sis->pasta.LeUltimaEscala(), D(29, 2, 2024));
        QCOMPARE(a.sis->pasta.LeDataIniFim(), std::make_pair(D(29, 2, 2024), D(29, 2, 2024)));
        QCOMPARE(a.Bytes("Entradas.Txt"), a.Bytes("IniEntradas.Txt"));
        QCOMPARE(Tabelas(a), tabelas);
        QVERIFY(a.dialogos.ScriptCumprido());
    }

    void reinicio_data() {
        QTest::addColumn<bool>("eliminaCadastro");
        QTest::addColumn<bool>("eliminaHistorico");
        QTest::addColumn<QStringList>("historico");
        QTest::newRow("manter, histórico anterior")
            << false << false
            << QStringList({"2024-02-28|1|Of Dia|1|Pt", "2024-02-29|1|Of Dia|2|Pt"});
        QTest::newRow("manter, sem histórico") << false << true << QStringList();
        QTest::newRow("eliminar") << true << false << QStringList();
        QTest::newRow("eliminar tudo") << true << true << QStringList();
    }
    // "Manter" keeps persons, duties and memberships with the rotation
    // restarted and warns three starts; "Eliminar" empties the 33 tables. The
    // history up to the day before the first day stays when asked.
    void reinicio() {
        QFETCH(bool, eliminaCadastro);
        QFETCH(bool, eliminaHistorico);
        QFETCH(QStringList, historico);
        AmbienteTeste a;
        Registro(a);
        a.dialogos.EsperaAviso(Encerrada);
        Reinicio::ReiniciaSistema(a.sis->dm, a.sis->pasta, a.dialogos,
                                  Reinicio::LePrimeiroDia("01/03/24", 2024),
                                  {eliminaCadastro, eliminaHistorico});
        QCOMPARE(a.dialogos.Textos, QStringList({Encerrada}));
        ConfereModelos(a);
        QCOMPARE(a.sis->pasta.LeUltimaEscala(), D(29, 2, 2024));
        QStringList hist;
        for (const QStringList& l : a.Linhas("Hist"))
            hist << l.join('|');
        QCOMPARE(hist, historico);
        if (eliminaCadastro) {
            QCOMPARE(Tabelas(a), QStringList());
            QCOMPARE(a.Bytes("Entradas.Txt"), a.Bytes("IniEntradas.Txt"));
            return;
        }
        QCOMPARE(a.Bytes("Entradas.Txt"), QByteArray("3\r\n"));
        QStringList basico;
        for (const QStringList& l : a.Linhas("Basico"))
            basico << QStringList{l[0], l[3], l[6]}.join('|');
        QCOMPARE(basico, QStringList({"1||13/05/09", "2||13/05/09"}));
        QCOMPARE(a.Linhas("Sv1"), QList<QStringList>({{"1", "3", "3", "13/05/09", "13/05/09"},
                                                      {"2", "3", "3", "13/05/09", "13/05/09"}}));
        QCOMPARE(a.Linhas("Sv2"), QList<QStringList>({{"2", "3", "3", "13/05/09", "13/05/09"}}));
        QCOMPARE(a.Coluna("Sv", "Descr"), QStringList({"Of Dia", "Gda"}));
    }

    void recusas_data() {
        QTest::addColumn<QString>("dia");
        QTest::addColumn<QString>("apaga"); // a template removed first
        QTest::addColumn<QString>("mensagem");
        QTest::newRow("data inválida") << "31/02/24"
                                       << ""
                                       << "31/02/24 >>> Data inválida";
        QTest::newRow("texto de exemplo") << "dd/mm/aa"
                                          << ""
                                          << "dd/mm/aa >>> Data inválida";
        QTest::newRow("modelo ausente") << "01/03/24"
                                        << "IniUltiEqual.Txt"
                                        << "IniUltiEqual.Txt";
    }
    // An invalid day or a missing template: refused, and neither the tables
    // nor any text file changed (not even the templates read before).
    void recusas() {
        QFETCH(QString, dia);
        QFETCH(QString, apaga);
        QFETCH(QString, mensagem);
        for (const bool reinicia : {false, true}) {
            AmbienteTeste a;
            Registro(a);
            if (!apaga.isEmpty())
                QVERIFY(QFile::remove(a.sis->pasta.Caminho(apaga)));
            const QStringList arquivos = Arquivos(a);
            const QStringList tabelas = Tabelas(a);
            QString texto;
            try {
                const Data primeiro = Reinicio::LePrimeiroDia(dia, 2024);
                if (reinicia)
                    Reinicio::ReiniciaSistema(a.sis->dm, a.sis->pasta, a.dialogos, primeiro,
                                              {true, true});
                else
                    Reinicio::FixaPrimeiroDia(a.sis->dm, a.sis->pasta, a.dialogos, primeiro);
            } catch (const Falha& f) {
                texto = f.Mensagem();
            }
            QVERIFY2(texto.contains(mensagem), qPrintable(texto));
            QCOMPARE(Arquivos(a), arquivos);
            QCOMPARE(Tabelas(a), tabelas);
            QVERIFY(a.dialogos.Textos.isEmpty());
        }
    }

    // A failure between the prepared files and the tables' commit leaves the
    // old register and files; at the next start nothing half-done shows.
    void interrompido() {
        AmbienteTeste a;
        Registro(a);
        const QStringList arquivos = Arquivos(a);
        const QStringList tabelas = Tabelas(a);
        a.sis->dm.AoGravar = [](const char* p) {
            if (QLatin1String(p) == QLatin1String("arquivos preparados"))
                throw Falha(QStringLiteral("falha simulada"));
        };
        QVERIFY_THROWS_EXCEPTION(Falha, Reinicio::ReiniciaSistema(a.sis->dm, a.sis->pasta,
                                                                  a.dialogos, D(1, 3, 2024), {}));
        a.Reabre();
        a.sis->dm.Prepara(Banco::Principal);
        QCOMPARE(Arquivos(a), arquivos);
        QCOMPARE(Tabelas(a), tabelas);
    }
};

REGISTRA_TESTE(TesteReinicio)
#include "TesteReinicio.moc"
