#include "base/Falha.h"
#include "data/Aliases.h"
#include "data/CopiaSeguranca.h"
#include "support/ApoioCopia.h"
#include "support/DiscoLimitado.h"
#include "support/Registro.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>

namespace {

using namespace CopiaSeguranca;

const QString Encerrada =
    QStringLiteral("                                     Aviso:\n\nA aplicação será encerrada. "
                   "Reinicie em seguida.");
const QString Ausente =
    QStringLiteral("Operação não executada porque a mídia Espelho não está instalada.");

// Runs a statement on a database file through a connection of its own.
void ExecutaNoArquivo(const QString& arquivo, const QString& sql) {
    const QString nome = QStringLiteral("teste-alteracao");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), nome);
        db.setDatabaseName(arquivo);
        QVERIFY(db.open());
        QSqlQuery q(db);
        QVERIFY(q.exec(sql));
    }
    QSqlDatabase::removeDatabase(nome);
}

// Overwrites the bytes of a file from an offset on.
void Sobrescreve(const QString& arquivo, qint64 inicio, qint64 quantos) {
    QFile f(arquivo);
    QVERIFY(f.open(QIODevice::ReadWrite));
    QVERIFY(f.seek(inicio));
    QVERIFY(f.write(QByteArray(quantos, '\xA5')) == quantos);
}

QString Banco_(const QString& pasta) {
    return QDir(pasta).filePath(QLatin1String(DMGeral::NomeArquivo));
}

// The message of the refusal or failure that f throws.
template <typename F> QString Mensagem(F&& f) {
    try {
        f();
    } catch (const Falha& falha) {
        return falha.Mensagem();
    }
    return {};
}

} // namespace

// The backup into a new folder, the restore and the change of backup location.
class TesteCopiaSeguranca : public QObject {
    Q_OBJECT
private slots:
    // The first backup creates the folder; the next one is written and checked
    // beside it, and replaces it only then.
    void salva_em_pasta_nova() {
        ApoioCopia c;
        RegistroCopia(c.a);
        QVERIFY(!QFileInfo::exists(c.B()));
        c.Salva();
        QStringList esperados = ArquivosCopiados();
        esperados << QLatin1String(DMGeral::NomeArquivo);
        esperados.sort(Qt::CaseInsensitive);
        QCOMPARE(QDir(c.B()).entryList(QDir::Files, QDir::Name | QDir::IgnoreCase), esperados);
        QCOMPARE(c.Estado(Banco::Backup), c.Estado(Banco::Principal));

        const QStringList primeira = c.Estado(Banco::Backup);
        AlteraDepoisDaCopia(c.a);
        QStringList passos;
        c.amb.AoSalvar = [&](const char* passo) {
            passos << QLatin1String(passo);
            QCOMPARE(c.Estado(Banco::Backup), primeira);
            QVERIFY(QFileInfo::exists(Banco_(c.B() + ".nova")));
        };
        c.Salva();
        QCOMPARE(passos, QStringList({"copia gravada", "copia conferida"}));
        QCOMPARE(c.Estado(Banco::Backup), c.Estado(Banco::Principal));
        QVERIFY(c.Estado(Banco::Backup) != primeira);
        QCOMPARE(c.Vizinhas(), QStringList());
    }

    // A copy that cannot be written whole, or that fails its check, goes away
    // and the old backup stays as it was.
    void falha_mantem_a_anterior_data() {
        QTest::addColumn<QString>("falha");
        QTest::addColumn<QString>("trecho");
        QTest::newRow("disco cheio") << "disco"
                                     << "disco cheio";
        QTest::newRow("tabela corrompida") << "tabela"
                                           << "";
        QTest::newRow("arquivo alterado") << "arquivo"
                                          << "O arquivo Escala.Txt da cópia não é igual";
        QTest::newRow("tabela sem linhas") << "linhas"
                                           << "A tabela Hist ficou com 0 linhas";
    }
    void falha_mantem_a_anterior() {
        QFETCH(QString, falha);
        QFETCH(QString, trecho);
        ApoioCopia c;
        RegistroCopia(c.a);
        c.Salva();
        const QStringList anterior = c.Estado(Banco::Backup);
        AlteraDepoisDaCopia(c.a);
        DiscoLimitado disco(40);
        const QString nova = c.B() + ".nova";
        if (falha == "disco")
            disco.Instala(*c.a.sis);
        c.amb.AoSalvar = [&](const char* passo) {
            if (qstrcmp(passo, "copia gravada") != 0)
                return;
            if (falha == "tabela")
                Sobrescreve(Banco_(nova), 4096, QFileInfo(Banco_(nova)).size() - 4096);
            else if (falha == "arquivo")
                GravaBytes(QDir(nova).filePath("Escala.Txt"), "07/03/24\r\n");
            else if (falha == "linhas")
                ExecutaNoArquivo(Banco_(nova), "DELETE FROM Hist");
        };
        const QString msg = Mensagem([&] { Salva(c.amb); });
        QVERIFY2(msg.startsWith("Cópia não realizada.\n"), qPrintable(msg));
        QVERIFY2(msg.contains(trecho), qPrintable(msg));
        QVERIFY2(msg.endsWith(QStringLiteral("A cópia de segurança anterior, em %1, ficou como "
                                             "estava.")
                                  .arg(QDir::toNativeSeparators(c.B()))),
                 qPrintable(msg));
        QCOMPARE(c.Estado(Banco::Backup), anterior);
        QCOMPARE(c.Vizinhas(), QStringList());
        QCOMPARE(c.a.sis->dm.Pasta(Banco::Backup), c.B());
        QVERIFY(c.a.dialogos.Textos.size() == 1); // the first backup's notice only
    }

    // A backup of duties 1 and 3 restored after duty 5 was added: the register
    // is the backup's again, tables and files, for the running program and
    // for a second connection; the screens are shown it before the notice.
    void recupera_servicos_1_e_3() {
        ApoioCopia c;
        RegistroCopia(c.a);
        c.Salva();
        const QStringList copia = c.Estado(Banco::Principal);
        AlteraDepoisDaCopia(c.a);
        CarregaVetSv(*c.a.sis, Banco::Principal);
        QCOMPARE(c.a.sis->VetSv[5].Descr, QStringLiteral("Ronda"));

        // What the screens are shown before the notice is the restored register.
        QStringList mostrado;
        c.a.dialogos.EsperaAviso(Encerrada);
        c.a.dialogos.AntesDoAviso = [&] { QCOMPARE(mostrado, copia); };
        QVERIFY(Recupera(c.amb, [&] { mostrado = c.Estado(Banco::Principal); }));
        QVERIFY(c.a.dialogos.ScriptCumprido());
        QCOMPARE(c.Estado(Banco::Principal), copia);
        QCOMPARE(c.a.Coluna("Sv", "CodSv"), QStringList({"1", "3"}));
        QCOMPARE(c.a.Linhas("Sv5"), QList<QStringList>());
        QCOMPARE(c.a.Coluna("Basico", "Num"), QStringList({"1", "2", "3"}));
        QCOMPARE(c.a.sis->pasta.LeUltimaEscala(), D(5, 3, 2024));
        // A new program run finds it too.
        c.a.Reabre();
        CarregaVetSv(*c.a.sis, Banco::Principal);
        QVERIFY(c.a.sis->VetSv[5].Descr.isEmpty());
        QCOMPARE(c.a.sis->VetSv[1].Descr, QStringLiteral("Of Dia"));
    }

    // A backup that fails its check is refused and the register keeps every
    // byte.
    void recusa_copia_danificada_data() {
        QTest::addColumn<QString>("dano");
        QTest::addColumn<QString>("trecho");
        QTest::newRow("páginas corrompidas") << "paginas"
                                             << "";
        QTest::newRow("arquivo truncado") << "truncado"
                                          << "";
        QTest::newRow("sem a tabela Hist") << "tabela"
                                           << "falta a tabela Hist";
        QTest::newRow("Escala.Txt sem data") << "escala"
                                             << "\"ontem\" não é uma data válida";
        QTest::newRow("sem Niveis.Txt") << "niveis"
                                        << "Arquivo não encontrado: Niveis.Txt";
    }
    void recusa_copia_danificada() {
        QFETCH(QString, dano);
        QFETCH(QString, trecho);
        ApoioCopia c;
        RegistroCopia(c.a);
        c.Salva();
        AlteraDepoisDaCopia(c.a);
        const QString banco = Banco_(c.B());
        if (dano == "paginas")
            Sobrescreve(banco, 4096, QFileInfo(banco).size() - 4096);
        else if (dano == "truncado")
            QVERIFY(QFile::resize(banco, QFileInfo(banco).size() / 2));
        else if (dano == "tabela")
            ExecutaNoArquivo(banco, "DROP TABLE Hist");
        else if (dano == "escala")
            GravaBytes(QDir(c.B()).filePath("Escala.Txt"), "ontem\r\n");
        else
            QVERIFY(QFile::remove(QDir(c.B()).filePath("Niveis.Txt")));
        const QStringList antes = c.Estado(Banco::Principal);
        const QByteArray bytes = BytesDoArquivo(Banco_(c.a.Pasta()));

        bool mostrado = false;
        const QString msg = Mensagem([&] { Recupera(c.amb, [&] { mostrado = true; }); });
        QVERIFY2(msg.startsWith("Recuperação não realizada.\n"), qPrintable(msg));
        QVERIFY2(msg.contains(trecho), qPrintable(msg));
        QVERIFY2(msg.endsWith("\nO cadastro ficou como estava."), qPrintable(msg));
        QVERIFY(!mostrado);
        QCOMPARE(c.Estado(Banco::Principal), antes);
        QCOMPARE(BytesDoArquivo(Banco_(c.a.Pasta())), bytes);
        QCOMPARE(c.a.Coluna("Sv", "CodSv"), QStringList({"1", "3", "5"}));
    }

    // No backup: the message of the first step, and nothing changes.
    void sem_copia() {
        ApoioCopia c;
        RegistroCopia(c.a);
        const QStringList antes = c.Estado(Banco::Principal);
        c.a.dialogos.EsperaAviso("   Recuperação não realizada porque no local não há\narquivos. "
                                 "Corrija o erro e tente novamente.");
        QVERIFY(!Recupera(c.amb, [] { QFAIL("nada a mostrar"); }));
        QVERIFY(c.a.dialogos.ScriptCumprido());
        QCOMPARE(c.Estado(Banco::Principal), antes);
    }

    // A backup interrupted while the new copy took the place of the old one:
    // the old copy is found again.
    void troca_interrompida() {
        ApoioCopia c;
        RegistroCopia(c.a);
        c.Salva();
        const QStringList copia = c.Estado(Banco::Principal);
        AlteraDepoisDaCopia(c.a);
        QVERIFY(QDir().rename(c.B(), c.B() + ".anterior"));
        c.a.dialogos.EsperaAviso(Encerrada);
        QVERIFY(Recupera(c.amb));
        QCOMPARE(c.Estado(Banco::Principal), copia);
        QCOMPARE(c.Vizinhas(), QStringList());
    }

    // A backup folder that holds the data folder is never replaced nor read.
    void pasta_da_copia_com_os_dados() {
        ApoioCopia c;
        RegistroCopia(c.a);
        const QStringList antes = c.Estado(Banco::Principal);
        c.a.sis->dm.DefinePastaBackup(c.a.Pasta());
        const QString recusa = QStringLiteral("contém a pasta de dados");
        QVERIFY(Mensagem([&] { Salva(c.amb); }).contains(recusa));
        QVERIFY(Mensagem([&] { Recupera(c.amb); }).contains(recusa));
        QCOMPARE(c.Estado(Banco::Principal), antes);
        QVERIFY(!QFileInfo::exists(c.a.Pasta() + ".nova"));
    }

    // Closing the location screen: the root chosen, or none.
    void fecha_local_data() {
        QTest::addColumn<QString>("escolha");
        QTest::addColumn<bool>("moveu");
        QTest::addColumn<QString>("aviso");
        QTest::newRow("sem escolha") << "" << false << "";
        QTest::newRow("a mesma raiz") << "dados" << false << "";
        QTest::newRow("outra raiz") << "outra" << true << "Reinicie logo em seguida.";
        QTest::newRow("mídia retirada") << "retirada" << false << Ausente;
        QTest::newRow("mídia não listada") << "fora" << false << Ausente;
    }
    void fecha_local() {
        QFETCH(QString, escolha);
        QFETCH(bool, moveu);
        QFETCH(QString, aviso);
        ApoioCopia c;
        // Lines 7 and 8 go back as they were, byte for byte.
        c.a.sis->pasta.GravaLinhas("Niveis.Txt", {"Org", "U1", "U2", "U3", "Capa1.bmp",
                                                  c.a.PastaBackup(), "42", "Seção ç", "Lema"});
        c.a.sis->NiveisCapa = c.a.sis->pasta.LeNiveis();
        const QByteArray niveis = c.a.Bytes("Niveis.Txt");
        const QByteArray alias = BytesDoArquivo(c.aliases.Arquivo());
        std::optional<QString> raiz;
        if (escolha == "dados")
            raiz = c.RaizDosDados();
        else if (escolha == "outra" || escolha == "retirada")
            raiz = c.outra.path();
        else if (escolha == "fora")
            raiz = c.a.dir.filePath("fora");
        if (escolha == "retirada")
            QVERIFY(c.outra.remove());
        if (escolha == "fora")
            QVERIFY(QDir().mkpath(*raiz));
        const QString nova = QDir(c.outra.path()).filePath("SisTarvolim/Tarvolim2/Espelho");
        if (!aviso.isEmpty())
            c.a.dialogos.EsperaAviso(aviso);
        if (moveu)
            c.a.dialogos.EsperaAviso(" ==> Volte à opção 14. e grave ou recupere a Cópia de "
                                     "Segurança.");
        QCOMPARE(FechaLocal(c.amb, RaizAtual(c.amb), raiz), moveu);
        QVERIFY(c.a.dialogos.ScriptCumprido());
        if (!moveu) {
            QCOMPARE(c.a.Bytes("Niveis.Txt"), niveis);
            QCOMPARE(BytesDoArquivo(c.aliases.Arquivo()), alias);
            QCOMPARE(c.a.sis->dm.Pasta(Banco::Backup), c.B());
            return;
        }
        QCOMPARE(c.a.Bytes("Niveis.Txt"), "Org\r\nU1\r\nU2\r\nU3\r\nCapa1.bmp\r\n" +
                                              nova.toLatin1() +
                                              "\r\n42\r\nSe\xE7\xE3o \xE7\r\nLema\r\n");
        QCOMPARE(c.aliases.Pasta(QLatin1String(Aliases::Backup)), nova);
        QCOMPARE(c.aliases.Pasta(QLatin1String(Aliases::Principal)), c.a.Pasta());
        QVERIFY(QFileInfo(nova).isDir());
        QCOMPARE(c.a.sis->NiveisCapa.PastaBackup(), nova);
        QCOMPARE(c.a.sis->dm.Pasta(Banco::Backup), nova);
        QCOMPARE(RaizAtual(c.amb), c.outra.path());

        // Back on the data folder's root, the backup is the default folder.
        c.a.dialogos.EsperaAviso("Reinicie logo em seguida.").EsperaAviso("Volte à opção 14.");
        QVERIFY(FechaLocal(c.amb, RaizAtual(c.amb), c.RaizDosDados()));
        QCOMPARE(c.aliases.Pasta(QLatin1String(Aliases::Backup)), c.B());
        QCOMPARE(c.a.sis->pasta.LeNiveis().PastaBackup(), c.B());
    }

    // Without the backup alias nothing is moved.
    void sem_alias() {
        ApoioCopia c;
        {
            QSettings s(c.aliases.Arquivo(), QSettings::IniFormat);
            s.remove(QLatin1String(Aliases::Backup));
        }
        const QByteArray niveis = c.a.Bytes("Niveis.Txt");
        QCOMPARE(Mensagem([&] { FechaLocal(c.amb, RaizAtual(c.amb), c.outra.path()); }),
                 QStringLiteral("Alias não existe"));
        QCOMPARE(c.a.Bytes("Niveis.Txt"), niveis);
        QVERIFY(!QFileInfo::exists(QDir(c.outra.path()).filePath("SisTarvolim")));
    }
};

REGISTRA_TESTE(TesteCopiaSeguranca)
#include "TesteCopiaSeguranca.moc"
